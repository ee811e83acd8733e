#pragma once

#include <utility>
#include <vector>

#include "engine/values/ScriptValue.h"

// The arguments of a built-in call, in order, as deep copies.
class ScriptValueList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    void Add(const ScriptValue& value) { items_.push_back(value); }
    void Add(ScriptValue&& value) { items_.push_back(std::move(value)); }
    // Empty again; the storage stays for the next arguments.
    void Clear() { items_.clear(); }
    // Past the end: the number 0, so optional arguments read as 0.
    const ScriptValue& GetAt(int i) const;

private:
    std::vector<ScriptValue> items_;
    ScriptValue missing_;
};
