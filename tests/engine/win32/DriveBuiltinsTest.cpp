// The drive built-ins on the drives of the test's Wine prefix, and the CD
// tray's commands through a recorder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/win32/CdTray.h"
#include "engine/system/win32/MciCommands.h"
#include "tests/support/ScriptRunner.h"

namespace {

std::string Report(const std::string& script, const std::vector<std::string>& names) {
  ScriptRunner runner;
  runner.Load("drives.txt", script);
  runner.Run();
  return runner.Report(names);
}

// A drive letter that has no drive ("" when all are used).
std::string UnusedDrive() {
  for (char letter = 'Q'; letter <= 'Y'; ++letter) {
    std::string root = std::string(1, letter) + ":\\";
    if (GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR) return root.substr(0, 2);
  }
  return "";
}

std::vector<std::string> commands;
std::string failing;  // the command that fails, by its first word(s)

DWORD WINAPI RecordCommand(LPCSTR command, LPSTR, UINT, HWND) {
  commands.push_back(command);
  return !failing.empty() && std::string(command).rfind(failing, 0) == 0 ? 263 : 0;
}

}  // namespace

TEST(DriveBuiltins, TheDriveListHasLowerCaseLettersAndItsCountFirst) {
  std::string report = Report(R"($d = DriveGetDrive("FIXED")
$count = $d[0]
$first = $d[1]
$all = DriveGetDrive("all")
$e = @error
$bad = DriveGetDrive("floppy")
$ebad = @error
)",
                              {"first", "e", "ebad"});
  EXPECT_EQ(report, "first=c:\ne=0\nebad=1\n");
  std::string count = Report("$d = DriveGetDrive(\"fixed\")\n$n = $d[0]", {"n"});
  EXPECT_NE(count, "n=0\n");
}

TEST(DriveBuiltins, TypeStatusSpaceAndVolume) {
  std::string report = Report(R"($type = DriveGetType("C:")
$status = DriveStatus("c:\")
$estatus = @error
$total = DriveSpaceTotal("C:")
$free = DriveSpaceFree("C:\")
$efree = @error
$fs = DriveGetFileSystem("C:")
$efs = @error
$serial = DriveGetSerial("C:")
$label = DriveGetLabel("C:")
$elabel = @error
$positive = $total > 0 And $free >= 0 And $free <= $total
)",
                              {"type", "status", "estatus", "efree", "efs", "elabel", "positive", "serial", "fs"});
  EXPECT_EQ(report.substr(0, report.find("serial=")),
            "type=Fixed\nstatus=READY\nestatus=0\nefree=0\nefs=0\nelabel=0\npositive=1\n");
  std::string serial = report.substr(report.find("serial=") + 7);
  serial = serial.substr(0, serial.find('\n'));
  EXPECT_FALSE(serial.empty());
  EXPECT_EQ(serial.find_first_not_of("0123456789"), std::string::npos) << serial;
  EXPECT_NE(report.find("\nfs="), report.find("\nfs=\n")) << "a file system name";
}

TEST(DriveBuiltins, AMissingDriveSetsError) {
  std::string drive = UnusedDrive();
  ASSERT_FALSE(drive.empty());
  std::string script = R"($type = DriveGetType("X:")
$etype = @error
$status = DriveStatus("X:")
$estatus = @error
$total = DriveSpaceTotal("X:")
$etotal = @error
$fs = DriveGetFileSystem("X:")
$efs = @error
$serial = DriveGetSerial("X:")
$eserial = @error
$label = DriveSetLabel("X:", "NEW")
$map = DriveMapGet("X:")
$emap = @error
$del = DriveMapDel("X:")
$tray = CDTray("X:", "open")
)";
  std::string report = Report(ReplaceAll(script, "X:", drive),
                              {"etype", "status", "estatus", "etotal", "efs", "eserial", "label", "map", "emap",
                               "del", "tray"});
  EXPECT_EQ(report.substr(0, 9), "etype=1\ns");
  EXPECT_NE(report.find("\nestatus=1\netotal=1\nefs=1\neserial=1\nlabel=0\nmap=\nemap=1\ndel=0\ntray=0\n"),
            std::string::npos)
      << report;
  EXPECT_EQ(report.find("status=READY"), std::string::npos) << report;
}

TEST(DriveBuiltins, AFailedMappingTellsWhyByError) {
  std::string report = Report(R"($r = DriveMapAdd("", "\\nohost.invalid\share")
$e = @error
)",
                              {"r", "e"});
  EXPECT_EQ(report.substr(0, 4), "r=0\n");
  int error = std::atoi(report.substr(report.find("e=") + 2).c_str());
  EXPECT_GE(error, 1);
  EXPECT_LE(error, 6);
}

TEST(DriveBuiltins, TheTrayOfADriveThatIsNoCdDriveIsLeftAlone) {
  commands.clear();
  failing.clear();
  SetMciSendFunction(RecordCommand);
  std::string report = Report(R"($fixed = CDTray("C:", "open")
$word = CDTray("C:", "eject")
)",
                              {"fixed", "word"});
  SetMciSendFunction(nullptr);
  EXPECT_EQ(report, "fixed=0\nword=0\n");
  // Only the interpreter's question for an open sound as it goes.
  EXPECT_EQ(commands, std::vector<std::string>{"status PlayMe mode"});
}

TEST(DriveBuiltins, TheTrayDeviceIsClosedAlsoWhenTheDoorCommandFails) {
  commands.clear();
  SetMciSendFunction(RecordCommand);
  failing = "set cd door";
  EXPECT_FALSE(SetCdTrayDoor("D:", "open"));
  failing.clear();
  EXPECT_TRUE(SetCdTrayDoor("D:", "closed"));
  failing = "open ";
  EXPECT_FALSE(SetCdTrayDoor("D:", "open"));
  SetMciSendFunction(nullptr);
  EXPECT_EQ(commands, (std::vector<std::string>{
                          "open D: type cdaudio alias cd wait", "set cd door open wait", "close cd wait",
                          "open D: type cdaudio alias cd wait", "set cd door closed wait", "close cd wait",
                          "open D: type cdaudio alias cd wait"}));
}
