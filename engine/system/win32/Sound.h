// Plays a sound file through the multimedia command strings.
#pragma once

#include <string>

#include "engine/system/win32/MciCommands.h"

// Closes a sound still open, then (for a non-empty path) opens the file and
// plays it, to its end when `wait`, else in the background until the next
// call. An empty path only stops the sound playing.
void PlaySoundFile(const std::string& path, bool wait);
