#include "engine/UserFunctionList.h"

#include <gtest/gtest.h>


namespace {

UserFunction Function(const char* name, int line) {
  UserFunction function;
  function.name.Assign(name);
  function.funcLine = line;
  function.endFuncLine = line + 5;
  function.parameterCount = 2;
  return function;
}

}  // namespace

TEST(UserFunctionList, FindsTheFirstFunctionOfANameIgnoringCase) {
  UserFunctionList list;
  list.Append(Function("MYFUNC", 3));
  list.Append(Function("OTHER", 10));
  list.Append(Function("myfunc", 20));
  const UserFunction* found = list.Find("MyFunc");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->funcLine, 3);
  EXPECT_EQ(found->endFuncLine, 8);
  EXPECT_EQ(found->parameterCount, 2);
  EXPECT_EQ(list.Find("other")->funcLine, 10);
  EXPECT_EQ(list.Find("MISSING"), nullptr);
  EXPECT_EQ(list.Find("MYFUN"), nullptr);
}

TEST(UserFunctionList, AppendedCopiesStayPutAndClearEmptiesTheList) {
  UserFunctionList list;
  UserFunction function = Function("FIRST", 1);
  list.Append(function);
  const UserFunction* first = list.Find("FIRST");
  function.name.Assign("CHANGED");
  for (int i = 0; i < 1000; ++i) list.Append(Function("MORE", i));
  EXPECT_EQ(list.Find("FIRST"), first);
  EXPECT_EQ(list.Find("CHANGED"), nullptr);
  EXPECT_EQ(list.Count(), 1001);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Find("FIRST"), nullptr);
}
