// The attribute letters of FILEGETATTRIB and the attribute changes of
// FILESETATTRIB.
#pragma once

#include <string>

// The file system's attribute bits.
namespace file_attribute {
constexpr unsigned kReadOnly = 0x1;
constexpr unsigned kHidden = 0x2;
constexpr unsigned kSystem = 0x4;
constexpr unsigned kDirectory = 0x10;
constexpr unsigned kArchive = 0x20;
constexpr unsigned kNormal = 0x80;
constexpr unsigned kTemporary = 0x100;
constexpr unsigned kCompressed = 0x800;
constexpr unsigned kOffline = 0x1000;
}  // namespace file_attribute

// The letters of the attributes set, in the order "RASHNDOCT".
std::string AttributeLetters(unsigned attributes);

// Reads a change such as "+RH-A": "+" and "-" switch between adding (the
// start) and removing; the letters A, H, N, O, R, S and T in either case name
// attributes. False, with nothing to change, for any other character.
bool ParseAttributeChange(const std::string& change, unsigned& add, unsigned& remove);
