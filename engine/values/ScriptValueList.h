#pragma once

#include <deque>

#include "engine/values/ScriptValue.h"

// The arguments of a built-in call, in order, as deep copies.
class ScriptValueList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    void Add(const ScriptValue& value) { items_.push_back(value); }
    // Past the end: the number 0, so optional arguments read as 0.
    const ScriptValue& GetAt(int i) const;

private:
    std::deque<ScriptValue> items_;
    ScriptValue missing_;
};
