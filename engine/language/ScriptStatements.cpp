// Execution of one tokenised line: the statement forms other than blocks and
// declarations, assignments, calls, labels and jumps.
#include "engine/language/MerlaneScript.h"

namespace {

const char kIllegalText[] = "Illegal text at the end of statement (one statement per line).";

// The shape of an expression that the operator scan evaluates within its own
// operands wherever it stands: terms joined by + - * / ^ &, each term any
// number of negations before a literal, a macro, a variable with its
// subscripts, a built-in call or a bracketed expression of the same shape
// (subscripts and call arguments are evaluated apart, so anything goes
// inside them). Anything else (NOT after a negation, an operator where an
// operand belongs) may make the scan reach into the operands before it.
class SelfContained {
 public:
  explicit SelfContained(const ScriptTokenList& tokens) : tokens_(tokens) {}

  // Whether tokens [from, end of line) have that shape; `parts` counts
  // what the outermost "&"s join.
  bool FromTo(int from, int& parts) {
    at_ = from;
    parts_ = 1;
    depth_ = 0;
    const bool shaped = Expression() && Type() == ScriptTokenType::kEndOfLine;
    parts = parts_;
    return shaped;
  }

 private:
  ScriptTokenType Type() const { return tokens_.GetAt(at_).type; }

  bool Expression() {
    if (!Term()) return false;
    while (IsBinary(Type())) {
      if (Type() == ScriptTokenType::kConcat && depth_ == 0) ++parts_;
      ++at_;
      if (!Term()) return false;
    }
    return true;
  }

  bool Term() {
    while (Type() == ScriptTokenType::kMinus) ++at_;
    switch (Type()) {
      case ScriptTokenType::kLiteral:
      case ScriptTokenType::kMacro: ++at_; return true;
      case ScriptTokenType::kVariable:
        ++at_;
        while (Type() == ScriptTokenType::kOpenBracket) {
          if (!SkipGroup(ScriptTokenType::kOpenBracket, ScriptTokenType::kCloseBracket)) return false;
        }
        return true;
      case ScriptTokenType::kBuiltin:
        ++at_;
        return Type() == ScriptTokenType::kOpenParen &&
               SkipGroup(ScriptTokenType::kOpenParen, ScriptTokenType::kCloseParen);
      case ScriptTokenType::kOpenParen: {
        ++at_;
        ++depth_;
        const bool shaped = Expression() && Type() == ScriptTokenType::kCloseParen;
        --depth_;
        ++at_;
        return shaped;
      }
      default: return false;
    }
  }

  // Past the group that opens at the current token, up to its close.
  bool SkipGroup(ScriptTokenType open, ScriptTokenType close) {
    int depth = 0;
    for (;; ++at_) {
      const ScriptTokenType type = Type();
      if (type == ScriptTokenType::kEndOfLine) return false;
      if (type == open) ++depth;
      if (type == close && --depth == 0) {
        ++at_;
        return true;
      }
    }
  }

  static bool IsBinary(ScriptTokenType type) {
    return type == ScriptTokenType::kPlus || type == ScriptTokenType::kMinus || type == ScriptTokenType::kMultiply ||
           type == ScriptTokenType::kDivide || type == ScriptTokenType::kPower || type == ScriptTokenType::kConcat;
  }

