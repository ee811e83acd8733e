// The engine's store of script lines: filled from a robot file or from typed
// lines, read by the run loop by line number (1-based), cleared after a run.
// It also keeps the robot's recorded windows and which line is tied to which.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/language/ScriptTokenList.h"
#include "engine/ports/RecWinInfo.h"

class CMerlane_ScriptFile {
 public:
  static constexpr int kMaxSourceFiles = 64;
  static constexpr int kMaxIncludeFolders = 256;

  CMerlane_ScriptFile();
  virtual ~CMerlane_ScriptFile() = default;

  // Appends a line; a last stored line that is empty or a ";" comment is
  // replaced instead (the count does not grow).
  void AddLine(int sourceLine, const std::string& text, int sourceFileId);
  // Registers a file the lines come from (full path, case-insensitive): its id,
  // or -1 when 64 files are registered already.
  int AddSourceFile(const std::string& path);
  int GetSourceFileId(int line) const;
  int GetSourceLineNumber(int line) const;
  // Null for an id that is not registered.
  const std::string* GetSourceFileName(int id) const;
  void BuildLineIndex();
  // The text of line n, or null outside 1..count (or before BuildLineIndex).
  const std::string* GetLineText(int line) const;
  // The tokens of line n, tokenised on first use and kept until the lines
  // change. Null outside 1..count, for a line that does not tokenise (the
  // caller tokenises it again to report why), and, with environment
  // expansion on, for a line holding a "%" (its tokens depend on variables
  // that a run may change) or a literal that expansion cuts.
  ScriptTokenList* GetLineTokens(int line, bool expandEnv) const;
  // The run loop's look-up of a line, once per line run: its text (null
  // outside 1..count), and its tokens when they are kept already and hold
  // for this setting of expansion (else null: GetLineTokens tells).
  const std::string* GetLine(int line, bool expandEnv, ScriptTokenList*& keptTokens) const {
    keptTokens = nullptr;
    if (!indexBuilt_ || line < 1 || line > LineCount()) return nullptr;
    const Line& entry = lines_[static_cast<std::size_t>(line - 1)];
    if (!expandEnv || !entry.expandsApart) keptTokens = entry.tokens.get();
    return &entry.text;
  }
  int LineCount() const { return static_cast<int>(lines_.size()); }
  // Frees the lines and the source files; the recorded windows, their map,
  // RepeatTimes and the background flag stay until the next LoadRobotFile.
  void Clear();
  // Reads a robot file's script lines and recorded windows, and RepeatTimes
  // and the background flag from its header (RobotFileHeader); false when
  // the file cannot be read, has no "[Script]" line (in any case) or a
  // malformed window record.
  bool LoadRobotFile(const std::string& path, int sourceFileId);
  // Registers a named script file and loads it; an empty name first asks the
  // user for one (ScriptHostPort::ChooseScriptToRun), and a cancel loads
  // nothing.
  bool LoadScript(const std::string& name);

  // Position in recordedWindows of the record that line n is tied to, or -1.
  int GetLineWindow(int line) const;
  bool HasLineWindows() const { return !lineWindows.empty(); }

  std::map<int, int> lineWindows;          // script line -> recorded-window position
  std::vector<RecWinInfo> recordedWindows;  // the robot's "[RecWinInfo]" records
  int speedMode = 0;                        // 0: recorded speed, else faster
  std::vector<std::string> includeFolders;
  int runInBackground = 0;
  int RepeatTimes = 1;

 private:
  struct Line {
    std::string text;
    int sourceLine;
    int sourceFileId;
    mutable std::unique_ptr<ScriptTokenList> tokens;
    mutable bool lexFailed = false;
    mutable bool longLiteral = false;  // expansion would cut one of its literals
    // Expansion tokenises it each time: it holds a "%" or such a literal.
    mutable bool expandsApart = false;
  };
  struct SourceFile {
    std::string path;
    int useCount;
  };
  // Stores one script line of a robot file with its window tag, if any.
  void AddRobotLine(int sourceLine, std::string text, int sourceFileId);

  std::vector<Line> lines_;
  bool indexBuilt_ = false;
  std::vector<SourceFile> sourceFiles_;
};
