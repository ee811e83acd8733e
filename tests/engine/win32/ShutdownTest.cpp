#include "engine/scripting/win32/Shutdown.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<UINT> requestedFlags;
BOOL answer = TRUE;

BOOL WINAPI RecordExit(UINT flags, DWORD reason) {
  requestedFlags.push_back(flags);
  EXPECT_EQ(reason, 0u);
  return answer;
}

// Never lets a test end the session: the request is recorded instead.
class Shutdown : public testing::Test {
 protected:
  void SetUp() override {
    requestedFlags.clear();
    SetExitWindowsFunction(RecordExit);
  }
  void TearDown() override { SetExitWindowsFunction(nullptr); }
};

}  // namespace

TEST_F(Shutdown, AsksTheSystemOnceWithTheFlagsGiven) {
  answer = TRUE;
  EXPECT_TRUE(ShutdownWindows(EWX_REBOOT | EWX_FORCE));
  EXPECT_EQ(requestedFlags, std::vector<UINT>{EWX_REBOOT | EWX_FORCE});
}

TEST_F(Shutdown, ARefusalIsReportedAsFailure) {
  answer = FALSE;
  EXPECT_FALSE(ShutdownWindows(EWX_LOGOFF));
  EXPECT_EQ(requestedFlags, std::vector<UINT>{EWX_LOGOFF});
}
