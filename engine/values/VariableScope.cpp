#include "engine/values/VariableScope.h"

#include <cstring>
#include <utility>

VariableScope::Variable* VariableScope::FindVariable(const char* name) const {
    const std::size_t length = std::strlen(name);
    for (std::size_t i = 0; i < count_; ++i) {
        Variable& variable = *variables_[i];
        if (static_cast<std::size_t>(variable.name.Length()) == length &&
            std::memcmp(name, variable.name.Text(), length) == 0) {
            return &variable;
        }
    }
    return nullptr;
}

ScriptValue* VariableScope::Find(const char* name) const {
    const Variable* variable = FindVariable(name);
    return variable != nullptr ? variable->Value() : nullptr;
}

VariableScope::Variable& VariableScope::AddVariable(const char* name) {
    if (count_ == variables_.size()) {
        variables_.push_back(std::make_unique<Variable>());
    }
    Variable& variable = *variables_[count_++];
    variable.name.Assign(name);
    ++version_;
    return variable;
}

void VariableScope::Assign(const char* name, const ScriptValue& value) {
    Assign(name, ScriptValue(value));  // value may live in this scope
}

void VariableScope::Assign(const char* name, ScriptValue&& value) {
    if (Variable* variable = FindVariable(name)) {
        *variable->Value() = value;  // as a copy: the variable keeps its pending subscripts
        return;
    }
    Variable& variable = AddVariable(name);
    if (variable.owned) {
        *variable.owned = std::move(value);
    } else {
        variable.owned = std::make_unique<ScriptValue>(std::move(value));
    }
}

void VariableScope::AssignReference(const char* name, ScriptValue* target) {
    Variable* variable = FindVariable(name);
    if (variable != nullptr && variable->Value() == target) {
        return;  // freeing the own value would leave the binding dangling
    }
    if (variable == nullptr) {
        variable = &AddVariable(name);
    }
    variable->owned.reset();
    variable->referenced = target;
    ++version_;
}

void VariableScope::Recycle(std::uint64_t serial) {
    for (std::size_t i = 0; i < count_; ++i) {
        Variable& variable = *variables_[i];
        if (variable.owned) {
            // A fresh value: nothing of the old one (text, array, pending
            // subscripts) stays for the next call.
            *variable.owned = ScriptValue();
        }
        variable.referenced = nullptr;
    }
    count_ = 0;
    serial_ = serial;
    version_ = 0;
}
