// Preparing a loaded script for its runs: its user functions, the check of
// every call of one, its labels and its path.
#include <atomic>
#include <ctime>

#include "engine/ports/ClockPort.h"
#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "engine/values/Mt19937.h"
#include "engine/ports/ScriptHostPort.h"
#include "engine/language/ScriptLexer.h"

namespace {

const char kBadFuncName[] = "Badly formatted \"Func\" statement.";
const char kBadFunc[] = "Badly formatted Func statement.";

bool IsKeyword(const ScriptToken& token, int index) {
  return token.type == ScriptTokenType::kKeyword && token.value.GetInt() == index;
}

}  // namespace

int CMerlane_Script::PrepareScript(const std::string& path) {
  userFunctions.clear();
  // Unique in the process: a token resolved for another script never matches.
  static std::atomic<std::uint64_t> lastFunctionsVersion{0};
  functionsVersion_ = ++lastFunctionsVersion;
  if (ScanUserFunctions()) return 1;
  if (CheckUserFunctionCalls()) return 1;
  CollectLabels();

  scriptFullPath = GetScriptHostPort().FullPathName(path);
  size_t slash = scriptFullPath.find_last_of("\\/");
  scriptFileName = slash == std::string::npos ? scriptFullPath : scriptFullPath.substr(slash + 1);
  scriptFolder = slash == std::string::npos ? std::string() : scriptFullPath.substr(0, slash);

  unsigned seconds = static_cast<unsigned>(std::time(nullptr));
  Mt19937Seed(seconds * (GetClockPort().NowMs() % 1000));
  stopRequest = 0;
  return 0;
}

int CMerlane_Script::TokeniseLineAt(int line, ScriptTokenList& tokens) {
  currentLine = line;
  const std::string* text = scriptFile.GetLineText(line);
  return TokeniseLine(text ? *text : std::string(), tokens);
}

int CMerlane_Script::ScanUserFunctions() {
  const int count = scriptFile.LineCount();
  for (int line = 1; line <= count; ++line) {
    ScriptTokenList tokens;
    if (TokeniseLineAt(line, tokens)) return 1;
    if (!IsKeyword(tokens.GetAt(0), keyword::kFunc)) continue;

    const ScriptToken& name = tokens.GetAt(1);
    if (name.type != ScriptTokenType::kUserFunction) return ReportAt(kBadFuncName, tokens, 1);
    if (FindUserFunction(name.value.GetText())) return ReportAt("Duplicate function name.", tokens, 1);
    if (tokens.GetAt(2).type != ScriptTokenType::kOpenParen) return ReportAt(kBadFunc, tokens, 2);

    UserFunction function;
    function.name = name.value.GetText();
    function.funcLine = line;
    int position = 3;
    if (tokens.GetAt(position).type == ScriptTokenType::kCloseParen) {
      ++position;
    } else {
      for (;;) {
        UserFunction::Parameter parameter;
        if (IsKeyword(tokens.GetAt(position), keyword::kByRef)) {
          parameter.byRef = true;
          ++position;
        }
        if (tokens.GetAt(position).type != ScriptTokenType::kVariable) return ReportAt(kBadFunc, tokens, position);
        parameter.name = tokens.GetAt(position).value.GetText();
        function.parameters.push_back(parameter);
        ScriptTokenType after = tokens.GetAt(++position).type;
        ++position;
        if (after == ScriptTokenType::kCloseParen) break;
        if (after != ScriptTokenType::kComma) return ReportAt(kBadFunc, tokens, position - 1);
      }
    }
    if (!ExpectEnd(tokens, position)) return 1;

    // The EndFunc: another Func first is an error; the end of the script is
    // accepted (the function then runs to the end of the script).
    function.endFuncLine = count + 1;
    for (int body = line + 1; body <= count; ++body) {
      int first = FirstKeyword(body);
      if (first == keyword::kFunc) {
        ReportLineError("Func statement has no matching EndFunc.", -1);
        return 1;
      }
      if (first == keyword::kEndFunc) {
        function.endFuncLine = body;
        break;
      }
    }
    userFunctions.push_back(function);
    line = function.endFuncLine;
  }
  return 0;
}

int CMerlane_Script::CheckUserFunctionCalls() {
  const int count = scriptFile.LineCount();
  for (int line = 1; line <= count; ++line) {
    ScriptTokenList tokens;
    if (TokeniseLineAt(line, tokens)) return 1;
    for (int i = 0; i < tokens.Count(); ++i) {
      const ScriptToken& token = tokens.GetAt(i);
      if (token.type == ScriptTokenType::kUserFunction && !FindUserFunction(token.value.GetText()))
        return ReportAt("Unknown function name.", tokens, i);
    }
  }
  return 0;
}

void CMerlane_Script::CollectLabels() {
  // Emptied for every script, so that a GOTO finds only this script's labels;
  // of equal labels the last line wins (it is pushed last).
  while (!labelStack.IsEmpty()) labelStack.Pop();
  const int count = scriptFile.LineCount();
  for (int line = 1; line <= count; ++line) {
    const std::string* text = scriptFile.GetLineText(line);
    if (!text || text->rfind("TAG $", 0) != 0) continue;
    ScriptBlock label;
    label.name.Assign(text->c_str() + 4);
    label.targetLine = line + 1;
    labelStack.Push(label);
  }
}
