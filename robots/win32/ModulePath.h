// Where the running program file lies (its help and tips files lie beside it).
#pragma once

#include <string>

// Full path of the program file; empty when the system gives none.
std::string GetModulePath();

// The program file's folder without a trailing backslash; empty when the path
// holds no backslash.
std::string GetModuleFolder();
