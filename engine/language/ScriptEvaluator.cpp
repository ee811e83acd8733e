// Expression evaluation: an operator-precedence parser over one line's tokens
// driven by a fixed action table, with short-circuit AND and OR.
#include <cmath>
#include <utility>
#include <vector>

#include "engine/language/MerlaneScript.h"
#include "engine/values/ScriptValueCompare.h"

namespace {

// Operator codes: the rows and columns of the action table.
enum Op : int {
  kLess, kGreater, kLessEqual, kGreaterEqual, kNotEqual, kEqual, kEqualCase, kAnd, kOr,
  kConcat, kNot, kAdd, kSubtract, kMultiply, kDivide, kPower, kNegate, kOpen, kClose, kEnd
};

// 0 push, 1 apply the top operator, 2 close a bracket, 3 done, 4 missing right
// bracket, 5 missing operator, 6 unbalanced brackets.
constexpr unsigned char kActions[20][20] = {
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // <
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // >
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // <=
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // >=
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // <>
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // =
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // ==
    {0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // AND
    {0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // OR
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1},  // &
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, 0, 2, 1},  // NOT
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 2, 1},  // +
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 2, 1},  // -
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0, 0, 0, 2, 1},  // *
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0, 0, 0, 2, 1},  // /
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, 0, 2, 1},  // ^
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 2, 1},  // negate
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 4},  // (
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 5, 2, 1},  // )
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 3},  // end
};

int OperatorCode(const ScriptToken& token, bool afterOperand) {
  switch (token.type) {
    case ScriptTokenType::kLess: return kLess;
    case ScriptTokenType::kGreater: return kGreater;
    case ScriptTokenType::kLessEqual: return kLessEqual;
    case ScriptTokenType::kGreaterEqual: return kGreaterEqual;
    case ScriptTokenType::kNotEqual: return kNotEqual;
    case ScriptTokenType::kEqual: return kEqual;
    case ScriptTokenType::kEqualCase: return kEqualCase;
    case ScriptTokenType::kConcat: return kConcat;
    case ScriptTokenType::kPlus: return kAdd;
    case ScriptTokenType::kMinus: return afterOperand ? kSubtract : kNegate;
    case ScriptTokenType::kMultiply: return kMultiply;
    case ScriptTokenType::kDivide: return kDivide;
    case ScriptTokenType::kPower: return kPower;
    case ScriptTokenType::kOpenParen: return kOpen;
    case ScriptTokenType::kCloseParen: return kClose;
    case ScriptTokenType::kKeyword: {
      int index = token.value.GetInt();
      if (index == keyword::kAnd) return kAnd;
      if (index == keyword::kOr) return kOr;
      if (index == keyword::kNot) return kNot;
      return kEnd;
    }
    default: return kEnd;
  }
}

void SetTruth(ScriptValue& value, bool truth) { value.SetInt(truth ? 1 : 0); }

// The operator and operand stacks of one expression: the top part of the
// interpreter's shared stacks, from the heights they had when it began. Nested
// expressions (arguments, subscripts) stack above it, so no expression
// allocates stacks of its own; the part goes when the expression ends.
class ExpressionStacks {
 public:
  ExpressionStacks(std::vector<int>& ops, std::vector<ScriptValue>& values)
      : ops_(ops), values_(values), opBase_(ops.size()), valueBase_(values.size()) {
    ops_.push_back(kEnd);
  }
  ~ExpressionStacks() {
    ops_.resize(opBase_);
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(valueBase_), values_.end());
  }
  ExpressionStacks(const ExpressionStacks&) = delete;
  ExpressionStacks& operator=(const ExpressionStacks&) = delete;

  int TopOp() const { return ops_.back(); }
  void PushOp(int op) { ops_.push_back(op); }
  void PopOp() { ops_.pop_back(); }
  size_t ValueCount() const { return values_.size() - valueBase_; }
  void PushValue(ScriptValue&& value) { values_.push_back(std::move(value)); }
  void PushValue(const ScriptValue& value) { values_.push_back(value); }
  ScriptValue& TopValue() { return values_.back(); }
  // The operand below the top one.
  ScriptValue& SecondValue() { return values_[values_.size() - 2]; }
  void DropValue() { values_.pop_back(); }
  void TakeTopValue(ScriptValue& into) {
    into = std::move(values_.back());
    values_.pop_back();
  }

 private:
  std::vector<int>& ops_;
  std::vector<ScriptValue>& values_;
  size_t opBase_;
  size_t valueBase_;
};

