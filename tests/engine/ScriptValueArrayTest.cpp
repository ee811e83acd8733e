#include "engine/values/ScriptValue.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

void SetSubscripts(ScriptValue& v, const std::vector<int>& subscripts) {
    v.ClearSubscripts();
    for (int s : subscripts) {
        ASSERT_TRUE(v.PushSubscript(s));
    }
}

ScriptValue MakeArray(const std::vector<int>& shape) {
    ScriptValue v;
    SetSubscripts(v, shape);
    EXPECT_TRUE(v.CreateArray());
    return v;
}

ScriptValue* Element(ScriptValue& array, const std::vector<int>& subscripts) {
    SetSubscripts(array, subscripts);
    return array.GetElement();
}

TEST(ScriptValueArrayTest, BoundsReportTheShape) {
    const ScriptValue v = MakeArray({3, 4});
    EXPECT_TRUE(v.IsArray());
    EXPECT_EQ(v.GetElementCount(), 12);
    const int expected[] = {2, 3, 4, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(v.GetBound(i), expected[i]) << i;
    }
    EXPECT_EQ(v.GetBound(-1), 0);
}

TEST(ScriptValueArrayTest, ANinthSubscriptIsRefused) {
    ScriptValue v;
    for (int i = 0; i < ScriptValue::kMaxDimensions; ++i) {
        EXPECT_TRUE(v.PushSubscript(1));
    }
    EXPECT_FALSE(v.PushSubscript(1));
    EXPECT_EQ(v.GetSubscriptCount(), 8);
    ASSERT_TRUE(v.CreateArray());
    EXPECT_EQ(v.GetBound(0), 8);
}

TEST(ScriptValueArrayTest, CreateArrayCapsTheTotalSize) {
    const struct {
        std::vector<int> shape;
        bool created;
    } cases[] = {
        {{4096, 4096}, true},                 // exactly 16,777,216
        {{4097, 4096}, false},
        {{65536, 65536}, false},              // 2^32 wraps to 0 in 32 bits
        {{2, 65536, 65536, 2}, false},
        {{0, 5}, true},
        {{-1, 4}, false},
    };
    for (const auto& c : cases) {
        ScriptValue v;
        v.SetText("previous");
        SetSubscripts(v, c.shape);
        EXPECT_EQ(v.CreateArray(), c.created);
        if (!c.created) {
            EXPECT_TRUE(v.IsNumber());
            EXPECT_EQ(v.GetNumber(), 0.0);
            EXPECT_EQ(v.GetBound(0), 0);
        }
    }
}

TEST(ScriptValueArrayTest, FlatIndexIsRowMajorAndNeedsValidSubscripts) {
    ScriptValue v = MakeArray({2, 3, 4});
    SetSubscripts(v, {1, 2, 3});
    EXPECT_TRUE(v.SubscriptsValid());
    EXPECT_EQ(v.FlatIndex(), 1 * 12 + 2 * 4 + 3);
    SetSubscripts(v, {0, 1, 0});
    EXPECT_EQ(v.FlatIndex(), 4);

    const std::vector<std::vector<int>> invalid = {{1, 3, 0}, {2, 0, 0}, {-1, 0, 0}, {1, 2}, {0, 0, 0, 0}};
    for (const auto& bad : invalid) {
        SetSubscripts(v, bad);
        EXPECT_FALSE(v.SubscriptsValid());
        EXPECT_EQ(v.FlatIndex(), -1);
        EXPECT_EQ(v.GetElement(), nullptr);
    }

    ScriptValue scalar;
    EXPECT_EQ(scalar.FlatIndex(), -1);
}

TEST(ScriptValueArrayTest, ElementsAreCreatedOnFirstAccessAndKept) {
    ScriptValue v = MakeArray({2, 2});
    EXPECT_EQ(v.ExistingElement(3), nullptr);
    ScriptValue* element = Element(v, {1, 1});
    ASSERT_NE(element, nullptr);
    EXPECT_TRUE(element->IsNumber());
    EXPECT_EQ(element->GetNumber(), 0.0);
    element->SetText("kept");
    EXPECT_EQ(Element(v, {1, 1}), element);
    EXPECT_EQ(v.ExistingElement(3), element);
    EXPECT_EQ(v.ExistingElement(0), nullptr);
    EXPECT_EQ(v.ExistingElement(4), nullptr);
}

TEST(ScriptValueArrayTest, DeepCopyLeavesUntouchedElementsUntouched) {
    ScriptValue original = MakeArray({3});
    Element(original, {0})->SetText("first");
    ScriptValue* nested = Element(original, {2});
    SetSubscripts(*nested, {2});
    ASSERT_TRUE(nested->CreateArray());
    Element(*nested, {1})->SetInt(7);

    ScriptValue copy = MakeArray({5, 5});
    copy = original;
    ASSERT_TRUE(copy.IsArray());
    EXPECT_EQ(copy.GetBound(0), 1);
    EXPECT_EQ(copy.GetBound(1), 3);
    EXPECT_EQ(copy.ExistingElement(1), nullptr);
    ASSERT_NE(copy.ExistingElement(0), nullptr);
    EXPECT_STREQ(copy.ExistingElement(0)->GetText(), "first");
    ASSERT_NE(copy.ExistingElement(2), nullptr);
    EXPECT_EQ(copy.ExistingElement(2)->ExistingElement(0), nullptr);
    EXPECT_EQ(copy.ExistingElement(2)->ExistingElement(1)->GetInt(), 7);

    // Copies share nothing.
    Element(copy, {0})->SetText("changed");
    EXPECT_STREQ(original.ExistingElement(0)->GetText(), "first");
    EXPECT_NE(copy.ExistingElement(2), original.ExistingElement(2));
}

