#include "engine/ports/win32/Win32CaseMapping.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the system's own calls make of the text.
std::string SystemUpper(std::string text) {
  if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string SystemLower(std::string text) {
  if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string MappedUpper(std::string text) {
  Win32CaseMapping().Upper(text.data(), static_cast<int>(text.size()));
  return text;
}

std::string MappedLower(std::string text) {
  Win32CaseMapping().Lower(text.data(), static_cast<int>(text.size()));
  return text;
}

std::string EveryByteFrom(int first, int last) {
  std::string text;
  for (int c = first; c <= last; ++c) text += static_cast<char>(c);
  return text;
}

// Pure ASCII texts take a path of their own; they, and texts with one byte
// above 127 anywhere in them, must come out as the system maps them.
TEST(Win32CaseMappingTest, UpperAndLowerGiveTheSystemsTexts) {
  const std::vector<std::string> texts = {
      "",
      "a",
      "Mixed Case 1_z",
      "@AZ[`az{",                                  // the neighbours of the letters
      EveryByteFrom(1, 127),                       // all of ASCII
      "caf\xe9",                                   // one accented letter at the end
      "\xe9t\xe9 en ville",                        // and at the start
      "abc\x80xyz",                                // the first byte above ASCII
      "\x7f" "abc",                                // the last ASCII byte
      "\xc0\xc9\xe0\xe9\xff\xdf",                  // letters of the upper half only
      EveryByteFrom(128, 255),
      EveryByteFrom(1, 255),
      std::string(300, 'q') + "\xe4",              // a long text, its one non-ASCII byte last
  };
  for (const std::string& text : texts) {
    EXPECT_EQ(MappedUpper(text), SystemUpper(text)) << "upper-casing \"" << text << "\"";
    EXPECT_EQ(MappedLower(text), SystemLower(text)) << "lower-casing \"" << text << "\"";
  }
}

// Each byte alone: no single character may map differently from the system.
TEST(Win32CaseMappingTest, EachSingleByteMapsAsTheSystemMapsIt) {
  for (int c = 1; c <= 255; ++c) {
    const std::string text(1, static_cast<char>(c));
    EXPECT_EQ(MappedUpper(text), SystemUpper(text)) << "byte " << c;
    EXPECT_EQ(MappedLower(text), SystemLower(text)) << "byte " << c;
  }
}

// Only the given length is mapped; what follows it, ASCII or not, stays.
TEST(Win32CaseMappingTest, MapsOnlyTheGivenLength) {
  const struct {
    const char* text;
    int length;
  } cases[] = {{"abcdef", 2}, {"ab\xe9" "def", 2}, {"\xe9" "bcdef", 1}, {"abc", 0}};
  for (const auto& c : cases) {
    const std::string text = c.text;
    const std::string expected = SystemUpper(text.substr(0, c.length)) + text.substr(c.length);
    std::string mapped = text;
    Win32CaseMapping().Upper(mapped.data(), c.length);
    EXPECT_EQ(mapped, expected) << "\"" << text << "\" to " << c.length;
    std::string lowered = text;
    Win32CaseMapping().Lower(lowered.data(), c.length);
    EXPECT_EQ(lowered, SystemLower(text.substr(0, c.length)) + text.substr(c.length)) << "\"" << text << "\" to " << c.length;
  }
}

}  // namespace
