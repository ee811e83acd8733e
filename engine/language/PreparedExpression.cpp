// Prepares a kept line's expression: the operator scan run over its tokens
// once with the operator stack and the operand count alone, its actions
// written down as steps. Where the scan's path depends on a value (a short
// circuit) the steps branch; paths that reach the same state share steps.
#include "engine/language/PreparedExpression.h"

#include <map>
#include <utility>

#include "engine/language/ExpressionActions.h"

using namespace expression;

namespace {

// Beyond these the steps would cost more memory than the scan saves time,
// or preparing them more than the scan (tokens looked at, states kept).
constexpr std::size_t kMaxSteps = 512;
constexpr std::size_t kMaxWork = 1 << 14;
constexpr std::size_t kMaxOperators = 32;
// An operand longer than this is not looked through: the scan takes over
// after it (deep nesting prepares each level, and must not cost the square).
constexpr int kMaxOperandLength = 256;

// Where the scan stands between two actions.
struct ScanState {
  int position = 0;  // from the first token
  bool afterOperand = false;
  int operands = 0;
  std::vector<int> operators{kEnd};

  std::vector<int> Key() const {
    std::vector<int> key{position, afterOperand ? 1 : 0, operands};
    key.insert(key.end(), operators.begin(), operators.end());
    return key;
  }
};

class ExpressionPreparer {
 public:
  ExpressionPreparer(const ScriptTokenList& tokens, int first) : tokens_(tokens), first_(first) {}

  PreparedExpression Prepare(bool afterOperand) {
    form_.tokensLeft = tokens_.Count() - first_;
    form_.afterOperand = afterOperand;
    if (first_ >= tokens_.Count()) {
      form_.scanned = true;
      return std::move(form_);
    }
    ScanState start;
    start.afterOperand = afterOperand;
    start.operands = afterOperand ? 1 : 0;
    Compile(start);
    // The right sides a short circuit skips: their states are compiled after
    // the path that evaluates them, so that shared states jump back.
    while (!pending_.empty() && !form_.scanned) {
      Skip skip = std::move(pending_.back());
      pending_.pop_back();
      int target = 0;
      if (skip.ends) {
        target = Compile(skip.state);
      } else {
        target = static_cast<int>(form_.steps.size());
        Error(PreparedExpression::kErrorInExpression, -1, skip.state.position);
      }
      form_.steps[static_cast<std::size_t>(skip.step)].target = target;
    }
    if (form_.steps.size() > kMaxSteps) form_.scanned = true;
    if (!form_.scanned) FuseRightOperands();
    if (form_.scanned) {
      form_.steps.clear();
      form_.operatorStacks.clear();
    }
    return std::move(form_);
  }

 private:
  struct Skip {
    int step;
    ScanState state;
    bool ends;
  };

  // A literal or plain variable pushed only to be the right operand of the
  // very next step is read where it stands: nothing runs between the two. An
  // operand that is the whole expression goes straight to its value.
  void FuseRightOperands() {
    std::vector<PreparedExpression::Step>& steps = form_.steps;
    std::vector<bool> targeted(steps.size() + 1, false);
    for (const PreparedExpression::Step& step : steps) {
      if (step.kind == PreparedExpression::kJump || step.kind == PreparedExpression::kShortCircuit)
        targeted[static_cast<std::size_t>(step.target)] = true;
    }
    std::vector<int> moved(steps.size(), 0);
    std::vector<PreparedExpression::Step> fused;
    for (std::size_t i = 0; i < steps.size(); ++i) {
      moved[i] = static_cast<int>(fused.size());
      const PreparedExpression::Step& step = steps[i];
      const bool operand = step.kind == PreparedExpression::kLiteral || step.kind == PreparedExpression::kVariable;
      if (operand && i + 1 < steps.size() && !targeted[i + 1] && steps[i + 1].kind == PreparedExpression::kApply &&
          !IsUnary(steps[i + 1].op)) {
        PreparedExpression::Step apply{step.kind == PreparedExpression::kLiteral ? PreparedExpression::kApplyLiteral
                                                                                 : PreparedExpression::kApplyVariable};
        apply.op = steps[i + 1].op;
        apply.at = step.at;
        fused.push_back(apply);
        moved[i + 1] = moved[i];
        ++i;
        continue;
      }
      if (step.kind == PreparedExpression::kOperand && i + 1 < steps.size() && !targeted[i + 1] &&
          steps[i + 1].kind == PreparedExpression::kDone && steps[i + 1].at == step.end) {
        PreparedExpression::Step whole = step;
        whole.kind = PreparedExpression::kOperandDone;
        fused.push_back(whole);
        moved[i + 1] = moved[i];
        ++i;
        continue;
      }
      fused.push_back(step);
    }
    for (PreparedExpression::Step& step : fused) {
      if (step.kind == PreparedExpression::kJump || step.kind == PreparedExpression::kShortCircuit)
        step.target = moved[static_cast<std::size_t>(step.target)];
    }
    steps = std::move(fused);
  }

