#include "engine/values/ScriptValue.h"

#include <gtest/gtest.h>

#include "tests/support/ValueMakers.h"

#include <climits>
#include <cmath>
#include <limits>

namespace {

TEST(ScriptValueTest, NewValueIsTheNumberZero) {
    const ScriptValue v;
    EXPECT_TRUE(v.IsNumber());
    EXPECT_EQ(v.GetNumber(), 0.0);
    EXPECT_EQ(v.GetInt(), 0);
    EXPECT_STREQ(v.GetText(), "0");
    EXPECT_FALSE(v.IsTrue());
    EXPECT_EQ(v.GetSubscriptCount(), 0);
    EXPECT_EQ(v.GetBound(0), 0);
}

struct StringCase {
    const char* text;
    double number;
    int integer;
};

TEST(ScriptValueTest, StringConversionsFollowTheHexRuleThenTheDecimalOnes) {
    const StringCase cases[] = {
        {"0x1F", 31, 31},
        {"0x1G", 0, 0},
        {"0xFFFFFFFF", -1, -1},
        {"0x123456789", 0, 0},
        {"12abc", 12, 12},
        {"1e5", 100000, 1},  // the int form reads digits only
        {" -2.75", -2.75, -2},
        {"abc", 0, 0},
        {"", 0, 0},
        {"99999999999", 99999999999.0, INT_MAX},
    };
    for (const auto& c : cases) {
        const ScriptValue v = Text(c.text);
        EXPECT_EQ(v.GetNumber(), c.number) << c.text;
        EXPECT_EQ(v.GetInt(), c.integer) << c.text;
        EXPECT_STREQ(v.GetText(), c.text);
    }
}

TEST(ScriptValueTest, NumberConversions) {
    const ScriptValue sum = Number(0.1 + 0.2);
    EXPECT_STREQ(sum.GetText(), "0.3");
    EXPECT_EQ(sum.GetTextLength(), 3);
    EXPECT_STREQ(Number(1e20).GetText(), "1e+20");
    EXPECT_EQ(Number(-3.9).GetInt(), -3);
    EXPECT_EQ(Number(1e10).GetInt(), INT_MIN);
    EXPECT_EQ(Number(std::nan("")).GetInt(), INT_MIN);
    ScriptValue i;
    i.SetInt(-7);
    EXPECT_EQ(i.GetInt(), -7);
    EXPECT_EQ(i.GetNumber(), -7.0);
    EXPECT_STREQ(i.GetText(), "-7");
}

TEST(ScriptValueTest, Truth) {
    EXPECT_TRUE(Text("0").IsTrue());  // a non-empty string
    EXPECT_FALSE(Text("").IsTrue());
    EXPECT_TRUE(Number(-0.5).IsTrue());
    EXPECT_FALSE(Number(-0.0).IsTrue());
    EXPECT_TRUE(Number(std::nan("")).IsTrue());
    ScriptValue target;
    target.SetInt(1);
    ScriptValue reference;
    reference.SetReference(&target);
    EXPECT_FALSE(reference.IsTrue());
    EXPECT_EQ(reference.GetTarget(), &target);
}

TEST(ScriptValueTest, IntegerAndFractionUseTheSixtyFourBitTruncation) {
    const struct {
        double value;
        bool integer;
    } cases[] = {
        {3.0, true}, {-3.0, true}, {3.5, false}, {1e15, true},
        {-9223372036854775808.0, true},
        // Beyond 64 bits the truncation gives the minimum, so these count
        // as fractions, as in the shipping program.
        {1e20, false}, {std::numeric_limits<double>::infinity(), false},
        {std::nan(""), false},
    };
    for (const auto& c : cases) {
        const ScriptValue v = Number(c.value);
        EXPECT_EQ(v.IsInteger(), c.integer) << c.value;
        EXPECT_EQ(v.IsFraction(), !c.integer) << c.value;
    }
    EXPECT_FALSE(Text("3").IsInteger());
    EXPECT_FALSE(Text("3.5").IsFraction());
}

TEST(ScriptValueTest, ChangeToNumberDropsTheTextAndItsIntForm) {
    ScriptValue v = Text("1e5");
    EXPECT_EQ(v.GetInt(), 1);
    v.ChangeToNumber();
    EXPECT_TRUE(v.IsNumber());
    EXPECT_EQ(v.GetInt(), 100000);
    EXPECT_STREQ(v.GetText(), "100000");
}

TEST(ScriptValueTest, ChangeToStringReadsItsNumberBackFromTheText) {
    ScriptValue v = Number(0.1 + 0.2);
    v.ChangeToString();
    EXPECT_TRUE(v.IsString());
    EXPECT_STREQ(v.GetText(), "0.3");
    EXPECT_EQ(v.GetNumber(), 0.3);
    EXPECT_EQ(v.GetNumber(), Text("0.3").GetNumber());
}

TEST(ScriptValueTest, ArithmeticMakesANumberAndDropsTheCaches) {
    ScriptValue v = Text("0x10");
    EXPECT_STREQ(v.GetText(), "0x10");
    v.Add(Text("2.5"));
    EXPECT_TRUE(v.IsNumber());
    EXPECT_EQ(v.GetNumber(), 18.5);
    EXPECT_STREQ(v.GetText(), "18.5");
    v.Subtract(Number(0.5));
    EXPECT_EQ(v.GetInt(), 18);
    v.Multiply(Number(-2));
    EXPECT_STREQ(v.GetText(), "-36");
    EXPECT_EQ(v.GetInt(), -36);
    v.Divide(Number(8));
    EXPECT_EQ(v.GetNumber(), -4.5);
    v.Add(v);
    EXPECT_EQ(v.GetNumber(), -9.0);
}

TEST(ScriptValueTest, DivisionByZeroFollowsIeee) {
    ScriptValue v = Number(1);
    v.Divide(Number(0));
    EXPECT_STREQ(v.GetText(), "1.#INF");
    ScriptValue zero = Number(0);
    zero.Divide(Number(0));
    EXPECT_TRUE(std::isnan(zero.GetNumber()));
}

TEST(ScriptValueTest, ArithmeticLeavesArraysAndReferencesAlone) {
    ScriptValue array;
    array.PushSubscript(2);
    ASSERT_TRUE(array.CreateArray());
    ScriptValue v = Number(5);
    v.Add(array);
    EXPECT_EQ(v.GetNumber(), 5.0);
    array.Add(v);
    EXPECT_TRUE(array.IsArray());

    ScriptValue reference;
    reference.SetReference(&v);
    v.Multiply(reference);
    v.Concat(reference);
    EXPECT_EQ(v.GetNumber(), 5.0);
    EXPECT_TRUE(v.IsNumber());
    reference.Not();
    reference.Add(v);
    EXPECT_TRUE(reference.IsReference());
    EXPECT_EQ(reference.GetTarget(), &v);
}

TEST(ScriptValueTest, NotTruncatesFirst) {
    const struct {
        ScriptValue value;
        int expected;
    } cases[] = {
        {Number(0), 1}, {Number(2), 0}, {Number(0.5), 1}, {Number(-0.9), 1},
        {Text(""), 1},  {Text("abc"), 1}, {Text("7"), 0}, {Number(std::nan("")), 0},
    };
    for (const auto& c : cases) {
        ScriptValue v = c.value;
        v.Not();
        EXPECT_TRUE(v.IsNumber());
        EXPECT_EQ(v.GetInt(), c.expected) << c.value.GetText();
    }
}

TEST(ScriptValueTest, ConcatMakesAStringAndGrowsByTheRule) {
    ScriptValue v = Number(1.5);
    v.Concat(Text("ab"));
    EXPECT_TRUE(v.IsString());
    EXPECT_STREQ(v.GetText(), "1.5ab");
    v.Concat(Number(2));
    EXPECT_STREQ(v.GetText(), "1.5ab2");
    EXPECT_EQ(v.GetNumber(), 1.5);
    EXPECT_EQ(v.GetInt(), 1);
}

TEST(ScriptValueTest, ConcatWithItselfDoublesTheText) {
    ScriptValue v = Text("ab");
    v.Concat(v);
    EXPECT_STREQ(v.GetText(), "abab");
    v.Concat(v);
    EXPECT_STREQ(v.GetText(), "abababab");
}

TEST(ScriptValueTest, SettersResetTheWholeValue) {
    ScriptValue v;
    v.PushSubscript(3);
    ASSERT_TRUE(v.CreateArray());
    v.SetText("x");
    EXPECT_TRUE(v.IsString());
    EXPECT_EQ(v.GetBound(0), 0);
    EXPECT_EQ(v.GetElementCount(), 0);

    v.SetText(v.GetText());
    EXPECT_STREQ(v.GetText(), "x");
    v.SetDouble(2.5);
    EXPECT_STREQ(v.GetText(), "2.5");
    v.Reset();
    EXPECT_TRUE(v.IsNumber());
    EXPECT_STREQ(v.GetText(), "0");
    EXPECT_EQ(v.GetTarget(), nullptr);
}

TEST(ScriptValueTest, CopiesAreIndependent) {
    ScriptValue original = Text("abc");
    ScriptValue copy(original);
    copy.Concat(Text("d"));
    EXPECT_STREQ(original.GetText(), "abc");
    EXPECT_STREQ(copy.GetText(), "abcd");

    ScriptValue assigned = Number(1);
    assigned = original;
    EXPECT_TRUE(assigned.IsString());
    EXPECT_STREQ(assigned.GetText(), "abc");
    assigned = assigned;
    EXPECT_STREQ(assigned.GetText(), "abc");
}

TEST(ScriptValueTest, MovedFromValueIsStillUsable) {
    ScriptValue source = Text("moved");
    ScriptValue target(std::move(source));
    EXPECT_STREQ(target.GetText(), "moved");
    EXPECT_TRUE(source.IsNumber());
    source.Concat(Text("x"));
    EXPECT_STREQ(source.GetText(), "0x");
}

} // namespace
