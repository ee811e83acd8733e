#include "engine/values/ScriptValueCompare.h"

#include <gtest/gtest.h>

#include "tests/support/ValueMakers.h"

#include <cmath>
#include <string>

namespace {

struct CompareCase {
    ScriptValue a;
    ScriptValue b;
    bool equal;
    bool less;
    bool greater;
    bool equalCase;
};

TEST(ScriptValueCompareTest, StringsCompareAsTextOtherwiseAsNumbers) {
    const CompareCase cases[] = {
        {Text("abc"), Text("ABC"), true, false, false, false},
        {Text("abc"), Text("abc"), true, false, false, true},
        {Text("10"), Number(10), true, false, false, true},
        {Text("10"), Text("9"), false, true, false, false},    // as texts
        {Number(10), Number(9), false, false, true, false},
        {Text("10"), Number(9), false, false, true, false},    // mixed: numeric
        {Text("0x10"), Number(16), true, false, false, false},
        {Text("1.0"), Text("1"), false, false, true, false},
        {Text("1.0"), Number(1), true, false, false, false},
        {Number(0.1 + 0.2), Text("0.3"), false, false, true, true},  // "0.3" == "0.3"
        {Text("_"), Text("a"), false, true, false, false},
        {Text(""), Number(0), true, false, false, false},
        // "==" compares the texts, so two NaNs are equal there only.
        {Number(std::nan("")), Number(std::nan("")), false, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a.GetText()) + " vs " + c.b.GetText());
        EXPECT_EQ(ScriptValueEqual(c.a, c.b), c.equal);
        EXPECT_EQ(ScriptValueLess(c.a, c.b), c.less);
        EXPECT_EQ(ScriptValueGreater(c.a, c.b), c.greater);
        EXPECT_EQ(EqualCase(c.a, c.b), c.equalCase);
    }
}

TEST(ScriptValueCompareTest, ArraysAndReferencesAreNeverEqualTrueOrOrdered) {
    ScriptValue array;
    array.PushSubscript(1);
    ASSERT_TRUE(array.CreateArray());
    ScriptValue target = Number(1);
    ScriptValue reference;
    reference.SetReference(&target);
    const ScriptValue one = Number(1);

    for (const ScriptValue* odd : {&array, &reference}) {
        EXPECT_FALSE(ScriptValueEqual(*odd, *odd));
        EXPECT_FALSE(EqualCase(*odd, *odd));
        EXPECT_FALSE(ScriptValueLess(*odd, one));
        EXPECT_FALSE(ScriptValueGreater(one, *odd));
        EXPECT_FALSE(ScriptValueOr(*odd, one));
        EXPECT_FALSE(ScriptValueAnd(one, *odd));
    }
}

TEST(ScriptValueCompareTest, AndOrUseTruth) {
    const struct {
        ScriptValue a;
        ScriptValue b;
        bool both;
        bool either;
    } cases[] = {
        {Text("0"), Number(1), true, true},
        {Text(""), Number(1), false, true},
        {Number(0), Text(""), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScriptValueAnd(c.a, c.b), c.both);
        EXPECT_EQ(ScriptValueOr(c.a, c.b), c.either);
    }
}

} // namespace
