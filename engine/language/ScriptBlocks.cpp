// Block statements: If, While, Do, For, ExitLoop, ContinueLoop and Select.
// A block is found by scanning the following lines when its opening
// statement runs; what it must remember goes on the If, loop or Select stack,
// marked with the call level so that a function never acts on its caller's
// blocks.
#include "engine/language/MerlaneScript.h"
#include "engine/language/MerlaneScriptFile.h"
#include "engine/language/ScriptLexer.h"

namespace {

bool IsKeyword(const ScriptToken& token, int index) {
  return token.type == ScriptTokenType::kKeyword && token.value.GetInt() == index;
}

bool IsEnd(const ScriptTokenList& tokens, int position) {
  return tokens.GetAt(position).type == ScriptTokenType::kEndOfLine;
}

// A block If: Then is the last token of the line.
bool EndsWithThen(const ScriptTokenList& tokens) {
  int last = tokens.Count() - 2;
  return last >= 0 && IsKeyword(tokens.GetAt(last), keyword::kThen);
}

std::string NoOpenerMessage(const char* statement, const char* opener) {
  return std::string("\"") + statement + "\" statement with no matching \"" + opener + "\" statement.";
}

std::string NoCloserMessage(const char* statement, const char* closer) {
  return std::string("\"") + statement + "\" statement has no matching \"" + closer + "\" statement.";
}

const char kBadFor[] = "\"For\" statement is badly formatted.\n\nShould be:\n\nFor $varname = nn To nn [Step nn]";
const char kNoLoop[] = "\"ExitLoop/ContinueLoop\" statements only valid from inside a For/Do/While loop.";

// Runs f with the current line set to the scanned line, so that an error
// report shows that line.
class ScannedLine {
 public:
  ScannedLine(int& currentLine, int line) : currentLine_(currentLine), saved_(currentLine) { currentLine_ = line; }
  ~ScannedLine() { currentLine_ = saved_; }

 private:
  int& currentLine_;
  int saved_;
};

}  // namespace

int CMerlane_Script::ScanLine(int line, ScriptTokenList& scratch, ScriptTokenList*& tokens) {
  const std::string* text = scriptFile.GetLine(line, ExpandEnvStrings != 0, tokens);
  if (!text) return -2;
  if (!tokens) tokens = scriptFile.GetLineTokens(line, ExpandEnvStrings != 0);
  if (!tokens) {
    TokeniseScriptLine(*text, ExpandEnvStrings != 0, scratch, nullptr);
    tokens = &scratch;
  }
  const ScriptToken& first = tokens->GetAt(0);
  return first.type == ScriptTokenType::kKeyword ? first.value.GetInt() : -1;
}

int CMerlane_Script::FirstKeyword(int line) {
  ScriptTokenList scratch;
  ScriptTokenList* tokens = nullptr;
  return ScanLine(line, scratch, tokens);
}

void CMerlane_Script::EnterBlock(ScriptBlockStack& stack, int closeLine, int taken, int& nextLine) {
  ScriptBlock block;
  block.closeLine = closeLine;
  block.callLevel = depth;
  stack.Push(block);
  nextLine = taken ? taken : closeLine;
}

int CMerlane_Script::FindBlockEnd(int fromLine, int openKeyword, int closeKeyword) {
  int nesting = 0;
  // One scratch list for the scan: each line tokenised afresh replaces it.
  ScriptTokenList scratch;
  for (int line = fromLine + 1;; ++line) {
    ScriptTokenList* tokens = nullptr;
    const int first = ScanLine(line, scratch, tokens);
    if (first == -2) return 0;
    if (first == openKeyword) ++nesting;
    if (first == closeKeyword && nesting-- == 0) return line;
  }
}

bool CMerlane_Script::HasOpener(const ScriptBlockStack& stack, int kind) const {
  if (stack.IsEmpty() || stack.Top().callLevel != depth) return false;
  return kind < 0 || stack.Top().kind == kind;
}