  const ScriptToken& TokenAt(int position) const { return tokens_.GetAt(first_ + position); }

  int Emit(PreparedExpression::Step step) {
    form_.steps.push_back(step);
    if (form_.steps.size() > kMaxSteps) form_.scanned = true;
    return static_cast<int>(form_.steps.size()) - 1;
  }

  void Error(PreparedExpression::Message message, int column, int position) {
    PreparedExpression::Step step{PreparedExpression::kError};
    step.op = message;
    step.end = column;
    step.at = position;
    Emit(step);
  }

  // Counts what preparing has looked at; too much hands the line to the scan.
  void Work(std::size_t amount) {
    work_ += amount;
    if (work_ > kMaxWork) form_.scanned = true;
  }

  // False when a state met before takes over (a jump to it is written).
  bool Enter(const ScanState& state, bool first, int& label) {
    if (state.operators.size() > kMaxOperators) form_.scanned = true;
    Work(state.operators.size() + 1);
    if (form_.scanned) return false;
    auto found = labels_.find(state.Key());
    if (found != labels_.end()) {
      if (first) {
        label = found->second;
      } else {
        PreparedExpression::Step jump{PreparedExpression::kJump};
        jump.target = found->second;
        Emit(jump);
      }
      return false;
    }
    labels_.emplace(state.Key(), static_cast<int>(form_.steps.size()));
    return true;
  }

  // Applies the top operator as the scan would; false when its operands are
  // missing.
  bool Apply(ScanState& state) {
    const int op = state.operators.back();
    if (state.operands < (IsUnary(op) ? 1 : 2)) return false;
    PreparedExpression::Step step{PreparedExpression::kApply};
    step.op = static_cast<std::uint8_t>(op);
    Emit(step);
    state.operators.pop_back();
    if (!IsUnary(op)) --state.operands;
    return true;
  }

  // Where an operand that is evaluated on its own most likely ends (-1: not
  // looked for); the steps check it, so a wrong guess costs only speed.
  int OperandEnd(int position) const {
    const ScriptToken& token = TokenAt(position);
    if (token.type == ScriptTokenType::kMacro) return position + 1;
    if (token.type == ScriptTokenType::kVariable) {
      int at = position + 1;
      while (TokenAt(at).type == ScriptTokenType::kOpenBracket) {
        int depth = 0;
        for (++at;; ++at) {
          if (at - position > kMaxOperandLength) return -1;
          const ScriptTokenType type = TokenAt(at).type;
          if (type == ScriptTokenType::kEndOfLine) return position + 1;
          if (type == ScriptTokenType::kOpenBracket) ++depth;
          if (type == ScriptTokenType::kCloseBracket && depth-- == 0) break;
        }
        ++at;
      }
      return at;
    }
    if (TokenAt(position + 1).type != ScriptTokenType::kOpenParen) return position + 1;
    int depth = 0;
    for (int at = position + 2;; ++at) {
      if (at - position > kMaxOperandLength) return -1;
      const ScriptTokenType type = TokenAt(at).type;
      if (type == ScriptTokenType::kEndOfLine) return position + 1;
      if (type == ScriptTokenType::kOpenParen) ++depth;
      if (type == ScriptTokenType::kCloseParen && depth-- == 0) return at + 1;
    }
  }

