#include "engine/language/MerlaneScriptFile.h"

#include <cctype>
#include <cstdlib>

#include "engine/language/RobotFileHeader.h"
#include "engine/language/ScriptLexer.h"
#include "engine/ports/MessageBoxPort.h"
#include "engine/ports/ScriptHostPort.h"
#include "engine/ports/TextHelpers.h"

namespace {

constexpr size_t kMaxFolderLength = 260;
const char kSpeedMarker[] = "=> [remove on faster speed]";
const char kWindowMarker[] = "-> At Win [";

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool HasLiteralLongerThan(const ScriptTokenList& tokens, int length) {
  for (int i = 0; i < tokens.Count(); ++i) {
    const ScriptToken& token = tokens.GetAt(i);
    if (token.type == ScriptTokenType::kLiteral && token.value.IsString() && token.value.GetTextLength() > length)
      return true;
  }
  return false;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// One line of a text file without its line break ("\n" or "\r\n").
bool ReadTextLine(std::FILE* in, std::string* line) { return ReadWholeLine(in, *line); }

// Decimal integer as atoi reads it: leading blanks, a sign, digits; else 0.
int DecimalValue(const std::string& text) { return std::atoi(text.c_str()); }

// "left,top,right,bottom"; false without the three commas.
bool ParseRect(const std::string& text, WindowRect* rect) {
  size_t first = text.find(',');
  size_t second = first == std::string::npos ? first : text.find(',', first + 1);
  size_t third = second == std::string::npos ? second : text.find(',', second + 1);
  if (third == std::string::npos) return false;
  rect->left = DecimalValue(text.substr(0, first));
  rect->top = DecimalValue(text.substr(first + 1, second - first - 1));
  rect->right = DecimalValue(text.substr(second + 1, third - second - 1));
  rect->bottom = DecimalValue(text.substr(third + 1));
  return true;
}

}  // namespace

CMerlane_ScriptFile::CMerlane_ScriptFile() {
  for (std::string folder : GetScriptHostPort().IncludeFolders()) {
    if (static_cast<int>(includeFolders.size()) >= kMaxIncludeFolders) break;
    if (folder.size() > kMaxFolderLength) folder.resize(kMaxFolderLength);
    includeFolders.push_back(folder);
  }
}

void CMerlane_ScriptFile::AddLine(int sourceLine, const std::string& text, int sourceFileId) {
  if (!lines_.empty() && (lines_.back().text.empty() || lines_.back().text[0] == ';')) {
    lines_.back() = Line{text, sourceLine, sourceFileId, nullptr};
    return;
  }
  lines_.push_back(Line{text, sourceLine, sourceFileId, nullptr});
}

int CMerlane_ScriptFile::AddSourceFile(const std::string& path) {
  std::string full = GetScriptHostPort().FullPathName(path);
  for (size_t id = 0; id < sourceFiles_.size(); ++id) {
    if (EqualNoCase(sourceFiles_[id].path, full)) {
      ++sourceFiles_[id].useCount;
      return static_cast<int>(id);
    }
  }
  if (static_cast<int>(sourceFiles_.size()) >= kMaxSourceFiles) return -1;
  sourceFiles_.push_back(SourceFile{full, 1});
  return static_cast<int>(sourceFiles_.size()) - 1;
}

int CMerlane_ScriptFile::GetSourceFileId(int line) const {
  if (line < 1 || line > LineCount()) return -1;
  return lines_[line - 1].sourceFileId;
}

int CMerlane_ScriptFile::GetSourceLineNumber(int line) const {
  if (line < 1 || line > LineCount()) return -1;
  return lines_[line - 1].sourceLine;
}

const std::string* CMerlane_ScriptFile::GetSourceFileName(int id) const {
  if (id < 0 || id >= static_cast<int>(sourceFiles_.size())) return nullptr;
  return &sourceFiles_[id].path;
}

void CMerlane_ScriptFile::BuildLineIndex() { indexBuilt_ = !lines_.empty(); }

const std::string* CMerlane_ScriptFile::GetLineText(int line) const {
  if (!indexBuilt_ || line < 1 || line > LineCount()) return nullptr;
  return &lines_[line - 1].text;
}

ScriptTokenList* CMerlane_ScriptFile::GetLineTokens(int line, bool expandEnv) const {
  if (!indexBuilt_ || line < 1 || line > LineCount()) return nullptr;
  const Line& entry = lines_[line - 1];
  if (expandEnv && entry.text.find('%') != std::string::npos) return nullptr;
  if (!entry.tokens && !entry.lexFailed) {
    // Without a "%" expansion changes nothing but the cut of long literals,
    // so the tokens hold either way for every other line.
    auto tokens = std::make_unique<ScriptTokenList>();
    if (TokeniseScriptLine(entry.text, false, *tokens, nullptr)) {
      entry.longLiteral = HasLiteralLongerThan(*tokens, kMaxExpandedLength);
      entry.expandsApart = entry.longLiteral || entry.text.find('%') != std::string::npos;
      tokens->MarkKept();
      entry.tokens = std::move(tokens);
    } else {
      entry.lexFailed = true;
    }
  }
  if (expandEnv && entry.longLiteral) return nullptr;
  return entry.tokens.get();
}

void CMerlane_ScriptFile::Clear() {
  lines_.clear();
  indexBuilt_ = false;
  sourceFiles_.clear();
}

int CMerlane_ScriptFile::GetLineWindow(int line) const {
  auto found = lineWindows.find(line);
  return found == lineWindows.end() ? -1 : found->second;
}

bool CMerlane_ScriptFile::LoadScript(const std::string& name) {
  std::string chosen = name;
  if (chosen.empty() && !GetScriptHostPort().ChooseScriptToRun(&chosen)) return false;
  std::string full = GetScriptHostPort().FullPathName(chosen);
  return LoadRobotFile(full, AddSourceFile(full));
}

void CMerlane_ScriptFile::AddRobotLine(int sourceLine, std::string text, int sourceFileId) {
  int window = -1;
  size_t marker = text.rfind(kWindowMarker);
  if (marker != std::string::npos && text.find(']', marker + sizeof(kWindowMarker) - 1) != std::string::npos) {
    window = DecimalValue(text.substr(marker + sizeof(kWindowMarker) - 1));
    text.resize(marker);
  }
  AddLine(sourceLine, text, sourceFileId);
  // A replaced comment line must not leave its window tie to the new line.
  if (window >= 0)
    lineWindows[LineCount()] = window;
  else
    lineWindows.erase(LineCount());
}

bool CMerlane_ScriptFile::LoadRobotFile(const std::string& path, int sourceFileId) {
  lineWindows.clear();
  recordedWindows.clear();
  RepeatTimes = 1;
  runInBackground = 0;

  OpenedFile file = OpenFile(path, "rb");
  if (!file) return false;
  std::FILE* in = file.get();

  // The header by its keys: no script line is ever taken for a value.
  RobotFileHeader header;
  header.Read(in);
  RepeatTimes = DecimalValue(header.Value(robot_file::kRepeatTimes));
  std::string background = header.Value(robot_file::kRunAtBackground);
  if (!background.empty() && background.back() == '1') runInBackground = 1;
  if (!header.EndedByScriptLine()) return false;

  std::string line;
  int sourceLine = 0;
  bool recordsFollow = false;
  const std::string speedMarker = kSpeedMarker;
  while (ReadTextLine(in, &line)) {
    if (line == "[RecWinInfo]") {
      recordsFollow = true;
      break;
    }
    ++sourceLine;
    if (line.size() >= 8 && EqualNoCase(line.substr(0, 8), "Comment:")) continue;
    if (EndsWith(line, speedMarker)) {
      if (speedMode != 0) continue;
      line.resize(line.size() - speedMarker.size());
    }
    AddRobotLine(sourceLine, line, sourceFileId);
  }
  if (!recordsFollow) return true;

  RecWinInfo record;
  record.WinParentLevel = -1;
  while (ReadTextLine(in, &line)) {
    if (StartsWith(line, "WinIndex=")) {
      record.WinIndex = DecimalValue(line.substr(9));
    } else if (StartsWith(line, "WinTitle=")) {
      record.WinTitle = line.substr(9);
    } else if (StartsWith(line, "WinPath=")) {
      record.WinPath = line.substr(8);
    } else if (StartsWith(line, "WinParentLevel=")) {
      record.WinParentLevel = DecimalValue(line.substr(15));
    } else if (StartsWith(line, "WinRect=")) {
      if (!ParseRect(line.substr(8), &record.WinRect)) {
        ShowMessageBox(nullptr, "Failed to load record Window info", "Quillmark", mb::kOk);
        return false;
      }
      recordedWindows.push_back(record);
      record = RecWinInfo();
      record.WinParentLevel = -1;
    }
  }
  return true;
}
