#include "engine/system/win32/RegistryBuiltins.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/values/AsciiNoCase.h"
#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/values/NumberText.h"
#include "engine/system/RegistryText.h"

namespace {

const char kKeyError[] = "Unable to read/write the requested registry key.";
constexpr DWORD kReadBufferSize = 65535;

// Closes a key handle when it goes.
class KeyHandle {
 public:
  KeyHandle() = default;
  ~KeyHandle() {
    if (key_) RegCloseKey(key_);
  }
  KeyHandle(const KeyHandle&) = delete;
  KeyHandle& operator=(const KeyHandle&) = delete;

  HKEY* Receive() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

HKEY PredefinedRoot(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kLocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::kCurrentConfig: return HKEY_CURRENT_CONFIG;
    case RegistryRoot::kUsers: return HKEY_USERS;
    case RegistryRoot::kCurrentUser: break;
  }
  return HKEY_CURRENT_USER;
}

// The root of a key text: the predefined key, or its connection on the
// remote computer (closed with the object).
class RootKey {
 public:
  // False when the remote registry cannot be reached.
  bool Connect(const RegistryKeyText& key) {
    root_ = PredefinedRoot(key.root);
    if (key.computer.empty()) return true;
    if (RegConnectRegistryA(key.computer.c_str(), root_, remote_.Receive()) != ERROR_SUCCESS) return false;
    root_ = remote_.Get();
    return true;
  }
  HKEY Get() const { return root_; }

 private:
  HKEY root_ = nullptr;
  KeyHandle remote_;
};

// Reads the key text of the first argument; an unknown root is the script
// error that ends the run.
bool ParseKeyArgument(CMerlane_Script& engine, ScriptValueList& args, RegistryKeyText& key) {
  if (ParseRegistryKeyText(args.GetAt(0).GetText(), key)) return true;
  engine.ReportLineError(kKeyError, -1);
  return false;
}

// Opens the key of the first argument for reading (root, remote connection
// and key); false, with @error 1, when it cannot be opened.
bool OpenForReading(CMerlane_Script& engine, const RegistryKeyText& key, RootKey& root, KeyHandle& opened) {
  if (root.Connect(key) &&
      RegOpenKeyExA(root.Get(), key.subkey.c_str(), 0, KEY_READ, opened.Receive()) == ERROR_SUCCESS) {
    return true;
  }
  engine.SetErrorValue(1);
  return false;
}

void SetStoredValue(CMerlane_Script& engine, DWORD type, const std::vector<char>& data, DWORD size,
                    ScriptValue& result) {
  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
      result.SetText(data.data());  // the buffer keeps a NUL past every read
      break;
    case REG_BINARY:
      result.SetText(BinaryToHexText(reinterpret_cast<const unsigned char*>(data.data()), size).c_str());
      break;
    case REG_DWORD:
      if (size == sizeof(DWORD)) {
        DWORD value = 0;
        std::memcpy(&value, data.data(), sizeof value);
        result.SetDouble(static_cast<double>(value));
      } else {
        engine.SetErrorValue(-2);
      }
      break;
    case REG_MULTI_SZ:
      result.SetText(MultiStringToText(data.data(), size).c_str());
      break;
    default:
      engine.SetErrorValue(-2);
  }
}

