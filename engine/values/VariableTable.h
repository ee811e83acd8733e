#pragma once

#include <memory>
#include <vector>

#include "engine/values/ScriptValue.h"
#include "engine/values/VariableScope.h"

// Where the script's variables live: the global scope and one local scope
// per running user function (the top one is the innermost). Lookups see the
// top local scope and the global scope only, never a caller's locals.
//
// Names are upper-cased through the case-mapping seam before every lookup,
// as the shipping program did with the system mapping; this is not the
// ASCII case-insensitive compare used for script words.
class VariableTable {
public:
    enum Scope : int { kAutomatic = 0, kLocal = 1, kGlobal = 2 };

    // Automatic and local go to the top local scope when there is one, else
    // global. An unknown scope does nothing and answers false.
    bool Assign(const char* name, const ScriptValue& value, int scope);
    // Automatic: top local scope, then global. Local: the top local scope
    // when there is one, else global. Global: global only. Else null.
    ScriptValue* Find(const char* name, int scope) const;
    // Binds the name in the top local scope; false when there is no local
    // scope or no target.
    bool AssignReference(const char* name, ScriptValue* target);

    void PushScope();
    // Frees the top scope's own values; referenced values are left alone.
    void PopScope();
    bool HasLocalScope() const { return !locals_.empty(); }

    // -1 declared in the top local scope, 1 in the global scope, 0 neither.
    int IsDeclared(const char* name) const;

private:
    VariableScope& Innermost();
    const VariableScope* TopLocal() const;

    VariableScope global_;
    std::vector<std::unique_ptr<VariableScope>> locals_;
};
