#include "engine/files/FileTimeText.h"

#include <cstdio>
#include <cstdlib>

namespace {

int FieldAt(const std::string& text, size_t at, size_t width) { return std::atoi(text.substr(at, width).c_str()); }

}  // namespace

FileTimeText ParseFileTimeText(const std::string& text, FileTimeFields& fields) {
  fields = FileTimeFields();
  if (text.empty()) return FileTimeText::kNow;
  if (text.size() < 4) return FileTimeText::kInvalid;
  fields.year = FieldAt(text, 0, 4);
  int* const rest[] = {&fields.month, &fields.day, &fields.hour, &fields.minute, &fields.second};
  size_t at = 4;
  for (int* field : rest) {
    if (text.size() - at < 2) break;
    *field = FieldAt(text, at, 2);
    at += 2;
  }
  return FileTimeText::kGiven;
}

std::array<std::string, 6> FormatFileTimeFields(const FileTimeFields& fields) {
  std::array<std::string, 6> texts;
  const int values[] = {fields.year, fields.month, fields.day, fields.hour, fields.minute, fields.second};
  for (size_t i = 0; i < texts.size(); ++i) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, i == 0 ? "%4d" : "%02d", values[i]);
    texts[i] = buffer;
  }
  return texts;
}
