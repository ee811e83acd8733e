#include "engine/values/VariableTable.h"

#include <cstring>
#include <memory>

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

VariableScope& VariableTable::Innermost() {
    return locals_.empty() ? global_ : *locals_.back();
}

const VariableScope* VariableTable::TopLocal() const {
    return locals_.empty() ? nullptr : locals_.back().get();
}

bool VariableTable::Assign(const char* name, const ScriptValue& value, int scope) {
    const Key key(name);
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

bool VariableTable::AssignReference(const char* name, ScriptValue* target) {
    if (locals_.empty() || target == nullptr) {
        return false;
    }
    const Key key(name);
    locals_.back()->AssignReference(key.Text(), target);
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
    const Key key(name);
    const VariableScope* local = TopLocal();
    if (local != nullptr && local->Find(key.Text()) != nullptr) {
        return -1;
    }
    return global_.Find(key.Text()) != nullptr ? 1 : 0;
}
