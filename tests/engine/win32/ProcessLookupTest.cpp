#include "engine/scripting/win32/ProcessLookup.h"

#include <gtest/gtest.h>

#include "engine/ports/win32/OsVersionQuery.h"
#include "tests/support/win32/TestWindows.h"

namespace {

std::string OwnFileName() {
  std::string path = OwnProgramPath();
  return path.substr(path.rfind('\\') + 1);
}

// Runs the checks with both process lists: the Tool Help one and the psapi
// one that NT 4 uses.
class ProcessLookup : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    saved_ = QueryOsVersion();
    if (GetParam()) SetOsVersion(MakeOsVersionInfo(kPlatformNt, 4, 0, 1381, ""));
  }
  void TearDown() override { SetOsVersion(saved_); }

 private:
  OsVersionInfo saved_;
};

}  // namespace

TEST_P(ProcessLookup, FindsThisProcessByNameInAnyCase) {
  std::string name = OwnFileName();
  for (char& ch : name) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
  DWORD pid = 0;
  bool found = false;
  ASSERT_TRUE(FindProcess(name, pid, found));
  EXPECT_TRUE(found);
  EXPECT_EQ(pid, GetCurrentProcessId());
}

TEST_P(ProcessLookup, FindsThisProcessById) {
  DWORD pid = 0;
  bool found = false;
  ASSERT_TRUE(FindProcess(std::to_string(GetCurrentProcessId()), pid, found));
  EXPECT_TRUE(found);
  EXPECT_EQ(pid, GetCurrentProcessId());
}

TEST_P(ProcessLookup, FindsAnotherProgramByName) {
  EditWindowHelper helper("QM process lookup");
  ASSERT_TRUE(helper.Started());
  DWORD helperId = 0;
  GetWindowThreadProcessId(helper.Frame(), &helperId);
  DWORD pid = 0;
  bool found = false;
  ASSERT_TRUE(FindProcess("editwindowhelper.EXE", pid, found));
  EXPECT_TRUE(found);
  EXPECT_EQ(pid, helperId);
}

TEST_P(ProcessLookup, AMissingProcessIsNotFound) {
  DWORD pid = 12345;
  bool found = true;
  EXPECT_TRUE(FindProcess("no-such-program-qm.exe", pid, found));
  EXPECT_FALSE(found);
  EXPECT_EQ(pid, 12345u);
}

INSTANTIATE_TEST_SUITE_P(BothLists, ProcessLookup, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Psapi" : "ToolHelp"; });
