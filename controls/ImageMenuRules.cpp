#include "controls/ImageMenuRules.h"

#include <cstring>

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

char16_t LowerWide(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

class TemplateReader {
 public:
  TemplateReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Word(uint16_t& value) {
    if (pos_ + 2 > size_) return false;
    value = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
  }
  bool Text(std::u16string& text) {
    text.clear();
    uint16_t c;
    while (Word(c)) {
      if (c == 0) return true;
      text.push_back(static_cast<char16_t>(c));
    }
    return false;
  }
  bool Skip(size_t bytes) {
    if (pos_ + bytes > size_) return false;
    pos_ += bytes;
    return true;
  }

  // The items of one level, up to and including the one with MF_END.
  bool Level(std::vector<MenuTemplateItem>& items, int depth) {
    if (depth > 64) return false;
    for (;;) {
      MenuTemplateItem item;
      uint16_t flags;
      if (!Word(flags)) return false;
      bool popup = flags & kMenuPopup;
      if (!popup && !Word(item.id)) return false;
      if (!Text(item.text)) return false;
      item.flags = static_cast<uint16_t>(flags & ~kMenuEnd);
      if (popup && !Level(item.children, depth + 1)) return false;
      items.push_back(std::move(item));
      if (flags & kMenuEnd) return true;
    }
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace

int MenuVersionCode(bool ntFamily, int major, int minor) {
  if (ntFamily) {
    if (major == 4) return 5;
    if (major == 5 && minor == 0) return 6;
    if (major == 5 && minor == 1) return 7;
    return 1;
  }
  if (major < 4) return 0;
  if (major == 4 && minor == 10) return 3;
  if (major == 4 && minor == 90) return 4;
  return 2;
}

bool IsClassicThemeValue(const char* value, size_t size) {
  static const char kClassic[] = "windows classic.theme";
  const size_t suffix = sizeof kClassic - 1;
  if (!value) return false;
  size_t length = 0;
  while (length < size && value[length] != '\0') ++length;
  if (length == size || length < suffix) return false;
  for (size_t i = 0; i < suffix; ++i) {
    if (LowerAscii(value[length - suffix + i]) != kClassic[i]) return false;
  }
  return true;
}

bool ParseMenuTemplate(const uint8_t* data, size_t size, std::vector<MenuTemplateItem>& items) {
  items.clear();
  TemplateReader reader(data, size);
  uint16_t version, offset;
  if (!reader.Word(version) || !reader.Word(offset) || version != 0) return false;
  if (!reader.Skip(offset)) return false;
  if (!reader.Level(items, 0)) {
    items.clear();
    return false;
  }
  return true;
}

bool ParseToolbarTemplate(const uint8_t* data, size_t size, ToolbarTemplate& toolbar) {
  toolbar = ToolbarTemplate{};
  TemplateReader reader(data, size);
  uint16_t version, count;
  if (!reader.Word(version) || version != 1 || !reader.Word(toolbar.imageWidth) ||
      !reader.Word(toolbar.imageHeight) || !reader.Word(count)) {
    return false;
  }
  for (uint16_t i = 0; i < count; ++i) {
    uint16_t id;
    if (!reader.Word(id)) {
      toolbar = ToolbarTemplate{};
      return false;
    }
    toolbar.ids.push_back(id);
  }
  return true;
}

int FindMnemonic(const std::vector<std::u16string>& texts, char16_t typed) {
  const char16_t pair[2] = {u'&', LowerWide(typed)};
  for (size_t i = 0; i < texts.size(); ++i) {
    std::u16string lower = texts[i];
    for (char16_t& c : lower) c = LowerWide(c);
    if (lower.find(std::u16string(pair, 2)) != std::u16string::npos) return static_cast<int>(i);
  }
  return -1;
}
