// FILEGETTIME, FILESETTIME, FILEGETATTRIB and FILESETATTRIB.
#include <windows.h>

#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/files/FileAttributeText.h"
#include "engine/files/FileTimeText.h"
#include "engine/language/MerlaneScript.h"
#include "engine/scripting/ResultArray.h"
#include "engine/files/win32/FileBuiltins.h"
#include "engine/files/win32/FileOperations.h"
#include "engine/files/win32/FileTreeWalk.h"

namespace {

// The time kind of a type argument: 1 created, 2 accessed, anything else modified.
FileTimeKind TimeKind(const ScriptValue& type) {
  int value = type.GetInt();
  return value == 1 ? FileTimeKind::kCreation : value == 2 ? FileTimeKind::kLastAccess : FileTimeKind::kLastWrite;
}

// Recursion is on only for exactly 1.
bool RecurseFlag(ScriptValueList& args, int index) {
  return args.Count() > index && args.GetAt(index).GetNumber() == 1.0;
}

// The file time of a script's local time text; false when the text is too
// short or names no valid time.
bool FileTimeOfText(const std::string& text, FILETIME& time) {
  FileTimeFields fields;
  switch (ParseFileTimeText(text, fields)) {
    case FileTimeText::kNow:
      GetSystemTimeAsFileTime(&time);
      return true;
    case FileTimeText::kInvalid:
      return false;
    case FileTimeText::kGiven:
      break;
  }
  SYSTEMTIME local = {};
  local.wYear = static_cast<WORD>(fields.year);
  local.wMonth = static_cast<WORD>(fields.month);
  local.wDay = static_cast<WORD>(fields.day);
  local.wHour = static_cast<WORD>(fields.hour);
  local.wMinute = static_cast<WORD>(fields.minute);
  local.wSecond = static_cast<WORD>(fields.second);
  FILETIME localTime;
  return SystemTimeToFileTime(&local, &localTime) && LocalFileTimeToFileTime(&localTime, &time);
}

int FnFileGetTime(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  // Shared with writers (the script's own open files too); folders need the
  // backup flag.
  HANDLE file = CreateFileA(args.GetAt(0).GetText(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    engine.SetErrorValue(1);
    return 0;
  }
  FILETIME times[3];  // in the order of the kinds: modified, created, accessed
  BOOL read = GetFileTime(file, &times[1], &times[2], &times[0]);
  CloseHandle(file);
  FILETIME local;
  SYSTEMTIME parts;
  const FILETIME& chosen = times[static_cast<int>(TimeKind(args.GetAt(1)))];
  if (!read || !FileTimeToLocalFileTime(&chosen, &local) || !FileTimeToSystemTime(&local, &parts)) {
    engine.SetErrorValue(1);
    return 0;
  }
  FileTimeFields fields{parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute, parts.wSecond};
  std::array<std::string, 6> texts = FormatFileTimeFields(fields);
  MakeResultArray(result, 6);
  for (int i = 0; i < 6; ++i) ResultElement(result, i)->SetText(texts[i].c_str());
  return 0;
}

int FnFileSetTime(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  FILETIME time;
  if (!FileTimeOfText(args.GetAt(1).GetText(), time)) {
    result.SetInt(0);
    return 0;
  }
  FileTimeKind kind = TimeKind(args.GetAt(2));
  bool done = WalkPattern(args.GetAt(0).GetText(), RecurseFlag(args, 3),
                          [&](const std::string& path) { return SetFileTimeOf(path, time, kind); });
  result.SetInt(done ? 1 : 0);
  return 0;
}

int FnFileGetAttrib(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  DWORD attributes = GetFileAttributesA(args.GetAt(0).GetText());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    result.SetText("");
    engine.SetErrorValue(1);
    return 0;
  }
  result.SetText(AttributeLetters(attributes).c_str());
  return 0;
}

int FnFileSetAttrib(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  unsigned add = 0;
  unsigned remove = 0;
  if (!ParseAttributeChange(args.GetAt(1).GetText(), add, remove)) {
    result.SetInt(0);
    return 0;
  }
  bool done = WalkPattern(args.GetAt(0).GetText(), RecurseFlag(args, 2), [&](const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    // The folder bit is the entry's kind, not something to set.
    DWORD changed = ((attributes | add) & ~remove) & ~static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY);
    return SetFileAttributesA(path.c_str(), changed) != 0;
  });
  result.SetInt(done ? 1 : 0);
  return 0;
}

}  // namespace

void BindFileTimeBuiltins() {
  BindBuiltin("FILEGETTIME", &FnFileGetTime);
  BindBuiltin("FILESETTIME", &FnFileSetTime);
  BindBuiltin("FILEGETATTRIB", &FnFileGetAttrib);
  BindBuiltin("FILESETATTRIB", &FnFileSetAttrib);
}