void CMerlane_Script::PushLoop(int kind, int openLine, int closeLine, const std::string& var,
                               const ScriptValue& end, const ScriptValue& step) {
  ScriptBlock loop;
  loop.kind = kind;
  loop.openLine = openLine;
  loop.closeLine = closeLine;
  loop.name.Assign(var.c_str());
  loop.endValue = end;
  loop.stepValue = step;
  // The bound and the step are copies that nothing changes: Next compares
  // with their numbers read here.
  loop.endNumber = end.GetNumber();
  loop.stepsUp = step.GetNumber() >= 0;
  loop.ifDepth = ifStack.Count();
  loop.selectDepth = selectStack.Count();
  loop.callLevel = depth;
  loopStack.Push(loop);
}

void CMerlane_Script::RestoreBlockDepths(const ScriptBlock& loop) {
  while (ifStack.Count() > loop.ifDepth) ifStack.Pop();
  while (selectStack.Count() > loop.selectDepth) selectStack.Pop();
}

// --- If -----------------------------------------------------------------------

int CMerlane_Script::ExecIf(ScriptTokenList& tokens, int& nextLine) {
  int position = 1;
  bool condition = false;
  if (EvalCondition(tokens, position, condition)) return 1;
  if (!IsKeyword(tokens.GetAt(position), keyword::kThen))
    return ReportAt("If statements must have a Then keyword.", tokens, position);
  ++position;
  if (!IsEnd(tokens, position)) {
    // One-line If: the rest runs as a line of its own.
    if (!condition) return 0;
    ScriptTokenList rest = tokens.Slice(position, tokens.Count(), tokens.GetAt(tokens.Count()).column);
    return ExecuteLine(rest, nextLine);
  }

  const int ifLine = currentLine;
  int taken = condition ? ifLine + 1 : 0;
  bool elseSeen = false;
  int nesting = 0;
  int endIfLine = 0;
  ScriptTokenList scratch;  // each line tokenised afresh replaces it
  for (int line = ifLine + 1; !endIfLine; ++line) {
    ScriptTokenList* tokensOfLine = nullptr;
    const int kind = ScanLine(line, scratch, tokensOfLine);
    ScriptTokenList& scanned = kind == -2 ? scratch : *tokensOfLine;
    if (kind == -2) {
      ReportLineError(NoCloserMessage("If", "EndIf"), -1);
      return 1;
    }
    if (kind == keyword::kIf) {
      if (EndsWithThen(scanned)) ++nesting;
    } else if (kind == keyword::kEndIf) {
      if (nesting == 0) endIfLine = line;
      else --nesting;
    } else if (nesting == 0 && (kind == keyword::kElseIf || kind == keyword::kElse)) {
      ScannedLine at(currentLine, line);
      if (elseSeen) return ReportAt("Too many Else statements for matching If statement.", scanned, 0);
      if (kind == keyword::kElse) {
        elseSeen = true;
        if (!ExpectEnd(scanned, 1)) return 1;
        if (!taken) taken = line + 1;
      } else if (!taken) {
        int at = 1;
        bool branch = false;
        if (EvalCondition(scanned, at, branch)) return 1;
        if (!IsKeyword(scanned.GetAt(at), keyword::kThen))
          return ReportAt("If statements must have a Then keyword.", scanned, at);
        if (branch) taken = line + 1;
      } else if (!EndsWithThen(scanned)) {
        return ReportAt("If statements must have a Then keyword.", scanned, scanned.Count() - 1);
      }
    }
  }
  EnterBlock(ifStack, endIfLine, taken, nextLine);
  return 0;
}

int CMerlane_Script::ExecElse(ScriptTokenList& tokens, int& nextLine) {
  if (!HasOpener(ifStack, -1)) {
    bool isElse = tokens.GetAt(0).value.GetInt() == keyword::kElse;
    return ReportAt(NoOpenerMessage(isElse ? "Else" : "ElseIf", "If"), tokens, 0);
  }
  nextLine = ifStack.Top().closeLine;
  return 0;
}

int CMerlane_Script::ExecEndIf(ScriptTokenList& tokens) {
  if (!ExpectEnd(tokens, 1)) return 1;
  if (HasOpener(ifStack, -1)) ifStack.Pop();
  return 0;
}

// --- While, Do --------------------------------------------------------------

