#include "engine/files/FileSlotBuiltins.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/language/RunEndedHooks.h"
#include "engine/ports/TextHelpers.h"

const char* const kTooManyOpenFilesMessage =
    "Unable to open file, the maximum number of open files has been exceeded.";
const char* const kInvalidFileHandleMessage = "File handle invalid.  Make sure that the FileOpen command succeeded.";

namespace {

// The reader's buffer: a line holds at most 65534 characters; the rest of a
// longer one comes with the next read.
constexpr size_t kLineBuffer = 65535;
constexpr size_t kReadChunk = 65536;

int ReportInvalidHandle(CMerlane_Script& engine) {
  engine.ReportLineError(kInvalidFileHandleMessage, -1);
  return 1;
}

// The stream a reading or writing call works on: a slot's file, or a file
// opened by name for this one call.
struct CallFile {
  std::FILE* stream = nullptr;
  int mode = 0;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> owned{nullptr, &std::fclose};
};

enum class Access { kRead, kWrite };

// Takes the file of a call's first argument: a string is always a file name
// (even "3"), anything else a handle. Returns 1 after reporting a handle that
// is no open file; otherwise 0, with a null stream when the name cannot be
// opened.
int TakeFile(CMerlane_Script& engine, const ScriptValue& arg, Access access, CallFile& file) {
  if (arg.IsString()) {
    file.owned.reset(std::fopen(arg.GetText(), access == Access::kRead ? "rb" : "a+b"));
    file.stream = file.owned.get();
    file.mode = access == Access::kRead ? 0 : 1;
    return 0;
  }
  FileSlot* slot = engine.fileSlots.Get(arg.GetInt());
  if (!slot || slot->kind != FileSlot::Kind::kFile) return ReportInvalidHandle(engine);
  file.stream = slot->file;
  file.mode = slot->mode;
  return 0;
}

// The file for reading: 1 after a reported error; otherwise 0 with a null
// stream (and @error 1) when the file cannot be read.
int TakeFileForReading(CMerlane_Script& engine, ScriptValueList& args, CallFile& file) {
  if (TakeFile(engine, args.GetAt(0), Access::kRead, file)) return 1;
  if (!file.stream || file.mode != 0) {
    file.stream = nullptr;
    engine.SetErrorValue(1);
  }
  return 0;
}

int FnFileOpen(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  if (engine.fileSlots.Full()) {
    engine.ReportLineError(kTooManyOpenFilesMessage, -1);
    return 1;
  }
  static const char* const kModes[] = {"rb", "a+b", "w+b"};
  const int mode = args.GetAt(1).GetInt();
  std::FILE* stream = mode >= 0 && mode <= 2 ? std::fopen(args.GetAt(0).GetText(), kModes[mode]) : nullptr;
  if (!stream) {
    result.SetInt(-1);
    return 0;
  }
  if (mode == 1) std::fseek(stream, 0, SEEK_END);
  result.SetInt(engine.fileSlots.Add(std::make_unique<FileSlot>(stream, mode)));
  return 0;
}

int FnFileClose(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (!engine.fileSlots.Close(args.GetAt(0).GetInt())) return ReportInvalidHandle(engine);
  return 0;
}

int FnFileReadLine(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  result.SetText("");
  CallFile file;
  if (TakeFileForReading(engine, args, file)) return 1;
  if (!file.stream) return 0;
  std::vector<char> buffer(kLineBuffer);
  int lines = 1;
  if (args.Count() >= 2) {
    lines = args.GetAt(1).GetInt();
    if (lines <= 0) return 0;
    std::rewind(file.stream);
  }
  for (int i = 0; i < lines; ++i) {
    if (!ReadLine(buffer.data(), buffer.size(), file.stream)) {
      engine.SetErrorValue(-1);
      return 0;
    }
  }
  result.SetText(buffer.data());
  return 0;
}

int FnFileRead(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  result.SetText("");
  CallFile file;
  if (TakeFileForReading(engine, args, file)) return 1;
  if (!file.stream) return 0;
  const int count = args.GetAt(1).GetInt();
  if (count < 1) {
    engine.SetErrorValue(1);
    return 0;
  }
  // Read in pieces: the count may be far larger than the file.
  std::string data;
  std::vector<char> chunk(std::min(kReadChunk, static_cast<size_t>(count)));
  size_t left = static_cast<size_t>(count);
  while (left > 0) {
    size_t wanted = std::min(left, chunk.size());
    size_t got = std::fread(chunk.data(), 1, wanted, file.stream);
    data.append(chunk.data(), got);
    left -= got;
    if (got < wanted) break;
  }
  if (data.empty()) {
    engine.SetErrorValue(-1);
    return 0;
  }
  result.SetText(data.c_str());
  return 0;
}

// Writes the text, and CR LF after it for a line that has no end of its
// own. Each write is flushed, so nothing is lost when a run ends early.
int WriteText(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result, bool line) {
  CallFile file;
  if (TakeFile(engine, args.GetAt(0), Access::kWrite, file)) return 1;
  if (!file.stream || file.mode == 0) {
    result.SetInt(0);
    return 0;
  }
  std::string text = args.GetAt(1).GetText();
  if (line && (text.empty() || (text.back() != '\r' && text.back() != '\n'))) text += "\r\n";
  bool written = std::fwrite(text.data(), 1, text.size(), file.stream) == text.size();
  if (std::fflush(file.stream) != 0 || !written) result.SetInt(0);
  return 0;
}

int FnFileWrite(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return WriteText(engine, args, result, false);
}

int FnFileWriteLine(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return WriteText(engine, args, result, true);
}

int FnFileFindNextFile(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  FileSlot* slot = engine.fileSlots.Get(args.GetAt(0).GetInt());
  if (!slot || slot->kind != FileSlot::Kind::kSearch) return ReportInvalidHandle(engine);
  std::string name;
  if (slot->hasPendingName) {
    name = slot->pendingName;
    slot->pendingName.clear();
    slot->hasPendingName = false;
  } else if (!slot->search || !slot->search->Next(name)) {
    result.SetText("");
    engine.SetErrorValue(1);
    return 0;
  }
  result.SetText(name.c_str());
  return 0;
}

}  // namespace

void CloseFileSlots(CMerlane_Script& engine) { engine.fileSlots.CloseAll(); }

void BindFileSlotBuiltins() {
  BindBuiltin("FILEOPEN", &FnFileOpen);
  BindBuiltin("FILECLOSE", &FnFileClose);
  BindBuiltin("FILEREADLINE", &FnFileReadLine);
  BindBuiltin("FILEREAD", &FnFileRead);
  BindBuiltin("FILEWRITE", &FnFileWrite);
  BindBuiltin("FILEWRITELINE", &FnFileWriteLine);
  BindBuiltin("FILEFINDNEXTFILE", &FnFileFindNextFile);
  AddRunEndedHook(&CloseFileSlots);
}
