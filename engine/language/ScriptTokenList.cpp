#include "engine/language/ScriptTokenList.h"

#include <algorithm>

ScriptTokenList::ScriptTokenList() {
    endOfLine_.type = ScriptTokenType::kEndOfLine;
}

const ScriptToken& ScriptTokenList::GetAt(int i) const {
    if (i < 0 || i >= Count()) {
        return endOfLine_;
    }
    return view_ ? view_[i] : items_[static_cast<std::size_t>(i)];
}

ScriptTokenList ScriptTokenList::Slice(int begin, int end, int endColumn) const {
    ScriptTokenList slice;
    begin = std::clamp(begin, 0, Count());
    end = std::clamp(end, begin, Count());
    // An empty slice still needs a non-null view to count as one.
    static const ScriptToken kNone;
    slice.view_ = end > begin ? &GetAt(begin) : &kNone;
    slice.viewCount_ = end - begin;
    slice.endOfLine_.column = endColumn;
    return slice;
}
