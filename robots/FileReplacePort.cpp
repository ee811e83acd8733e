#include "robots/FileReplacePort.h"

#include <cstdio>

#include "engine/ports/TextHelpers.h"

namespace {

class LibraryReplacePort : public FileReplacePort {
 public:
  bool FlushToDisk(const std::string&) override { return true; }
  // POSIX rename replaces the target in one step. The Windows C library's
  // refuses an existing target, so there (tests only: the program installs
  // the Windows port) the target goes first.
  bool Replace(const std::string& source, const std::string& target) override {
    if (std::rename(source.c_str(), target.c_str()) == 0) return true;
#ifdef _WIN32
    // Only a file that opens is replaced this way, never a folder.
    std::FILE* existing = std::fopen(target.c_str(), "rb");
    if (!existing) return false;
    std::fclose(existing);
    return std::remove(target.c_str()) == 0 && std::rename(source.c_str(), target.c_str()) == 0;
#else
    return false;
#endif
  }
};

LibraryReplacePort defaultPort;
FileReplacePort* currentPort = &defaultPort;

}  // namespace

// Beside the target, so that the replacing move stays on one volume.
std::string TemporaryFileOf(const std::string& target) { return target + kTemporaryFileSuffix; }

void SetFileReplacePort(FileReplacePort* port) { currentPort = port ? port : &defaultPort; }

FileReplacePort& GetFileReplacePort() { return *currentPort; }

bool ReplaceFileContent(const std::string& target, const std::string& content) {
  const std::string temporary = TemporaryFileOf(target);
  {
    OpenedFile out = OpenFile(temporary, "wb");
    // Whatever stands at the temporary name and cannot be written (a folder,
    // a file in use) is not ours to remove.
    if (!out) return false;
    bool written = std::fwrite(content.data(), 1, content.size(), out.get()) == content.size();
    // Closing flushes the C library's buffer; a failure there is a failed write.
    written = std::fclose(out.release()) == 0 && written;
    if (written && currentPort->FlushToDisk(temporary) && currentPort->Replace(temporary, target)) {
      return true;
    }
  }
  std::remove(temporary.c_str());
  return false;
}

bool ReplaceFileWithCopy(const std::string& target, const std::string& source) {
  std::string content;
  return ReadWholeFile(source, content) && ReplaceFileContent(target, content);
}

CaseMove MoveToLetterCase(const std::string& from, const std::string& to) {
  const std::string between = TemporaryFileOf(from);
  if (!currentPort->Replace(from, between)) return CaseMove::kUnmoved;
  if (currentPort->Replace(between, to)) return CaseMove::kMoved;
  return currentPort->Replace(between, from) ? CaseMove::kUnmoved : CaseMove::kLeftAtTemporary;
}
