#include "tests/app/AppTestSupport.h"

#include <fstream>
#include <sstream>

#include "app/HotkeyId.h"
#include "robots/win32/DataFolder.h"
#include "tests/support/win32/RobotServicesAtStart.h"

RobotFolderFixture::RobotFolderFixture() {
  OverrideAppDataFolder(temp_.Path());
  CreateDirectoryTree(ScriptFolder());
}

RobotFolderFixture::~RobotFolderFixture() { RestoreAppDataFolder(); }

std::string RobotFolderFixture::ScriptFolder() const { return GetDataFolder() + "\\script"; }

void RobotFolderFixture::WriteRobot(const RobotFixture& robot) const {
  WriteRobotFile(ScriptFolder(), robot);
}

void RobotFolderFixture::WriteFile(const std::string& name, const std::string& content) const {
  std::ofstream out(ScriptFolder() + "\\" + name, std::ios::binary);
  out << content;
}

std::string RobotFolderFixture::ReadFile(const std::string& name) const {
  std::ifstream in(ScriptFolder() + "\\" + name, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool RobotFolderFixture::FileExists(const std::string& name) const {
  return GetFileAttributesA((ScriptFolder() + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool HotkeyIsFree(const std::string& text) {
  HotkeyKey hotkey = HotkeyTextToId(text);
  constexpr int kProbeId = 0xBEEF;
  if (!RegisterHotKey(nullptr, kProbeId, hotkey.modifiers, hotkey.key)) return false;
  UnregisterHotKey(nullptr, kProbeId);
  return true;
}

int HotkeyIdOf(const std::string& text) { return HotkeyTextToId(text).id; }
