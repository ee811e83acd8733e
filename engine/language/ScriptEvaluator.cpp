// Expression evaluation: an operator-precedence parser over one line's tokens
// driven by a fixed action table, with short-circuit AND and OR.
#include <cmath>
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

// Applies the operator on top of the stack to its operands; false when they
// are missing.
bool ApplyOperator(std::vector<int>& ops, std::vector<ScriptValue>& values) {
  int op = ops.back();
  bool unary = op == kNot || op == kNegate;
  if (values.size() < (unary ? 1u : 2u)) return false;
  ops.pop_back();
  if (unary) {
    ScriptValue& operand = values.back();
    if (op == kNot) {
      operand.Not();
    } else {
      ScriptValue minusOne;
      minusOne.SetInt(-1);
      operand.Multiply(minusOne);
    }
    return true;
  }
  ScriptValue right = std::move(values.back());
  values.pop_back();
  ScriptValue& left = values.back();
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
  return true;
}

}  // namespace

int CMerlane_Script::EvalExpression(ScriptTokenList& tokens, int& position, ScriptValue& value) {
  // Calls and subscripts in an operand evaluate their own expressions.
  if (!EnoughStackToNest()) return 1;
  std::vector<int> ops{kEnd};
  std::vector<ScriptValue> values;
  const int firstColumn = tokens.GetAt(position).column;
  bool afterOperand = false;
  for (;;) {
    const ScriptToken& token = tokens.GetAt(position);
    ScriptValue operand;
    int status = -1;
    switch (token.type) {
      case ScriptTokenType::kLiteral:
        operand = token.value;
        ++position;
        status = 0;
        break;
      case ScriptTokenType::kVariable: status = ReadVariable(tokens, position, operand); break;
      case ScriptTokenType::kMacro:
        status = EvalMacro(token, operand);
        ++position;
        break;
      case ScriptTokenType::kBuiltin: status = CallBuiltin(tokens, position, operand); break;
      case ScriptTokenType::kUserFunction: status = CallUserFunction(tokens, position, operand); break;
      default: break;
    }
    if (status > 0) return 1;
    if (status == 0) {
      values.push_back(std::move(operand));
      afterOperand = true;
      continue;
    }

    const int code = OperatorCode(token, afterOperand);
    bool pushed = false;
    for (bool looking = true; looking;) {
      switch (kActions[ops.back()][code]) {
        case 0:
          ops.push_back(code);
          ++position;
          afterOperand = false;
          pushed = true;
          looking = false;
          break;
        case 1:
          if (!ApplyOperator(ops, values)) {
            ReportLineError("Error in expression.", firstColumn);
            return 1;
          }
          break;
        case 2:
          while (ops.back() != kOpen) {
            if (ops.back() == kEnd) {
              ReportLineError("Unbalanced brackets in expression.", token.column);
              return 1;
            }
            if (!ApplyOperator(ops, values)) {
              ReportLineError("Error in expression.", firstColumn);
              return 1;
            }
          }
          ops.pop_back();
          ++position;
          afterOperand = true;
          looking = false;
          break;
        case 3:
          if (values.size() != 1) {
            ReportLineError("Error in expression.", firstColumn);
            return 1;
          }
          value = std::move(values.back());
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
    if (pushed && (code == kAnd || code == kOr) && !values.empty()) {
      bool left = values.back().IsTrue();
      bool isOr = ops.back() == kOr;
      if (left == isOr) {
        if (!SkipSubExpression(tokens, position)) {
          ReportLineError("Error in expression.", firstColumn);
          return 1;
        }
        values.back().SetInt(isOr ? 1 : 0);
        ops.pop_back();
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

int CMerlane_Script::ReadVariable(ScriptTokenList& tokens, int& position, ScriptValue& value) {
  const ScriptToken& token = tokens.GetAt(position);
  ScriptValue* variable = variables.Find(token.value.GetText(), VariableTable::kAutomatic);
  if (!variable) {
    ReportLineError("Variable used without being declared.", token.column);
    return 1;
  }
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
  variable = variables.Find(token.value.GetText(), VariableTable::kAutomatic);
  ScriptValue* element = variable && variable->IsArray() ? ElementAt(*variable, subscripts) : nullptr;
  if (!element) {
    ReportLineError("Array variable has incorrect number of subscripts or subscript dimension range exceeded.",
                    token.column);
    return 1;
  }
  value = *element;
  return 0;
}
