#include "engine/values/ScriptValue.h"

#include <utility>

#include "engine/values/NumberText.h"

ScriptValue::ScriptValue() = default;

ScriptValue::ScriptValue(const ScriptValue& other)
    : type_(other.type_),
      intCache_(other.intCache_),
      intValid_(other.intValid_),
      number_(other.number_),
      numberValid_(other.numberValid_),
      text_(other.text_),
      textValid_(other.textValid_),
      target_(other.target_) {
    if (other.IsArray()) {
        CopyArrayFrom(other);
    }
}

// A new value cannot hold its source, so the members simply move; the
// source is left the number 0 with no subscripts.
ScriptValue::ScriptValue(ScriptValue&& other)
    : type_(std::exchange(other.type_, kNumber)),
      intCache_(std::exchange(other.intCache_, 0)),
      intValid_(std::exchange(other.intValid_, false)),
      number_(std::exchange(other.number_, 0.0)),
      numberValid_(std::exchange(other.numberValid_, true)),
      text_(std::move(other.text_)),
      textValid_(std::exchange(other.textValid_, false)),
      target_(std::exchange(other.target_, nullptr)),
      array_(std::move(other.array_)) {}

// Built on a copy, so the source may live inside this value (an element of
// its array) without being freed half-way. A plain value keeps its pending
// subscripts.
ScriptValue& ScriptValue::operator=(const ScriptValue& other) {
    if (this == &other) {
        return *this;
    }
    if (!IsArray() && !other.IsArray()) {
        // Neither holds elements, so the other cannot live inside this one:
        // the members are assigned in place. The text ends with the other's
        // capacity, as a copy would have it; a buffer of that size is reused.
        if (text_.Capacity() == other.text_.Capacity()) {
            text_.Assign(other.text_);
        } else {
            text_ = ScriptString(other.text_);
        }
        type_ = other.type_;
        intCache_ = other.intCache_;
        intValid_ = other.intValid_;
        number_ = other.number_;
        numberValid_ = other.numberValid_;
        textValid_ = other.textValid_;
        target_ = other.target_;
        return *this;
    }
    ScriptValue copy(other);
    if (!copy.IsArray() && GetSubscriptCount() > 0) {
        ArrayPart& part = copy.Part();
        part.subscriptCount = array_->subscriptCount;
        part.subscripts = array_->subscripts;
    }
    Swap(copy);
    return *this;
}

ScriptValue& ScriptValue::operator=(ScriptValue&& other) noexcept {
    if (this == &other) {
        return *this;
    }
    if (array_ || other.array_) {
        // An array part may hold the other value: swapped, the old part goes
        // with the other.
        Swap(other);
        return *this;
    }
    // The common case, two plain values: the members simply move.
    text_ = std::move(other.text_);
    type_ = std::exchange(other.type_, kNumber);
    intCache_ = std::exchange(other.intCache_, 0);
    intValid_ = std::exchange(other.intValid_, false);
    number_ = std::exchange(other.number_, 0.0);
    numberValid_ = std::exchange(other.numberValid_, true);
    textValid_ = std::exchange(other.textValid_, false);
    target_ = std::exchange(other.target_, nullptr);
    return *this;
}

ScriptValue::~ScriptValue() {
    if (array_) {
        FreeElements(array_->elements);
    }
}

void ScriptValue::Swap(ScriptValue& other) noexcept {
    std::swap(type_, other.type_);
    std::swap(intCache_, other.intCache_);
    std::swap(intValid_, other.intValid_);
    std::swap(number_, other.number_);
    std::swap(numberValid_, other.numberValid_);
    std::swap(text_, other.text_);
    std::swap(textValid_, other.textValid_);
    std::swap(target_, other.target_);
    std::swap(array_, other.array_);
}

const char* ScriptValue::GetText() const {
    if (!textValid_) {
        if (type_ == kNumber) {
            char buffer[kNumberTextSize];
            FormatNumber(number_, buffer);
            text_.Assign(buffer);
        } else {
            text_.Clear();
        }
        textValid_ = true;
    }
    return text_.Text();
}

int ScriptValue::GetTextLength() const {
    GetText();
    return text_.Length();
}

