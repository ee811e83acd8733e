// The conversion and type-test built-ins of the maths family.
#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/ports/HexText.h"
#include "engine/maths/MathsBuiltins.h"
#include "engine/language/MerlaneScript.h"

namespace {

constexpr int kMaxHexDigits = 8;

// HEX(value, digits): the value's 32-bit pattern as exactly `digits` upper-case
// digits; a value that needs more keeps its low digits and sets @error 1.
int FnHex(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const int value = args.GetAt(0).GetInt();
  const int digits = args.GetAt(1).GetInt();
  if (digits < 0 || digits > kMaxHexDigits) {
    engine.SetErrorValue(1);
    result.SetText("");
    return 0;
  }
  std::string text;
  if (!IntToHex(value, text, digits)) {
    const unsigned lowBits = static_cast<unsigned>(value) & ((1u << (4 * digits)) - 1u);
    IntToHex(static_cast<int>(lowBits), text, digits);
    engine.SetErrorValue(1);
  }
  result.SetText(text.c_str());
  return 0;
}

// DEC(text): at most eight hexadecimal digits as a 32-bit signed int.
int FnDec(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  int value = 0;
  if (!HexToInt(args.GetAt(0).GetText(), value)) engine.SetErrorValue(1);
  result.SetInt(value);
  return 0;
}

int FnAsc(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(static_cast<unsigned char>(args.GetAt(0).GetText()[0]));
  return 0;
}

// CHR(code): the character of a number's low byte; a string gives "".
int FnChr(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const char text[2] = {args.GetAt(0).IsNumber() ? static_cast<char>(args.GetAt(0).GetInt() & 0xFF) : '\0', '\0'};
  result.SetText(text);
  return 0;
}

int FnNumber(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result = args.GetAt(0);
  result.ChangeToNumber();
  return 0;
}

int FnString(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result = args.GetAt(0);
  result.ChangeToString();
  return 0;
}

// A type test: 1 when the argument passes, else 0.
template <bool (ScriptValue::*Test)() const>
int TypeTest(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt((args.GetAt(0).*Test)() ? 1 : 0);
  return 0;
}

}  // namespace

void BindConversionBuiltins() {
  BindBuiltin("HEX", &FnHex);
  BindBuiltin("DEC", &FnDec);
  BindBuiltin("ASC", &FnAsc);
  BindBuiltin("CHR", &FnChr);
  BindBuiltin("NUMBER", &FnNumber);
  BindBuiltin("STRING", &FnString);
  BindBuiltin("ISARRAY", &TypeTest<&ScriptValue::IsArray>);
  BindBuiltin("ISSTRING", &TypeTest<&ScriptValue::IsString>);
  BindBuiltin("ISNUMBER", &TypeTest<&ScriptValue::IsNumber>);
  BindBuiltin("ISINT", &TypeTest<&ScriptValue::IsInteger>);
  BindBuiltin("ISFLOAT", &TypeTest<&ScriptValue::IsFraction>);
}
