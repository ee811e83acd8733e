#include "engine/win32/Sound.h"

#include <mmsystem.h>

namespace {

MCIERROR WINAPI SendThroughWinmm(LPCSTR command, LPSTR answer, UINT answerSize, HWND callback) {
  return mciSendStringA(command, answer, answerSize, callback);
}

MciSendFunction sendCommand = SendThroughWinmm;

}  // namespace

void SetMciSendFunction(MciSendFunction function) {
  sendCommand = function ? function : SendThroughWinmm;
}

void PlaySoundFile(const std::string& path, bool wait) {
  char mode[64] = {};
  sendCommand("status PlayMe mode", mode, sizeof mode, nullptr);
  if (mode[0] != '\0') sendCommand("close PlayMe", nullptr, 0, nullptr);
  if (path.empty()) return;
  std::string open = "open \"" + path + "\" alias PlayMe";
  if (sendCommand(open.c_str(), nullptr, 0, nullptr) != 0) return;
  if (wait) {
    sendCommand("play PlayMe wait", nullptr, 0, nullptr);
    sendCommand("close PlayMe", nullptr, 0, nullptr);
  } else {
    sendCommand("play PlayMe", nullptr, 0, nullptr);
  }
}