TEST(ScriptValueArrayTest, AssigningAnElementToItsOwnArrayIsSafe) {
    ScriptValue v = MakeArray({2});
    Element(v, {1})->SetText("inner");
    v = *Element(v, {1});
    EXPECT_TRUE(v.IsString());
    EXPECT_STREQ(v.GetText(), "inner");
}

TEST(ScriptValueArrayTest, CopyArrayPreserveKeepsTheCommonSubscripts) {
    ScriptValue old = MakeArray({2, 3});
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (i != 1 || j != 1) {  // [1][1] stays untouched
                Element(old, {i, j})->SetInt(10 * i + j);
            }
        }
    }
    ScriptValue resized = MakeArray({3, 2});
    resized.CopyArrayPreserve(old);

    EXPECT_EQ(Element(resized, {0, 0})->GetInt(), 0);
    EXPECT_EQ(Element(resized, {0, 1})->GetInt(), 1);
    EXPECT_EQ(Element(resized, {1, 0})->GetInt(), 10);
    // Flat indexes of the new shape: [i][j] = 2i + j.
    EXPECT_EQ(resized.ExistingElement(3), nullptr);  // [1][1]
    EXPECT_EQ(resized.ExistingElement(4), nullptr);  // [2][0]
    EXPECT_EQ(resized.ExistingElement(5), nullptr);  // [2][1]

    Element(resized, {0, 0})->SetInt(99);
    EXPECT_EQ(old.ExistingElement(0)->GetInt(), 0);
}

TEST(ScriptValueArrayTest, CopyArrayPreserveNeedsTheSameDimensionCount) {
    ScriptValue old = MakeArray({4});
    Element(old, {0})->SetInt(1);
    ScriptValue other = MakeArray({4, 1});
    other.CopyArrayPreserve(old);
    EXPECT_EQ(other.ExistingElement(0), nullptr);

    ScriptValue scalar;
    other.CopyArrayPreserve(scalar);
    EXPECT_EQ(other.ExistingElement(0), nullptr);
}

TEST(ScriptValueArrayTest, FreeArrayEmptiesIt) {
    ScriptValue v = MakeArray({2, 2});
    Element(v, {0, 1})->SetInt(1);
    v.FreeArray();
    EXPECT_EQ(v.GetElementCount(), 0);
    EXPECT_EQ(v.GetBound(0), 0);
    EXPECT_EQ(v.ExistingElement(1), nullptr);
}

// Assignment brings the other's content but leaves the target's pending
// subscripts where they were, whether the target was an array or not.
TEST(ScriptValueArrayTest, AssignmentKeepsTheTargetsPendingSubscripts) {
    ScriptValue plain;
    SetSubscripts(plain, {4, 5});
    ScriptValue array = MakeArray({2, 2});
    SetSubscripts(array, {1, 0});
    const ScriptValue text = [] {
        ScriptValue v;
        v.SetText("a text longer than any inline buffer of a string");
        return v;
    }();
    for (ScriptValue* target : {&plain, &array}) {
        const int pending = target->GetSubscriptCount();
        *target = text;
        EXPECT_TRUE(target->IsString());
        EXPECT_STREQ(target->GetText(), text.GetText());
        EXPECT_EQ(target->GetSubscriptCount(), pending);
        EXPECT_EQ(target->GetElementCount(), 0);
        EXPECT_EQ(target->GetBound(0), 0);
    }
    ScriptValue shortText;
    shortText.SetText("x");
    plain = shortText;
    EXPECT_STREQ(plain.GetText(), "x");
    EXPECT_EQ(plain.GetSubscriptCount(), 2);
}

TEST(ScriptValueArrayTest, AnArrayAssignedOverAPlainValueBringsItsShape) {
    ScriptValue source = MakeArray({3});
    Element(source, {2})->SetInt(7);
    ScriptValue target;
    target.SetText("before");
    SetSubscripts(target, {9});
    target = source;
    ASSERT_TRUE(target.IsArray());
    EXPECT_EQ(target.GetBound(1), 3);
    EXPECT_EQ(Element(target, {2})->GetInt(), 7);
    Element(target, {2})->SetInt(8);
    EXPECT_EQ(source.ExistingElement(2)->GetInt(), 7);
}

} // namespace

// Arrays nested far deeper than a thread's stack could follow call by call:
// a copy and the freeing of both must neither fault nor lose a level.
TEST(ScriptValueArrayTest, DeeplyNestedArraysCopyAndFreeWithoutRunningTheStackOut) {
    constexpr int kDepth = 200000;
    auto root = std::make_unique<ScriptValue>();
    ScriptValue* at = root.get();
    for (int level = 0; level < kDepth; ++level) {
        SetSubscripts(*at, {2});
        ASSERT_TRUE(at->CreateArray());
        Element(*at, {1})->SetInt(level);
        at = Element(*at, {0});
    }
    at->SetText("bottom");

    auto copy = std::make_unique<ScriptValue>(*root);
    root.reset();
    const ScriptValue* walk = copy.get();
    int level = 0;
    while (walk->IsArray()) {
        const ScriptValue* number = walk->ExistingElement(1);
        ASSERT_NE(number, nullptr) << "level " << level;
        ASSERT_EQ(number->GetInt(), level);
        walk = walk->ExistingElement(0);
        ASSERT_NE(walk, nullptr) << "level " << level;
        ++level;
    }
    EXPECT_EQ(level, kDepth);
    EXPECT_STREQ(walk->GetText(), "bottom");
    copy.reset();
}
