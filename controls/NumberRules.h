// The rules of the numeric edit and its spin control, apart from any window:
// which texts are numbers, how many decimals a value shows, stepping, and the
// up-down control's own position kept away from its ends.
#pragma once

#include <string>

// Result of checking a number text.
enum class NumberCheck {
  kValid = 0,
  kOutOfRange = 1,
  kNotANumber = 2,
  kLoneSign = 3,
};

// Checks `text` against [minimum, maximum]. A number is plain decimal text:
// an optional sign, digits with an optional "." and more digits, and blanks
// around it; exponents, hexadecimal, "nan" and "inf" are not numbers. A lone
// "+" or "-" is its own case, as the user may be starting a number.
NumberCheck CheckNumberText(const std::string& text, float minimum, float maximum);

// The value of a text that CheckNumberText finds valid; 0 for any other.
float NumberTextValue(const std::string& text);

// The number of decimals `value` needs in plain fixed-point text with six
// significant digits (1.25 needs 2, 1234567 none). Never counts the digits of
// an exponent form.
int DecimalsOf(float value);

// `value` in fixed-point text with `decimals` decimals ("3.00").
std::string FormatFixed(float value, int decimals);

// value + step * count, kept within [minimum, maximum].
float StepValue(float value, float step, int count, float minimum, float maximum);

// The up-down control's own position only counts clicks inside 0..1000; it is
// put back to the middle before a step of `delta` could reach either end.
constexpr int kSpinCounterMiddle = 500;
constexpr int kSpinCounterTop = 1000;
bool SpinCounterNeedsRecentre(int position, int delta);
