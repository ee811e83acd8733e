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
// extension is no robot file's.
inline constexpr char kTemporaryFileSuffix[] = ".saving";

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