int FnRegRead(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  result.SetText("");
  RegistryKeyText key;
  if (!ParseKeyArgument(engine, args, key)) return 1;
  RootKey root;
  KeyHandle opened;
  if (!OpenForReading(engine, key, root, opened)) return 0;
  const char* name = args.GetAt(1).GetText();
  DWORD type = 0;
  if (RegQueryValueExA(opened.Get(), name, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) {
    engine.SetErrorValue(-1);
    return 0;
  }
  std::vector<char> data(kReadBufferSize + 2, '\0');
  DWORD size = kReadBufferSize;
  if (RegQueryValueExA(opened.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS) {
    engine.SetErrorValue(-2);
    return 0;
  }
  SetStoredValue(engine, type, data, size, result);
  return 0;
}

// The value REGWRITE stores: its type and bytes.
struct ValueToWrite {
  DWORD type = REG_SZ;
  std::vector<char> bytes;
};

enum class DataCheck { kOk, kUnknownType, kBadData };

DataCheck MakeValue(const std::string& typeName, const ScriptValue& data, ValueToWrite& value) {
  const auto is = [&](const char* name) { return AsciiCompareNoCase(typeName.c_str(), name) == 0; };
  if (is("REG_SZ") || is("REG_EXPAND_SZ")) {
    value.type = is("REG_SZ") ? REG_SZ : REG_EXPAND_SZ;
    const char* text = data.GetText();
    value.bytes.assign(text, text + data.GetTextLength() + 1);
  } else if (is("REG_MULTI_SZ")) {
    value.type = REG_MULTI_SZ;
    if (!TextToMultiString(data.GetText(), value.bytes)) return DataCheck::kBadData;
  } else if (is("REG_DWORD")) {
    // Through 64 bits, keeping the low 32: 4294967295 stays 0xFFFFFFFF.
    value.type = REG_DWORD;
    const DWORD number = static_cast<DWORD>(static_cast<std::uint64_t>(DoubleToInt64(data.GetNumber())));
    value.bytes.resize(sizeof number);
    std::memcpy(value.bytes.data(), &number, sizeof number);
  } else if (is("REG_BINARY")) {
    value.type = REG_BINARY;
    std::vector<unsigned char> binary;
    if (!HexTextToBinary(data.GetText(), binary)) return DataCheck::kBadData;
    value.bytes.assign(binary.begin(), binary.end());
  } else {
    return DataCheck::kUnknownType;
  }
  return DataCheck::kOk;
}

// The type and the data are checked before the key is created, so a write
// that cannot happen leaves no new key behind.
int FnRegWrite(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const int count = args.Count();
  if (count != 1 && count != 4) {
    result.SetInt(0);
    return 0;
  }
  RegistryKeyText key;
  if (!ParseKeyArgument(engine, args, key)) return 1;
  ValueToWrite value;
  if (count == 4) {
    switch (MakeValue(args.GetAt(2).GetText(), args.GetAt(3), value)) {
      case DataCheck::kUnknownType:
        engine.ReportLineError(kKeyError, -1);
        return 1;
      case DataCheck::kBadData:
        result.SetInt(0);
        return 0;
      case DataCheck::kOk:
        break;
    }
  }
  RootKey root;
  KeyHandle created;
  char noClass[] = "";
  if (!root.Connect(key) ||
      RegCreateKeyExA(root.Get(), key.subkey.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                      created.Receive(), nullptr) != ERROR_SUCCESS) {
    result.SetInt(0);
    return 0;
  }
  if (count == 4 &&
      RegSetValueExA(created.Get(), args.GetAt(1).GetText(), 0, value.type,
                     reinterpret_cast<const BYTE*>(value.bytes.data()),
                     static_cast<DWORD>(value.bytes.size())) != ERROR_SUCCESS) {
    result.SetInt(0);
  }
  return 0;
}

// Deletes every subkey of the key, depth first; false on the first failure.
bool DeleteSubkeys(HKEY key) {
  for (;;) {
    char name[256];
    DWORD length = sizeof name;
    LONG status = RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) return true;
    if (status != ERROR_SUCCESS) return false;
    KeyHandle child;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, child.Receive()) != ERROR_SUCCESS || !DeleteSubkeys(child.Get()) ||
        RegDeleteKeyA(key, name) != ERROR_SUCCESS) {
      return false;
    }
  }
}

// A whole root (no subkey, no value name) is never deleted: that would
// empty a hive of the registry.
int FnRegDelete(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  RegistryKeyText key;
  if (!ParseKeyArgument(engine, args, key)) return 1;
  const bool withName = args.Count() >= 2;
  if (!withName && key.subkey.empty()) {
    result.SetInt(2);
    return 0;
  }
  RootKey root;
  KeyHandle opened;
  if (!root.Connect(key) || RegOpenKeyExA(root.Get(), key.subkey.c_str(), 0,
                                          KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY,
                                          opened.Receive()) != ERROR_SUCCESS) {
    result.SetInt(0);
    return 0;
  }
  if (withName) {
    const LONG status = RegDeleteValueA(opened.Get(), args.GetAt(1).GetText());
    result.SetInt(status == ERROR_SUCCESS ? 1 : status == ERROR_FILE_NOT_FOUND ? 0 : 2);
    return 0;
  }
  if (!DeleteSubkeys(opened.Get()) || RegDeleteKeyA(root.Get(), key.subkey.c_str()) != ERROR_SUCCESS) {
    result.SetInt(2);
  }
  return 0;
}

// REGENUMKEY and REGENUMVAL: the name at the 1-based instance.
template <typename Enumerate>
int EnumerateNames(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result, DWORD nameSize,
                   Enumerate enumerate) {
  result.SetText("");
  RegistryKeyText key;
  if (!ParseKeyArgument(engine, args, key)) return 1;
  RootKey root;
  KeyHandle opened;
  if (!OpenForReading(engine, key, root, opened)) return 0;
  const int instance = args.GetAt(1).GetInt();
  std::vector<char> name(nameSize + 1, '\0');
  DWORD length = nameSize + 1;
  if (instance < 1 || enumerate(opened.Get(), static_cast<DWORD>(instance - 1), name.data(), &length) !=
                          ERROR_SUCCESS) {
    engine.SetErrorValue(-1);
    return 0;
  }
  result.SetText(name.data());
  return 0;
}

int FnRegEnumKey(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return EnumerateNames(engine, args, result, 255, [](HKEY key, DWORD index, char* name, DWORD* length) {
    return RegEnumKeyExA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

int FnRegEnumVal(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return EnumerateNames(engine, args, result, 16383, [](HKEY key, DWORD index, char* name, DWORD* length) {
    return RegEnumValueA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

}  // namespace

void BindRegistryBuiltins() {
  BindBuiltin("REGREAD", &FnRegRead);
  BindBuiltin("REGWRITE", &FnRegWrite);
  BindBuiltin("REGDELETE", &FnRegDelete);
  BindBuiltin("REGENUMKEY", &FnRegEnumKey);
  BindBuiltin("REGENUMVAL", &FnRegEnumVal);
}
