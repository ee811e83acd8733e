#include "engine/values/ScriptValueList.h"

const ScriptValue& ScriptValueList::GetAt(int i) const {
    if (i < 0 || i >= Count()) {
        return missing_;
    }
    return items_[static_cast<std::size_t>(i)];
}
