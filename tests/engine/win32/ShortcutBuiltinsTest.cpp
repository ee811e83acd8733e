// FILECREATESHORTCUT and FILEGETSHORTCUT: a round trip through a link file.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/FileContent.h"
#include "tests/support/FolderScriptTest.h"

namespace {

class ShortcutBuiltins : public FolderScriptTest {
 protected:
  void SetUp() override { WriteFileText(Path("tool.exe"), "not really a program"); }

  // The hot key stored in a link file (0 when it cannot be read).
  WORD StoredHotkey(const std::string& link) {
    WORD hotkey = 0;
    CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
      std::wstring wide(link.begin(), link.end());
      if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
          SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
        shellLink->GetHotkey(&hotkey);
      }
      if (file) file->Release();
      shellLink->Release();
    }
    CoUninitialize();
    return hotkey;
  }
};

}  // namespace

TEST_F(ShortcutBuiltins, EveryPartComesBackFromTheLinkFile) {
  EXPECT_EQ(Run(R"($made = FileCreateShortcut("%DIR%\tool.exe", "%DIR%\Tool", "%DIR%", "-a x", "My tool", "%DIR%\tool.exe", "+k", 2, 3)
$s = FileGetShortcut("%DIR%\tool")
$e = @error
$target = $s[0]
$work = $s[1]
$args = $s[2]
$description = $s[3]
$icon = $s[4]
$iconNumber = $s[5]
$show = $s[6]
)",
                {"made", "e", "args", "description", "iconNumber"}),
            "made=1\ne=0\nargs=-a x\ndescription=My tool\niconNumber=2\n");
  // Wine keeps no show state in a link file; the element is there all the same.
  EXPECT_NE(runner.Report({"show"}), "show=\n");
  EXPECT_EQ(lstrcmpiA(runner.Report({"target"}).c_str(), ("target=" + Path("tool.exe") + "\n").c_str()), 0)
      << runner.Report({"target"});
  EXPECT_EQ(lstrcmpiA(runner.Report({"work"}).c_str(), ("work=" + dir.Path() + "\n").c_str()), 0);
  EXPECT_EQ(lstrcmpiA(runner.Report({"icon"}).c_str(), ("icon=" + Path("tool.exe") + "\n").c_str()), 0);
  EXPECT_TRUE(PathExists(Path("Tool.lnk")));
  EXPECT_EQ(StoredHotkey(Path("Tool.lnk")), MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_SHIFT));
}

TEST_F(ShortcutBuiltins, TheLinkExtensionIsAddedOnlyWhenMissing) {
  EXPECT_EQ(Run(R"($made = FileCreateShortcut("%DIR%\tool.exe", "%DIR%\short.LNK")
$s = FileGetShortcut("%DIR%\short.lnk")
$e = @error
$description = $s[3]
)",
                {"made", "e", "description"}),
            "made=1\ne=0\ndescription=\n");
  EXPECT_TRUE(PathExists(Path("short.LNK")));
  EXPECT_FALSE(PathExists(Path("short.LNK.lnk")));
  EXPECT_EQ(StoredHotkey(Path("short.LNK")), 0);
}

TEST_F(ShortcutBuiltins, AMissingOrUnreadableLinkSetsError) {
  WriteFileText(Path("broken.lnk"), "no link in here");
  EXPECT_EQ(Run(R"($missing = FileGetShortcut("%DIR%\none")
$emissing = @error
$broken = FileGetShortcut("%DIR%\broken.lnk")
$ebroken = @error
$nofolder = FileCreateShortcut("%DIR%\tool.exe", "%DIR%\no\such\link")
)",
                {"emissing", "ebroken", "nofolder"}),
            "emissing=1\nebroken=1\nnofolder=0\n");
}
