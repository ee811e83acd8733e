// The system's way of putting a finished file in place of another: the file's
// buffers flushed to the disk, then a move that replaces the target and
// returns only once the move itself is on the disk.
#pragma once

#include "robots/FileReplacePort.h"

FileReplacePort& GetWindowsFileReplacePort();
