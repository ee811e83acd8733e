#include "engine/values/VariableScope.h"

#include <atomic>
#include <cstring>
#include <new>
#include <utility>

namespace {

// A value made new in place (no move, no temporary): what a recycled
// variable holds until its next call assigns it.
void MakeNew(ScriptValue& value) noexcept {
    value.~ScriptValue();
    new (&value) ScriptValue();
}

} // namespace

// Unique in the process: a name resolved in one table or scope never
// matches another, even one at the same address.
std::uint64_t VariableScope::FreshSerial() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

VariableScope::Variable* VariableScope::FindVariable(const char* name) const {
    return FindVariable(name, std::strlen(name));
}

VariableScope::Variable* VariableScope::FindVariable(const char* name, std::size_t length) const {
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

int VariableScope::SlotOf(const char* name) const {
    const Variable* variable = FindVariable(name);
    if (variable == nullptr) {
        return -1;
    }
    for (std::size_t i = 0;; ++i) {
        if (variables_[i].get() == variable) {
            return static_cast<int>(i);
        }
    }
}

VariableScope::Variable& VariableScope::AddVariable(const char* name, std::size_t length) {
    if (count_ == variables_.size()) {
        variables_.push_back(std::make_unique<Variable>());
    }
    Variable& variable = *variables_[count_++];
    // The name the slot had in the last call comes back: positions resolved
    // then still hold. Any other name starts a new layout.
    if (static_cast<std::size_t>(variable.name.Length()) != length ||
        std::memcmp(name, variable.name.Text(), length) != 0 || length == 0) {
        variable.name.Assign(name);
        serial_ = FreshSerial();
    }
    variable.referenced = nullptr;
    ++version_;
    return variable;
}

// The value may live in this scope: assigned to itself it stays, and a new
// variable's storage is never a value anyone can still reach. A copy goes
// into the variable's own buffer where it fits; a temporary moves in, as an
// assignment statement's value does.
template <typename Value>
void VariableScope::AssignValue(const char* name, Value&& value) {
    const std::size_t length = std::strlen(name);
    if (Variable* variable = FindVariable(name, length)) {
        *variable->Value() = std::forward<Value>(value);
        return;
    }
    Variable& variable = AddVariable(name, length);
    if (variable.owned) {
        *variable.owned = std::forward<Value>(value);
    } else {
        variable.owned = std::make_unique<ScriptValue>(std::forward<Value>(value));
    }
}

void VariableScope::Assign(const char* name, const ScriptValue& value) { AssignValue(name, value); }

void VariableScope::Assign(const char* name, ScriptValue&& value) {
    AssignValue(name, std::move(value));
}

bool VariableScope::AssignOwned(const char* name, std::unique_ptr<ScriptValue>& value) {
    const std::size_t length = std::strlen(name);
    if (Variable* variable = FindVariable(name, length)) {
        *variable->Value() = *value;  // as Assign does
        return false;
    }
    Variable& variable = AddVariable(name, length);
    variable.owned.swap(value);
    return true;
}

void VariableScope::AssignReference(const char* name, ScriptValue* target) {
    const std::size_t length = std::strlen(name);
    Variable* variable = FindVariable(name, length);
    if (variable != nullptr && variable->Value() == target) {
        return;  // freeing the own value would leave the binding dangling
    }
    if (variable == nullptr) {
        variable = &AddVariable(name, length);
    } else if (variable->referenced == nullptr && variable->owned) {
        // The own value goes now, as it always did; its storage stays.
        MakeNew(*variable->owned);
    }
    variable->referenced = target;
    ++version_;
}

void VariableScope::Recycle() {
    for (std::size_t i = 0; i < count_; ++i) {
        Variable& variable = *variables_[i];
        if (variable.owned && variable.referenced == nullptr) {
            // A fresh value: nothing of the old one (text, array, pending
            // subscripts) stays for the next call.
            MakeNew(*variable.owned);
        }
        variable.referenced = nullptr;
    }
    count_ = 0;
    version_ = 0;
}
