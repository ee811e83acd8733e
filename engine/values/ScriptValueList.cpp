#include "engine/values/ScriptValueList.h"

void ScriptValueList::KeepAll() {
    for (Slot& slot : slots_) {
        if (!slot.borrowed) continue;
        items_.push_back(*slot.borrowed);
        slot = Slot{nullptr, static_cast<int>(items_.size()) - 1};
    }
    borrowed_ = 0;
}