int CMerlane_Script::ExecWhile(ScriptTokenList& tokens, int& nextLine) {
  int position = 1;
  bool condition = false;
  if (EvalCondition(tokens, position, condition)) return 1;
  if (!ExpectEnd(tokens, position)) return 1;
  int wend = FindBlockEnd(currentLine, keyword::kWhile, keyword::kWEnd);
  if (!wend) {
    ReportLineError(NoCloserMessage("While", "WEnd"), -1);
    return 1;
  }
  if (condition)
    PushLoop(keyword::kWhile, currentLine, wend, "", ScriptValue(), ScriptValue());
  else
    nextLine = wend + 1;
  return 0;
}

int CMerlane_Script::ExecWend(ScriptTokenList& tokens, int& nextLine) {
  if (!HasOpener(loopStack, keyword::kWhile)) return ReportAt(NoOpenerMessage("WEnd", "While"), tokens, 0);
  nextLine = loopStack.Top().openLine;
  loopStack.Pop();
  return 0;
}

int CMerlane_Script::ExecDo(ScriptTokenList& tokens, int&) {
  if (!ExpectEnd(tokens, 1)) return 1;
  int until = FindBlockEnd(currentLine, keyword::kDo, keyword::kUntil);
  if (!until) {
    ReportLineError(NoCloserMessage("Do", "Until"), -1);
    return 1;
  }
  PushLoop(keyword::kDo, currentLine, until, "", ScriptValue(), ScriptValue());
  return 0;
}

int CMerlane_Script::ExecUntil(ScriptTokenList& tokens, int& nextLine) {
  if (!HasOpener(loopStack, keyword::kDo)) return ReportAt(NoOpenerMessage("Until", "Do"), tokens, 0);
  int position = 1;
  bool condition = false;
  if (EvalCondition(tokens, position, condition)) return 1;
  if (!ExpectEnd(tokens, position)) return 1;
  if (condition)
    loopStack.Pop();
  else
    nextLine = loopStack.Top().openLine + 1;
  return 0;
}

// --- For ----------------------------------------------------------------------

namespace {

bool ForGoesOn(const ScriptValue& variable, double end, bool stepsUp) {
  const double at = variable.GetNumber();
  return stepsUp ? at <= end : at >= end;
}

}  // namespace

int CMerlane_Script::ExecFor(ScriptTokenList& tokens, int& nextLine) {
  int position = 1;
  const ScriptToken& var = tokens.GetAt(position);
  if (var.type != ScriptTokenType::kVariable || tokens.GetAt(position + 1).type != ScriptTokenType::kEqual)
    return ReportAt(kBadFor, tokens, position);
  const std::string name = var.value.GetText();
  position += 2;
  ScriptValue start, end, step;
  if (EvalExpression(tokens, position, start)) return 1;
  if (!IsKeyword(tokens.GetAt(position), keyword::kTo)) return ReportAt(kBadFor, tokens, position);
  ++position;
  if (EvalExpression(tokens, position, end)) return 1;
  step.SetInt(1);
  if (IsKeyword(tokens.GetAt(position), keyword::kStep)) {
    ++position;
    if (EvalExpression(tokens, position, step)) return 1;
  }
  if (!IsEnd(tokens, position)) return ReportAt(kBadFor, tokens, position);

  ScriptValue* variable = variables.Find(name.c_str(), VariableTable::kAutomatic);
  if (!variable) {
    if (MustDeclareVars) return ReportAt("Variable used without being declared.", tokens, 1);
    variables.Assign(name.c_str(), start, VariableTable::kAutomatic);
    variable = variables.Find(name.c_str(), VariableTable::kAutomatic);
  } else {
    *variable = start;
  }
  int next = FindBlockEnd(currentLine, keyword::kFor, keyword::kNext);
  if (!next) {
    ReportLineError(NoCloserMessage("For", "Next"), -1);
    return 1;
  }
  if (ForGoesOn(*variable, end.GetNumber(), step.GetNumber() >= 0))
    PushLoop(keyword::kFor, currentLine, next, name, end, step);
  else
    nextLine = next + 1;
  return 0;
}

