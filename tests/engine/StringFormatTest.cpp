#include "engine/StringFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/ScriptValueList.h"

namespace {

// A value given to the format: a number or a text.
struct Arg {
  Arg(int n) { value.SetInt(n); }  // NOLINT: tables read better
  Arg(double n) { value.SetDouble(n); }  // NOLINT
  Arg(const char* text) { value.SetText(text); }  // NOLINT
  ScriptValue value;
};

std::string Format(const char* format, const std::vector<Arg>& values = {}) {
  ScriptValueList args;
  ScriptValue f;
  f.SetText(format);
  args.Add(f);
  for (const Arg& a : values) args.Add(a.value);
  return FormatScriptText(args);
}

struct Case {
  const char* format;
  std::vector<Arg> values;
  std::string expected;
};

TEST(StringFormatTest, EscapesAndConversions) {
  const Case cases[] = {
      {"%d items\\n", {3}, "3 items\n"},
      {"%5.2f", {3.14159}, " 3.14"},
      {"%s and %s", {"a"}, "a and "},  // the second conversion has no value: output ends
      {"100%%", {}, "100%"},
      {"\\%x", {}, "%x"},
      {"a\\tb\\rc", {}, "a\tb\rc"},
      {"\\q\\", {}, "\\q\\"},          // other escapes stay as written
      {"%-5d|", {42}, "42   |"},
      {"%05d", {42}, "00042"},
      {"%05d", {-42}, "-0042"},
      {"%+d % d", {5, 5}, "+5  5"},
      {"%x %X %u %o", {255, -1, -1, 8}, "ff FFFFFFFF 4294967295 10"},
      {"%#o %#x %#X", {8, 255, 0}, "010 0xff 0"},
      {"%.3d|%.0d|%5.3d", {7, 0, -7}, "007|| -007"},
      {"%010.3f", {-3.14159}, "-00003.142"},
      {"%-8.3e|", {1234.5}, "1.234e+03|"},
      {"%+.1e", {0}, "+0.0e+00"},
      {"%g %G", {0.00001, 1e-10}, "1e-05 1E-10"},
      {"%#g", {2}, "2.00000"},
      {"%08.2f", {HUGE_VAL}, "  1.#INF"},  // no zeros before a special form
      {"%d", {3.9}, "3"},
      {"%i", {"0x10"}, "16"},
      {"%d", {"12abc"}, "12"},
      {"%f", {"2.5"}, "2.500000"},
      {"%s", {2.5}, "2.5"},
      {"%.2s|%5s|%-5s|%05s", {"abcdef", "ab", "ab", "ab"}, "ab|   ab|ab   |   ab"},
      {"%ld %hd %lld", {7, 8, 9}, "7 8 9"},  // length letters are ignored
      {"%s", {""}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(c.format, c.values), c.expected) << c.format;
}

TEST(StringFormatTest, HostileConversionsArePrintedAsTheyStand) {
  const Case cases[] = {
      {"%n", {1}, "%n"},
      {"%n%d", {7}, "%n7"},          // no value is taken by what is no conversion
      {"%*d", {5, 6}, "%*d"},
      {"%.*f", {5, 6}, "%.*f"},
      {"%I64d", {1}, "%I64d"},
      {"%Lf %p %c", {1}, "%Lf %p %c"},
      {"%", {1}, "%"},
      {"50%!", {1}, "50%!"},
      {"%-", {1}, "%-"},
      {"%5", {1}, "%5"},
      {"x%qy", {}, "x"},             // no value left: output ends at the "%"
      {"abc %d", {}, "abc "},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(c.format, c.values), c.expected) << c.format;
}

TEST(StringFormatTest, OneConversionIsBounded) {
  EXPECT_EQ(Format("%99999999999d", {1}).size(), std::size_t{kMaxConversionLength});
  EXPECT_EQ(Format("%99999999999s|", {"x"}).size(), std::size_t{kMaxConversionLength} + 1);
  EXPECT_EQ(Format("%.99999999999f", {1}).size(), std::size_t{kMaxConversionLength});
  EXPECT_EQ(Format("%.99999999999d", {1}).size(), std::size_t{kMaxConversionLength});
  const std::string big(70000, 'a');
  EXPECT_EQ(Format("%s", {big.c_str()}), big.substr(0, kMaxConversionLength));
  // The widest width pads exactly to the bound.
  const std::string padded = Format("%65535d", {-5});
  EXPECT_EQ(padded.size(), std::size_t{kMaxConversionLength});
  EXPECT_EQ(padded.substr(padded.size() - 2), "-5");
}

TEST(StringFormatTest, ThirtyTwoValuesAreUsedInOrder) {
  std::vector<Arg> values;
  std::string format;
  std::string expected;
  for (int i = 1; i <= 32; ++i) {
    values.emplace_back(i);
    format += "%d,";
    expected += std::to_string(i) + ",";
  }
  EXPECT_EQ(Format(format.c_str(), values), expected);
}

}  // namespace
