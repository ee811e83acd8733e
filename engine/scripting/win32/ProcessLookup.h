// Finds a running process by program file name or by id.
#pragma once

#include <windows.h>

#include <string>

// Walks the process list for the first process whose file name (with
// extension) equals `nameOrId` ignoring case, or whose id is atoi(nameOrId)
// when that is not 0. False when the list cannot be had; then found is false.
bool FindProcess(const std::string& nameOrId, DWORD& processId, bool& found);
