#include "engine/files/PathNames.h"

#include <gtest/gtest.h>

TEST(PathNames, StripTrailingBackslashRemovesOne) {
  std::string path = "C:\\a\\\\";
  StripTrailingBackslash(path);
  EXPECT_EQ(path, "C:\\a\\");
  std::string empty;
  StripTrailingBackslash(empty);
  EXPECT_EQ(empty, "");
}

TEST(PathNames, StripTrailingBackslashKeepsARoot) {
  struct Case {
    const char* path;
    const char* stripped;
  } cases[] = {
      {"D:\\", "D:\\"}, {"d:\\", "d:\\"}, {"\\", "\\"}, {"D:\\a\\", "D:\\a"},
      {"D:", "D:"},     {"1:\\", "1:"},   {"\\\\srv\\share\\", "\\\\srv\\share"},
  };
  for (const Case& c : cases) {
    std::string path = c.path;
    StripTrailingBackslash(path);
    EXPECT_EQ(path, c.stripped) << c.path;
  }
}

TEST(PathNames, TrailingBackslashIsAddedOnce) {
  EXPECT_EQ(WithTrailingBackslash("C:"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash(""), "\\");
  EXPECT_EQ(JoinPath("C:\\", "a.txt"), "C:\\a.txt");
  EXPECT_EQ(JoinPath("C:\\d", "a.txt"), "C:\\d\\a.txt");
}

TEST(PathNames, ShortcutNamesGetTheLinkExtensionOnce) {
  EXPECT_EQ(WithLinkExtension("C:\\a\\Tool"), "C:\\a\\Tool.lnk");
  EXPECT_EQ(WithLinkExtension("Tool.LNK"), "Tool.LNK");
  EXPECT_EQ(WithLinkExtension("Tool.lnk"), "Tool.lnk");
  EXPECT_EQ(WithLinkExtension("Tool.ln"), "Tool.ln.lnk");
  EXPECT_EQ(WithLinkExtension(""), ".lnk");
}

TEST(PathNames, DrivesDifferComparesDriveLetters) {
  EXPECT_FALSE(DrivesDiffer("C:\\a", "c:\\b\\c"));
  EXPECT_TRUE(DrivesDiffer("C:\\a", "D:\\a"));
  EXPECT_TRUE(DrivesDiffer("\\\\server\\share\\a", "\\\\server\\share\\b"));
  EXPECT_TRUE(DrivesDiffer("C:\\a", "\\\\server\\share"));
  EXPECT_EQ(DrivePart("z:\\x"), "z:");
  EXPECT_EQ(DrivePart("1:\\x"), "");
}

TEST(PathNames, TargetNamesFollowTheWildcardRule) {
  struct Case {
    const char* dest;
    const char* matched;
    const char* target;
  } cases[] = {
      {"D:\\out\\*.bak", "a.txt", "D:\\out\\a.bak"},
      {"D:\\out\\*.*", "a.txt", "D:\\out\\a.txt"},
      {"D:\\out\\x*y.*", "a.txt", "D:\\out\\xay.txt"},
      {"D:\\out\\new.*", "a.txt", "D:\\out\\new.txt"},
      {"D:\\out\\*", "a.txt", "D:\\out\\a.txt"},
      {"D:\\out\\*", "README", "D:\\out\\README"},
      {"D:\\out\\*.*", "README", "D:\\out\\README"},
      {"D:\\out\\*.b*k*", "a.txt", "D:\\out\\a.btxtk"},
      {"D:\\out\\p**q.bak", "a.b.txt", "D:\\out\\pa.bq.bak"},
      {"D:\\out\\fixed.txt", "a.txt", "D:\\out\\fixed.txt"},
      {"*.old", "a.txt", "a.old"},
  };
  for (const Case& c : cases) EXPECT_EQ(BuildTargetName(c.dest, c.matched), c.target) << c.dest;
}
