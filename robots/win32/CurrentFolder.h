// The process's current folder, read whole whatever its length.
#pragma once

#include <string>

// Empty when the system gives none.
std::string GetCurrentFolder();
