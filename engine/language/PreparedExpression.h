#pragma once

#include <cstdint>
#include <vector>

class ScriptTokenList;

// A kept line's expression as steps prepared once: what the operator scan
// does over its tokens, with the operator stack and the operand count worked
// out in advance. Positions are counted from the expression's first token.
struct PreparedExpression {
  enum Kind : std::uint8_t {
    kLiteral,       // push the literal at `at`
    kVariable,      // push the plain variable at `at`
    kOperand,       // evaluate the call, subscripted variable or macro at `at`;
                    // when it does not end at `end`, the scan goes on from there
    kApply,         // apply operator `op` to the operands on top
    kApplyLiteral,  // apply binary `op` with the literal at `at` as its right
    kApplyVariable, // operand, or the plain variable at `at`, read in place
    kShortCircuit,  // AND/OR `op` decided by its left side: to `target`
    kJump,          // go on at `target`
    kOperandDone,   // kOperand that is the whole expression: kDone at `end`
    kError,         // report `message` at `column` (-1: the first column)
    kDone,          // the value is the only operand; the expression ends at `at`
  };
  enum Message : std::uint8_t { kErrorInExpression, kMissingRightBracket, kMissingOperator, kUnbalanced };

  struct Step {
    Kind kind;
    std::uint8_t op = 0;  // kApply, kShortCircuit; kError: the Message
    std::int32_t at = 0;
    std::int32_t end = 0;     // kOperand; kError: the column
    std::int32_t target = 0;  // kShortCircuit, kJump; kOperand: its operator stack
  };

  std::vector<Step> steps;
  // The operator stacks (bottom first) at each kOperand, for the scan that
  // takes over when the operand ends elsewhere.
  std::vector<std::vector<int>> operatorStacks;
  // The count of tokens from the first one to the end of the list it was
  // prepared in: another list needs the scan.
  int tokensLeft = 0;
  // Too large, or a shape the steps do not cover: the scan evaluates it.
  bool scanned = false;
  // Prepared for a first operand that stands on the operand stack before the
  // first token.
  bool afterOperand = false;
};

// Works out the steps of the expression that starts at `position`, or, with
// `afterOperand`, of the rest of one whose first operand was pushed already.
PreparedExpression PrepareExpression(const ScriptTokenList& tokens, int position, bool afterOperand = false);

// The prepared form a kept token keeps for the expression it starts. A copy
// of a token starts without one: it is prepared again where it is kept.
class PreparedExpressionSlot {
 public:
  PreparedExpressionSlot() = default;
  PreparedExpressionSlot(const PreparedExpressionSlot&) {}
  PreparedExpressionSlot(PreparedExpressionSlot&& other) noexcept : form_(other.form_) { other.form_ = nullptr; }
  PreparedExpressionSlot& operator=(const PreparedExpressionSlot& other) {
    if (this != &other) Reset(nullptr);
    return *this;
  }
  PreparedExpressionSlot& operator=(PreparedExpressionSlot&& other) noexcept {
    if (this != &other) {
      Reset(other.form_);
      other.form_ = nullptr;
    }
    return *this;
  }
  ~PreparedExpressionSlot() {
    if (form_) Reset(nullptr);
  }

  const PreparedExpression* Get() const { return form_; }
  void Reset(PreparedExpression* form);

 private:
  PreparedExpression* form_ = nullptr;
};
