// The multimedia command strings that the sound and CD tray built-ins send.
#pragma once

#include <windows.h>

// The sender of the command strings; tests put a recorder in its place (null
// restores mciSendStringA).
using MciSendFunction = DWORD(WINAPI*)(LPCSTR command, LPSTR answer, UINT answerSize, HWND callback);
void SetMciSendFunction(MciSendFunction function);

// Sends one command through the installed sender; 0 on success.
DWORD SendMciCommand(const char* command, char* answer = nullptr, UINT answerSize = 0);
