#include "engine/system/win32/MciCommands.h"

#include <mmsystem.h>

namespace {

DWORD WINAPI SendThroughWinmm(LPCSTR command, LPSTR answer, UINT answerSize, HWND callback) {
  return mciSendStringA(command, answer, answerSize, callback);
}

MciSendFunction sendCommand = SendThroughWinmm;

}  // namespace

void SetMciSendFunction(MciSendFunction function) { sendCommand = function ? function : SendThroughWinmm; }

DWORD SendMciCommand(const char* command, char* answer, UINT answerSize) {
  return sendCommand(command, answer, answerSize, nullptr);
}
