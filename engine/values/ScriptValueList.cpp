#include "engine/values/ScriptValueList.h"

const ScriptValue& ScriptValueList::GetAt(int i) const {
    if (i < 0 || i >= Count()) {
        return missing_;
    }
    const Slot& slot = slots_[static_cast<std::size_t>(i)];
    return slot.borrowed ? *slot.borrowed : items_[static_cast<std::size_t>(slot.item)];
}

void ScriptValueList::KeepAll() {
    for (Slot& slot : slots_) {
        if (!slot.borrowed) continue;
        items_.push_back(*slot.borrowed);
        slot = Slot{nullptr, static_cast<int>(items_.size()) - 1};
    }
    borrowed_ = 0;
}