  // Writes the steps from the state on; the index of its first step.
  int Compile(ScanState state) {
    int label = static_cast<int>(form_.steps.size());
    for (bool first = true;; first = false) {
      if (form_.scanned || !Enter(state, first, label)) return label;
      const ScriptToken& token = TokenAt(state.position);
      if (token.type == ScriptTokenType::kLiteral ||
          (token.type == ScriptTokenType::kVariable &&
           TokenAt(state.position + 1).type != ScriptTokenType::kOpenBracket)) {
        PreparedExpression::Step step{token.type == ScriptTokenType::kLiteral ? PreparedExpression::kLiteral
                                                                              : PreparedExpression::kVariable};
        step.at = state.position;
        Emit(step);
        ++state.position;
        ++state.operands;
        state.afterOperand = true;
        continue;
      }
      if (token.type == ScriptTokenType::kVariable || token.type == ScriptTokenType::kMacro ||
          token.type == ScriptTokenType::kBuiltin || token.type == ScriptTokenType::kUserFunction) {
        PreparedExpression::Step step{PreparedExpression::kOperand};
        step.at = state.position;
        step.end = OperandEnd(state.position);
        step.target = static_cast<int>(form_.operatorStacks.size());
        form_.operatorStacks.push_back(state.operators);
        Emit(step);
        // Past an operand whose end is not known the scan goes on.
        if (step.end < 0) return label;
        state.position = step.end;
        ++state.operands;
        state.afterOperand = true;
        continue;
      }

      const int code = OperatorCode(token, state.afterOperand);
      bool pushed = false;
      for (bool looking = true, lookup = true; looking; lookup = false) {
        // After an apply the scan looks again from a state of its own.
        if (!lookup && (form_.scanned || !Enter(state, false, label))) return label;
        switch (kActions[state.operators.back()][code]) {
          case kPush:
            state.operators.push_back(code);
            ++state.position;
            state.afterOperand = false;
            pushed = true;
            looking = false;
            break;
          case kApply:
            if (!Apply(state)) {
              Error(PreparedExpression::kErrorInExpression, -1, state.position);
              return label;
            }
            break;
          case kCloseBracket:
            while (state.operators.back() != kOpen) {
              if (state.operators.back() == kEnd) {
                Error(PreparedExpression::kUnbalanced, token.column, state.position);
                return label;
              }
              if (!Apply(state)) {
                Error(PreparedExpression::kErrorInExpression, -1, state.position);
                return label;
              }
            }
            state.operators.pop_back();
            ++state.position;
            state.afterOperand = true;
            looking = false;
            break;
          case kDone:
            if (state.operands != 1) {
              Error(PreparedExpression::kErrorInExpression, -1, state.position);
            } else {
              PreparedExpression::Step done{PreparedExpression::kDone};
              done.at = state.position;
              Emit(done);
            }
            return label;
          case kMissingRightBracket:
            Error(PreparedExpression::kMissingRightBracket, -1, state.position);
            return label;
          case kMissingOperator:
            Error(PreparedExpression::kMissingOperator, token.column, state.position);
            return label;
          default:
            Error(PreparedExpression::kUnbalanced, token.column, state.position);
            return label;
        }
      }

      // The scan's short circuit, right after AND or OR was pushed.
      if (pushed && (code == kAnd || code == kOr) && state.operands > 0) {
        PreparedExpression::Step branch{PreparedExpression::kShortCircuit};
        branch.op = static_cast<std::uint8_t>(code);
        const int step = Emit(branch);
        Skip skip{step, state, false};
        int at = first_ + state.position;
        skip.ends = SkipRightSide(tokens_, at);
        Work(static_cast<std::size_t>(at - first_ - state.position));
        skip.state.position = at - first_;
        skip.state.operators.pop_back();
        skip.state.afterOperand = true;
        pending_.push_back(std::move(skip));
      }
    }
  }

  const ScriptTokenList& tokens_;
  const int first_;
  PreparedExpression form_;
  std::map<std::vector<int>, int> labels_;
  std::vector<Skip> pending_;
  std::size_t work_ = 0;
};

}  // namespace

PreparedExpression PrepareExpression(const ScriptTokenList& tokens, int position, bool afterOperand) {
  return ExpressionPreparer(tokens, position).Prepare(afterOperand);
}

void PreparedExpressionSlot::Reset(PreparedExpression* form) {
  delete form_;
  form_ = form;
}
