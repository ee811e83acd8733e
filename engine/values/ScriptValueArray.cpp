// The array side of ScriptValue: shape, subscripts and elements.
#include "engine/values/ScriptValue.h"

#include <algorithm>
#include <utility>

ScriptValue::ArrayPart& ScriptValue::Part() {
    if (!array_) {
        array_ = std::make_unique<ArrayPart>();
    }
    return *array_;
}

bool ScriptValue::PushSubscript(int i) {
    ArrayPart& part = Part();
    if (part.subscriptCount >= kMaxDimensions) {
        return false;
    }
    part.subscripts[part.subscriptCount++] = i;
    return true;
}

bool ScriptValue::SubscriptsValid() const {
    if (!array_) {
        return true;  // no subscripts for no dimensions
    }
    const ArrayPart& part = *array_;
    if (part.subscriptCount != part.dimensionCount) {
        return false;
    }
    for (int k = 0; k < part.subscriptCount; ++k) {
        if (part.subscripts[k] < 0 || part.subscripts[k] >= part.dimensions[k]) {
            return false;
        }
    }
    return true;
}

int ScriptValue::GetBound(int i) const {
    if (!array_) {
        return 0;
    }
    if (i == 0) {
        return array_->dimensionCount;
    }
    if (i >= 1 && i <= array_->dimensionCount) {
        return array_->dimensions[i - 1];
    }
    return 0;
}

// The running product is kept in 64 bits: in 32 bits a shape such as
// 65536 x 65536 wraps to 0 and would slip past the limit.
bool ScriptValue::CreateArray() {
    Reset();
    ArrayPart& part = Part();
    std::int64_t count = 1;
    for (int k = 0; k < part.subscriptCount; ++k) {
        if (part.subscripts[k] < 0) {
            return false;
        }
        count *= part.subscripts[k];
        if (count > kMaxElements) {
            return false;
        }
    }
    part.dimensionCount = part.subscriptCount;
    part.dimensions = part.subscripts;
    part.elementCount = static_cast<std::int32_t>(count);
    part.elements.resize(static_cast<std::size_t>(count));
    type_ = kArray;
    return true;
}

int ScriptValue::FlatIndex() const {
    if (!IsArray() || !array_ || !SubscriptsValid()) {
        return -1;
    }
    int index = 0;
    for (int k = 0; k < array_->dimensionCount; ++k) {
        index = index * array_->dimensions[k] + array_->subscripts[k];
    }
    return index;
}

ScriptValue* ScriptValue::GetElement() {
    const int index = FlatIndex();
    if (index < 0) {
        return nullptr;
    }
    auto& element = array_->elements[static_cast<std::size_t>(index)];
    if (!element) {
        element = std::make_unique<ScriptValue>();
    }
    return element.get();
}

const ScriptValue* ScriptValue::ExistingElement(int flatIndex) const {
    if (!array_ || flatIndex < 0 || static_cast<std::size_t>(flatIndex) >= array_->elements.size()) {
        return nullptr;
    }
    return array_->elements[static_cast<std::size_t>(flatIndex)].get();
}

// Arrays may hold arrays to any depth: freeing and copying walk them with a
// list of their own instead of nesting a C++ call per level, so no script
// can run the stack out through them.
namespace {

using Elements = std::vector<std::unique_ptr<ScriptValue>>;

} // namespace

void ScriptValue::FreeElements(Elements& elements) {
    Elements pending;
    const auto takeNested = [&pending](Elements& from) {
        for (auto& element : from) {
            if (element && element->array_ && !element->array_->elements.empty()) {
                pending.push_back(std::move(element));
            }
        }
    };
    takeNested(elements);
    Elements().swap(elements);
    while (!pending.empty()) {
        std::unique_ptr<ScriptValue> value = std::move(pending.back());
        pending.pop_back();
        takeNested(value->array_->elements);
        // What is left in it holds no elements of its own.
    }
}

// The pending subscripts stay.
void ScriptValue::FreeArray() {
    if (!array_) {
        return;
    }
    FreeElements(array_->elements);
    array_->elementCount = 0;
    array_->dimensionCount = 0;
}

void ScriptValue::CopyArrayFrom(const ScriptValue& other) {
    std::vector<std::pair<ScriptValue*, const ScriptValue*>> pending{{this, &other}};
    while (!pending.empty()) {
        const auto [to, from] = pending.back();
        pending.pop_back();
        ArrayPart& part = to->Part();
        part.subscriptCount = from->array_->dimensionCount;
        part.subscripts = from->array_->dimensions;
        to->CreateArray();
        const Elements& source = from->array_->elements;
        Elements& target = to->array_->elements;
        for (std::size_t i = 0; i < source.size(); ++i) {
            const ScriptValue* element = source[i].get();
            if (!element) {
                continue;
            }
            if (element->IsArray()) {
                target[i] = std::make_unique<ScriptValue>();
                pending.emplace_back(target[i].get(), element);
            } else {
                target[i] = std::make_unique<ScriptValue>(*element);
            }
        }
    }
}

void ScriptValue::CopyArrayPreserve(const ScriptValue& old) {
    const int dimensionCount = GetBound(0);
    if (&old == this || dimensionCount == 0 || dimensionCount != old.GetBound(0)) {
        return;
    }
    const auto& dimensions = array_->dimensions;
    const auto& oldDimensions = old.array_->dimensions;
    std::array<std::int32_t, kMaxDimensions> limit{};
    for (int k = 0; k < dimensionCount; ++k) {
        limit[k] = std::min(dimensions[k], oldDimensions[k]);
        if (limit[k] <= 0) {
            return;
        }
    }
    // Odometer over the common subscripts, first subscript fastest.
    std::array<std::int32_t, kMaxDimensions> at{};
    for (;;) {
        int newIndex = 0;
        int oldIndex = 0;
        for (int k = 0; k < dimensionCount; ++k) {
            newIndex = newIndex * dimensions[k] + at[k];
            oldIndex = oldIndex * oldDimensions[k] + at[k];
        }
        if (const ScriptValue* source = old.ExistingElement(oldIndex)) {
            array_->elements[static_cast<std::size_t>(newIndex)] = std::make_unique<ScriptValue>(*source);
        }
        int k = 0;
        while (k < dimensionCount && ++at[k] == limit[k]) {
            at[k++] = 0;
        }
        if (k == dimensionCount) {
            return;
        }
    }
}
