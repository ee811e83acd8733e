#include "engine/values/VariableTable.h"

#include "engine/values/ScriptString.h"

namespace {

ScriptString Key(const char* name) {
    ScriptString key(name);
    key.ToUpper();
    return key;
}

} // namespace

VariableScope& VariableTable::Innermost() {
    return locals_.empty() ? global_ : *locals_.back();
}

const VariableScope* VariableTable::TopLocal() const {
    return locals_.empty() ? nullptr : locals_.back().get();
}

bool VariableTable::Assign(const char* name, const ScriptValue& value, int scope) {
    const ScriptString key = Key(name);
    switch (scope) {
    case kAutomatic:
    case kLocal:
        Innermost().Assign(key.Text(), value);
        return true;
    case kGlobal:
        global_.Assign(key.Text(), value);
        return true;
    default:
        return false;
    }
}

ScriptValue* VariableTable::Find(const char* name, int scope) const {
    const ScriptString key = Key(name);
    const VariableScope* local = TopLocal();
    switch (scope) {
    case kAutomatic:
        if (local != nullptr) {
            if (ScriptValue* value = local->Find(key.Text())) {
                return value;
            }
        }
        return global_.Find(key.Text());
    case kLocal:
        return (local != nullptr ? *local : global_).Find(key.Text());
    case kGlobal:
        return global_.Find(key.Text());
    default:
        return nullptr;
    }
}

bool VariableTable::AssignReference(const char* name, ScriptValue* target) {
    if (locals_.empty() || target == nullptr) {
        return false;
    }
    locals_.back()->AssignReference(Key(name).Text(), target);
    return true;
}

void VariableTable::PushScope() {
    locals_.push_back(std::make_unique<VariableScope>());
}

void VariableTable::PopScope() {
    if (!locals_.empty()) {
        locals_.pop_back();
    }
}

int VariableTable::IsDeclared(const char* name) const {
    const ScriptString key = Key(name);
    const VariableScope* local = TopLocal();
    if (local != nullptr && local->Find(key.Text()) != nullptr) {
        return -1;
    }
    return global_.Find(key.Text()) != nullptr ? 1 : 0;
}
