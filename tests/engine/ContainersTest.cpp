#include <gtest/gtest.h>

#include "engine/language/IntStack.h"
#include "engine/language/ScriptBlockStack.h"
#include "engine/language/ScriptTokenList.h"
#include "engine/values/ScriptValueList.h"
#include "engine/values/ScriptValueStack.h"

namespace {

TEST(IntStackTest, LastInFirstOutWithZeroWhenEmpty) {
    IntStack stack;
    EXPECT_TRUE(stack.IsEmpty());
    EXPECT_EQ(stack.Top(), 0);
    stack.Push(5);
    stack.Push(-3);
    EXPECT_EQ(stack.Count(), 2);
    EXPECT_EQ(stack.Top(), -3);
    stack.Pop();
    EXPECT_EQ(stack.Top(), 5);
    stack.Pop();
    stack.Pop();
    EXPECT_TRUE(stack.IsEmpty());
    EXPECT_EQ(stack.Top(), 0);
}

TEST(ScriptBlockStackTest, PushCopiesTheRecordDeeply) {
    ScriptBlockStack stack;
    ScriptBlock block;
    block.kind = 12;
    block.openLine = 3;
    block.closeLine = 9;
    block.name.Assign("I");
    block.endValue.SetInt(10);
    block.stepValue.SetText("2");
    stack.Push(block);

    block.name.Assign("changed");
    block.stepValue.SetInt(-1);
    const ScriptBlock& top = stack.Top();
    EXPECT_EQ(top.kind, 12);
    EXPECT_EQ(top.closeLine, 9);
    EXPECT_STREQ(top.name.Text(), "I");
    EXPECT_EQ(top.endValue.GetInt(), 10);
    EXPECT_STREQ(top.stepValue.GetText(), "2");
}

TEST(ScriptBlockStackTest, WalksFromTheTopAndGivesDefaultsPastTheEnd) {
    ScriptBlockStack stack;
    EXPECT_EQ(stack.Top().targetLine, 0);
    EXPECT_TRUE(stack.Top().name.IsEmpty());
    for (int line : {4, 8, 15}) {
        ScriptBlock label;
        label.targetLine = line;
        stack.Push(label);
    }
    EXPECT_EQ(stack.FromTop(0).targetLine, 15);
    EXPECT_EQ(stack.FromTop(2).targetLine, 4);
    EXPECT_EQ(stack.FromTop(3).targetLine, 0);
    EXPECT_EQ(stack.FromTop(-1).targetLine, 0);
    stack.Pop();
    EXPECT_EQ(stack.Top().targetLine, 8);
    EXPECT_EQ(stack.Count(), 2);
}

TEST(ScriptValueStackTest, HoldsCopiesAndAZeroWhenEmpty) {
    ScriptValueStack stack;
    EXPECT_TRUE(stack.Top().IsNumber());
    EXPECT_EQ(stack.Top().GetNumber(), 0.0);
    ScriptValue value;
    value.SetText("pushed");
    stack.Push(value);
    value.SetText("changed");
    EXPECT_STREQ(stack.Top().GetText(), "pushed");
    stack.Pop();
    stack.Pop();
    EXPECT_TRUE(stack.IsEmpty());
    EXPECT_STREQ(stack.Top().GetText(), "0");
}

TEST(ScriptTokenListTest, ReadingPastTheEndYieldsEndOfLine) {
    ScriptTokenList tokens;
    EXPECT_EQ(tokens.GetAt(0).type, ScriptTokenType::kEndOfLine);
    ScriptToken variable;
    variable.type = ScriptTokenType::kVariable;
    variable.value.SetText("a");
    variable.column = 0;
    tokens.Add(variable);
    ScriptToken equal;
    equal.type = ScriptTokenType::kEqual;
    equal.column = 2;
    tokens.Add(equal);

    EXPECT_EQ(tokens.Count(), 2);
    EXPECT_EQ(tokens.GetAt(0).type, ScriptTokenType::kVariable);
    EXPECT_STREQ(tokens.GetAt(0).value.GetText(), "a");
    EXPECT_EQ(tokens.GetAt(1).column, 2);
    for (int i : {2, 100, -1}) {
        EXPECT_EQ(static_cast<int>(tokens.GetAt(i).type), 16) << i;
    }
    tokens.Clear();
    EXPECT_EQ(tokens.Count(), 0);
    EXPECT_EQ(tokens.GetAt(0).type, ScriptTokenType::kEndOfLine);
}

TEST(ScriptValueListTest, MissingArgumentsReadAsZero) {
    ScriptValueList arguments;
    ScriptValue value;
    value.SetText("first");
    arguments.Add(value);
    value.SetInt(2);
    arguments.Add(value);
    value.SetText("changed");

    EXPECT_EQ(arguments.Count(), 2);
    EXPECT_STREQ(arguments.GetAt(0).GetText(), "first");
    EXPECT_EQ(arguments.GetAt(1).GetInt(), 2);
    for (int i : {2, 7, -1}) {
        EXPECT_TRUE(arguments.GetAt(i).IsNumber()) << i;
        EXPECT_EQ(arguments.GetAt(i).GetNumber(), 0.0) << i;
    }
}

} // namespace
