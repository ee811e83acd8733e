// Results of built-ins that give several numbers or texts (positions, sizes,
// times): a one-dimensional array.
#pragma once

#include <initializer_list>

#include "engine/values/ScriptValue.h"

// Turns `result` into a one-dimensional array of n untouched elements; false
// (the result then the number 0) when n is not a valid size.
bool MakeResultArray(ScriptValue& result, int n);

// Element i of a one-dimensional result array; null outside it.
ScriptValue* ResultElement(ScriptValue& result, int i);

// Makes `result` the array of these numbers ([x, y], [left, top, width, height]).
void SetResultInts(ScriptValue& result, std::initializer_list<int> numbers);
