// The array side of ScriptValue: shape, subscripts and elements.
#include "engine/values/ScriptValue.h"

#include <algorithm>

bool ScriptValue::PushSubscript(int i) {
    if (subscriptCount_ >= kMaxDimensions) {
        return false;
    }
    subscripts_[subscriptCount_++] = i;
    return true;
}

bool ScriptValue::SubscriptsValid() const {
    if (subscriptCount_ != dimensionCount_) {
        return false;
    }
    for (int k = 0; k < subscriptCount_; ++k) {
        if (subscripts_[k] < 0 || subscripts_[k] >= dimensions_[k]) {
            return false;
        }
    }
    return true;
}

int ScriptValue::GetBound(int i) const {
    if (i == 0) {
        return dimensionCount_;
    }
    if (i >= 1 && i <= dimensionCount_) {
        return dimensions_[i - 1];
    }
    return 0;
}

// The running product is kept in 64 bits: in 32 bits a shape such as
// 65536 x 65536 wraps to 0 and would slip past the limit.
bool ScriptValue::CreateArray() {
    Reset();
    std::int64_t count = 1;
    for (int k = 0; k < subscriptCount_; ++k) {
        if (subscripts_[k] < 0) {
            return false;
        }
        count *= subscripts_[k];
        if (count > kMaxElements) {
            return false;
        }
    }
    dimensionCount_ = subscriptCount_;
    dimensions_ = subscripts_;
    elementCount_ = static_cast<std::int32_t>(count);
    elements_.resize(static_cast<std::size_t>(count));
    type_ = kArray;
    return true;
}

int ScriptValue::FlatIndex() const {
    if (!IsArray() || !SubscriptsValid()) {
        return -1;
    }
    int index = 0;
    for (int k = 0; k < dimensionCount_; ++k) {
        index = index * dimensions_[k] + subscripts_[k];
    }
    return index;
}

ScriptValue* ScriptValue::GetElement() {
    const int index = FlatIndex();
    if (index < 0) {
        return nullptr;
    }
    auto& element = elements_[static_cast<std::size_t>(index)];
    if (!element) {
        element = std::make_unique<ScriptValue>();
    }
    return element.get();
}

const ScriptValue* ScriptValue::ExistingElement(int flatIndex) const {
    if (flatIndex < 0 || static_cast<std::size_t>(flatIndex) >= elements_.size()) {
        return nullptr;
    }
    return elements_[static_cast<std::size_t>(flatIndex)].get();
}

void ScriptValue::FreeArray() {
    std::vector<std::unique_ptr<ScriptValue>>().swap(elements_);
    elementCount_ = 0;
    dimensionCount_ = 0;
}

void ScriptValue::CopyArrayFrom(const ScriptValue& other) {
    subscriptCount_ = other.dimensionCount_;
    subscripts_ = other.dimensions_;
    CreateArray();
    for (std::size_t i = 0; i < other.elements_.size(); ++i) {
        if (other.elements_[i]) {
            elements_[i] = std::make_unique<ScriptValue>(*other.elements_[i]);
        }
    }
}

void ScriptValue::CopyArrayPreserve(const ScriptValue& old) {
    if (&old == this || dimensionCount_ == 0 || dimensionCount_ != old.dimensionCount_) {
        return;
    }
    std::array<std::int32_t, kMaxDimensions> limit{};
    for (int k = 0; k < dimensionCount_; ++k) {
        limit[k] = std::min(dimensions_[k], old.dimensions_[k]);
        if (limit[k] <= 0) {
            return;
        }
    }
    // Odometer over the common subscripts, first subscript fastest.
    std::array<std::int32_t, kMaxDimensions> at{};
    for (;;) {
        int newIndex = 0;
        int oldIndex = 0;
        for (int k = 0; k < dimensionCount_; ++k) {
            newIndex = newIndex * dimensions_[k] + at[k];
            oldIndex = oldIndex * old.dimensions_[k] + at[k];
        }
        if (const ScriptValue* source = old.ExistingElement(oldIndex)) {
            elements_[static_cast<std::size_t>(newIndex)] = std::make_unique<ScriptValue>(*source);
        }
        int k = 0;
        while (k < dimensionCount_ && ++at[k] == limit[k]) {
            at[k++] = 0;
        }
        if (k == dimensionCount_) {
            return;
        }
    }
}