  const ScriptTokenList& tokens_;
  int at_ = 0;
  int depth_ = 0;
  int parts_ = 1;
};

// `$v = $v & rest`: whether $v takes part only in the concatenations that
// join the rest's parts (the rest has the self-contained shape above, and
// "&" is the loosest operator in it), and the rest cannot change $v
// meanwhile (nothing but literals, variables, macros, operators and the
// maths and string built-ins: no user function, no built-in that runs script
// code or waits). The line then appends to $v in place instead of copying
// it, and the answer says how:
// - kAppendsOnePart: the rest is one part, evaluated apart. An array there
//   leaves $v as it is, as "&" after $v would.
// - kAppendsParts: while $v holds a string, the line gives $v followed by
//   what the same evaluation gives with an empty string in the place of $v
//   (the text of each part that is no array, in order). Evaluated apart the
//   rest would lose every part after an array at its front.
enum Appends : std::int8_t { kAppendsNot = 0, kAppendsOnePart = 1, kAppendsParts = 2 };

Appends AppendsToItself(const ScriptTokenList& tokens, const BuiltinRow* builtins, int builtinCount) {
  if (tokens.GetAt(1).type != ScriptTokenType::kEqual || tokens.GetAt(2).type != ScriptTokenType::kVariable ||
      tokens.GetAt(3).type != ScriptTokenType::kConcat)
    return kAppendsNot;
  for (int i = 4;; ++i) {
    const ScriptToken& token = tokens.GetAt(i);
    switch (token.type) {
      case ScriptTokenType::kEndOfLine: {
        int parts = 0;
        if (!SelfContained(tokens).FromTo(4, parts)) return kAppendsNot;
        return parts == 1 ? kAppendsOnePart : kAppendsParts;
      }
      case ScriptTokenType::kLiteral:
      case ScriptTokenType::kVariable:
      case ScriptTokenType::kMacro:
      case ScriptTokenType::kPlus:
      case ScriptTokenType::kMinus:
      case ScriptTokenType::kMultiply:
      case ScriptTokenType::kDivide:
      case ScriptTokenType::kPower:
      case ScriptTokenType::kConcat:
      case ScriptTokenType::kComma:
      case ScriptTokenType::kOpenParen:
      case ScriptTokenType::kCloseParen:
      case ScriptTokenType::kOpenBracket:
      case ScriptTokenType::kCloseBracket: break;
      case ScriptTokenType::kBuiltin: {
        const int row = token.value.GetInt();
        if (row < 0 || row >= builtinCount) return kAppendsNot;
        const BuiltinFamily family = builtins[row].family;
        if (family != BuiltinFamily::kMaths && family != BuiltinFamily::kStrings) return kAppendsNot;
        break;
      }
      default: return kAppendsNot;
    }
  }
}

// Whether the expression at `position` of a kept line is evaluated from
// prepared steps that read nothing but literals and plain variables through
// operators, and that end at the end of the line: it then runs no code and
// changes no variable, and its value is handed over only when it succeeds,
// by the same move the assignment would make. -1: not known yet (the steps
// are made on its first evaluation).
int EvaluatesWithoutSideEffects(const ScriptTokenList& tokens, int position) {
  if (!tokens.IsKept()) return 0;
  const ScriptToken& first = tokens.GetAt(position);
  // A lone literal or variable is read without steps.
  if (tokens.GetAt(position + 1).type == ScriptTokenType::kEndOfLine) return 0;
  const PreparedExpression* form = first.prepared.Get();
  if (!form) return -1;
  if (form->scanned || form->tokensLeft != tokens.Count() - position) return 0;
  for (const PreparedExpression::Step& step : form->steps) {
    switch (step.kind) {
      case PreparedExpression::kLiteral:
      case PreparedExpression::kVariable:
      case PreparedExpression::kApply:
      case PreparedExpression::kApplyLiteral:
      case PreparedExpression::kApplyVariable:
      case PreparedExpression::kShortCircuit:
      case PreparedExpression::kJump:
      case PreparedExpression::kError: break;
      case PreparedExpression::kDone:
        if (tokens.GetAt(position + step.at).type != ScriptTokenType::kEndOfLine) return 0;
        break;
      default: return 0;
    }
  }
  return 1;
}

}  // namespace

bool CMerlane_Script::ReportIllegalText(ScriptTokenList& tokens, int position) {
  ReportLineError(kIllegalText, tokens.GetAt(position).column);
  return false;
}

int CMerlane_Script::ReportAt(const std::string& message, ScriptTokenList& tokens, int position) {
  ReportLineError(message, tokens.GetAt(position).column);
  return 1;
}

int CMerlane_Script::ExecuteLine(ScriptTokenList& tokens, int& nextLine) {
  switch (tokens.GetAt(0).type) {
    case ScriptTokenType::kKeyword:
      return ExecKeyword(tokens, nextLine);
    case ScriptTokenType::kBuiltin:
    case ScriptTokenType::kUserFunction:
      return ExecCallLine(tokens);
    case ScriptTokenType::kVariable:
      return ExecAssignment(tokens);
    case ScriptTokenType::kEndOfLine:
      return 0;
    default:
      return ReportAt("Unable to parse line.", tokens, 0);
  }
}

