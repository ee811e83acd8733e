// Calls of built-ins and user functions, with their argument lists and ByRef
// parameters.
#include <cmath>
#include <optional>

#include "engine/values/AsciiNoCase.h"
#include "engine/language/MerlaneScript.h"
#include "engine/language/NestingCount.h"
#include "engine/language/ScriptLexer.h"

namespace {

bool IsEnd(const ScriptTokenList& tokens, int position) {
  return tokens.GetAt(position).type == ScriptTokenType::kEndOfLine;
}

}  // namespace

int CMerlane_Script::TokeniseLine(const std::string& line, ScriptTokenList& tokens) {
  LexError error;
  if (TokeniseScriptLine(line, ExpandEnvStrings != 0, tokens, &error)) return 0;
  ReportLineError(error.message, error.column);
  return 1;
}

const UserFunction* CMerlane_Script::FindUserFunction(const std::string& name) const {
  for (const UserFunction& function : userFunctions) {
    if (AsciiCompareNoCase(function.name.c_str(), name.c_str()) == 0) return &function;
  }
  return nullptr;
}

const UserFunction* CMerlane_Script::FindUserFunction(const ScriptToken& token) const {
  if (token.functionsVersion != functionsVersion_ || token.functionIndex < 0 ||
      token.functionIndex >= static_cast<int>(userFunctions.size())) {
    const UserFunction* function = FindUserFunction(token.value.GetText());
    if (!function) return nullptr;
    token.functionIndex = static_cast<int>(function - userFunctions.data());
    token.functionsVersion = functionsVersion_;
  }
  return &userFunctions[static_cast<size_t>(token.functionIndex)];
}

int CMerlane_Script::FindCallClose(ScriptTokenList& tokens, int position, int& close) {
  const ScriptToken& name = tokens.GetAt(position);
  if (tokens.GetAt(position + 1).type != ScriptTokenType::kOpenParen) {
    ReportLineError("Error parsing function call.", name.column);
    return 1;
  }
  const ScriptToken& open = tokens.GetAt(position + 1);
  if (open.closeOffset > 0) {
    close = position + 1 + open.closeOffset;
    if (tokens.GetAt(close).type == ScriptTokenType::kCloseParen) return 0;
  }
  close = position + 2;
  for (int depth = 0;; ++close) {
    ScriptTokenType type = tokens.GetAt(close).type;
    if (type == ScriptTokenType::kEndOfLine) {
      ReportLineError("Error parsing function call.", name.column);
      return 1;
    }
    if (type == ScriptTokenType::kOpenParen) ++depth;
    if (type == ScriptTokenType::kCloseParen && depth-- == 0) {
      open.closeOffset = close - (position + 1);
      return 0;
    }
  }
}

