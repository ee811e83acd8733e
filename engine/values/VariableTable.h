#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/values/ScriptString.h"
#include "engine/values/ScriptValue.h"
#include "engine/values/VariableScope.h"

// Where the script's variables live: the global scope and one local scope
// per running user function (the top one is the innermost). Lookups see the
// top local scope and the global scope only, never a caller's locals.
//
// Names are upper-cased through the case-mapping seam before every lookup,
// as the shipping program did with the system mapping; this is not the
// ASCII case-insensitive compare used for script words.
// A variable name as a kept token holds it: upper-cased once, and the
// variable it found, kept while the scopes it was looked up in have the same
// variables.
struct ResolvedName {
    ScriptString upper;
    const void* mapping = nullptr;  // the case mapping that made `upper`
    ScriptValue* value = nullptr;
    std::uint64_t globalSerial = 0;
    std::uint64_t localSerial = 0;  // 0: no local scope
    std::uint32_t localCount = 0;
    std::uint32_t globalVersion = 0;
    std::int32_t localSlot = -1;    // where in the local scope; -1: global
};

class VariableTable {
public:
    enum Scope : int { kAutomatic = 0, kLocal = 1, kGlobal = 2 };

    VariableTable();

    // Automatic and local go to the top local scope when there is one, else
    // global. An unknown scope does nothing and answers false. The value is
    // copied once (it may be a variable of the scope itself).
    bool Assign(const char* name, const ScriptValue& value, int scope);
    // The same, taking the value over: no copy.
    bool Assign(const char* name, ScriptValue&& value, int scope);
    // Assign and AssignReference for a name upper-cased already (Upper).
    bool AssignUpper(const char* upperName, ScriptValue&& value, int scope);
    bool AssignReferenceUpper(const char* upperName, ScriptValue* target);
    // AssignUpper of a local taking the value's storage over (see
    // VariableScope::AssignOwned): true when it did; false when the name was
    // there already (it got a copy) or there is no local scope.
    bool AssignOwnedUpper(const char* upperName, std::unique_ptr<ScriptValue>& value);
    // The name upper-cased, made once and kept in `resolved`.
    const char* Upper(const char* name, ResolvedName& resolved) const;
    // Automatic: top local scope, then global. Local: the top local scope
    // when there is one, else global. Global: global only. Else null.
    ScriptValue* Find(const char* name, int scope) const;
    // Find(name, kAutomatic) through what `resolved` kept of the last lookup.
    // Inline: every variable a kept line reads comes through here. A local
    // name is kept by its slot, so it holds for the next call of the same
    // function too (its scope then has the same serial and names).
    ScriptValue* Find(const char* name, ResolvedName& resolved) const {
        ScriptValue* found = nullptr;
        return Kept(resolved, found) ? found : Resolve(name, resolved);
    }
    // The same for a name that costs something to make (a token's text):
    // made only when what `resolved` kept no longer holds.
    template <typename NameOf>
    ScriptValue* FindNamedBy(NameOf nameOf, ResolvedName& resolved) const {
        ScriptValue* found = nullptr;
        return Kept(resolved, found) ? found : Resolve(nameOf(), resolved);
    }
    // The variable a kept name finds (as Find through `resolved`) when it
    // lies in the scope that Assign with `scope` writes to; else null (not
    // there, or not told apart by the lookup: then Assign finds it).
    ScriptValue* FindIn(const char* name, ResolvedName& resolved, int scope) const;
    // Binds the name in the top local scope; false when there is no local
    // scope or no target.
    bool AssignReference(const char* name, ScriptValue* target);

    // The scope comes from the popped ones, preferably one last pushed for
    // the same owner (a function), whose names then come back in place.
    void PushScope(const void* owner = nullptr);
    // Frees the top scope's own values; referenced values are left alone.
    void PopScope();
    bool HasLocalScope() const { return !locals_.empty(); }

    // -1 declared in the top local scope, 1 in the global scope, 0 neither.
    int IsDeclared(const char* name) const;

private:
    VariableScope& Innermost();
    // Where Assign puts a name of that scope; null for an unknown scope.
    VariableScope* ScopeFor(int scope);
    const VariableScope* TopLocal() const { return locals_.empty() ? nullptr : locals_.back().get(); }
    // Whether what `resolved` kept of the last lookup still holds, and then
    // the variable it gives.
    bool Kept(const ResolvedName& resolved, ScriptValue*& found) const {
        if (resolved.value == nullptr || resolved.globalSerial != global_.Serial() ||
            resolved.globalVersion != global_.Version())
            return false;
        const VariableScope* local = TopLocal();
        if (local == nullptr) {
            found = resolved.value;
            return resolved.localSerial == 0;
        }
        if (resolved.localSerial != local->Serial() || resolved.localCount != local->Count()) return false;
        found = resolved.localSlot < 0 ? resolved.value : local->ValueAt(resolved.localSlot);
        return true;
    }
    // Find through `resolved` when what it kept no longer holds.
    ScriptValue* Resolve(const char* name, ResolvedName& resolved) const;

    VariableScope global_;
    std::vector<std::unique_ptr<VariableScope>> locals_;
    std::vector<std::unique_ptr<VariableScope>> spare_;  // popped, for the next push
};
