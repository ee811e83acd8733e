#include "engine/values/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

const char* SkipBlanksAndSign(const char* p, bool& negative) {
    while (IsBlank(*p)) {
        ++p;
    }
    negative = *p == '-';
    if (*p == '+' || *p == '-') {
        ++p;
    }
    return p;
}

void CopyText(const char* text, char (&out)[kNumberTextSize], int& length) {
    length = static_cast<int>(std::strlen(text));
    std::memcpy(out, text, length + 1);
}

// The value in to_chars' fixed or scientific form with that precision
// (exactly what printf's %.*f and %.*e write).
std::string FixedOrScientific(double value, std::chars_format format, int precision) {
    // The integer part of a double has at most 309 digits.
    std::string text(static_cast<std::size_t>(precision) + 330, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
}

// The decimal exponent of a scientific form ("-1.5e+07" gives 7).
int ExponentOf(const std::string& scientific) {
    const std::size_t e = scientific.find('e');
    return e == std::string::npos ? 0 : std::atoi(scientific.c_str() + e + 1);
}

// Puts a point after the first digit of a scientific form that has none.
void EnsurePointInScientific(std::string& text) {
    if (text.find('.') == std::string::npos) {
        const std::size_t firstDigit = text[0] == '-' ? 1 : 0;
        text.insert(firstDigit + 1, 1, '.');
    }
}

// %g: the style of %e with precision p - 1 when its exponent x is below -4 or
// at least p, else %f with precision p - 1 - x; without the alternate form
// the trailing zeros of the fraction and a bare point go.
std::string GeneralForm(double value, int precision, bool alternate) {
    const int p = precision == 0 ? 1 : precision;
    std::string scientific = FixedOrScientific(value, std::chars_format::scientific, p - 1);
    const int x = ExponentOf(scientific);
    const bool fixed = x >= -4 && x < p;
    std::string text = fixed ? FixedOrScientific(value, std::chars_format::fixed, p - 1 - x) : scientific;
    const std::size_t mantissaEnd = fixed ? text.size() : text.find('e');
    std::string mantissa = text.substr(0, mantissaEnd);
    const std::string exponent = text.substr(mantissaEnd);
    if (alternate) {
        if (mantissa.find('.') == std::string::npos) {
            mantissa += '.';
        }
    } else if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') {
            mantissa.pop_back();
        }
    }
    return mantissa + exponent;
}

} // namespace

double TextToDouble(const char* text) {
    bool negative = false;
    const char* p = SkipBlanksAndSign(text, negative);
    const char* const start = negative ? p - 1 : p;  // from_chars takes '-' but not '+'

    // Decimal position of the leading significant digit, so that a result
    // past the double range can be told overflow from underflow.
    std::int64_t scale = 0;
    bool significant = false;
    int digits = 0;
    for (; IsDigit(*p); ++p, ++digits) {
        significant = significant || *p != '0';
        scale += significant ? 1 : 0;
    }
    if (*p == '.') {
        for (++p; IsDigit(*p); ++p, ++digits) {
            significant = significant || *p != '0';
            scale -= significant ? 0 : 1;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        bool negativeExponent = false;
        if (*e == '+' || *e == '-') {
            negativeExponent = *e == '-';
            ++e;
        }
        if (IsDigit(*e)) {
            std::int64_t exponent = 0;
            for (; IsDigit(*e); ++e) {
                exponent = exponent < 100000 ? exponent * 10 + (*e - '0') : exponent;
            }
            scale += negativeExponent ? -exponent : exponent;
            p = e;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(start, p, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    return value;
}

int TextToInt(const char* text) {
    bool negative = false;
    const char* p = SkipBlanksAndSign(text, negative);
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; IsDigit(*p); ++p) {
        magnitude = magnitude < kLimit ? magnitude * 10 + (*p - '0') : magnitude;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<int>(value);
}

std::optional<std::int32_t> HexPrefixedValue(const char* text) {
    if (text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    int count = 0;
    for (const char* p = text + 2; *p != '\0'; ++p) {
        const int digit = HexDigit(*p);
        if (digit < 0 || ++count > 8) {
            return 0;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

int FormatNumber(double value, char (&out)[kNumberTextSize]) {
    int length = 0;
    if (std::isnan(value)) {
        CopyText(std::signbit(value) ? "-1.#IND" : "1.#QNAN", out, length);
    } else if (std::isinf(value)) {
        CopyText(value < 0 ? "-1.#INF" : "1.#INF", out, length);
    } else {
        const auto result =
            std::to_chars(out, out + kNumberTextSize - 1, value, std::chars_format::general, 15);
        *result.ptr = '\0';
        length = static_cast<int>(result.ptr - out);
    }
    return length;
}

std::int32_t DoubleToInt32(double value) {
    if (value > -2147483649.0 && value < 2147483648.0) {
        return static_cast<std::int32_t>(value);
    }
    return std::numeric_limits<std::int32_t>::min();
}

std::int64_t DoubleToInt64(double value) {
    if (value >= -9223372036854775808.0 && value < 9223372036854775808.0) {
        return static_cast<std::int64_t>(value);
    }
    return std::numeric_limits<std::int64_t>::min();
}

std::string FormatFloatConversion(double value, char conversion, int precision, bool alternate) {
    if (std::isnan(value) || std::isinf(value)) {
        char special[kNumberTextSize];
        FormatNumber(value, special);
        return special;
    }
    precision = precision < 0 ? 6 : std::min(precision, kMaxFloatPrecision);
    std::string text;
    switch (conversion) {
    case 'f':
        text = FixedOrScientific(value, std::chars_format::fixed, precision);
        if (alternate && precision == 0) {
            text += '.';
        }
        return text;
    case 'e':
    case 'E':
        text = FixedOrScientific(value, std::chars_format::scientific, precision);
        if (alternate) {
            EnsurePointInScientific(text);
        }
        break;
    default:  // 'g', 'G'
        text = GeneralForm(value, precision, alternate);
        break;
    }
    if (conversion == 'E' || conversion == 'G') {
        std::replace(text.begin(), text.end(), 'e', 'E');
    }
    return text;
}
