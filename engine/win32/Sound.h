// Plays a sound file through the multimedia command strings.
#pragma once

#include <windows.h>

#include <string>

// Closes a sound still open, then (for a non-empty path) opens the file and
// plays it, to its end when `wait`, else in the background until the next
// call. An empty path only stops the sound playing.
void PlaySoundFile(const std::string& path, bool wait);

// The sender of the command strings; tests put a recorder in its place (null
// restores mciSendStringA).
using MciSendFunction = DWORD(WINAPI*)(LPCSTR command, LPSTR answer, UINT answerSize, HWND callback);
void SetMciSendFunction(MciSendFunction function);
