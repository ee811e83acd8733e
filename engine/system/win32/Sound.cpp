#include "engine/system/win32/Sound.h"

void PlaySoundFile(const std::string& path, bool wait) {
  char mode[64] = {};
  SendMciCommand("status PlayMe mode", mode, sizeof mode);
  if (mode[0] != '\0') SendMciCommand("close PlayMe");
  if (path.empty()) return;
  std::string open = "open \"" + path + "\" alias PlayMe";
  if (SendMciCommand(open.c_str()) != 0) return;
  if (wait) {
    SendMciCommand("play PlayMe wait");
    SendMciCommand("close PlayMe");
  } else {
    SendMciCommand("play PlayMe");
  }
}
