#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

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
