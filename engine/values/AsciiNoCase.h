#pragma once

#include <cstddef>

// Case-insensitive comparison of script text. It folds ASCII letters only
// (to lower case, bytes compared unsigned), so the native and the Windows
// builds order texts alike whatever the system locale. Deliberately separate
// from the case-mapping seam: script words compare by this rule, while
// variable names are upper-cased through the seam.
int AsciiCompareNoCase(const char* a, const char* b);

// As above over at most n characters, stopping at a terminator.
int AsciiCompareNoCaseN(const char* a, const char* b, std::size_t n);
