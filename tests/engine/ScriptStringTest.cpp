#include "engine/values/ScriptString.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>

#include "tests/support/TestCaseMapping.h"

namespace {

TEST(ScriptStringTest, ConstructionSizesTheBuffer) {
    const ScriptString empty;
    EXPECT_STREQ(empty.Text(), "");
    EXPECT_EQ(empty.Length(), 0);
    EXPECT_EQ(empty.Capacity(), 1);

    const ScriptString text("hello");
    EXPECT_STREQ(text.Text(), "hello");
    EXPECT_EQ(text.Length(), 5);
    EXPECT_EQ(text.Capacity(), 6);
}

TEST(ScriptStringTest, ForFillingReservesAndReportsTheReservedLength) {
    ScriptString s = ScriptString::ForFilling(4);
    EXPECT_EQ(s.Capacity(), 5);
    EXPECT_EQ(s.Length(), 4);
    EXPECT_EQ(s.Text()[0], '\0');
    s.Data()[0] = 'a';
    s.Data()[3] = 'd';
    EXPECT_EQ(s.Text()[4], '\0');
}

TEST(ScriptStringTest, CopyKeepsCapacityAndIsIndependent) {
    ScriptString original;
    original.Append("abc");  // capacity 7 by the growth rule
    ScriptString copy(original);
    EXPECT_EQ(copy.Capacity(), 7);
    EXPECT_EQ(copy.Length(), 3);
    copy.Append('d');
    EXPECT_STREQ(original.Text(), "abc");
    EXPECT_STREQ(copy.Text(), "abcd");
}

TEST(ScriptStringTest, MovedFromStringIsEmptyButUsable) {
    ScriptString source("moved");
    ScriptString target(std::move(source));
    EXPECT_STREQ(target.Text(), "moved");
    EXPECT_STREQ(source.Text(), "");
    EXPECT_EQ(source.Capacity(), 1);
    source.Append("again");
    EXPECT_STREQ(source.Text(), "again");

    ScriptString assigned("x");
    assigned = std::move(target);
    EXPECT_STREQ(assigned.Text(), "moved");
    target.Append("y");
    EXPECT_EQ(target.Length(), static_cast<int>(std::string(target.Text()).size()));
}

TEST(ScriptStringTest, CharacterAccessOutsideTheTextGivesTheTerminator) {
    const ScriptString s("abc");
    EXPECT_EQ(*s.At(0), 'a');
    EXPECT_EQ(*s.At(2), 'c');
    for (int index : {-1, 3, 4, INT_MIN, INT_MAX}) {
        EXPECT_EQ(s.At(index), s.Text() + 3) << index;
    }
}

TEST(ScriptStringTest, AssignGrowsToExactlyTheNeededSizeAndNeverShrinks) {
    ScriptString s;
    s.Assign("abcd");
    EXPECT_EQ(s.Capacity(), 5);
    s.Assign("x");
    EXPECT_STREQ(s.Text(), "x");
    EXPECT_EQ(s.Capacity(), 5);

    ScriptString source;
    source.Append("abcdef");  // capacity 13
    s.Assign(source);
    EXPECT_STREQ(s.Text(), "abcdef");
    EXPECT_EQ(s.Capacity(), 13);

    ScriptString single;
    single.Assign('q');
    EXPECT_STREQ(single.Text(), "q");
    EXPECT_EQ(single.Capacity(), 2);
    single.Assign('\0');
    EXPECT_EQ(single.Length(), 0);
}

TEST(ScriptStringTest, AssignFromItsOwnTextIsSafe) {
    ScriptString s("abcdef");
    s.Assign(s.Text() + 2);
    EXPECT_STREQ(s.Text(), "cdef");
    EXPECT_EQ(s.Length(), 4);
    s.Assign(s);
    EXPECT_STREQ(s.Text(), "cdef");
}

struct GrowthCase {
    const char* start;
    const char* appended;  // null: append the single character 'x'
    const char* expected;
    int capacity;
};

TEST(ScriptStringTest, AppendFollowsTheGrowthRule) {
    const GrowthCase cases[] = {
        {"", nullptr, "x", 3},         // 2 x 0 + 3
        {"", "abc", "abc", 7},         // 2 x 3 + 1
        {"abc", nullptr, "abcx", 9},   // 2 x 3 + 3
        {"abc", "de", "abcde", 11},    // 2 x 5 + 1
        {"abc", "", "abc", 4},         // fits: unchanged
    };
    for (const auto& c : cases) {
        ScriptString s(c.start);
        if (c.appended != nullptr) {
            s.Append(c.appended);
        } else {
            s.Append('x');
        }
        EXPECT_STREQ(s.Text(), c.expected) << c.start << " + " << (c.appended ? c.appended : "x");
        EXPECT_EQ(s.Capacity(), c.capacity) << c.start;
        EXPECT_EQ(s.Length(), static_cast<int>(std::string(c.expected).size()));
    }
}

TEST(ScriptStringTest, AppendWithinCapacityKeepsTheBuffer) {
    ScriptString s;
    s.Append("abc");
    const char* buffer = s.Text();
    s.Append("def");
    EXPECT_EQ(s.Text(), buffer);
    EXPECT_STREQ(s.Text(), "abcdef");
    EXPECT_EQ(s.Capacity(), 7);
}

TEST(ScriptStringTest, AppendingAStringToItselfLeavesItUnchanged) {
    ScriptString s("abc");
    s.Append(s);
    EXPECT_STREQ(s.Text(), "abc");
    EXPECT_EQ(s.Length(), 3);
}

TEST(ScriptStringTest, AppendingItsOwnTextAcrossARegrowthIsSafe) {
    ScriptString s("abc");
    s.Append(s.Text());
    EXPECT_STREQ(s.Text(), "abcabc");
    s.Append(s.At(4));
    EXPECT_STREQ(s.Text(), "abcabcbc");
}

TEST(ScriptStringTest, GrownCapacityIsCappedThenRefused) {
    EXPECT_EQ(ScriptString::GrownCapacity(3), 7);
    EXPECT_EQ(ScriptString::GrownCapacity(1500000000), INT_MAX);
    EXPECT_EQ(ScriptString::GrownCapacity(INT_MAX - 1), INT_MAX);
    EXPECT_THROW(ScriptString::GrownCapacity(INT_MAX), std::length_error);
    EXPECT_THROW(ScriptString::GrownCapacity(-1), std::length_error);
}

TEST(ScriptStringTest, ClearLeavesAOneByteBuffer) {
    ScriptString s("some text");
    s.Clear();
    EXPECT_STREQ(s.Text(), "");
    EXPECT_EQ(s.Capacity(), 1);
    EXPECT_TRUE(s.IsEmpty());
}

struct RangeCase {
    const char* text;
    int from;
    int to;
    const char* expected;
};

TEST(ScriptStringTest, EraseRemovesOnlyAValidRange) {
    const RangeCase cases[] = {
        {"abcde", 1, 3, "ade"},  {"abcde", 0, 5, ""},     {"abcde", 4, 5, "abcd"},
        {"abcde", 2, 2, "abcde"}, {"abcde", 3, 1, "abcde"}, {"abcde", -1, 2, "abcde"},
        {"abcde", 5, 5, "abcde"}, {"abcde", 1, 6, "abcde"}, {"", 0, 0, ""},
    };
    for (const auto& c : cases) {
        ScriptString s(c.text);
        s.Erase(c.from, c.to);
        EXPECT_STREQ(s.Text(), c.expected) << c.from << ".." << c.to;
        EXPECT_EQ(s.Length(), static_cast<int>(std::string(c.expected).size()));
    }
}

TEST(ScriptStringTest, TruncateCutsOnlyInsideTheText) {
    const RangeCase cases[] = {
        {"abcde", 2, 0, "ab"}, {"abcde", 0, 0, ""}, {"abcde", 5, 0, "abcde"}, {"abcde", -1, 0, "abcde"},
    };
    for (const auto& c : cases) {
        ScriptString s(c.text);
        s.Truncate(c.from);
        EXPECT_STREQ(s.Text(), c.expected) << c.from;
        EXPECT_EQ(s.Length(), static_cast<int>(std::string(c.expected).size()));
    }
}

TEST(ScriptStringTest, AssignMidTakesAValidRangeElseEmpties) {
    const RangeCase cases[] = {
        {"abcdef", 1, 4, "bcd"}, {"abcdef", 0, 6, "abcdef"}, {"abcdef", 2, 2, ""},
        {"abcdef", 4, 2, ""},    {"abcdef", -1, 2, ""},      {"abcdef", 6, 6, ""},
        {"abcdef", 0, 7, ""},
    };
    for (const auto& c : cases) {
        const ScriptString source(c.text);
        ScriptString s("previous");
        s.AssignMid(source, c.from, c.to);
        EXPECT_STREQ(s.Text(), c.expected) << c.from << ".." << c.to;
        EXPECT_EQ(s.Length(), static_cast<int>(std::string(c.expected).size()));
    }
}

TEST(ScriptStringTest, AssignMidSizesTheBufferAndAcceptsItselfAsSource) {
    const ScriptString source("abcdefgh");
    ScriptString s;
    s.AssignMid(source, 2, 7);
    EXPECT_STREQ(s.Text(), "cdefg");
    EXPECT_EQ(s.Capacity(), 6);

    s.AssignMid(s, 1, 4);
    EXPECT_STREQ(s.Text(), "def");
    EXPECT_EQ(s.Capacity(), 6);

    s.AssignMid(s, 1, 1);
    EXPECT_STREQ(s.Text(), "");
    EXPECT_EQ(s.Capacity(), 1);
}

struct SetCase {
    const char* text;
    const char* set;
    int lastNotOf;
    int firstOf;
};

TEST(ScriptStringTest, SetSearches) {
    const SetCase cases[] = {
        {"ab  ", " ", 1, 2},
        {"   ", " ", 3, 0},
        {"abc", " ", 2, 3},
        {"", " ", 0, 0},
        {"abc", "", 2, 3},
        {"a\tb \n", " \t\n", 2, 1},
    };
    for (const auto& c : cases) {
        const ScriptString s(c.text);
        EXPECT_EQ(s.FindLastNotOf(c.set), c.lastNotOf) << '"' << c.text << '"';
        EXPECT_EQ(s.FindFirstOf(c.set), c.firstOf) << '"' << c.text << '"';
    }
}

TEST(ScriptStringTest, StripTrailingRemovesOnlyTrailingSetCharacters) {
    const struct {
        const char* text;
        const char* set;
        const char* expected;
    } cases[] = {
        {"   ", " ", ""}, {"ab  ", " ", "ab"}, {" a b ", " ", " a b"},
        {"", " ", ""},    {"ab", "", "ab"},    {"ab\r\n", "\r\n", "ab"},
    };
    for (const auto& c : cases) {
        ScriptString s(c.text);
        s.StripTrailing(c.set);
        EXPECT_STREQ(s.Text(), c.expected) << '"' << c.text << '"';
        EXPECT_EQ(s.Length(), static_cast<int>(std::string(c.expected).size()));
    }
}

struct FindCase {
    const char* text;
    const char* needle;
    bool caseSensitive;
    int occurrence;
    int expected;
};

TEST(ScriptStringTest, FindCountsOccurrencesFromEitherEnd) {
    const FindCase cases[] = {
        {"aaa", "aa", true, 2, 1},        // overlapping matches
        {"aaa", "aa", true, 3, 3},        // too few: the length
        {"abc", "x", true, 1, 3},
        {"abc", "x", true, -1, -1},
        {"abc", "b", true, 0, 3},
        {"abcabc", "bc", true, 1, 1},
        {"abcabc", "bc", true, 2, 4},
        {"abcabc", "bc", true, -1, 4},
        {"abcabc", "bc", true, -2, 1},
        {"abcabc", "bc", true, -3, -1},
        {"abc", "abcd", true, 1, 3},
        {"abc", "abcd", true, -1, -1},    // needle longer than the text
        {"abc", "abc", true, -1, 0},
        {"aBc", "b", true, 1, 3},
        {"aBc", "b", false, 1, 1},
        {"ABab", "ab", false, -2, 0},
        {"", "a", true, 1, 0},
        {"abc", "", true, 2, 1},
    };
    for (const auto& c : cases) {
        const ScriptString s(c.text);
        EXPECT_EQ(s.Find(c.needle, c.caseSensitive, c.occurrence), c.expected)
            << c.text << " / " << c.needle << " #" << c.occurrence;
    }
}

TEST(ScriptStringTest, CompareNoCaseFoldsAsciiToLowerCaseOnly) {
    EXPECT_EQ(ScriptString("abc").CompareNoCase("ABC"), 0);
    EXPECT_LT(ScriptString("abc").CompareNoCase("ABD"), 0);
    EXPECT_GT(ScriptString("abcd").CompareNoCase("ABC"), 0);
    // Folding to lower case puts '_' (0x5F) before the letters.
    EXPECT_LT(ScriptString("_").CompareNoCase("A"), 0);
    // Bytes above 0x7F compare unsigned.
    EXPECT_GT(ScriptString("\xE9").CompareNoCase("z"), 0);
}

TEST(ScriptStringTest, CompareNoCaseIgnoresTheInstalledCaseMapping) {
    const AccentCaseMapping accents;
    const ScopedCaseMapping installed(accents);
    EXPECT_NE(ScriptString("\xE9").CompareNoCase("\xC9"), 0);
}

TEST(ScriptStringTest, CaseConversionGoesThroughTheCaseMapping) {
    ScriptString portable("\xE9t\xC9");
    portable.ToUpper();
    EXPECT_STREQ(portable.Text(), "\xE9T\xC9");

    const AccentCaseMapping accents;
    const ScopedCaseMapping installed(accents);
    ScriptString upper("\xE9t\xC9");
    upper.ToUpper();
    EXPECT_STREQ(upper.Text(), "\xC9T\xC9");
    upper.ToLower();
    EXPECT_STREQ(upper.Text(), "\xE9t\xE9");
    EXPECT_EQ(upper.Length(), 3);
}

TEST(ScriptStringTest, EqualityIsExact) {
    const ScriptString s("Abc");
    EXPECT_TRUE(ScriptStringEqual("Abc", s));
    EXPECT_FALSE(ScriptStringEqual("abc", s));
    EXPECT_FALSE(ScriptStringEqual("Ab", s));
}

} // namespace
