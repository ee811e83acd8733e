#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/values/ScriptString.h"

// The engine's variant: a number, a string, an array of up to 8 dimensions
// or a reference to another value. Numbers cache their text and strings
// their numeric forms; the caches are mutable so that reading a const value
// can fill them.
//
// A value carries pending subscripts: the element that the next GetElement
// addresses. Copies are deep; an array copy keeps untouched elements
// untouched.
class ScriptValue {
public:
    enum Type : std::int32_t { kNumber = 1, kString = 2, kArray = 3, kReference = 4 };
    static constexpr int kMaxDimensions = 8;
    static constexpr std::int64_t kMaxElements = 16777216;

    ScriptValue();
    ScriptValue(const ScriptValue& other);
    ScriptValue(ScriptValue&& other);
    ScriptValue& operator=(const ScriptValue& other);
    ScriptValue& operator=(ScriptValue&& other) noexcept;
    ~ScriptValue();

    Type GetType() const { return type_; }
    bool IsNumber() const { return type_ == kNumber; }
    bool IsString() const { return type_ == kString; }
    bool IsArray() const { return type_ == kArray; }
    bool IsReference() const { return type_ == kReference; }
    ScriptValue* GetTarget() const { return target_; }

    const char* GetText() const;
    int GetTextLength() const;
    // The text form itself, for reading without a copy.
    const ScriptString& GetTextString() const;
    double GetNumber() const;
    int GetInt() const;

    bool IsTrue() const;
    bool IsInteger() const;
    bool IsFraction() const;

    void ChangeToNumber();
    void ChangeToString();
    void SetInt(int i);
    void SetDouble(double d);
    void SetText(const char* s);
    void SetText(ScriptString&& text);
    void SetReference(ScriptValue* target);
    // Keeps the pending subscripts: CreateArray reads them after a reset.
    void Reset();

    void Add(const ScriptValue& other);
    void Subtract(const ScriptValue& other);
    void Multiply(const ScriptValue& other);
    void Divide(const ScriptValue& other);
    void Not();
    void Concat(const ScriptValue& other);

    // Arrays.
    void ClearSubscripts() {
        if (array_) {
            array_->subscriptCount = 0;
        }
    }
    bool PushSubscript(int i);
    int GetSubscriptCount() const { return array_ ? array_->subscriptCount : 0; }
    bool SubscriptsValid() const;
    int GetBound(int i) const;
    int GetElementCount() const { return array_ ? array_->elementCount : 0; }
    // Shapes the array from the pending subscripts; false when it would
    // hold more than kMaxElements (the value is then the number 0).
    bool CreateArray();
    int FlatIndex() const;
    ScriptValue* GetElement();
    // The element at a flat index, or null when it was never touched.
    const ScriptValue* ExistingElement(int flatIndex) const;
    void FreeArray();
    void CopyArrayPreserve(const ScriptValue& old);

private:
    bool IsPlain() const { return type_ == kNumber || type_ == kString; }
    void Arithmetic(const ScriptValue& other, double (*op)(double, double));
    void DropCaches();
    void CopyArrayFrom(const ScriptValue& other);
    static void FreeElements(std::vector<std::unique_ptr<ScriptValue>>& elements);
    void Swap(ScriptValue& other) noexcept;

    // Shape, pending subscripts and elements. Most values are plain numbers
    // and strings that never see a subscript, so this lives apart and the
    // value stays small to copy and move.
    struct ArrayPart {
        std::int32_t elementCount = 0;
        std::int32_t dimensionCount = 0;
        std::array<std::int32_t, kMaxDimensions> dimensions{};
        std::int32_t subscriptCount = 0;
        std::array<std::int32_t, kMaxDimensions> subscripts{};
        std::vector<std::unique_ptr<ScriptValue>> elements;  // null: never touched
    };
    ArrayPart& Part();

    Type type_ = kNumber;
    mutable std::int32_t intCache_ = 0;
    mutable bool intValid_ = false;
    mutable double number_ = 0.0;
    mutable bool numberValid_ = true;
    mutable ScriptString text_;
    mutable bool textValid_ = false;
    ScriptValue* target_ = nullptr;  // not owned
    std::unique_ptr<ArrayPart> array_;
};