const ScriptString& ScriptValue::GetTextString() const {
    GetText();
    return text_;
}

double ScriptValue::GetNumber() const {
    if (!numberValid_) {
        const auto hex = HexPrefixedValue(text_.Text());
        number_ = hex ? *hex : TextToDouble(text_.Text());
        numberValid_ = true;
    }
    return number_;
}

// A string's int form is read from its text, not from its number form:
// "1e5" is 1 as an int but 100000 as a number.
int ScriptValue::GetInt() const {
    if (!intValid_) {
        if (type_ == kNumber) {
            intCache_ = DoubleToInt32(number_);
        } else if (type_ == kString) {
            const auto hex = HexPrefixedValue(text_.Text());
            intCache_ = hex ? *hex : TextToInt(text_.Text());
        } else {
            intCache_ = 0;
        }
        intValid_ = true;
    }
    return intCache_;
}

bool ScriptValue::IsTrue() const {
    if (type_ == kNumber) {
        return number_ != 0.0;
    }
    return type_ == kString && !text_.IsEmpty();
}

bool ScriptValue::IsInteger() const {
    return type_ == kNumber && static_cast<double>(DoubleToInt64(number_)) == number_;
}

bool ScriptValue::IsFraction() const {
    return type_ == kNumber && !IsInteger();
}

// The int cache goes too: a number's int form differs from its text's.
void ScriptValue::ChangeToNumber() {
    if (type_ == kString) {
        GetNumber();
        type_ = kNumber;
        DropCaches();
    }
}

// The numeric caches go: a string's numeric form is always the one read
// from its text, whatever number it was made from.
void ScriptValue::ChangeToString() {
    if (type_ == kNumber) {
        GetText();
        type_ = kString;
        numberValid_ = false;
        intValid_ = false;
    }
}

void ScriptValue::DropCaches() {
    text_.Clear();
    textValid_ = false;
    intValid_ = false;
}

void ScriptValue::SetInt(int i) {
    Reset();
    number_ = i;
    intCache_ = i;
    intValid_ = true;
}

void ScriptValue::SetDouble(double d) {
    Reset();
    number_ = d;
}

void ScriptValue::SetText(const char* s) {
    SetText(ScriptString(s));  // s may point into this value
}

// The text cannot be this value's own: that is never handed out mutable.
void ScriptValue::SetText(ScriptString&& text) {
    Reset();
    text_ = std::move(text);
    textValid_ = true;
    type_ = kString;
    numberValid_ = false;
}

void ScriptValue::SetReference(ScriptValue* target) {
    Reset();
    type_ = kReference;
    target_ = target;
}

void ScriptValue::Reset() {
    FreeArray();
    type_ = kNumber;
    number_ = 0.0;
    numberValid_ = true;
    intCache_ = 0;
    DropCaches();
    target_ = nullptr;
}

void ScriptValue::Arithmetic(const ScriptValue& other, double (*op)(double, double)) {
    if (!IsPlain() || !other.IsPlain()) {
        return;
    }
    const double right = other.GetNumber();
    ChangeToNumber();
    number_ = op(GetNumber(), right);
    DropCaches();
}

void ScriptValue::Add(const ScriptValue& other) {
    Arithmetic(other, [](double a, double b) { return a + b; });
}

void ScriptValue::Subtract(const ScriptValue& other) {
    Arithmetic(other, [](double a, double b) { return a - b; });
}

void ScriptValue::Multiply(const ScriptValue& other) {
    Arithmetic(other, [](double a, double b) { return a * b; });
}

void ScriptValue::Divide(const ScriptValue& other) {
    Arithmetic(other, [](double a, double b) { return a / b; });
}

void ScriptValue::Not() {
    if (IsPlain()) {
        SetInt(DoubleToInt32(GetNumber()) == 0 ? 1 : 0);
    }
}

// Appending goes through the other's text pointer, which the string copies
// before it regrows, so a value may be concatenated with itself.
void ScriptValue::Concat(const ScriptValue& other) {
    if (!IsPlain() || !other.IsPlain()) {
        return;
    }
    ChangeToString();
    text_.Append(other.GetText());
    numberValid_ = false;
    intValid_ = false;
}
