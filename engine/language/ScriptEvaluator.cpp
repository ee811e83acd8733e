// Expression evaluation: an operator-precedence parser over one line's tokens
// driven by a fixed action table, with short-circuit AND and OR. A kept
// line's expression runs from the steps prepared from that scan instead.
#include <cmath>
#include <utility>
#include <vector>

#include "engine/language/ExpressionActions.h"
#include "engine/language/MerlaneScript.h"
#include "engine/language/NestingCount.h"
#include "engine/language/PreparedExpression.h"
#include "engine/values/ScriptValueCompare.h"

using namespace expression;

// The operator and operand stacks of one expression: the top part of the
// interpreter's shared stacks, from the heights they had when it began. Nested
// expressions (arguments, subscripts) stack above it, so no expression
// allocates stacks of its own; the part goes when the expression ends.
class ExpressionStacks {
 public:
  // Prepared steps keep their operators in the steps: no end mark.
  ExpressionStacks(std::vector<int>& ops, std::vector<ScriptValue>& values, bool endMark)
      : ops_(ops), values_(values), opBase_(ops.size()), valueBase_(values.size()) {
    if (endMark) ops_.push_back(kEnd);
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

namespace {

void SetTruth(ScriptValue& value, bool truth) { value.SetInt(truth ? 1 : 0); }

// Applies an operator to the operands on top of the stack, which are there.
void ApplyBinary(int op, ScriptValue& left, const ScriptValue& right);

void ApplyOperatorTo(int op, ExpressionStacks& stacks) {
  if (IsUnary(op)) {
    ScriptValue& operand = stacks.TopValue();
    if (op == kNot) {
      operand.Not();
    } else {
      ScriptValue minusOne;
      minusOne.SetInt(-1);
      operand.Multiply(minusOne);
    }
    return;
  }
  // Applied in place: the result goes into the left operand's slot.
  ApplyBinary(op, stacks.SecondValue(), stacks.TopValue());
  stacks.DropValue();
}

void ApplyBinary(int op, ScriptValue& left, const ScriptValue& right) {
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
    default: break;
  }
}

// Applies the operator on top of the stack to its operands; false when they
// are missing.
bool ApplyOperator(ExpressionStacks& stacks) {
  const int op = stacks.TopOp();
  if (op > kNegate) return false;
  if (stacks.ValueCount() < (IsUnary(op) ? 1u : 2u)) return false;
  stacks.PopOp();
  ApplyOperatorTo(op, stacks);
  return true;
}

const char* MessageText(int message) {
  switch (message) {
    case PreparedExpression::kMissingRightBracket: return "Missing right bracket ')' in expression.";
    case PreparedExpression::kMissingOperator: return "Missing operator in expression.";
    case PreparedExpression::kUnbalanced: return "Unbalanced brackets in expression.";
    default: return "Error in expression.";
  }
}

}  // namespace

// Inlined into both callers: the plain expression pays nothing for the
// first operand it does not have.
[[gnu::always_inline]] inline int CMerlane_Script::EvalFrom(ScriptTokenList& tokens, int& position,
                                                           const ScriptToken& start, const ScriptValue* first,
                                                           int firstColumn, ScriptValue& value) {
  // Calls and subscripts in an operand evaluate their own expressions. The
  // outermost expression of a line needs no check: the run that executes the
  // line checked the stack, and only a few frames lie between.
  if (expressionNesting_ > 0 && !EnoughStackToNest()) return 1;
  const NestingCount nesting(expressionNesting_);
  // A kept line's expression is prepared on its first evaluation; a line
  // tokenised each time would prepare more than it runs. The form is kept by
  // the token it starts at, made for a first operand given or not.
  const bool afterOperand = first != nullptr;
  if (preparedExpressions && tokens.IsKept() && position < tokens.Count()) {
    if (!start.prepared.Get())
      start.prepared.Reset(new PreparedExpression(PrepareExpression(tokens, position, afterOperand)));
    const PreparedExpression& form = *start.prepared.Get();
    if (!form.scanned && form.afterOperand == afterOperand && form.tokensLeft == tokens.Count() - position) {
      ExpressionStacks stacks(operatorStack_, operandStack_, false);
      if (first) stacks.PushValue(*first);
      return RunPreparedExpression(form, tokens, position, value, stacks, firstColumn);
    }
  }
  ExpressionStacks stacks(operatorStack_, operandStack_, true);
  if (first) stacks.PushValue(*first);
  return ScanExpression(tokens, position, value, stacks, firstColumn, afterOperand);
}

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
  return EvalFrom(tokens, position, lone, nullptr, columnGiven >= 0 ? columnGiven : lone.column, value);
}

