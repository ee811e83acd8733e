#pragma once

#include <vector>

// Operator codes of the expression evaluator.
class IntStack {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    void Push(int value) { items_.push_back(value); }
    // Popping an empty stack does nothing.
    void Pop();
    // An empty stack's top is 0.
    int Top() const { return items_.empty() ? 0 : items_.back(); }

private:
    std::vector<int> items_;
};
