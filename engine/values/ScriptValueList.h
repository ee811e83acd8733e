#pragma once

#include <utility>
#include <vector>

#include "engine/values/ScriptValue.h"

// The arguments of a built-in call, in order. An argument is a copy of its
// own, or one read where it stands (Borrow): a value that must neither change
// nor go away while the list is read, until KeepBorrowed copies it.
class ScriptValueList {
public:
    int Count() const { return static_cast<int>(slots_.size()); }
    void Add(const ScriptValue& value) {
        items_.push_back(value);
        slots_.push_back(Slot{nullptr, static_cast<int>(items_.size()) - 1});
    }
    void Add(ScriptValue&& value) {
        items_.push_back(std::move(value));
        slots_.push_back(Slot{nullptr, static_cast<int>(items_.size()) - 1});
    }
    // A new argument of its own (the number 0), to be evaluated in place;
    // the reference holds until the list next grows.
    ScriptValue& AddNew() {
        items_.emplace_back();
        slots_.push_back(Slot{nullptr, static_cast<int>(items_.size()) - 1});
        return items_.back();
    }
    void Borrow(const ScriptValue& value) {
        slots_.push_back(Slot{&value, -1});
        ++borrowed_;
    }
    // Every borrowed argument becomes a copy of its own (before anything runs
    // that could change what it reads).
    void KeepBorrowed() {
        if (borrowed_ > 0) KeepAll();
    }
    // Empty again; the storage stays for the next arguments.
    void Clear() {
        items_.clear();
        slots_.clear();
        borrowed_ = 0;
    }
    // Past the end: the number 0, so optional arguments read as 0.
    // Inline: every built-in reads its arguments through here.
    const ScriptValue& GetAt(int i) const {
        if (i < 0 || i >= Count()) return missing_;
        const Slot& slot = slots_[static_cast<std::size_t>(i)];
        return slot.borrowed ? *slot.borrowed : items_[static_cast<std::size_t>(slot.item)];
    }

private:
    struct Slot {
        const ScriptValue* borrowed;
        int item;
    };
    void KeepAll();

    std::vector<ScriptValue> items_;
    std::vector<Slot> slots_;
    int borrowed_ = 0;
    ScriptValue missing_;
};