int CMerlane_Script::EvalAfterOperand(ScriptTokenList& tokens, int& position, const ScriptValue& first, int column,
                                      ScriptValue& value) {
  expressionColumn_ = -1;
  return EvalFrom(tokens, position, tokens.GetAt(position), &first, column, value);
}

int CMerlane_Script::EvalOperandApart(ScriptTokenList& tokens, int& position, ScriptValue& operand) {
  const ScriptToken& token = tokens.GetAt(position);
  switch (token.type) {
    case ScriptTokenType::kVariable: return ReadVariable(tokens, position, operand);
    case ScriptTokenType::kMacro: {
      const int status = EvalMacro(token, operand);
      ++position;
      return status;
    }
    case ScriptTokenType::kBuiltin: return CallBuiltin(tokens, position, operand);
    default: return CallUserFunction(tokens, position, operand);
  }
}

int CMerlane_Script::RunPreparedExpression(const PreparedExpression& form, ScriptTokenList& tokens, int& position,
                                           ScriptValue& value, ExpressionStacks& stacks, int firstColumn) {
  const int first = position;
  const PreparedExpression::Step* const steps = form.steps.data();
  // The variable a step reads; null after its error, with the position at it.
  const auto declared = [&](const PreparedExpression::Step& step) -> const ScriptValue* {
    const ScriptValue* variable = FindDeclared(tokens.GetAt(first + step.at));
    if (!variable) position = first + step.at;
    return variable;
  };
  for (int next = 0;;) {
    const PreparedExpression::Step& step = steps[next++];
    switch (step.kind) {
      case PreparedExpression::kLiteral:
        stacks.PushValue(tokens.GetAt(first + step.at).value);
        break;
      case PreparedExpression::kVariable: {
        const ScriptValue* variable = declared(step);
        if (!variable) return 1;
        stacks.PushValue(*variable);
        break;
      }
      case PreparedExpression::kOperand:
      case PreparedExpression::kOperandDone: {
        // Made apart: its own evaluation may grow the shared stacks.
        ScriptValue operand;
        position = first + step.at;
        if (EvalOperandApart(tokens, position, operand)) return 1;
        // Nothing else on the stack, and the expression ends after it: what
        // the stack would hand on.
        if (step.kind == PreparedExpression::kOperandDone && position == first + step.end) {
          value = std::move(operand);
          return 0;
        }
        stacks.PushValue(std::move(operand));
        if (position != first + step.end) {
          // Ended where the steps did not expect: the scan goes on from the
          // operator stack the steps stand for.
          const std::vector<int>& operators = form.operatorStacks[static_cast<size_t>(step.target)];
          for (int op : operators) stacks.PushOp(op);
          return ScanExpression(tokens, position, value, stacks, firstColumn, true);
        }
        break;
      }
      case PreparedExpression::kApply:
        ApplyOperatorTo(step.op, stacks);
        break;
      case PreparedExpression::kApplyLiteral:
        ApplyBinary(step.op, stacks.TopValue(), tokens.GetAt(first + step.at).value);
        break;
      case PreparedExpression::kApplyVariable: {
        const ScriptValue* variable = declared(step);
        if (!variable) return 1;
        ApplyBinary(step.op, stacks.TopValue(), *variable);
        break;
      }
      case PreparedExpression::kShortCircuit: {
        const bool isOr = step.op == kOr;
        if (stacks.TopValue().IsTrue() == isOr) {
          stacks.TopValue().SetInt(isOr ? 1 : 0);
          next = step.target;
        }
        break;
      }
      case PreparedExpression::kJump:
        next = step.target;
        break;
      case PreparedExpression::kError:
        position = first + step.at;
        ReportLineError(MessageText(step.op), step.end >= 0 ? step.end : firstColumn);
        return 1;
      default:
        position = first + step.at;
        stacks.TakeTopValue(value);
        return 0;
    }
  }
}

