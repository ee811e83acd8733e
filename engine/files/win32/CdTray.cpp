#include "engine/files/win32/CdTray.h"

#include "engine/system/win32/MciCommands.h"

bool SetCdTrayDoor(const std::string& drive, const std::string& action) {
  std::string open = "open " + drive + " type cdaudio alias cd wait";
  if (SendMciCommand(open.c_str()) != 0) return false;
  std::string door = "set cd door " + action + " wait";
  bool done = SendMciCommand(door.c_str()) == 0;
  SendMciCommand("close cd wait");
  return done;
}
