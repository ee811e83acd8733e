// Saving over a robot file on the real file system: a save that cannot put
// the new file in place returns false and leaves the old file as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "robots/Robot.h"
#include "tests/support/FileContent.h"
#include "tests/support/RobotChecks.h"
#include "tests/support/TempFolder.h"
#include "tests/support/win32/RobotServicesAtStart.h"

namespace {

const char kOldContent[] = "[General]\r\nName=robot\r\nold robot, not to be lost\r\n";

// Held open by another program without sharing, or read-only (which Wine
// alone would let a move replace): the old file stays as it was.
TEST(RobotFileReplace, AFileHeldOpenOrReadOnlyIsNotReplaced) {
  for (bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "read-only" : "held open");
    TempFolder folder;
    const std::string path = folder.File("robot.txt");
    WriteFileText(path, kOldContent);
    HANDLE held = INVALID_HANDLE_VALUE;
    if (readOnly) {
      ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    } else {
      held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(held, INVALID_HANDLE_VALUE) << GetLastError();
    }
    const bool saved = SampleRobot("robot").SaveToFile(folder.Path());
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFileText(path), kOldContent);
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"robot.txt"})
        << "no temporary file is left behind";
  }
}

// A reader that lets the file go a moment later (a virus scanner, a backup)
// does not make the save fail.
TEST(RobotFileReplace, AFileHeldOpenAMomentIsReplacedOnceItIsLetGo) {
  TempFolder folder;
  const std::string path = folder.File("robot.txt");
  WriteFileText(path, kOldContent);
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE) << GetLastError();
  std::thread reader([held] {
    Sleep(150);
    CloseHandle(held);
  });
  const bool saved = SampleRobot("robot").SaveToFile(folder.Path());
  reader.join();
  EXPECT_TRUE(saved);
  EXPECT_NE(ReadFileText(path), kOldContent);
  EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"robot.txt"});
}

TEST(RobotFileReplace, AFolderInTheRobotFilesPlaceStays) {
  TempFolder folder;
  ASSERT_TRUE(CreateDirectoryA(folder.File("robot.txt").c_str(), nullptr));
  WriteFileText(folder.File("robot.txt") + "\\inside", "kept");
  EXPECT_FALSE(SampleRobot("robot").SaveToFile(folder.Path()));
  EXPECT_EQ(ReadFileText(folder.File("robot.txt") + "\\inside"), "kept");
  EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"robot.txt"});
}

TEST(RobotFileReplace, AnExistingFileIsReplacedWhole) {
  TempFolder folder;
  WriteFileText(folder.File("robot.txt"), std::string(5000, 'x'));
  const CRobot saved = SampleRobot("robot");
  ASSERT_TRUE(saved.SaveToFile(folder.Path()));
  CRobot loaded;
  ASSERT_TRUE(loaded.LoadFromFile(folder.File("robot.txt")));
  ExpectSameRobot(saved, loaded);
  EXPECT_EQ(ReadFileText(folder.File("robot.txt")).find("xxxx"), std::string::npos)
      << "nothing of the longer old file remains";
}

TEST(RobotFileReplace, ANameBeyondAsciiIsSavedUnderItsOwnName) {
  TempFolder folder;
  const std::string name = "Caf\xE9 robot";  // e acute in the ANSI code page
  CRobot saved = SampleRobot(name);
  ASSERT_TRUE(saved.SaveToFile(folder.Path()));
  const std::string path = folder.Path() + "\\" + name + ".txt";
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_TRUE(saved.SaveToFile(folder.Path())) << "and replaced again";
  CRobot loaded;
  ASSERT_TRUE(loaded.LoadFromFile(path));
  EXPECT_EQ(loaded.Name, name);
}

}  // namespace