namespace {

// The end an argument's first token kept, when it still holds: the call's
// ")" at `close`, or a comma before it. `call` is the token at `name`, the
// tokens to `close` follow it.
inline bool KeptArgumentEnd(const ScriptToken* call, int name, int start, int close, int& end) {
  const ScriptToken& first = call[start - name];
  if (first.argumentEnd < 0) return false;
  end = start + first.argumentEnd;
  return end == close || (end < close && call[end - name].type == ScriptTokenType::kComma);
}

// Where the argument that starts at `start` ends: its top-level comma, or the
// call's ")" at `close`.
int ArgumentEnd(const ScriptTokenList& tokens, int start, int close) {
  const ScriptToken& first = tokens.GetAt(start);
  int end = close;
  if (start < close && KeptArgumentEnd(&first, start, start, close, end)) return end;
  end = close;
  int depth = 0;
  for (int i = start; i < close; ++i) {
    const ScriptTokenType type = tokens.GetAt(i).type;
    if (type == ScriptTokenType::kOpenParen) ++depth;
    if (type == ScriptTokenType::kCloseParen) --depth;
    if (type == ScriptTokenType::kComma && depth == 0) {
      end = i;
      break;
    }
  }
  first.argumentEnd = end - start;
  return end;
}

// Where a call's arguments lie: tokens [start, end) of the line for each
// argument between the "(" after the name and the ")" at `close`.
struct ArgumentSpan {
  int start;
  int end;
  int endColumn;  // of the ")": where an argument's own end of line stands
};

// Calls each(span) for the arguments of the call whose name is at `name`;
// stops at the first non-zero answer and returns it.
template <typename Each>
int ForEachArgument(const ScriptTokenList& tokens, int name, int close, Each each) {
  const int first = name + 2;
  if (close == first) return 0;
  const int endColumn = tokens.GetAt(close).column;
  for (int start = first;;) {
    const int end = ArgumentEnd(tokens, start, close);
    if (int status = each(ArgumentSpan{start, end, endColumn})) return status;
    if (end >= close) return 0;
    start = end + 1;
  }
}

int CountArguments(const ScriptTokenList& tokens, int name, int close) {
  int count = 0;
  ForEachArgument(tokens, name, close, [&count](const ArgumentSpan&) {
    ++count;
    return 0;
  });
  return count;
}

// True when tokens [start, end) are one call whose ")" (found before, and
// kept by its "(") is the last of them.
bool IsWholeCall(const ScriptTokenList& tokens, int start, int end) {
  const ScriptToken& open = tokens.GetAt(start + 1);
  if (open.type != ScriptTokenType::kOpenParen || open.closeOffset <= 0) return false;
  const int close = start + 1 + open.closeOffset;
  return close == end - 1 && tokens.GetAt(close).type == ScriptTokenType::kCloseParen;
}

// True for the number 0 as SetInt(0) makes it (no negative zero, no
// pending subscripts): a value that SetInt(0) gives back exactly.
bool IsPlainZero(const ScriptValue& value) {
  if (!value.IsNumber() || value.GetSubscriptCount() != 0) return false;
  const double number = value.GetNumber();
  return number == 0 && !std::signbit(number);
}

// The caller's result is kept apart only when it is not that 0.
void RestoreResult(ScriptValue& result, std::optional<ScriptValue>& saved) {
  if (saved)
    result = std::move(*saved);
  else if (!IsPlainZero(result))  // a plain value moved away leaves such a 0
    result.SetInt(0);
}

// An argument as a list of its own: a slice of the line's tokens (nothing is
// copied) that ends at the ")" column.
ScriptTokenList ArgumentTokens(const ScriptTokenList& tokens, const ArgumentSpan& span) {
  return tokens.Slice(span.start, span.end, span.endColumn);
}

}  // namespace

int CMerlane_Script::EvalArgument(ScriptTokenList& tokens, int start, int end, int endColumn, ScriptValue& value) {
  // A lone literal or variable is read in place: its slice would end right
  // after it, and nothing else of the line is looked at.
  const ScriptToken& first = tokens.GetAt(start);
  if (end == start + 1 && first.type == ScriptTokenType::kLiteral) {
    value = first.value;
    return 0;
  }
  if (end == start + 1 && first.type == ScriptTokenType::kVariable) {
    int at = start;
    return ReadVariable(tokens, at, value);
  }
  const bool builtin = first.type == ScriptTokenType::kBuiltin;
  if ((builtin || first.type == ScriptTokenType::kUserFunction) && IsWholeCall(tokens, start, end)) {
    // A lone call: what the expression scan does for it (its nesting count
    // and stack check included), with the call's result going straight
    // into the argument.
    expressionColumn_ = -1;
    if (expressionNesting_ > 0 && !EnoughStackToNest()) return 1;
    const NestingCount nesting(expressionNesting_);
    int at = start;
    return builtin ? CallBuiltin(tokens, at, value) : CallUserFunction(tokens, at, value);
  }
  ScriptTokenList arg = ArgumentTokens(tokens, ArgumentSpan{start, end, endColumn});
  int at = 0;
  if (EvalExpression(arg, at, value)) return 1;
  if (!IsEnd(arg, at)) {
    ReportLineError("Error parsing function call.", arg.GetAt(at).column);
    return 1;
  }
  return 0;
}

namespace {

// The ")" of the call whose name is at `name` as its "(" kept it, when it
// still stands there: what FindCallClose answers first, without the call.
inline bool KeptCallClose(const ScriptTokenList& tokens, int name, int& close) {
  const ScriptToken& open = tokens.GetAt(name + 1);
  if (open.type != ScriptTokenType::kOpenParen || open.closeOffset <= 0) return false;
  close = name + 1 + open.closeOffset;
  return tokens.GetAt(close).type == ScriptTokenType::kCloseParen;
}

}  // namespace

