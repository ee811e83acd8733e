#include "engine/language/ScriptTokenList.h"

ScriptTokenList::ScriptTokenList() {
    endOfLine_.type = ScriptTokenType::kEndOfLine;
}

const ScriptToken& ScriptTokenList::GetAt(int i) const {
    if (i < 0 || i >= Count()) {
        return endOfLine_;
    }
    return items_[static_cast<std::size_t>(i)];
}