// Applies the operator on top of the stack to its operands; false when they
// are missing.
bool ApplyOperator(ExpressionStacks& stacks) {
  int op = stacks.TopOp();
  bool unary = op == kNot || op == kNegate;
  if (stacks.ValueCount() < (unary ? 1u : 2u)) return false;
  stacks.PopOp();
  if (unary) {
    ScriptValue& operand = stacks.TopValue();
    if (op == kNot) {
      operand.Not();
    } else {
      ScriptValue minusOne;
      minusOne.SetInt(-1);
      operand.Multiply(minusOne);
    }
    return true;
  }
  // Applied in place: the result goes into the left operand's slot.
  const ScriptValue& right = stacks.TopValue();
  ScriptValue& left = stacks.SecondValue();
  switch (op) {
    case kLess: SetTruth(left, ScriptValueLess(left, right)); break;
    case kGreater: SetTruth(left, ScriptValueGreater(left, right)); break;
    case kLessEqual: SetTruth(left, ScriptValueLess(left, right) || ScriptValueEqual(left, right)); break;
    case kGreaterEqual: SetTruth(left, ScriptValueGreater(left, right) || ScriptValueEqual(left, right)); break;
    case kNotEqual: SetTruth(left, !ScriptValueEqual(left, right)); break;
    case kEqual: SetTruth(left, ScriptValueEqual(left, right)); break;
    case kEqualCase: SetTruth(left, EqualCase(left, right)); break;
    case kAnd: SetTruth(left, ScriptValueAnd(left, right)); break;
    case kOr: SetTruth(left, ScriptValueOr(left, right)); break;
    case kConcat: left.Concat(right); break;
    case kAdd: left.Add(right); break;
    case kSubtract: left.Subtract(right); break;
    case kMultiply: left.Multiply(right); break;
    case kDivide: left.Divide(right); break;
    case kPower:
      if (left.IsArray() || left.IsReference() || right.IsArray() || right.IsReference()) break;
      if (left.GetNumber() == 0 && right.GetNumber() <= 0)
        left.SetInt(1);
      else
        left.SetDouble(std::pow(left.GetNumber(), right.GetNumber()));
      break;
    default: return false;
  }
  stacks.DropValue();
  return true;
}

}  // namespace

int CMerlane_Script::EvalExpression(ScriptTokenList& tokens, int& position, ScriptValue& value) {
  const int columnGiven = std::exchange(expressionColumn_, -1);
  // A lone literal or variable before the end of the line (most arguments):
  // what the scan below gives for it, without setting up its stacks.
  const ScriptToken& lone = tokens.GetAt(position);
  if (tokens.GetAt(position + 1).type == ScriptTokenType::kEndOfLine) {
    if (lone.type == ScriptTokenType::kLiteral) {
      value = lone.value;
      ++position;
      return 0;
    }
    if (lone.type == ScriptTokenType::kVariable) return ReadVariable(tokens, position, value);
  }
  // Calls and subscripts in an operand evaluate their own expressions. The
  // outermost expression of a line needs no check: the run that executes the
  // line checked the stack, and only a few frames lie between.
  if (expressionNesting_ > 0 && !EnoughStackToNest()) return 1;
  struct Nesting {
    int& count;
    explicit Nesting(int& c) : count(c) { ++count; }
    ~Nesting() { --count; }
  } nesting(expressionNesting_);
  ExpressionStacks stacks(operatorStack_, operandStack_);
  const int firstColumn = columnGiven >= 0 ? columnGiven : tokens.GetAt(position).column;
  bool afterOperand = false;
  for (;;) {
    const ScriptToken& token = tokens.GetAt(position);
    if (token.type == ScriptTokenType::kLiteral) {
      stacks.PushValue(token.value);
      ++position;
      afterOperand = true;
      continue;
    }
    if (token.type == ScriptTokenType::kVariable && tokens.GetAt(position + 1).type != ScriptTokenType::kOpenBracket) {
      // A plain variable is copied straight onto the stack.
      const ScriptValue* variable = FindDeclared(token);
      if (!variable) return 1;
      stacks.PushValue(*variable);
      ++position;
      afterOperand = true;
      continue;
    }
    if (token.type == ScriptTokenType::kVariable || token.type == ScriptTokenType::kMacro ||
        token.type == ScriptTokenType::kBuiltin || token.type == ScriptTokenType::kUserFunction) {
      // The operand is made apart: its own evaluation may grow the shared
      // stacks.
      ScriptValue operand;
      int status = 0;
      switch (token.type) {
        case ScriptTokenType::kVariable: status = ReadVariable(tokens, position, operand); break;
        case ScriptTokenType::kMacro:
          status = EvalMacro(token, operand);
          ++position;
          break;
        case ScriptTokenType::kBuiltin: status = CallBuiltin(tokens, position, operand); break;
        default: status = CallUserFunction(tokens, position, operand); break;
      }
      if (status) return 1;
      stacks.PushValue(std::move(operand));
      afterOperand = true;
      continue;
    }

    const int code = OperatorCode(token, afterOperand);
    bool pushed = false;
    for (bool looking = true; looking;) {
      switch (kActions[stacks.TopOp()][code]) {
        case 0:
          stacks.PushOp(code);
          ++position;
          afterOperand = false;
          pushed = true;
          looking = false;
          break;
        case 1:
          if (!ApplyOperator(stacks)) {
            ReportLineError("Error in expression.", firstColumn);
            return 1;
          }
          break;
        case 2:
          while (stacks.TopOp() != kOpen) {
            if (stacks.TopOp() == kEnd) {
              ReportLineError("Unbalanced brackets in expression.", token.column);
              return 1;
            }
            if (!ApplyOperator(stacks)) {
              ReportLineError("Error in expression.", firstColumn);
              return 1;
            }
          }
          stacks.PopOp();
          ++position;
          afterOperand = true;
          looking = false;
          break;
        case 3:
          if (stacks.ValueCount() != 1) {
            ReportLineError("Error in expression.", firstColumn);
            return 1;
          }
          stacks.TakeTopValue(value);
          return 0;
        case 4:
          ReportLineError("Missing right bracket ')' in expression.", firstColumn);
          return 1;
        case 5:
          ReportLineError("Missing operator in expression.", token.column);
          return 1;
        default:
          ReportLineError("Unbalanced brackets in expression.", token.column);
          return 1;
      }
    }

    // Short circuit: a decided left side skips the right side unevaluated.
    // Only right after AND or OR was pushed: once a bracket has closed, the
    // AND/OR below it already has its right side and waits to be applied.
    if (pushed && (code == kAnd || code == kOr) && stacks.ValueCount() > 0) {
      bool left = stacks.TopValue().IsTrue();
      bool isOr = stacks.TopOp() == kOr;
      if (left == isOr) {
        if (!SkipSubExpression(tokens, position)) {
          ReportLineError("Error in expression.", firstColumn);
          return 1;
        }
        stacks.TopValue().SetInt(isOr ? 1 : 0);
        stacks.PopOp();
        afterOperand = true;
      }
    }
  }
}

