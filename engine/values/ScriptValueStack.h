#pragma once

#include <deque>

#include "engine/values/ScriptValue.h"

// Operands of the expression evaluator, held as deep copies.
class ScriptValueStack {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    void Push(const ScriptValue& value) { items_.push_back(value); }
    // Popping an empty stack does nothing.
    void Pop();
    // An empty stack's top is the number 0.
    const ScriptValue& Top() const { return items_.empty() ? empty_ : items_.back(); }

private:
    std::deque<ScriptValue> items_;
    ScriptValue empty_;
};
