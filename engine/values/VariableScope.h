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
// Recycle empties it but keeps its variables' storage for the next names.
class VariableScope {
public:
    explicit VariableScope(std::uint64_t serial = 0) : serial_(serial) {}

    ScriptValue* Find(const char* name) const;
    // Copies into the variable, or through it when it is a reference; a new
    // name gets a variable of its own holding a copy.
    void Assign(const char* name, const ScriptValue& value);
    void Assign(const char* name, ScriptValue&& value);
    // Rebinds the name to a value owned elsewhere (a ByRef parameter).
    void AssignReference(const char* name, ScriptValue* target);

    // Frees every own value and forgets every name; the scope is then a new
    // one with that serial.
    void Recycle(std::uint64_t serial);

    // Which scope this is (no two scopes of a run share one) and how often a
    // name was added or rebound in it: while both stay, every name finds
    // what it found before.
    std::uint64_t Serial() const { return serial_; }
    std::uint32_t Version() const { return version_; }

private:
    struct Variable {
        ScriptString name;
        std::unique_ptr<ScriptValue> owned;
        ScriptValue* referenced = nullptr;  // not owned

        ScriptValue* Value() const { return owned ? owned.get() : referenced; }
    };

    Variable* FindVariable(const char* name) const;
    // A variable for a new name: a kept one when the scope has one left.
    Variable& AddVariable(const char* name);

    // [0, count_) are the scope's variables; the rest wait for reuse.
    std::vector<std::unique_ptr<Variable>> variables_;
    std::size_t count_ = 0;
    std::uint64_t serial_;
    std::uint32_t version_ = 0;
};
