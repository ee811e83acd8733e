// The maths built-ins: arithmetic, rounding, random numbers, bit operations
// (MathsBuiltins.cpp) and the conversions and type tests
// (ConversionBuiltins.cpp). None of them reports a script error; failures
// set @error.
#pragma once

// Binds the whole family.
void BindMathsBuiltins();

// Binds the conversions and type tests (called by BindMathsBuiltins).
void BindConversionBuiltins();
