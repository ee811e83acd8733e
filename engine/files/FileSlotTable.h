// The interpreter's 64 slots of open files and file searches. The script's
// file handle is the slot's index; a new slot takes the lowest free index.
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>

// A running search for file names; the system's search lives behind it.
class FileSearch {
 public:
  virtual ~FileSearch() = default;
  // The next name found; false when there is none.
  virtual bool Next(std::string& name) = 0;
};

struct FileSlot {
  enum class Kind { kFile, kSearch };

  // An open file in FILEOPEN's mode (0 read, 1 append, 2 write); the slot
  // closes the stream.
  FileSlot(std::FILE* stream, int openMode);
  // A search whose first name is returned before any other.
  FileSlot(std::unique_ptr<FileSearch> running, const std::string& firstName);
  ~FileSlot();
  FileSlot(const FileSlot&) = delete;
  FileSlot& operator=(const FileSlot&) = delete;

  Kind kind;
  std::FILE* file = nullptr;
  int mode = 0;
  std::unique_ptr<FileSearch> search;
  std::string pendingName;
  bool hasPendingName = false;
};

class FileSlotTable {
 public:
  static constexpr int kCount = 64;

  // Puts the slot at the lowest free index and returns it; -1 when every
  // slot is used.
  int Add(std::unique_ptr<FileSlot> slot);
  // The slot of a handle; null outside 0..63 or for a free slot.
  FileSlot* Get(int handle) const;
  // Closes and frees the slot; false when there is none.
  bool Close(int handle);
  void CloseAll();
  int Used() const { return used_; }
  bool Full() const { return used_ == kCount; }

 private:
  std::array<std::unique_ptr<FileSlot>, kCount> slots_;
  int used_ = 0;
};