int CMerlane_Script::ExecNext(ScriptTokenList& tokens, int& nextLine) {
  if (!HasOpener(loopStack, keyword::kFor)) return ReportAt(NoOpenerMessage("Next", "For"), tokens, 0);
  if (!ExpectEnd(tokens, 1)) return 1;
  const ScriptBlock& loop = loopStack.Top();
  ScriptValue* variable = variables.Find(loop.name.Text(), loop.variable);
  if (!variable) return ReportAt("Variable used without being declared.", tokens, 0);
  variable->Add(loop.stepValue);
  if (ForGoesOn(*variable, loop.endNumber, loop.stepsUp))
    nextLine = loop.openLine + 1;
  else
    loopStack.Pop();
  return 0;
}

// --- ExitLoop, ContinueLoop ---------------------------------------------------

int CMerlane_Script::ExecExitLoop(ScriptTokenList& tokens, int& nextLine) {
  int position = 1;
  int count = 1;
  if (!IsEnd(tokens, position)) {
    ScriptValue value;
    if (EvalExpression(tokens, position, value)) return 1;
    if (!ExpectEnd(tokens, position)) return 1;
    count = value.GetInt();
  }
  if (!HasOpener(loopStack, -1)) return ReportAt(kNoLoop, tokens, 0);
  if (count < 0) return 0;
  for (int left = count; HasOpener(loopStack, -1) && (count == 0 || left > 0); --left) {
    const ScriptBlock& loop = loopStack.Top();
    RestoreBlockDepths(loop);
    nextLine = loop.closeLine + 1;
    loopStack.Pop();
  }
  return 0;
}

int CMerlane_Script::ExecContinueLoop(ScriptTokenList& tokens, int& nextLine) {
  if (!ExpectEnd(tokens, 1)) return 1;
  if (!HasOpener(loopStack, -1)) return ReportAt(kNoLoop, tokens, 0);
  RestoreBlockDepths(loopStack.Top());
  nextLine = loopStack.Top().closeLine;
  return 0;
}

// --- Select -------------------------------------------------------------------

int CMerlane_Script::ExecSelect(ScriptTokenList& tokens, int& nextLine) {
  if (!ExpectEnd(tokens, 1)) return 1;
  const int selectLine = currentLine;
  int taken = 0;
  int nesting = 0;
  bool caseSeen = false;
  int endLine = 0;
  ScriptTokenList scratch;  // each line tokenised afresh replaces it
  for (int line = selectLine + 1; !endLine; ++line) {
    ScriptTokenList* tokensOfLine = nullptr;
    const int kind = ScanLine(line, scratch, tokensOfLine);
    ScriptTokenList& scanned = kind == -2 ? scratch : *tokensOfLine;
    if (kind == -2) break;
    if (kind == keyword::kSelect) {
      ++nesting;
    } else if (kind == keyword::kEndSelect) {
      if (nesting == 0) endLine = line;
      else --nesting;
    } else if (kind == keyword::kCase && nesting == 0) {
      caseSeen = true;
      if (taken) continue;
      ScannedLine at(currentLine, line);
      if (IsKeyword(scanned.GetAt(1), keyword::kElse)) {
        if (!ExpectEnd(scanned, 2)) return 1;
        taken = line + 1;
        continue;
      }
      int position = 1;
      bool condition = false;
      if (EvalCondition(scanned, position, condition)) return 1;
      if (!ExpectEnd(scanned, position)) return 1;
      if (condition) taken = line + 1;
    }
  }
  if (!endLine || !caseSeen) {
    ReportLineError("\"Select\" statement is missing \"EndSelect\" or \"Case\" statement.", -1);
    return 1;
  }
  EnterBlock(selectStack, endLine, taken, nextLine);
  return 0;
}

int CMerlane_Script::ExecCase(ScriptTokenList& tokens, int& nextLine) {
  if (!HasOpener(selectStack, -1)) return ReportAt(NoOpenerMessage("Case", "Select"), tokens, 0);
  nextLine = selectStack.Top().closeLine;
  return 0;
}

int CMerlane_Script::ExecEndSelect(ScriptTokenList& tokens) {
  if (!ExpectEnd(tokens, 1)) return 1;
  if (HasOpener(selectStack, -1)) selectStack.Pop();
  return 0;
}
