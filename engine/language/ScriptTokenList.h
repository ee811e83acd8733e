#pragma once

#include <deque>

#include "engine/language/ScriptToken.h"

// The tokens of one line, in order.
class ScriptTokenList {
public:
    ScriptTokenList();

    int Count() const { return static_cast<int>(items_.size()); }
    void Add(const ScriptToken& token) { items_.push_back(token); }
    void Clear() { items_.clear(); }
    // Reading past the end yields an end-of-line token, so a parser that
    // overruns a line stops there instead of faulting.
    const ScriptToken& GetAt(int i) const;

private:
    std::deque<ScriptToken> items_;
    ScriptToken endOfLine_;
};
