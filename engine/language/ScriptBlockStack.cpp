#include "engine/language/ScriptBlockStack.h"

void ScriptBlockStack::Push(const ScriptBlock& block) {
    if (count_ < static_cast<int>(items_.size())) {
        items_[static_cast<std::size_t>(count_)] = block;
    } else {
        items_.push_back(block);
    }
    top_ = &items_[static_cast<std::size_t>(count_)];
    ++count_;
}

void ScriptBlockStack::Pop() {
    if (count_ > 0) {
        // A kept record lets go of what may be large (a For bound can be an
        // array); the rest is overwritten by the next push.
        ScriptBlock& top = items_[static_cast<std::size_t>(--count_)];
        if (top.endValue.IsArray()) {
            top.endValue.Reset();
        }
        if (top.stepValue.IsArray()) {
            top.stepValue.Reset();
        }
        top_ = count_ > 0 ? &items_[static_cast<std::size_t>(count_ - 1)] : nullptr;
    }
}
