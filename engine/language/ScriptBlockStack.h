#pragma once

#include <cstdint>
#include <deque>

#include "engine/values/ScriptString.h"
#include "engine/values/ScriptValue.h"
#include "engine/values/VariableTable.h"

// What an open block remembers. One record type serves the call, If, loop,
// Select and label stacks; each uses the fields it needs.
struct ScriptBlock {
    std::int32_t kind = 0;        // loop: the keyword that opened it (While, Do, For)
    std::int32_t openLine = 0;    // loop: the line of the opening statement
    std::int32_t closeLine = 0;   // loop: WEnd/Until/Next; If: EndIf; Select: EndSelect
    std::int32_t targetLine = 0;  // label: the line after the TAG line
    ScriptString name;            // For: the variable's name; label: the TAG text
    std::int32_t ifDepth = 0;     // loop: If stack height when entered
    std::int32_t selectDepth = 0; // loop: Select stack height when entered
    ScriptValue endValue;         // For: the bound
    ScriptValue stepValue;        // For: the step
    double endNumber = 0;         // For: endValue as a number, read once
    bool stepsUp = true;          // For: the step is not negative
    std::int32_t callLevel = 0;   // loop: the call level when entered
    mutable ResolvedName variable; // For: the variable as Next last found it
};

// Popped records stay as storage for the next push: blocks open and close
// on every turn of a loop, and a push then allocates nothing. References to
// records stay valid while others are pushed.
class ScriptBlockStack {
public:
    ScriptBlockStack() = default;
    // The top is kept as a pointer into the records.
    ScriptBlockStack(const ScriptBlockStack&) = delete;
    ScriptBlockStack& operator=(const ScriptBlockStack&) = delete;

    int Count() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }
    void Push(const ScriptBlock& block);
    // Popping an empty stack does nothing.
    void Pop();
    // An empty stack's top is a default record. Inline and without the
    // deque's index: loops look at their top on every turn.
    const ScriptBlock& Top() const { return top_ ? *top_ : empty_; }
    // The i-th record counted from the top (0 = top), for walks such as the
    // label search; past the bottom, a default record.
    const ScriptBlock& FromTop(int i) const {
        if (i < 0 || i >= count_) {
            return empty_;
        }
        return items_[static_cast<std::size_t>(count_ - 1 - i)];
    }

private:
    std::deque<ScriptBlock> items_;  // [0, count_) are the stack
    int count_ = 0;
    const ScriptBlock* top_ = nullptr;  // items_[count_ - 1], null when empty
    ScriptBlock empty_;
};
