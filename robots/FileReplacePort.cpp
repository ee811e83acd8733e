#include "robots/FileReplacePort.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

class LibraryReplacePort : public FileReplacePort {
 public:
  bool FlushToDisk(const std::string&) override { return true; }
  bool Replace(const std::string& source, const std::string& target) override {
    std::error_code error;
    std::filesystem::rename(source, target, error);
    return !error;
  }
};

LibraryReplacePort defaultPort;
FileReplacePort* currentPort = &defaultPort;

// Beside the target, so that the replacing move stays on one volume; its
// extension is no robot file's.
std::string TemporaryPathFor(const std::string& target) { return target + ".saving"; }

}  // namespace

void SetFileReplacePort(FileReplacePort* port) { currentPort = port ? port : &defaultPort; }

FileReplacePort& GetFileReplacePort() { return *currentPort; }

bool ReplaceFileContent(const std::string& target, const std::string& content) {
  const std::string temporary = TemporaryPathFor(target);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    // Whatever stands at the temporary name and cannot be written (a folder,
    // a file in use) is not ours to remove.
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    out.close();
    if (!out.fail() && currentPort->FlushToDisk(temporary) &&
        currentPort->Replace(temporary, target)) {
      return true;
    }
  }
  std::remove(temporary.c_str());
  return false;
}