int CMerlane_Script::ExecCallLine(ScriptTokenList& tokens) {
  int position = 0;
  ScriptValue callResult;
  const int status = tokens.GetAt(0).type == ScriptTokenType::kBuiltin ? CallBuiltin(tokens, position, callResult)
                                                                         : CallUserFunction(tokens, position, callResult);
  if (status) return 1;
  return ExpectEnd(tokens, position) ? 0 : 1;
}

int CMerlane_Script::ExecKeyword(ScriptTokenList& tokens, int& nextLine) {
  // A kept line's keyword is read from its value once.
  const ScriptToken& first = tokens.GetAt(0);
  if (first.keywordIndex < 0) {
    const int index = first.value.GetInt();
    if (index < 0 || index >= keyword::kCount) return ReportAt("Invalid keyword at the start of this line.", tokens, 0);
    first.keywordIndex = static_cast<std::int8_t>(index);
  }
  switch (first.keywordIndex) {
    case keyword::kIf: return ExecIf(tokens, nextLine);
    case keyword::kElse:
    case keyword::kElseIf: return ExecElse(tokens, nextLine);
    case keyword::kEndIf: return ExecEndIf(tokens);
    case keyword::kWhile: return ExecWhile(tokens, nextLine);
    case keyword::kWEnd: return ExecWend(tokens, nextLine);
    case keyword::kDo: return ExecDo(tokens, nextLine);
    case keyword::kUntil: return ExecUntil(tokens, nextLine);
    case keyword::kFor: return ExecFor(tokens, nextLine);
    case keyword::kNext: return ExecNext(tokens, nextLine);
    case keyword::kExitLoop: return ExecExitLoop(tokens, nextLine);
    case keyword::kContinueLoop: return ExecContinueLoop(tokens, nextLine);
    case keyword::kSelect: return ExecSelect(tokens, nextLine);
    case keyword::kCase: return ExecCase(tokens, nextLine);
    case keyword::kEndSelect: return ExecEndSelect(tokens);
    case keyword::kDim: return ExecDim(tokens, 0);
    case keyword::kReDim: return ExecDim(tokens, 4);
    case keyword::kLocal: return ExecDim(tokens, 1);
    case keyword::kGlobal: return ExecDim(tokens, 2);
    case keyword::kFunc: return ExecFuncSkip(nextLine);
    case keyword::kReturn: return ExecReturn(tokens);
    case keyword::kEndFunc:
      returnFlag = 1;
      return 0;
    case keyword::kExit: return ExecExit(tokens);
    case keyword::kTag: return 0;
    case keyword::kGoto: return ExecGoto(tokens, nextLine);
    default: return ReportAt("Invalid keyword at the start of this line.", tokens, 0);
  }
}

