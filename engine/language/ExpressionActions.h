#pragma once

#include "engine/language/ScriptTokenList.h"

// What the operator-precedence scan of an expression and the form prepared
// from it share: the operator codes, the action table and the skip of a
// short circuit's right side.
namespace expression {

// Operator codes: the rows and columns of the action table.
enum Op : int {
  kLess, kGreater, kLessEqual, kGreaterEqual, kNotEqual, kEqual, kEqualCase, kAnd, kOr,
  kConcat, kNot, kAdd, kSubtract, kMultiply, kDivide, kPower, kNegate, kOpen, kClose, kEnd
};

// What the scan does with the top operator and the next one.
enum Action : unsigned char {
  kPush, kApply, kCloseBracket, kDone, kMissingRightBracket, kMissingOperator, kUnbalanced
};

extern const unsigned char kActions[20][20];

inline bool IsUnary(int op) { return op == kNot || op == kNegate; }

// The code of a token in an operator's place; kEnd for any token that ends
// the expression.
int OperatorCode(const ScriptToken& token, bool afterOperand);

// Moves past the right side of a decided AND or OR, up to the token that
// ends it; false when the line ends inside an open bracket.
bool SkipRightSide(const ScriptTokenList& tokens, int& position);

}  // namespace expression
