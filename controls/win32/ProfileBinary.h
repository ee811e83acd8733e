// Raw bytes kept in the program's profile ("Quillmark.ini" in the Windows
// folder), as two hexadecimal digits per byte. The program only reads it.
#pragma once

#include <string>
#include <vector>

constexpr char kProfileFileName[] = "Quillmark.ini";

// The bytes of `entry` in `section`; empty when it is missing or malformed.
std::vector<unsigned char> ReadProfileBinary(const std::string& section,
                                             const std::string& entry);
