#include <gtest/gtest.h>

#include "controls/DeleteConfirmSetting.h"

namespace {

TEST(DeleteConfirmSetting, TheLineWritten) {
  EXPECT_EQ(DeleteConfirmFileText(true), "showcofm=0\n");
  EXPECT_EQ(DeleteConfirmFileText(false), "showcofm=1\n");
}

TEST(DeleteConfirmSetting, OnlyExactlyZeroSwitchesTheQuestionOff) {
  struct Case {
    const char* content;
    bool off;
  };
  const Case cases[] = {
      {"showcofm=0\n", true},
      {"showcofm=0", true},
      {"showcofm=0\r\n", true},
      {"other=1\nshowcofm=0\n", true},
      {"showcofm=00\n", false},
      {"showcofm=1\n", false},
      {"showcofm= 0\n", false},
      {"showcofm=\n", false},
      {"SHOWCOFM=0\n", false},
      {"showcofm=1\nshowcofm=0\n", false},  // the first such line decides
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsDeleteConfirmOffIn(c.content), c.off) << c.content;
}

}  // namespace