int CMerlane_Script::CallBuiltin(ScriptTokenList& tokens, int& position, ScriptValue& callResult) {
  const int nameAt = position;
  const ScriptToken& name = tokens.GetAt(nameAt);
  const int index = name.value.GetInt();
  const int column = name.column;
  int close = 0;
  if (!KeptCallClose(tokens, nameAt, close) && FindCallClose(tokens, nameAt, close)) return 1;
  position = close + 1;
  const BuiltinRow* row = index >= 0 && index < builtinCount ? &builtins[index] : nullptr;
  // The argument lists are kept for reuse, one per nesting level of calls,
  // so that a call allocates no list.
  if (argumentListsInUse_ == argumentLists_.size()) argumentLists_.push_back(std::make_unique<ScriptValueList>());
  ScriptValueList& args = *argumentLists_[argumentListsInUse_++];
  struct Release {
    CMerlane_Script& engine;
    ScriptValueList& list;
    ~Release() {
      list.Clear();
      --engine.argumentListsInUse_;
    }
  } release{*this, args};
  // Built-ins that only read their arguments read a lone literal or variable
  // where it stands; any other argument is evaluated after the ones before it
  // are copied, as its evaluation may change them. Each argument ends where
  // its first token kept, as ForEachArgument finds it.
  const bool readInPlace = row && ReadsOnlyItsArguments(row->family);
  // The tokens from the name to the ")" stand together in the list.
  const ScriptToken* const call = &name;
  for (int start = nameAt + 2; close > nameAt + 2;) {
    const ScriptToken& first = call[start - nameAt];
    int end = close;
    if (!KeptArgumentEnd(call, nameAt, start, close, end)) end = ArgumentEnd(tokens, start, close);
    if (readInPlace && end == start + 1 && first.type == ScriptTokenType::kLiteral) {
      args.Borrow(first.value);
    } else if (readInPlace && end == start + 1 && first.type == ScriptTokenType::kVariable) {
      const ScriptValue* variable = FindDeclared(first);
      if (!variable) return 1;
      args.Borrow(*variable);
    } else {
      args.KeepBorrowed();
      // Evaluated straight into the list: nothing else adds to this level's
      // list meanwhile (nested calls take the levels above).
      if (EvalArgument(tokens, start, end, call[close - nameAt].column, args.AddNew())) return 1;
    }
    if (end >= close) break;
    start = end + 1;
  }
  const int count = args.Count();
  if (!row || count < row->minArgs || count > row->maxArgs) {
    ReportLineError("Incorrect number of parameters in function call.", column);
    return 1;
  }
  if (InvokeBuiltin(index, args, callResult)) return 1;
  // A built-in whose wait ended the run stops the rest of the line too.
  return runState == run_state::kEnded ? 1 : 0;
}