int CMerlane_Script::ExecAssignment(ScriptTokenList& tokens) {
  const ScriptToken& target = tokens.GetAt(0);
  // The name's text is read only where a lookup needs it.
  const auto name = [&target] { return target.value.GetText(); };
  ScriptValue* variable = variables.FindNamedBy(name, target.resolved);
  int position = 1;
  const bool subscripted = tokens.GetAt(position).type == ScriptTokenType::kOpenBracket;
  std::vector<int> subscripts;
  if (!variable) {
    if (subscripted) return ReportAt("You must DIM an array before you can assign to it.", tokens, 0);
    if (MustDeclareVars) return ReportAt("Variable used without being declared.", tokens, 0);
    // The variable exists, empty, while its expression is evaluated.
    ScriptValue empty;
    empty.SetText("");
    variables.Assign(name(), empty, VariableTable::kAutomatic);
  } else if (subscripted) {
    if (!variable->IsArray()) return ReportAt("You must DIM an array before you can assign to it.", tokens, 0);
    if (ReadSubscripts(tokens, position, subscripts)) return 1;
    variable = variables.FindNamedBy(name, target.resolved);
    if (!variable || !variable->IsArray() || !ElementAt(*variable, subscripts))
      return ReportAt("Array variable has incorrect number of subscripts or subscript dimension range exceeded.",
                      tokens, 0);
  }
  if (tokens.GetAt(position).type != ScriptTokenType::kEqual)
    return ReportAt("Expected a = operator in assignment statement.", tokens, position);
  ++position;
  if (target.appendsToItself < 0) target.appendsToItself = AppendsToItself(tokens, builtins, builtinCount);
  const bool appends = target.appendsToItself == kAppendsOnePart ||
                       (target.appendsToItself == kAppendsParts && variable && variable->IsString());
  if (variable && !subscripted && appends &&
      variables.Find(tokens.GetAt(2).value.GetText(), tokens.GetAt(2).resolved) == variable) {
    // Errors go where the whole expression's would.
    const int column = tokens.GetAt(2).column;
    ScriptValue rest;
    int at = 4;
    if (target.appendsToItself == kAppendsOnePart) {
      expressionColumn_ = column;
      if (EvalExpression(tokens, at, rest)) return 1;
    } else {
      // The empty string stands where $v stood, so an array among the parts,
      // the first one included, is skipped alone, as it is after $v.
      ScriptValue empty;
      empty.SetText("");
      at = 3;
      if (EvalAfterOperand(tokens, at, empty, column, rest)) return 1;
    }
    if (!ExpectEnd(tokens, at)) return 1;
    variable->Concat(rest);
    return 0;
  }
  if (variable && !subscripted && preparedExpressions) {
    if (target.assignsInPlace < 0) target.assignsInPlace = static_cast<std::int8_t>(EvaluatesWithoutSideEffects(tokens, position));
    if (target.assignsInPlace > 0) {
      // Written once: the steps' result moves straight into the variable.
      if (EvalExpression(tokens, position, *variable)) return 1;
      return ExpectEnd(tokens, position) ? 0 : 1;
    }
  }
  ScriptValue value;
  if (EvalExpression(tokens, position, value)) return 1;
  if (!ExpectEnd(tokens, position)) return 1;
  // The expression may have called code that resized or replaced the array:
  // resolve the target again.
  variable = variables.FindNamedBy(name, target.resolved);
  // The value is a temporary of this line: it moves in, no copy.
  if (!variable) {
    variables.Assign(name(), std::move(value), VariableTable::kAutomatic);
    return 0;
  }
  if (!subscripted) {
    *variable = std::move(value);
    return 0;
  }
  ScriptValue* element = variable->IsArray() ? ElementAt(*variable, subscripts) : nullptr;
  if (!element)
    return ReportAt("Array variable has incorrect number of subscripts or subscript dimension range exceeded.",
                    tokens, 0);
  *element = std::move(value);
  return 0;
}

int CMerlane_Script::ExecReturn(ScriptTokenList& tokens) {
  int position = 1;
  ScriptValue* const slot = returnSlot_;
  if (tokens.GetAt(position).type == ScriptTokenType::kEndOfLine) {
    (slot ? *slot : result).SetInt(0);
  } else if (slot) {
    // Straight into the caller's slot: nothing the script can reach, and a
    // failed expression ends the run.
    if (EvalExpression(tokens, position, *slot)) return 1;
    if (!ExpectEnd(tokens, position)) return 1;
  } else {
    ScriptValue value;
    if (EvalExpression(tokens, position, value)) return 1;
    if (!ExpectEnd(tokens, position)) return 1;
    result = std::move(value);
  }
  returnSlot_ = nullptr;
  returnFlag = 1;
  return 0;
}

int CMerlane_Script::ExecExit(ScriptTokenList& tokens) {
  int position = 1;
  if (tokens.GetAt(position).type != ScriptTokenType::kEndOfLine) {
    ScriptValue code;
    if (EvalExpression(tokens, position, code)) return 1;
    if (!ExpectEnd(tokens, position)) return 1;
    exitCode = code.GetInt();
  }
  runState = run_state::kEnded;
  return 0;
}

int CMerlane_Script::ExecGoto(ScriptTokenList& tokens, int& nextLine) {
  // The lexer keeps the label as raw text: compared byte for byte; of equal
  // labels the last one collected wins.
  const char* label = tokens.GetAt(1).value.GetText();
  for (int i = 0; i < labelStack.Count(); ++i) {
    const ScriptBlock& tag = labelStack.FromTop(i);
    if (ScriptStringEqual(label, tag.name)) {
      nextLine = tag.targetLine;
      return 0;
    }
  }
  return 0;
}

int CMerlane_Script::ExecFuncSkip(int& nextLine) {
  for (const UserFunction& function : userFunctions) {
    if (function.funcLine == currentLine) {
      nextLine = function.endFuncLine + 1;
      return 0;
    }
  }
  return 0;
}
