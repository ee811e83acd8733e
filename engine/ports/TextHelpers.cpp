#include "engine/ports/TextHelpers.h"

#include <algorithm>
#include <cstring>

bool IsWhiteSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

std::unique_ptr<char[]> DuplicateString(const char* text) {
  if (!text) return nullptr;
  size_t size = std::strlen(text) + 1;
  std::unique_ptr<char[]> copy(new char[size]);
  std::memcpy(copy.get(), text, size);
  return copy;
}

void BoundedCopy(char* dest, const char* src, size_t size) {
  if (size == 0) return;
  size_t n = 0;
  while (n + 1 < size && src[n] != '\0') {
    dest[n] = src[n];
    ++n;
  }
  dest[n] = '\0';
}

size_t AppendBounded(const char* src, char* dest, size_t limit) {
  size_t length = std::strlen(dest);
  while (length < limit && *src != '\0') dest[length++] = *src++;
  dest[length] = '\0';
  return length;
}

char* ReadLine(char* buffer, size_t size, std::FILE* file) {
  if (size == 0) return nullptr;
  size_t n = 0;
  int ch = std::fgetc(file);
  if (ch == EOF) return nullptr;
  while (ch != EOF && ch != '\n') {
    if (ch == '\r') {
      int next = std::fgetc(file);
      if (next != '\n' && next != EOF) std::ungetc(next, file);
      break;
    }
    if (n + 1 >= size) {
      std::ungetc(ch, file);
      break;
    }
    buffer[n++] = static_cast<char>(ch);
    ch = std::fgetc(file);
  }
  buffer[n] = '\0';
  return buffer;
}

void RemoveCR(std::string& text) { text.erase(std::remove(text.begin(), text.end(), '\r'), text.end()); }

std::string AddCR(const std::string& text) {
  std::string result;
  result.reserve(AddCRLength(text));
  for (char ch : text) {
    if (ch == '\n') result += '\r';
    result += ch;
  }
  return result;
}

size_t AddCRLength(const std::string& text) {
  return text.size() + static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

bool ReadWholeLine(std::FILE* file, std::string& line) {
  line.clear();
  int c = std::getc(file);
  if (c == EOF) return false;
  for (; c != EOF && c != '\n'; c = std::getc(file)) line.push_back(static_cast<char>(c));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

OpenedFile OpenFile(const std::string& path, const char* mode) {
  return OpenedFile(std::fopen(path.c_str(), mode));
}

bool ReadWholeFile(const std::string& path, std::string& content) {
  OpenedFile file = OpenFile(path, "rb");
  if (!file) return false;
  content.clear();
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) content.append(buffer, got);
  return !std::ferror(file.get());
}