int CMerlane_Script::EvalCondition(ScriptTokenList& tokens, int& position, bool& flag) {
  ScriptValue value;
  if (EvalExpression(tokens, position, value)) return 1;
  flag = value.IsTrue();
  return 0;
}

bool CMerlane_Script::SkipSubExpression(ScriptTokenList& tokens, int& position) {
  int depth = 0;
  int squareDepth = 0;
  for (;;) {
    const ScriptToken& token = tokens.GetAt(position);
    switch (token.type) {
      case ScriptTokenType::kEndOfLine:
        return depth == 0;
      case ScriptTokenType::kKeyword:
        if (depth == 0 && token.value.GetInt() != keyword::kNot) return true;
        break;
      case ScriptTokenType::kComma:
        if (depth == 0 && squareDepth == 0) return true;
        break;
      case ScriptTokenType::kOpenParen:
        ++depth;
        break;
      case ScriptTokenType::kCloseParen:
        if (depth == 0) return true;
        --depth;
        break;
      case ScriptTokenType::kOpenBracket:
        ++squareDepth;
        break;
      case ScriptTokenType::kCloseBracket:
        // An unmatched "]" closes the subscript this expression stands in.
        if (squareDepth == 0 && depth == 0) return true;
        if (squareDepth > 0) --squareDepth;
        break;
      default:
        break;
    }
    ++position;
  }
}

int CMerlane_Script::ReadSubscripts(ScriptTokenList& tokens, int& position, std::vector<int>& subscripts) {
  while (tokens.GetAt(position).type == ScriptTokenType::kOpenBracket) {
    int column = tokens.GetAt(position).column;
    ++position;
    ScriptValue index;
    if (EvalExpression(tokens, position, index)) return 1;
    if (index.GetNumber() < 0 || tokens.GetAt(position).type != ScriptTokenType::kCloseBracket) {
      ReportLineError("Array variable subscript badly formatted.", column);
      return 1;
    }
    ++position;
    subscripts.push_back(index.GetInt());
  }
  return 0;
}

// The element of an array at the given subscripts, or null when their count
// or range does not fit the array.
ScriptValue* ElementAt(ScriptValue& array, const std::vector<int>& subscripts) {
  array.ClearSubscripts();
  for (int subscript : subscripts) {
    if (!array.PushSubscript(subscript)) return nullptr;
  }
  return array.GetElement();
}

ScriptValue* CMerlane_Script::FindDeclared(const ScriptToken& token) {
  ScriptValue* variable = variables.Find(token.value.GetText(), token.resolved);
  if (!variable) ReportLineError("Variable used without being declared.", token.column);
  return variable;
}

int CMerlane_Script::ReadVariable(ScriptTokenList& tokens, int& position, ScriptValue& value) {
  const ScriptToken& token = tokens.GetAt(position);
  ScriptValue* variable = FindDeclared(token);
  if (!variable) return 1;
  ++position;
  bool subscripted = tokens.GetAt(position).type == ScriptTokenType::kOpenBracket;
  if (!subscripted) {
    value = *variable;
    return 0;
  }
  if (!variable->IsArray()) {
    ReportLineError("Subscript used with non-Array variable.", token.column);
    return 1;
  }
  std::vector<int> subscripts;
  if (ReadSubscripts(tokens, position, subscripts)) return 1;
  // The subscripts may have run code that changed the variable: look again.
  variable = variables.Find(token.value.GetText(), token.resolved);
  ScriptValue* element = variable && variable->IsArray() ? ElementAt(*variable, subscripts) : nullptr;
  if (!element) {
    ReportLineError("Array variable has incorrect number of subscripts or subscript dimension range exceeded.",
                    token.column);
    return 1;
  }
  value = *element;
  return 0;
}
