#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/values/ScriptString.h"
#include "engine/values/ScriptValue.h"

// One scope's variables in the order they were made. Names match byte for
// byte: the table upper-cases them before they get here. Values live on the
// heap, so a pointer from Find stays valid while the scope grows.
//
// A scope is reused for call after call (the table keeps the popped ones):
// Recycle empties it but keeps its variables' storage and names for the
// next call. While the same names come back in the same order (a function
// called again) the scope keeps its serial, so names resolved in an earlier
// call still find their variables by position.
class VariableScope {
public:
    explicit VariableScope(std::uint64_t serial = 0) : serial_(serial) {}

    // A serial no scope of the process had before.
    static std::uint64_t FreshSerial();

    ScriptValue* Find(const char* name) const;
    // Copies into the variable, or through it when it is a reference; a new
    // name gets a variable of its own holding a copy. The second moves the
    // temporary in instead of copying it.
    void Assign(const char* name, const ScriptValue& value);
    void Assign(const char* name, ScriptValue&& value);
    // Rebinds the name to a value owned elsewhere (a ByRef parameter).
    void AssignReference(const char* name, ScriptValue* target);
    // Assign for a value on the heap: a new name takes the value itself and
    // leaves `value` holding the storage it replaced (a new value, or null);
    // true then. A name already there gets a copy, as Assign gives (false).
    bool AssignOwned(const char* name, std::unique_ptr<ScriptValue>& value);

    // Frees every own value and forgets every name (their storage stays).
    void Recycle();

    // Which scope this is and how often a name was added or rebound in it:
    // while both stay, every name finds what it found before. The serial
    // also holds across Recycle while the names come back in their old
    // order, so that with the same serial and Count a name sits in the same
    // slot (ValueAt), though rebinding may have changed its value's address.
    std::uint64_t Serial() const { return serial_; }
    std::uint32_t Version() const { return version_; }
    std::uint32_t Count() const { return static_cast<std::uint32_t>(count_); }
    int SlotOf(const char* name) const;
    ScriptValue* ValueAt(int slot) const { return variables_[static_cast<std::size_t>(slot)]->Value(); }

    // What the table chose this scope for last (a function), to give it the
    // same one again.
    const void* Owner() const { return owner_; }
    void SetOwner(const void* owner) { owner_ = owner; }

private:
    // Both Assign forms: the value copied or moved as it came.
    template <typename Value>
    void AssignValue(const char* name, Value&& value);

    struct Variable {
        ScriptString name;
        std::unique_ptr<ScriptValue> owned;  // kept, emptied, while a reference stands
        ScriptValue* referenced = nullptr;   // not owned

        ScriptValue* Value() const { return referenced != nullptr ? referenced : owned.get(); }
    };

    Variable* FindVariable(const char* name) const;
    Variable* FindVariable(const char* name, std::size_t length) const;
    // A variable for a new name: a kept one when the scope has one left.
    Variable& AddVariable(const char* name, std::size_t length);

    // [0, count_) are the scope's variables; the rest wait for reuse.
    std::vector<std::unique_ptr<Variable>> variables_;
    std::size_t count_ = 0;
    std::uint64_t serial_;
    std::uint32_t version_ = 0;
    const void* owner_ = nullptr;
};
