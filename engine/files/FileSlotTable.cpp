#include "engine/files/FileSlotTable.h"

FileSlot::FileSlot(std::FILE* stream, int openMode) : kind(Kind::kFile), file(stream), mode(openMode) {}

FileSlot::FileSlot(std::unique_ptr<FileSearch> running, const std::string& firstName)
    : kind(Kind::kSearch), search(std::move(running)), pendingName(firstName), hasPendingName(true) {}

FileSlot::~FileSlot() {
  if (file) std::fclose(file);
}

int FileSlotTable::Add(std::unique_ptr<FileSlot> slot) {
  for (int i = 0; i < kCount; ++i) {
    if (!slots_[i]) {
      slots_[i] = std::move(slot);
      ++used_;
      return i;
    }
  }
  return -1;
}

FileSlot* FileSlotTable::Get(int handle) const {
  return handle >= 0 && handle < kCount ? slots_[handle].get() : nullptr;
}

bool FileSlotTable::Close(int handle) {
  if (!Get(handle)) return false;
  slots_[handle].reset();
  --used_;
  return true;
}

void FileSlotTable::CloseAll() {
  for (int i = 0; i < kCount; ++i) Close(i);
}
