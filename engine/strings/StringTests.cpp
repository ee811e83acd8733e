// The STRINGIS... tests: character classes of every character, and the forms
// of a decimal number.
#include "engine/ports/CaseMapping.h"
#include "engine/language/MerlaneScript.h"
#include "engine/strings/StringBuiltins.h"
#include "engine/ports/TextHelpers.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool IsAscii(char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; }

// 1 when every character passes (the empty text too), else 0.
template <typename Test>
int EveryCharacter(ScriptValueList& args, ScriptValue& result, Test test) {
  for (const char* p = args.GetAt(0).GetText(); *p != '\0'; ++p) {
    if (!test(*p)) {
      result.SetInt(0);
      return 0;
    }
  }
  result.SetInt(1);
  return 0;
}

const char* SkipSign(const char* p) { return *p == '+' || *p == '-' ? p + 1 : p; }

const char* SkipDigits(const char* p) {
  while (IsDigit(*p)) ++p;
  return p;
}

// Sign, digits, exactly one point, digits, with at least one digit.
bool IsFloatText(const char* text) {
  const char* start = SkipSign(text);
  const char* point = SkipDigits(start);
  if (*point != '.') return false;
  const char* end = SkipDigits(point + 1);
  return *end == '\0' && end - start > 1;
}

// Sign and one or more digits.
bool IsIntText(const char* text) {
  const char* start = SkipSign(text);
  const char* end = SkipDigits(start);
  return *end == '\0' && end > start;
}

}  // namespace

int FnStringIsAlpha(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  return EveryCharacter(args, result, [](char c) { return GetCaseMapping().IsAlpha(c); });
}

int FnStringIsAlnum(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  return EveryCharacter(args, result, [](char c) { return GetCaseMapping().IsAlphaNumeric(c); });
}

int FnStringIsDigit(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  return EveryCharacter(args, result, IsDigit);
}

int FnStringIsXDigit(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  return EveryCharacter(args, result, IsHexDigit);
}

int FnStringIsLower(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  return EveryCharacter(args, result, [](char c) { return GetCaseMapping().IsLower(c); });
}

int FnStringIsUpper(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  return EveryCharacter(args, result, [](char c) { return GetCaseMapping().IsUpper(c); });
}

int FnStringIsSpace(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  return EveryCharacter(args, result, IsWhiteSpace);
}

int FnStringIsAscii(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  return EveryCharacter(args, result, IsAscii);
}

int FnStringIsFloat(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(IsFloatText(args.GetAt(0).GetText()) ? 1 : 0);
  return 0;
}

int FnStringIsInt(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(IsIntText(args.GetAt(0).GetText()) ? 1 : 0);
  return 0;
}
