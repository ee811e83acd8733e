#include "engine/language/ScriptTokenList.h"

#include <algorithm>

ScriptTokenList::ScriptTokenList() {
    endOfLine_.type = ScriptTokenType::kEndOfLine;
}

ScriptTokenList ScriptTokenList::Slice(int begin, int end, int endColumn) const {
    ScriptTokenList slice;
    begin = std::clamp(begin, 0, Count());
    end = std::clamp(end, begin, Count());
    // An empty slice still needs a non-null view to count as one.
    static const ScriptToken kNone;
    slice.view_ = end > begin ? &GetAt(begin) : &kNone;
    slice.viewCount_ = end - begin;
    slice.kept_ = kept_;
    slice.endOfLine_.column = endColumn;
    return slice;
}
