#include "engine/values/VariableScope.h"

VariableScope::Variable* VariableScope::FindVariable(const char* name) const {
    for (const auto& variable : variables_) {
        if (ScriptStringEqual(name, variable->name)) {
            return variable.get();
        }
    }
    return nullptr;
}

ScriptValue* VariableScope::Find(const char* name) const {
    const Variable* variable = FindVariable(name);
    return variable != nullptr ? variable->Value() : nullptr;
}

void VariableScope::Assign(const char* name, const ScriptValue& value) {
    if (Variable* variable = FindVariable(name)) {
        *variable->Value() = value;
        return;
    }
    auto variable = std::make_unique<Variable>();
    variable->name.Assign(name);
    variable->owned = std::make_unique<ScriptValue>(value);
    variables_.push_back(std::move(variable));
}

void VariableScope::AssignReference(const char* name, ScriptValue* target) {
    Variable* variable = FindVariable(name);
    if (variable != nullptr && variable->Value() == target) {
        return;  // freeing the own value would leave the binding dangling
    }
    if (variable == nullptr) {
        variables_.push_back(std::make_unique<Variable>());
        variable = variables_.back().get();
        variable->name.Assign(name);
    }
    variable->owned.reset();
    variable->referenced = target;
}
