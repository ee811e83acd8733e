#include "engine/values/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

struct ParseCase {
    const char* text;
    double expected;
};

TEST(NumberTextTest, TextToDoubleReadsTheLeadingDecimalNumber) {
    const ParseCase cases[] = {
        {"12", 12.0},
        {" -1.5e3x", -1500.0},
        {"\t\n\v\f\r+7", 7.0},
        {"1e", 1.0},          // 'e' without digits is not part of the number
        {"1e+", 1.0},
        {"2E-2", 0.02},
        {"1e5", 100000.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"+.e1", 0.0},         // no digit at all
        {".", 0.0},
        {"-", 0.0},
        {"", 0.0},
        {"abc", 0.0},
        {"0x1F", 0.0},         // no hex floats
        {"inf", 0.0},
        {"nan", 0.0},
        {"12abc", 12.0},
        {"1.2.3", 1.2},
        {"- 5", 0.0},
        {"0.1", 0.1},
        {"1e400", std::numeric_limits<double>::infinity()},
        {"-1e400", -std::numeric_limits<double>::infinity()},
        {"1e-400", 0.0},
        {"123456789012345678901234567890e-330", 1.2345678901234568e-301},
        // Past the range only through the exponent: still told apart.
        {"0.000000000000000000001e330", std::numeric_limits<double>::infinity()},
        {"1000000000000000000000e-345", 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextToDouble(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberTextTest, TextToDoubleIsCorrectlyRounded) {
    // Both lie within half an ulp of their neighbours; a naive digit loop
    // gets them wrong.
    EXPECT_EQ(TextToDouble("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(TextToDouble("2.2250738585072011e-308"), 2.225073858507201e-308);
    EXPECT_EQ(TextToDouble("0.30000000000000004"), 0.1 + 0.2);
}

TEST(NumberTextTest, TextToDoubleKeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(TextToDouble("-0")));
    EXPECT_TRUE(std::signbit(TextToDouble("-1e-400")));
    EXPECT_FALSE(std::signbit(TextToDouble("0")));
}

struct IntCase {
    const char* text;
    int expected;
};

TEST(NumberTextTest, TextToIntReadsDigitsAndSaturates) {
    const IntCase cases[] = {
        {"42", 42},
        {"  -17xyz", -17},
        {"+8", 8},
        {"1e5", 1},
        {"3.9", 3},
        {"", 0},
        {"x1", 0},
        {"0x10", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"-99999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextToInt(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberTextTest, HexPrefixedValueAppliesOnlyToTheZeroXPrefix) {
    const IntCase cases[] = {
        {"0x1F", 31},
        {"0X1f", 31},
        {"0x1G", 0},
        {"0xFFFFFFFF", -1},
        {"0x80000000", INT_MIN},
        {"0x7FFFFFFF", INT_MAX},
        {"0x00000010", 16},
        {"0x123456789", 0},  // a ninth digit
        {"0x", 0},
        {"0x10 ", 0},
    };
    for (const auto& c : cases) {
        const auto value = HexPrefixedValue(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.expected) << c.text;
    }
    for (const char* text : {"12abc", " 0x10", "x10", "0", "", "-0x10"}) {
        EXPECT_FALSE(HexPrefixedValue(text).has_value()) << '"' << text << '"';
    }
}

struct FormatCase {
    double value;
    const char* expected;
};

TEST(NumberTextTest, FormatNumberFollowsPercentPoint15G) {
    const FormatCase cases[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {1.0, "1"},
        {-2.5, "-2.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {100000.0, "100000"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346e+15"},
        {1e20, "1e+20"},
        {1e-5, "1e-05"},
        {0.0001, "0.0001"},
        {1.5e-300, "1.5e-300"},
        {-1.7976931348623157e308, "-1.79769313486232e+308"},
        {std::numeric_limits<double>::infinity(), "1.#INF"},
        {-std::numeric_limits<double>::infinity(), "-1.#INF"},
        {std::numeric_limits<double>::quiet_NaN(), "1.#QNAN"},
        {-std::numeric_limits<double>::quiet_NaN(), "-1.#IND"},
    };
    for (const auto& c : cases) {
        char text[kNumberTextSize];
        const int length = FormatNumber(c.value, text);
        EXPECT_STREQ(text, c.expected);
        EXPECT_EQ(length, static_cast<int>(std::string(c.expected).size()));
    }
}

TEST(NumberTextTest, DoubleToInt32TruncatesOrGivesTheMinimum) {
    const struct {
        double value;
        std::int32_t expected;
    } cases[] = {
        {3.9, 3},
        {-3.9, -3},
        {-0.5, 0},
        {2147483647.9, INT_MAX},
        {-2147483648.9, INT_MIN},
        {2147483648.0, INT_MIN},
        {-2147483649.0, INT_MIN},
        {1e20, INT_MIN},
        {std::numeric_limits<double>::infinity(), INT_MIN},
        {std::numeric_limits<double>::quiet_NaN(), INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DoubleToInt32(c.value), c.expected) << c.value;
    }
}

TEST(NumberTextTest, DoubleToInt64TruncatesOrGivesTheMinimum) {
    const std::int64_t minimum = std::numeric_limits<std::int64_t>::min();
    const struct {
        double value;
        std::int64_t expected;
    } cases[] = {
        {-7.99, -7},
        {1e15 + 0.5, 1000000000000000},
        {-9223372036854775808.0, minimum},
        {9223372036854774784.0, 9223372036854774784},
        {9223372036854775808.0, minimum},
        {-std::numeric_limits<double>::infinity(), minimum},
        {std::numeric_limits<double>::quiet_NaN(), minimum},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DoubleToInt64(c.value), c.expected) << c.value;
    }
}

struct FloatCase {
    double value;
    char conversion;
    int precision;
    bool alternate;
    const char* expected;
};

TEST(NumberTextTest, FormatFloatConversionFollowsPrintf) {
    const double inf = std::numeric_limits<double>::infinity();
    const FloatCase cases[] = {
        {3.14159, 'f', 2, false, "3.14"},
        {3.14159, 'f', -1, false, "3.141590"},
        {0.5, 'f', 0, false, "0"},              // ties go to even, as printf
        {2.5, 'f', 0, false, "2"},
        {1.5, 'f', 0, false, "2"},
        {1.0, 'f', 0, true, "1."},
        {-0.0, 'f', 1, false, "-0.0"},
        {0.1, 'f', 20, false, "0.10000000000000000555"},  // exact digits
        {12345.678, 'e', 2, false, "1.23e+04"},
        {12345.678, 'E', 2, false, "1.23E+04"},
        {1e-5, 'e', -1, false, "1.000000e-05"},
        {1e300, 'e', 1, false, "1.0e+300"},
        {1.0, 'e', 0, false, "1e+00"},
        {1.0, 'e', 0, true, "1.e+00"},
        {0.0001, 'g', -1, false, "0.0001"},
        {0.00001, 'g', -1, false, "1e-05"},
        {123456.0, 'g', -1, false, "123456"},
        {1234567.0, 'g', -1, false, "1.23457e+06"},
        {999999.5, 'g', -1, false, "1e+06"},    // rounding moves the exponent
        {100000.0, 'g', 1, false, "1e+05"},
        {1.5, 'g', 0, false, "2"},              // precision 0 counts as 1
        {0.0, 'g', -1, false, "0"},
        {-2.50, 'g', -1, false, "-2.5"},
        {1.0, 'g', -1, true, "1.00000"},
        {100.0, 'g', 2, true, "1.0e+02"},
        {1e-5, 'G', -1, false, "1E-05"},
        {1e-5, 'G', 3, true, "1.00E-05"},
        {inf, 'f', 2, false, "1.#INF"},
        {-inf, 'e', -1, false, "-1.#INF"},
        {std::numeric_limits<double>::quiet_NaN(), 'g', -1, false, "1.#QNAN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFloatConversion(c.value, c.conversion, c.precision, c.alternate), c.expected)
            << c.value << ' ' << c.conversion << ' ' << c.precision << (c.alternate ? " #" : "");
    }
}

TEST(NumberTextTest, FormatFloatConversionBoundsThePrecision) {
    EXPECT_EQ(FormatFloatConversion(1.0, 'f', 1000000, false).size(), std::size_t{2 + kMaxFloatPrecision});
    const std::string largest = FormatFloatConversion(1.7976931348623157e308, 'f', 0, false);
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
}

} // namespace
