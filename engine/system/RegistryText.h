// The text forms of the registry built-ins: the key text with its root and
// optional remote computer, and the text forms of binary and multi-string
// values.
#pragma once

#include <string>
#include <vector>

enum class RegistryRoot { kLocalMachine, kClassesRoot, kCurrentConfig, kCurrentUser, kUsers };

struct RegistryKeyText {
  std::string computer;  // empty: this computer
  RegistryRoot root = RegistryRoot::kCurrentUser;
  std::string subkey;    // without trailing backslashes; empty: the root itself
};

// Reads "[\\computer\]ROOT[\subkey]". The root is one of HKEY_LOCAL_MACHINE
// (HKLM), HKEY_CLASSES_ROOT (HKCR), HKEY_CURRENT_CONFIG (HKCC),
// HKEY_CURRENT_USER (HKCU) and HKEY_USERS (HKU), in any case; false for any
// other root.
bool ParseRegistryKeyText(const std::string& text, RegistryKeyText& key);

// Largest binary value and multi-string text the built-ins write (what they
// can read back).
constexpr std::size_t kMaxRegistryBinary = 65535;
constexpr std::size_t kMaxRegistryMultiText = 65536;

// Two upper-case hexadecimal digits per byte.
std::string BinaryToHexText(const unsigned char* data, std::size_t size);

// Each pair of hexadecimal digits (either case) is one byte, high digit
// first; false for an odd length, another character or more than
// kMaxRegistryBinary bytes.
bool HexTextToBinary(const std::string& text, std::vector<unsigned char>& bytes);

// A stored multi-string as text: trailing NULs dropped, inner NULs as LF.
std::string MultiStringToText(const char* data, std::size_t size);

// The stored form of a multi-string text: each LF a NUL, two NULs at the end;
// no bytes for the empty text. False for a text longer than
// kMaxRegistryMultiText.
bool TextToMultiString(const std::string& text, std::vector<char>& data);
