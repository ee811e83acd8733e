#pragma once

#include <vector>

#include "engine/language/ScriptToken.h"

// The tokens of one line, in order. A list either owns its tokens or is a
// slice of another list's (an argument of a call, the rest of a one-line If):
// a slice copies nothing, so nested calls cost memory in proportion to the
// line, and the list it views must outlive it.
class ScriptTokenList {
public:
    ScriptTokenList();

    int Count() const { return view_ ? viewCount_ : static_cast<int>(items_.size()); }
    void Add(const ScriptToken& token) { items_.push_back(token); }
    void Clear() { items_.clear(); }
    // Reading past the end yields an end-of-line token, so a parser that
    // overruns a line stops there instead of faulting.
    // Inline: the evaluator reads every token through here.
    const ScriptToken& GetAt(int i) const {
        if (i < 0 || i >= Count()) {
            return endOfLine_;
        }
        return view_ ? view_[i] : items_[static_cast<std::size_t>(i)];
    }
    // Tokens [begin, end) of this list as a list of their own, positions
    // counted from 0; reading at or past its end yields an end-of-line token
    // at endColumn.
    ScriptTokenList Slice(int begin, int end, int endColumn) const;
    // A kept line's tokens (and its slices) last as long as the line's text,
    // so what is prepared from them may be kept with them.
    void MarkKept() { kept_ = true; }
    bool IsKept() const { return kept_; }

private:
    std::vector<ScriptToken> items_;
    const ScriptToken* view_ = nullptr;
    int viewCount_ = 0;
    bool kept_ = false;
    ScriptToken endOfLine_;
};
