#include "engine/strings/StringFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/values/ScriptValueList.h"
#include "tests/support/ValueMakers.h"

namespace {

std::string Format(const char* format, const std::vector<ScriptValue>& values = {}) {
  ScriptValueList args;
  args.Add(Text(format));
  for (const ScriptValue& value : values) args.Add(value);
  return FormatScriptText(args);
}

struct Case {
  const char* format;
  std::vector<ScriptValue> values;
  std::string expected;
};

TEST(StringFormatTest, EscapesAndConversions) {
  const Case cases[] = {
      {"%d items\\n", {Number(3)}, "3 items\n"},
      {"%5.2f", {Number(3.14159)}, " 3.14"},
      {"%s and %s", {Text("a")}, "a and "},  // the second conversion has no value: output ends
      {"100%%", {}, "100%"},
      {"\\%x", {}, "%x"},
      {"a\\tb\\rc", {}, "a\tb\rc"},
      {"\\q\\", {}, "\\q\\"},          // other escapes stay as written
      {"%-5d|", {Number(42)}, "42   |"},
      {"%05d", {Number(42)}, "00042"},
      {"%05d", {Number(-42)}, "-0042"},
      {"%+d % d", {Number(5), Number(5)}, "+5  5"},
      {"%x %X %u %o", {Number(255), Number(-1), Number(-1), Number(8)}, "ff FFFFFFFF 4294967295 10"},
      {"%#o %#x %#X", {Number(8), Number(255), Number(0)}, "010 0xff 0"},
      {"%.3d|%.0d|%5.3d", {Number(7), Number(0), Number(-7)}, "007|| -007"},
      {"%010.3f", {Number(-3.14159)}, "-00003.142"},
      {"%-8.3e|", {Number(1234.5)}, "1.234e+03|"},
      {"%+.1e", {Number(0)}, "+0.0e+00"},
      {"%g %G", {Number(0.00001), Number(1e-10)}, "1e-05 1E-10"},
      {"%#g", {Number(2)}, "2.00000"},
      {"%08.2f", {Number(HUGE_VAL)}, "  1.#INF"},  // no zeros before a special form
      {"%d", {Number(3.9)}, "3"},
      {"%i", {Text("0x10")}, "16"},
      {"%d", {Text("12abc")}, "12"},
      {"%f", {Text("2.5")}, "2.500000"},
      {"%s", {Number(2.5)}, "2.5"},
      {"%.2s|%5s|%-5s|%05s", {Text("abcdef"), Text("ab"), Text("ab"), Text("ab")}, "ab|   ab|ab   |   ab"},
      {"%ld %hd %lld", {Number(7), Number(8), Number(9)}, "7 8 9"},  // length letters are ignored
      {"%s", {Text("")}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(c.format, c.values), c.expected) << c.format;
}

TEST(StringFormatTest, HostileConversionsArePrintedAsTheyStand) {
  const Case cases[] = {
      {"%n", {Number(1)}, "%n"},
      {"%n%d", {Number(7)}, "%n7"},  // no value is taken by what is no conversion
      {"%*d", {Number(5), Number(6)}, "%*d"},
      {"%.*f", {Number(5), Number(6)}, "%.*f"},
      {"%I64d", {Number(1)}, "%I64d"},
      {"%Lf %p %c", {Number(1)}, "%Lf %p %c"},
      {"%", {Number(1)}, "%"},
      {"50%!", {Number(1)}, "50%!"},
      {"%-", {Number(1)}, "%-"},
      {"%5", {Number(1)}, "%5"},
      {"x%qy", {}, "x"},  // no value left: output ends at the "%"
      {"abc %d", {}, "abc "},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(c.format, c.values), c.expected) << c.format;
}

TEST(StringFormatTest, OneConversionIsBounded) {
  EXPECT_EQ(Format("%99999999999d", {Number(1)}).size(), std::size_t{kMaxConversionLength});
  EXPECT_EQ(Format("%99999999999s|", {Text("x")}).size(), std::size_t{kMaxConversionLength} + 1);
  EXPECT_EQ(Format("%.99999999999f", {Number(1)}).size(), std::size_t{kMaxConversionLength});
  EXPECT_EQ(Format("%.99999999999d", {Number(1)}).size(), std::size_t{kMaxConversionLength});
  const std::string big(70000, 'a');
  EXPECT_EQ(Format("%s", {Text(big.c_str())}), big.substr(0, kMaxConversionLength));
  // The widest width pads exactly to the bound.
  const std::string padded = Format("%65535d", {Number(-5)});
  EXPECT_EQ(padded.size(), std::size_t{kMaxConversionLength});
  EXPECT_EQ(padded.substr(padded.size() - 2), "-5");
}

TEST(StringFormatTest, ThirtyTwoValuesAreUsedInOrder) {
  std::vector<ScriptValue> values;
  std::string format;
  std::string expected;
  for (int i = 1; i <= 32; ++i) {
    values.push_back(Number(i));
    format += "%d,";
    expected += std::to_string(i) + ",";
  }
  EXPECT_EQ(Format(format.c_str(), values), expected);
}

}  // namespace
