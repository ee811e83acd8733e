#include "engine/system/RegistryText.h"

#include "engine/values/AsciiNoCase.h"
#include "engine/ports/HexText.h"

namespace {

struct RootName {
  const char* longName;
  const char* shortName;
  RegistryRoot root;
};

const RootName kRoots[] = {
    {"HKEY_LOCAL_MACHINE", "HKLM", RegistryRoot::kLocalMachine},
    {"HKEY_CLASSES_ROOT", "HKCR", RegistryRoot::kClassesRoot},
    {"HKEY_CURRENT_CONFIG", "HKCC", RegistryRoot::kCurrentConfig},
    {"HKEY_CURRENT_USER", "HKCU", RegistryRoot::kCurrentUser},
    {"HKEY_USERS", "HKU", RegistryRoot::kUsers},
};

}  // namespace

bool ParseRegistryKeyText(const std::string& text, RegistryKeyText& key) {
  std::string rest = text;
  key.computer.clear();
  if (rest.compare(0, 2, "\\\\") == 0) {
    const std::size_t end = rest.find('\\', 2);
    key.computer = rest.substr(2, end == std::string::npos ? std::string::npos : end - 2);
    rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
  }
  const std::size_t slash = rest.find('\\');
  const std::string root = rest.substr(0, slash);
  key.subkey = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
  while (!key.subkey.empty() && key.subkey.back() == '\\') key.subkey.pop_back();
  for (const RootName& name : kRoots) {
    if (AsciiCompareNoCase(root.c_str(), name.longName) == 0 ||
        AsciiCompareNoCase(root.c_str(), name.shortName) == 0) {
      key.root = name.root;
      return true;
    }
  }
  return false;
}

std::string BinaryToHexText(const unsigned char* data, std::size_t size) {
  std::string text;
  text.reserve(size * 2);
  for (std::size_t i = 0; i < size; ++i) {
    std::string pair;
    IntToHex(data[i], pair, 2);
    text += pair;
  }
  return text;
}

bool HexTextToBinary(const std::string& text, std::vector<unsigned char>& bytes) {
  bytes.clear();
  if (text.size() % 2 != 0 || text.size() / 2 > kMaxRegistryBinary) return false;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    int value = 0;
    if (!HexToInt(text.substr(i, 2), value)) {
      bytes.clear();
      return false;
    }
    bytes.push_back(static_cast<unsigned char>(value));
  }
  return true;
}

std::string MultiStringToText(const char* data, std::size_t size) {
  std::string text(data, size);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  for (char& c : text) {
    if (c == '\0') c = '\n';
  }
  return text;
}

bool TextToMultiString(const std::string& text, std::vector<char>& data) {
  data.clear();
  if (text.size() > kMaxRegistryMultiText) return false;
  if (text.empty()) return true;
  data.assign(text.begin(), text.end());
  for (char& c : data) {
    if (c == '\n') c = '\0';
  }
  data.push_back('\0');
  data.push_back('\0');
  return true;
}
