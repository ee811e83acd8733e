#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The engine's own number <-> text rules. The C runtimes of the native build
// and of the Windows build disagree on corner cases (hex floats, "inf",
// rounding, out-of-range conversions), so the engine never calls them:
// these functions give one result everywhere.
//
// TextToDouble (the engine's atof): skips leading blanks (space \t \n \v \f
// \r), takes an optional sign, decimal digits with an optional '.' and
// fraction (at least one digit in all), then an optional exponent: 'e' or
// 'E', an optional sign and at least one digit, else the 'e' is not part of
// the number. No hex floats ("0x1F" gives 0), no "inf"/"nan" words. Text
// that does not start with a number gives 0. The result is correctly
// rounded; magnitudes past the double range give +-infinity or +-0.
//
// TextToInt (the engine's atoi): blanks, an optional sign and decimal
// digits; no digits give 0; overflow saturates at INT_MAX / INT_MIN, as the
// Windows runtime does.
//
// HexPrefixedValue: the value rule for text that begins "0x" or "0X": up to
// 8 hex digits and nothing else after the prefix, read as a 32-bit pattern
// (so "0xFFFFFFFF" is -1); any other character or a ninth digit gives 0.
// Text without the prefix gives no value, and the caller uses the decimal
// rules instead.
//
// FormatNumber: printf "%.15g" as the C standard defines it (exponents have
// at least two digits: 1e+20, 1e-05; negative zero is "-0"). Infinities and
// NaNs print as the shipping 32-bit Windows runtime does: "1.#INF",
// "-1.#INF", "-1.#IND" (a NaN with the sign bit set, what 0/0 gives on x86)
// and "1.#QNAN".
//
// FormatFloatConversion: printf's e, E, f, g and G conversions of one value
// with a precision (below 0: the default 6) and the alternate form ("#":
// the point always stays; g and G keep their trailing zeros). The digits are
// exact and correctly rounded, exponents have at least two digits, and the
// sign is written only for negative values (negative zero included). No
// flags or width: the caller pads. Infinities and NaNs give the special
// forms of FormatNumber whatever the conversion.
//
// DoubleToInt32 / DoubleToInt64: truncation toward zero; a NaN or a value
// whose truncation does not fit gives the type's minimum, the x86
// conversion instruction's "integer indefinite".

double TextToDouble(const char* text);
int TextToInt(const char* text);
std::optional<std::int32_t> HexPrefixedValue(const char* text);

// Enough for every "%.15g" form and the Windows special forms.
constexpr int kNumberTextSize = 32;

// Writes the terminated text into out; returns its length.
int FormatNumber(double value, char (&out)[kNumberTextSize]);

// Precisions above this are taken as this (the text stays a sane size).
constexpr int kMaxFloatPrecision = 65535;

std::string FormatFloatConversion(double value, char conversion, int precision, bool alternate);

std::int32_t DoubleToInt32(double value);
std::int64_t DoubleToInt64(double value);
