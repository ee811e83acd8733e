#include "engine/language/ScriptBlockStack.h"

void ScriptBlockStack::Pop() {
    if (!items_.empty()) {
        items_.pop_back();
    }
}

const ScriptBlock& ScriptBlockStack::FromTop(int i) const {
    if (i < 0 || i >= Count()) {
        return empty_;
    }
    return items_[items_.size() - 1 - static_cast<std::size_t>(i)];
}
