#pragma once

#include <memory>
#include <vector>

#include "engine/values/ScriptString.h"
#include "engine/values/ScriptValue.h"

// One scope's variables in the order they were made. Names match byte for
// byte: the table upper-cases them before they get here. Values live on the
// heap, so a pointer from Find stays valid while the scope grows.
class VariableScope {
public:
    ScriptValue* Find(const char* name) const;
    // Copies into the variable, or through it when it is a reference; a new
    // name gets a variable of its own holding a copy.
    void Assign(const char* name, const ScriptValue& value);
    // Rebinds the name to a value owned elsewhere (a ByRef parameter).
    void AssignReference(const char* name, ScriptValue* target);

private:
    struct Variable {
        ScriptString name;
        std::unique_ptr<ScriptValue> owned;
        ScriptValue* referenced = nullptr;  // not owned

        ScriptValue* Value() const { return owned ? owned.get() : referenced; }
    };

    Variable* FindVariable(const char* name) const;

    std::vector<std::unique_ptr<Variable>> variables_;
};
