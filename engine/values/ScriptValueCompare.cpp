#include "engine/values/ScriptValueCompare.h"

#include <cstring>

#include "engine/values/AsciiNoCase.h"

namespace {

bool Comparable(const ScriptValue& a, const ScriptValue& b) {
    return !a.IsArray() && !a.IsReference() && !b.IsArray() && !b.IsReference();
}

// Applies the relation to the text order of two strings, else to the numbers.
template <class Relation>
bool Compare(const ScriptValue& a, const ScriptValue& b, Relation relation) {
    if (!Comparable(a, b)) {
        return false;
    }
    if (a.IsString() && b.IsString()) {
        return relation(AsciiCompareNoCase(a.GetText(), b.GetText()), 0);
    }
    return relation(a.GetNumber(), b.GetNumber());
}

} // namespace

bool ScriptValueEqual(const ScriptValue& a, const ScriptValue& b) {
    return Compare(a, b, [](auto x, auto y) { return x == y; });
}

bool ScriptValueGreater(const ScriptValue& a, const ScriptValue& b) {
    return Compare(a, b, [](auto x, auto y) { return x > y; });
}

bool ScriptValueLess(const ScriptValue& a, const ScriptValue& b) {
    return Compare(a, b, [](auto x, auto y) { return x < y; });
}

bool EqualCase(const ScriptValue& a, const ScriptValue& b) {
    return Comparable(a, b) && std::strcmp(a.GetText(), b.GetText()) == 0;
}

bool ScriptValueAnd(const ScriptValue& a, const ScriptValue& b) {
    return Comparable(a, b) && a.IsTrue() && b.IsTrue();
}

bool ScriptValueOr(const ScriptValue& a, const ScriptValue& b) {
    return Comparable(a, b) && (a.IsTrue() || b.IsTrue());
}