int CMerlane_Script::ScanExpression(ScriptTokenList& tokens, int& position, ScriptValue& value,
                                    ExpressionStacks& stacks, int firstColumn, bool afterOperand) {
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
      if (EvalOperandApart(tokens, position, operand)) return 1;
      stacks.PushValue(std::move(operand));
      afterOperand = true;
      continue;
    }

    const int code = OperatorCode(token, afterOperand);
    bool pushed = false;
    for (bool looking = true; looking;) {
      switch (kActions[stacks.TopOp()][code]) {
        case kPush:
          stacks.PushOp(code);
          ++position;
          afterOperand = false;
          pushed = true;
          looking = false;
          break;
        case kApply:
          if (!ApplyOperator(stacks)) {
            ReportLineError("Error in expression.", firstColumn);
            return 1;
          }
          break;
        case kCloseBracket:
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
        case kDone:
          if (stacks.ValueCount() != 1) {
            ReportLineError("Error in expression.", firstColumn);
            return 1;
          }
          stacks.TakeTopValue(value);
          return 0;
        case kMissingRightBracket:
          ReportLineError("Missing right bracket ')' in expression.", firstColumn);
          return 1;
        case kMissingOperator:
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
        if (!SkipRightSide(tokens, position)) {
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

int CMerlane_Script::ReadSubscripts(ScriptTokenList& tokens, int& position, std::vector<int>& subscripts) {
  while (tokens.GetAt(position).type == ScriptTokenType::kOpenBracket) {
    int column = tokens.GetAt(position).column;
    ++position;
    // A lone literal or variable (most subscripts) is read where it stands,
    // as the expression it is would give it.
    const ScriptToken& lone = tokens.GetAt(position);
    const ScriptValue* index = nullptr;
    ScriptValue evaluated;
    if (tokens.GetAt(position + 1).type == ScriptTokenType::kCloseBracket && lone.type == ScriptTokenType::kLiteral) {
      index = &lone.value;
      ++position;
    } else if (tokens.GetAt(position + 1).type == ScriptTokenType::kCloseBracket &&
               lone.type == ScriptTokenType::kVariable) {
      index = FindDeclared(lone);
      if (!index) return 1;
      ++position;
    } else {
      if (EvalExpression(tokens, position, evaluated)) return 1;
      index = &evaluated;
    }
    if (index->GetNumber() < 0 || tokens.GetAt(position).type != ScriptTokenType::kCloseBracket) {
      ReportLineError("Array variable subscript badly formatted.", column);
      return 1;
    }
    ++position;
    subscripts.push_back(index->GetInt());
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
  ScriptValue* variable = variables.FindNamedBy([&token] { return token.value.GetText(); }, token.resolved);
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
  // The subscript lists are kept for reuse, one per nesting level of reads,
  // so that a read allocates no list.
  if (subscriptListsInUse_ == subscriptLists_.size()) subscriptLists_.push_back(std::make_unique<std::vector<int>>());
  std::vector<int>& subscripts = *subscriptLists_[subscriptListsInUse_++];
  subscripts.clear();
  struct Release {
    std::size_t& inUse;
    ~Release() { --inUse; }
  } release{subscriptListsInUse_};
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