int CMerlane_Script::CallUserFunction(ScriptTokenList& tokens, int& position, ScriptValue& callResult) {
  const ScriptToken& name = tokens.GetAt(position);
  const int column = name.column;
  const UserFunction* function = FindUserFunction(name);
  if (!function) {
    ReportLineError("Unknown function name.", column);
    return 1;
  }
  int close = 0;
  if (FindCallClose(tokens, position, close)) return 1;
  const int nameAt = position;
  position = close + 1;
  // Counted before any argument is evaluated (a wrong count is reported
  // first), once per kept line.
  int count = tokens.IsKept() ? name.argumentCount : -1;
  if (count < 0) {
    count = CountArguments(tokens, nameAt, close);
    if (tokens.IsKept()) name.argumentCount = count;
  }
  if (count != static_cast<int>(function->parameters.size())) {
    ReportLineError("Incorrect number of parameters in function call.", column);
    return 1;
  }

  // Evaluates a value parameter's argument, or binds a ByRef parameter to
  // the caller's variable or array element.
  const auto bind = [this, &tokens](const ArgumentSpan& span, bool byRef, UserCallArgument& argument) {
    if (!byRef) return EvalArgument(tokens, span.start, span.end, span.endColumn, *argument.value);
    const ScriptToken& lone = tokens.GetAt(span.start);
    if (span.end == span.start + 1 && lone.type == ScriptTokenType::kVariable) {
      // A lone variable, the common case: bound to it without a slice.
      argument.target = variables.Find(lone.value.GetText(), lone.resolved);
      if (argument.target) return 0;
      ReportLineError("Variable used without being declared.", lone.column);
      return 1;
    }
    ScriptTokenList arg = ArgumentTokens(tokens, span);
    int at = 0;
    const ScriptToken& first = arg.GetAt(0);
    if (first.type != ScriptTokenType::kVariable) {
      ReportLineError("Expected a variable in user function call.", first.column);
      return 1;
    }
    const char* name = first.value.GetText();
    ScriptValue* variable = variables.Find(name, first.resolved);
    if (!variable) {
      ReportLineError("Variable used without being declared.", first.column);
      return 1;
    }
    at = 1;
    if (arg.GetAt(at).type == ScriptTokenType::kOpenBracket) {
      if (!variable->IsArray()) {
        ReportLineError("Subscript used with non-Array variable.", first.column);
        return 1;
      }
      argument.variable = name;
      argument.subscripts.clear();
      if (ReadSubscripts(arg, at, argument.subscripts)) return 1;
      variable = variables.Find(argument.variable.c_str(), first.resolved);
      ScriptValue* element = variable && variable->IsArray() ? ElementAt(*variable, argument.subscripts) : nullptr;
      if (!element) {
        ReportLineError("Array variable has incorrect number of subscripts or subscript dimension range exceeded.",
                        first.column);
        return 1;
      }
      argument.element = true;
      *argument.value = *element;
    } else {
      argument.target = variable;
    }
    if (!IsEnd(arg, at)) {
      ReportLineError("Expected a variable in user function call.", arg.GetAt(at).column);
      return 1;
    }
    return 0;
  };
  // The records come from a pool of this nesting level; they go back however
  // the call ends.
  const size_t argumentCount = static_cast<size_t>(count);
  std::vector<UserCallArgument>& bound = userCallArguments_.Take(argumentCount);
  struct GiveBack {
    UserCallArgumentPool& pool;
    size_t count;
    bool valuesMoved = false;
    ~GiveBack() { pool.Give(count, valuesMoved); }
  } giveBack{userCallArguments_, argumentCount};
  size_t next = 0;
  bool anyElement = false;  // most calls have none: their write-back is skipped
  const int bindStatus = ForEachArgument(tokens, nameAt, close, [&](const ArgumentSpan& span) {
    const size_t i = next++;
    const int status = bind(span, function->parameters[i].byRef, bound[i]);
    anyElement = anyElement || bound[i].element;
    return status;
  });
  if (bindStatus) return 1;

  // The function record is not read after the run (nothing may rely on the
  // function list then): what the element write-back needs is in `bound`.
  const int funcLine = function->funcLine;
  for (size_t i = 0; anyElement && i < argumentCount; ++i) {
    if (bound[i].element) bound[i].parameter = function->parameters[i].name;
  }
  // The caller's result is usually the 0 its own call began with: it is
  // then made again afterwards rather than moved out and back.
  std::optional<ScriptValue> saved;
  if (!IsPlainZero(result)) {
    saved.emplace(std::move(result));
    result.SetInt(0);
  }
  variables.PushScope(function);
  // Return puts its value straight into callResult and clears the slot.
  ScriptValue* const outerReturnSlot = returnSlot_;
  returnSlot_ = &callResult;
  bool returned = false;
  int status = 0;
  try {
    for (size_t i = 0; i < argumentCount; ++i) {
      const UserFunction::Parameter& declared = function->parameters[i];
      const char* parameter = variables.Upper(declared.name.c_str(), declared.upper);
      if (bound[i].target)
        variables.AssignReferenceUpper(parameter, bound[i].target);
      else if (!variables.AssignOwnedUpper(parameter, bound[i].value))
        *bound[i].value = ScriptValue();  // a parameter's name twice: the record is made new
      // An element's value comes back here from the function's scope.
      if (bound[i].element && !bound[i].value) bound[i].value = std::make_unique<ScriptValue>();
    }
    giveBack.valuesMoved = true;
    status = RunNested(funcLine + 1, false, false);
    returned = returnSlot_ == nullptr;
    returnSlot_ = outerReturnSlot;
    for (size_t i = 0; anyElement && i < argumentCount; ++i) {
      UserCallArgument& argument = bound[i];
      if (argument.element) {
        ScriptValue* local = variables.Find(argument.parameter.c_str(), VariableTable::kLocal);
        if (local) *argument.value = *local;
      }
    }
  } catch (...) {
    // Out of memory on the way: the caller's scope and result come back
    // before the run ends.
    returnSlot_ = outerReturnSlot;
    variables.PopScope();
    RestoreResult(result, saved);
    throw;
  }
  variables.PopScope();
  for (size_t i = 0; anyElement && i < argumentCount; ++i) {
    UserCallArgument& argument = bound[i];
    if (!argument.element) continue;
    ScriptValue* variable = variables.Find(argument.variable.c_str(), VariableTable::kAutomatic);
    ScriptValue* element = variable && variable->IsArray() ? ElementAt(*variable, argument.subscripts) : nullptr;
    if (element) *element = *argument.value;
  }
  // Without a Return the function's value is what `result` holds (0, or
  // what a wait set).
  if (!returned) callResult = std::move(result);
  RestoreResult(result, saved);
  if (status != 0 || runState == run_state::kEnded) return 1;
  return 0;
}
