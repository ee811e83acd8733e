#include "engine/scripting/ResultArray.h"

#include <gtest/gtest.h>

TEST(ResultArray, HoldsNElementsAddressedFromZero) {
  ScriptValue result;
  result.SetText("previous");
  ASSERT_TRUE(MakeResultArray(result, 4));
  EXPECT_TRUE(result.IsArray());
  EXPECT_EQ(result.GetElementCount(), 4);
  for (int i = 0; i < 4; ++i) ResultElement(result, i)->SetInt(10 * i);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ResultElement(result, i)->GetInt(), 10 * i);
  EXPECT_EQ(ResultElement(result, 4), nullptr);
  EXPECT_EQ(ResultElement(result, -1), nullptr);
}

TEST(ResultArray, ReshapesAnEarlierArrayAndRefusesBadSizes) {
  ScriptValue result;
  ASSERT_TRUE(MakeResultArray(result, 7));
  ResultElement(result, 6)->SetText("x");
  ASSERT_TRUE(MakeResultArray(result, 2));
  EXPECT_EQ(result.GetElementCount(), 2);
  EXPECT_EQ(ResultElement(result, 1)->GetInt(), 0);
  EXPECT_FALSE(MakeResultArray(result, -1));
  EXPECT_FALSE(result.IsArray());
  EXPECT_EQ(result.GetInt(), 0);
  ScriptValue number;
  EXPECT_EQ(ResultElement(number, 0), nullptr);
}

TEST(ResultArray, SetResultIntsFillsTheArrayInOrder) {
  ScriptValue result;
  result.SetInt(1);
  SetResultInts(result, {5, -2, 7, 0});
  ASSERT_TRUE(result.IsArray());
  EXPECT_EQ(result.GetElementCount(), 4);
  EXPECT_EQ(ResultElement(result, 0)->GetInt(), 5);
  EXPECT_EQ(ResultElement(result, 1)->GetInt(), -2);
  EXPECT_EQ(ResultElement(result, 2)->GetInt(), 7);
  EXPECT_EQ(ResultElement(result, 3)->GetInt(), 0);
}
