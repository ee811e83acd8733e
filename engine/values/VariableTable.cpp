#include "engine/values/VariableTable.h"

#include <cstring>
#include <memory>
#include <utility>

#include "engine/ports/CaseMapping.h"

namespace {

// A name upper-cased for lookup. Names are short, so the key usually lives
// on the stack: a lookup happens for every variable a script line reads.
class Key {
public:
    explicit Key(const char* name) : length_(std::strlen(name)) {
        char* text = buffer_;
        if (length_ >= sizeof(buffer_)) {
            heap_.reset(new char[length_ + 1]);
            text = heap_.get();
            std::memcpy(text, name, length_ + 1);
        } else {
            std::memcpy(buffer_, name, length_ + 1);
        }
        GetCaseMapping().Upper(text, static_cast<int>(length_));
        text_ = text;
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    const char* Text() const { return text_; }

private:
    std::size_t length_;
    char buffer_[64];
    std::unique_ptr<char[]> heap_;
    const char* text_ = buffer_;
};

} // namespace

VariableTable::VariableTable() : global_(VariableScope::FreshSerial()) {}

VariableScope& VariableTable::Innermost() {
    return locals_.empty() ? global_ : *locals_.back();
}


VariableScope* VariableTable::ScopeFor(int scope) {
    switch (scope) {
    case kAutomatic:
    case kLocal:
        return &Innermost();
    case kGlobal:
        return &global_;
    default:
        return nullptr;
    }
}

// Copied once, by the scope: into the variable's own buffer when it has one.
bool VariableTable::Assign(const char* name, const ScriptValue& value, int scope) {
    VariableScope* target = ScopeFor(scope);
    if (target == nullptr) {
        return false;
    }
    const Key key(name);
    target->Assign(key.Text(), value);
    return true;
}

bool VariableTable::Assign(const char* name, ScriptValue&& value, int scope) {
    const Key key(name);
    return AssignUpper(key.Text(), std::move(value), scope);
}

bool VariableTable::AssignUpper(const char* upperName, ScriptValue&& value, int scope) {
    VariableScope* target = ScopeFor(scope);
    if (target == nullptr) {
        return false;
    }
    target->Assign(upperName, std::move(value));
    return true;
}

const char* VariableTable::Upper(const char* name, ResolvedName& resolved) const {
    const CaseMapping& mapping = GetCaseMapping();
    if (resolved.mapping != &mapping || resolved.upper.IsEmpty()) {
        resolved.upper.Assign(name);
        mapping.Upper(resolved.upper.Data(), resolved.upper.Length());
        resolved.mapping = &mapping;
        resolved.value = nullptr;
    }
    return resolved.upper.Text();
}

ScriptValue* VariableTable::Find(const char* name, int scope) const {
    const Key key(name);
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

ScriptValue* VariableTable::Resolve(const char* name, ResolvedName& resolved) const {
    Upper(name, resolved);
    const VariableScope* local = TopLocal();
    const int slot = local != nullptr ? local->SlotOf(resolved.upper.Text()) : -1;
    ScriptValue* value = slot >= 0 ? local->ValueAt(slot) : global_.Find(resolved.upper.Text());
    // A miss is not kept: the name is usually made right after.
    resolved.value = value;
    resolved.globalSerial = global_.Serial();
    resolved.localSerial = local != nullptr ? local->Serial() : 0;
    resolved.localCount = local != nullptr ? local->Count() : 0;
    resolved.globalVersion = global_.Version();
    resolved.localSlot = slot;
    return value;
}

ScriptValue* VariableTable::FindIn(const char* name, ResolvedName& resolved, int scope) const {
    ScriptValue* found = Find(name, resolved);
    if (found == nullptr) {
        return nullptr;
    }
    // The lookup tries the top local scope first, then the global one.
    const bool inLocal = resolved.localSlot >= 0;
    switch (scope) {
    case kAutomatic:
    case kLocal:
        return inLocal == HasLocalScope() ? found : nullptr;
    case kGlobal:
        return inLocal ? nullptr : found;
    default:
        return nullptr;
    }
}

bool VariableTable::AssignReference(const char* name, ScriptValue* target) {
    const Key key(name);
    return AssignReferenceUpper(key.Text(), target);
}

bool VariableTable::AssignReferenceUpper(const char* upperName, ScriptValue* target) {
    if (locals_.empty() || target == nullptr) {
        return false;
    }
    locals_.back()->AssignReference(upperName, target);
    return true;
}

bool VariableTable::AssignOwnedUpper(const char* upperName, std::unique_ptr<ScriptValue>& value) {
    if (locals_.empty() || !value) {
        return false;
    }
    return locals_.back()->AssignOwned(upperName, value);
}

// Scopes are kept for reuse: a call then allocates nothing for its scope or
// for variables that an earlier call of that depth had. A function called
// again gets the scope it had (when it is among the last few popped), so
// its names are neither written nor resolved again.
void VariableTable::PushScope(const void* owner) {
    constexpr std::size_t kLookBack = 8;
    std::size_t pick = spare_.size();
    for (std::size_t i = spare_.size(), looked = 0; i-- > 0 && looked < kLookBack; ++looked) {
        if (spare_[i]->Owner() == owner) {
            pick = i;
            break;
        }
    }
    // A few owners get scopes of their own before they share the last one.
    if (pick == spare_.size() && spare_.size() < kLookBack) {
        locals_.push_back(std::make_unique<VariableScope>(VariableScope::FreshSerial()));
        locals_.back()->SetOwner(owner);
        return;
    }
    if (pick == spare_.size()) {
        pick = spare_.size() - 1;
    }
    // The order of the spare ones does not matter: the pick leaves from the end.
    std::swap(spare_[pick], spare_.back());
    locals_.push_back(std::move(spare_.back()));
    spare_.pop_back();
    locals_.back()->SetOwner(owner);
}

void VariableTable::PopScope() {
    if (locals_.empty()) {
        return;
    }
    std::unique_ptr<VariableScope> scope = std::move(locals_.back());
    locals_.pop_back();
    // Its own values go now, as a popped scope's always did.
    scope->Recycle();
    spare_.push_back(std::move(scope));
}

int VariableTable::IsDeclared(const char* name) const {
    const Key key(name);
    const VariableScope* local = TopLocal();
    if (local != nullptr && local->Find(key.Text()) != nullptr) {
        return -1;
    }
    return global_.Find(key.Text()) != nullptr ? 1 : 0;
}
