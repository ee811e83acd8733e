// Length, cutting, searching, replacing, splitting, white space, case and
// carriage returns of text; the tests are in StringTests.cpp and the
// formatted text in StringFormat.cpp.
#include "engine/strings/StringBuiltins.h"

#include <cstring>
#include <string>
#include <utility>

#include "engine/values/AsciiNoCase.h"
#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/scripting/ResultArray.h"
#include "engine/values/ScriptString.h"
#include "engine/strings/StringFormat.h"
#include "engine/ports/TextHelpers.h"

namespace {

// The range [from, to) of the first argument's text; a range outside it
// gives the empty text.
// The cut is read straight from the argument's text: no copy of the whole
// text, which under Windows costs a heap block and a length count.
ScriptString Cut(const ScriptValue& value, int from, int to) {
  ScriptString cut;
  cut.AssignMid(value.GetTextString(), from, to);
  return cut;
}

int SetRange(ScriptValueList& args, ScriptValue& result, int from, int to) {
  result.SetText(Cut(args.GetAt(0), from, to));
  return 0;
}

int FnStringLen(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(args.GetAt(0).GetTextLength());
  return 0;
}

int FnStringLeft(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const int length = args.GetAt(0).GetTextLength();
  const int n = args.GetAt(1).GetInt();
  return SetRange(args, result, 0, n < length ? n : length);
}

int FnStringRight(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const int length = args.GetAt(0).GetTextLength();
  const int n = args.GetAt(1).GetInt();
  if (n <= 0) return SetRange(args, result, 0, 0);
  return SetRange(args, result, length - (n < length ? n : length), length);
}

int FnStringMid(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const int length = args.GetAt(0).GetTextLength();
  const long long from = static_cast<long long>(args.GetAt(1).GetInt()) - 1;
  const int count = args.GetAt(2).GetInt();
  if (from < 0 || from >= length || count <= 0) return SetRange(args, result, 0, 0);
  const int rest = length - static_cast<int>(from);
  return SetRange(args, result, static_cast<int>(from), static_cast<int>(from) + (count < rest ? count : rest));
}

int FnStringTrimLeft(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const int length = args.GetAt(0).GetTextLength();
  const int n = args.GetAt(1).GetInt();
  return n >= 0 && n < length ? SetRange(args, result, n, length) : SetRange(args, result, 0, 0);
}

int FnStringTrimRight(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const int length = args.GetAt(0).GetTextLength();
  const int n = args.GetAt(1).GetInt();
  return n >= 0 && n < length ? SetRange(args, result, 0, length - n) : SetRange(args, result, 0, 0);
}

int FnStringInStr(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const bool caseSensitive = args.Count() >= 3 && args.GetAt(2).GetInt() != 0;
  const int occurrence = args.Count() >= 4 ? args.GetAt(3).GetInt() : 1;
  if (occurrence == 0) {
    engine.SetErrorValue(1);
    result.SetInt(0);
    return 0;
  }
  const ScriptString& text = args.GetAt(0).GetTextString();
  const int at = text.Find(args.GetAt(1).GetText(), caseSensitive, occurrence);
  const bool found = occurrence > 0 ? at < text.Length() : at >= 0;
  result.SetInt(found ? at + 1 : 0);
  return 0;
}

int FnStringLower(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const ScriptValue& value = args.GetAt(0);
  ScriptString text = Cut(value, 0, value.GetTextLength());
  text.ToLower();
  result.SetText(std::move(text));
  return 0;
}

int FnStringUpper(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const ScriptValue& value = args.GetAt(0);
  ScriptString text = Cut(value, 0, value.GetTextLength());
  text.ToUpper();
  result.SetText(std::move(text));
  return 0;
}

int FnStringStripCR(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  std::string text = args.GetAt(0).GetText();
  RemoveCR(text);
  result.SetText(text.c_str());
  return 0;
}

int FnStringAddCR(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetText(AddCR(args.GetAt(0).GetText()).c_str());
  return 0;
}

// The first match of `search` in text at or after `from`, or npos.
std::size_t FindFrom(const std::string& text, const std::string& search, std::size_t from, bool caseSensitive) {
  if (caseSensitive) return text.find(search, from);
  for (std::size_t i = from; i + search.size() <= text.size(); ++i) {
    if (AsciiCompareNoCaseN(text.c_str() + i, search.c_str(), search.size()) == 0) return i;
  }
  return std::string::npos;
}

int FnStringReplace(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const std::string search = args.GetAt(1).GetText();
  if (search.empty()) return 0;
  const std::string text = args.GetAt(0).GetText();
  const std::string replacement = args.GetAt(2).GetText();
  const int count = args.Count() >= 4 ? args.GetAt(3).GetInt() : 0;
  const bool caseSensitive = args.Count() >= 5 && args.GetAt(4).GetInt() != 0;
  std::string out;
  std::size_t rest = 0;
  for (int done = 0; count == 0 || done != count; ++done) {
    const std::size_t at = FindFrom(text, search, rest, caseSensitive);
    if (at == std::string::npos) break;
    out.append(text, rest, at - rest);
    out += replacement;
    rest = at + search.size();
  }
  out.append(text, rest, std::string::npos);
  result.SetText(out.c_str());
  return 0;
}

// Element i of the result array: a number or a text.
void SetElementInt(ScriptValue& result, int i, int n) {
  if (ScriptValue* element = ResultElement(result, i)) element->SetInt(n);
}

void SetElementText(ScriptValue& result, int i, const std::string& text) {
  if (ScriptValue* element = ResultElement(result, i)) element->SetText(text.c_str());
}

int FnStringSplit(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const std::string text = args.GetAt(0).GetText();
  const std::string delimiters = args.GetAt(1).GetText();
  const int length = static_cast<int>(text.size());
  if (delimiters.empty()) {
    if (!MakeResultArray(result, length + 1)) return 0;
    SetElementInt(result, 0, length);
    for (int i = 0; i < length; ++i) SetElementText(result, i + 1, std::string(1, text[i]));
    return 0;
  }
  std::size_t separators = 0;
  for (char c : text) separators += delimiters.find(c) != std::string::npos ? 1 : 0;
  if (separators == 0) {
    engine.SetErrorValue(1);
    if (!MakeResultArray(result, 2)) return 0;
    SetElementInt(result, 0, 1);
    SetElementText(result, 1, text);
    return 0;
  }
  const int pieces = static_cast<int>(separators) + 1;
  if (!MakeResultArray(result, pieces + 1)) return 0;
  SetElementInt(result, 0, pieces);
  std::size_t start = 0;
  for (int piece = 1; piece <= pieces; ++piece) {
    const std::size_t end = text.find_first_of(delimiters, start);
    SetElementText(result, piece, text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    start = end + 1;
  }
  return 0;
}

std::string StripWhiteSpace(const std::string& text, int flags) {
  std::string out;
  if (flags & 8) {
    for (char c : text) {
      if (!IsWhiteSpace(c)) out += c;
    }
    return out;
  }
  out = text;
  if (flags & 1) {
    std::size_t first = 0;
    while (first < out.size() && IsWhiteSpace(out[first])) ++first;
    out.erase(0, first);
  }
  if (flags & 2) {
    while (!out.empty() && IsWhiteSpace(out.back())) out.pop_back();
  }
  if (flags & 4) {
    std::string reduced;
    for (std::size_t i = 0; i < out.size(); ++i) {
      if (!(IsWhiteSpace(out[i]) && i > 0 && IsWhiteSpace(out[i - 1]))) reduced += out[i];
    }
    out = reduced;
  }
  return out;
}

int FnStringStripWS(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const int flags = args.GetAt(1).GetInt();
  if (flags == 0) {
    result = args.GetAt(0);
  } else if (args.GetAt(0).IsArray()) {
    engine.SetErrorValue(1);
  } else {
    result.SetText(StripWhiteSpace(args.GetAt(0).GetText(), flags).c_str());
  }
  return 0;
}

int FnStringFormat(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetText(FormatScriptText(args).c_str());
  return 0;
}

}  // namespace

void BindStringBuiltins() {
  BindBuiltin("STRINGLEN", &FnStringLen);
  BindBuiltin("STRINGLEFT", &FnStringLeft);
  BindBuiltin("STRINGRIGHT", &FnStringRight);
  BindBuiltin("STRINGMID", &FnStringMid);
  BindBuiltin("STRINGTRIMLEFT", &FnStringTrimLeft);
  BindBuiltin("STRINGTRIMRIGHT", &FnStringTrimRight);
  BindBuiltin("STRINGINSTR", &FnStringInStr);
  BindBuiltin("STRINGLOWER", &FnStringLower);
  BindBuiltin("STRINGUPPER", &FnStringUpper);
  BindBuiltin("STRINGSTRIPCR", &FnStringStripCR);
  BindBuiltin("STRINGADDCR", &FnStringAddCR);
  BindBuiltin("STRINGREPLACE", &FnStringReplace);
  BindBuiltin("STRINGSPLIT", &FnStringSplit);
  BindBuiltin("STRINGSTRIPWS", &FnStringStripWS);
  BindBuiltin("STRINGFORMAT", &FnStringFormat);
  BindBuiltin("STRINGISALPHA", &FnStringIsAlpha);
  BindBuiltin("STRINGISALNUM", &FnStringIsAlnum);
  BindBuiltin("STRINGISDIGIT", &FnStringIsDigit);
  BindBuiltin("STRINGISXDIGIT", &FnStringIsXDigit);
  BindBuiltin("STRINGISLOWER", &FnStringIsLower);
  BindBuiltin("STRINGISUPPER", &FnStringIsUpper);
  BindBuiltin("STRINGISSPACE", &FnStringIsSpace);
  BindBuiltin("STRINGISASCII", &FnStringIsAscii);
  BindBuiltin("STRINGISFLOAT", &FnStringIsFloat);
  BindBuiltin("STRINGISINT", &FnStringIsInt);
}
