#include "engine/files/FileAttributeText.h"

namespace {

struct Letter {
  char letter;
  unsigned bit;
};

// The order of FILEGETATTRIB's text.
constexpr Letter kShown[] = {
    {'R', file_attribute::kReadOnly}, {'A', file_attribute::kArchive},   {'S', file_attribute::kSystem},
    {'H', file_attribute::kHidden},   {'N', file_attribute::kNormal},    {'D', file_attribute::kDirectory},
    {'O', file_attribute::kOffline},  {'C', file_attribute::kCompressed}, {'T', file_attribute::kTemporary},
};

// The attributes a script may change.
constexpr Letter kChangeable[] = {
    {'A', file_attribute::kArchive}, {'H', file_attribute::kHidden},   {'N', file_attribute::kNormal},
    {'O', file_attribute::kOffline}, {'R', file_attribute::kReadOnly}, {'S', file_attribute::kSystem},
    {'T', file_attribute::kTemporary},
};

}  // namespace

std::string AttributeLetters(unsigned attributes) {
  std::string letters;
  for (const Letter& shown : kShown) {
    if (attributes & shown.bit) letters += shown.letter;
  }
  return letters;
}

bool ParseAttributeChange(const std::string& change, unsigned& add, unsigned& remove) {
  add = 0;
  remove = 0;
  bool adding = true;
  for (char ch : change) {
    if (ch == '+' || ch == '-') {
      adding = ch == '+';
      continue;
    }
    char upper = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
    unsigned bit = 0;
    for (const Letter& changeable : kChangeable) {
      if (changeable.letter == upper) bit = changeable.bit;
    }
    if (bit == 0) {
      add = remove = 0;
      return false;
    }
    (adding ? add : remove) |= bit;
  }
  return true;
}
