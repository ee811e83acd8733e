// How a finished file takes the place of the file it replaces: a robot file
// is written whole into a temporary file beside it, which then replaces the
// robot file in one step, so that a failed or cut-short write never leaves a
// half robot behind. The Windows build installs the system's way
// (InstallRobotServices); the default needs no system.
#pragma once

#include <string>

class FileReplacePort {
 public:
  virtual ~FileReplacePort() = default;
  // Makes the written file's content durable; false when it cannot.
  virtual bool FlushToDisk(const std::string& path) = 0;
  // Moves `source` over `target` (which may exist); false, with `target`
  // left as it was, when that cannot be done.
  virtual bool Replace(const std::string& source, const std::string& target) = 0;
};

// Added to the target's path to name the temporary file beside it; its
// extension is no robot file's. It is the one temporary name the program
// gives a robot file, in a save and in a rename in letter case alike.
inline constexpr char kTemporaryFileSuffix[] = ".saving";

// The temporary file beside `target`: target + kTemporaryFileSuffix.
std::string TemporaryFileOf(const std::string& target);

// Installs the port that every later save goes through; null restores the
// default: the C++ library's rename, which replaces a file on every system
// (names in the ANSI code page beyond ASCII need the Windows port).
void SetFileReplacePort(FileReplacePort* port);
FileReplacePort& GetFileReplacePort();

// Writes `content` whole into a temporary file in the target's folder, makes
// it durable and replaces `target` with it. False on any failure, with
// `target` unchanged and no temporary file left behind.
bool ReplaceFileContent(const std::string& target, const std::string& content);

// Replaces `target` as above with a copy of the bytes of `source`; false, with
// `target` unchanged, when `source` cannot be read whole. The copy takes no
// attribute of the source (a read-only one among them).
bool ReplaceFileWithCopy(const std::string& target, const std::string& source);

// How a move to a name in other letter case ended.
enum class CaseMove {
  kMoved,
  kUnmoved,          // the file is at `from`, as it was
  kLeftAtTemporary,  // it could go neither on nor back: at TemporaryFileOf(from)
};

// Moves the file `from` to `to`, a name that differs from it in letter case
// only. A file system that ignores case may take such a move for a move to
// itself (Wine does), so the file goes by its temporary name first; what
// stands there is an unfinished save's leftover, which a save of the robot
// would write over as well.
CaseMove MoveToLetterCase(const std::string& from, const std::string& to);
