#include "engine/language/ExpressionActions.h"

#include "engine/language/MerlaneScript.h"

namespace expression {

// 0 push, 1 apply the top operator, 2 close a bracket, 3 done, 4 missing right
// bracket, 5 missing operator, 6 unbalanced brackets.
const unsigned char kActions[20][20] = {
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

bool SkipRightSide(const ScriptTokenList& tokens, int& position) {
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

}  // namespace expression
