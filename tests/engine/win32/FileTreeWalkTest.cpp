// The recursive walk of FILESETTIME and FILESETATTRIB never descends into a
// junction or symbolic link: one that points to a parent would loop.
#include "engine/files/win32/FileTreeWalk.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"

namespace {

// Makes `link` a symbolic link to the folder `target` (relative to the link's
// folder). Under Wine the system call is a stub that makes nothing, but a
// link made on the Unix side is seen as a reparse point: there the link is
// made by the system's own "ln", started through Wine.
bool MakeFolderLink(const std::string& link, const std::string& target) {
  using UnixFileName = char*(CDECL*)(LPCWSTR);
  const auto unixName = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixName) {
    return CreateSymbolicLinkA(link.c_str(), target.c_str(),
                               SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
  }
  std::wstring wide(link.begin(), link.end());
  char* unixLink = unixName(wide.c_str());
  if (!unixLink) return false;
  std::string command = "/bin/ln -s " + target + " " + unixLink;
  HeapFree(GetProcessHeap(), 0, unixLink);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA("Z:\\bin\\ln", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // The started program may end before its work is seen: wait for the link.
  for (int i = 0; i < 100 && GetFileAttributesA(link.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(20);
  return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(FileTreeWalk, ALinkToAParentIsAnEntryButIsNotDescendedInto) {
  TempFolder dir;
  const std::string tree = dir.File("tree");
  ASSERT_TRUE(CreateDirectoryA(tree.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((tree + "\\sub").c_str(), nullptr));
  WriteFileText(tree + "\\sub\\a.txt", "a");
  const std::string link = tree + "\\sub\\up";
  ASSERT_TRUE(MakeFolderLink(link, "..")) << "no folder link could be made";
  const DWORD attributes = GetFileAttributesA(link.c_str());
  ASSERT_EQ(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT),
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
      << std::hex << attributes;

  std::vector<std::string> walked;
  EXPECT_TRUE(WalkPattern(tree + "\\*", true, [&](const std::string& path) {
    walked.push_back(path);
    return walked.size() < 100;  // the old walk went round the loop until the names grew too long
  }));
  std::sort(walked.begin(), walked.end());
  EXPECT_EQ(walked, (std::vector<std::string>{tree + "\\sub", tree + "\\sub\\a.txt", tree + "\\sub\\up"}));
  RemoveDirectoryA(link.c_str());
  DeleteFileA(link.c_str());
}

}  // namespace
