#pragma once

#include "engine/values/ScriptValue.h"

// Comparisons of the expression operators. Arrays and references compare
// false with anything. Two strings compare as texts without regard to case
// ("10" < "9"); any other pair compares numerically ("10" = 10).
bool ScriptValueEqual(const ScriptValue& a, const ScriptValue& b);
bool ScriptValueGreater(const ScriptValue& a, const ScriptValue& b);
bool ScriptValueLess(const ScriptValue& a, const ScriptValue& b);

// The "==" operator: the text forms, byte for byte.
bool EqualCase(const ScriptValue& a, const ScriptValue& b);

bool ScriptValueAnd(const ScriptValue& a, const ScriptValue& b);
bool ScriptValueOr(const ScriptValue& a, const ScriptValue& b);
