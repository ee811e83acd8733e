#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/windows/WindowTitleMatch.h"

namespace {

TEST(WindowTitleMatch, EachModeTestsTheTitleItsOwnWay) {
  const WindowIdentity notepad{"Untitled - Notepad", "Notepad", "0000ABCD"};
  struct Case {
    int mode;
    const char* title;
    bool expected;
  } cases[] = {
      {1, "Untitled", true},          {1, "Notepad", false},           {1, "untitled", false},
      {1, "", true},                  {2, "Notepad", true},            {2, "- Note", true},
      {2, "notepad", false},          {3, "Untitled - Notepad", true}, {3, "Untitled", false},
      {3, "Untitled - Notepad ", false},
      {4, "Untitled", true},          {4, "Notepad", false},
      {4, "classname=Notepad", true}, {4, "CLASSNAME=Notepad", true},  {4, "classname=notepad", false},
      {4, "classname=Note", false},   {4, "classname=", false},
      {4, "handle=0000ABCD", true},   {4, "Handle=0000abcd", true},    {4, "handle=ABCD", false},
      {0, "Untitled", false},         {5, "Untitled", false},          {-1, "", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TitleMatches(c.mode, c.title, notepad), c.expected) << "mode " << c.mode << " " << c.title;
}

TEST(WindowTitleMatch, SomeSearchesNeedNoWindowList) {
  struct Case {
    int mode;
    const char* title;
    const char* text;
    SearchShortcut expected;
  } cases[] = {
      {4, "", "", SearchShortcut::kPrevious},       {4, "", "some text", SearchShortcut::kPrevious},
      {4, "LAST", "", SearchShortcut::kPrevious},   {4, "last", "x", SearchShortcut::kPrevious},
      {4, "Active", "", SearchShortcut::kForeground}, {4, "lastly", "", SearchShortcut::kNone},
      {1, "", "", SearchShortcut::kForeground},     {2, "", "", SearchShortcut::kForeground},
      {3, "", "", SearchShortcut::kForeground},     {1, "", "text", SearchShortcut::kNone},
      {1, "last", "", SearchShortcut::kNone},       {3, "active", "", SearchShortcut::kNone},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TitleShortcut(c.mode, c.title, c.text), c.expected) << c.mode << " '" << c.title << "'";
}

TEST(WindowTitleMatch, HandleTextIsUpperCaseHexPaddedToThePointerWidth) {
  const size_t width = sizeof(void*) * 2;
  EXPECT_EQ(WindowHandleText(nullptr), std::string(width, '0'));
  EXPECT_EQ(WindowHandleText(reinterpret_cast<void*>(std::uintptr_t{0x1a2b})),
            std::string(width - 4, '0') + "1A2B");
  EXPECT_EQ(WindowHandleText(reinterpret_cast<void*>(std::uintptr_t{0xFEDCBA98})),
            std::string(width - 8, '0') + "FEDCBA98");
  // The text a script reads is what "handle=" finds again.
  void* window = reinterpret_cast<void*>(std::uintptr_t{0x30C4E});
  WindowIdentity identity{"A title", "Cls", WindowHandleText(window)};
  EXPECT_TRUE(TitleMatches(4, "handle=" + WindowHandleText(window), identity));
}

}  // namespace
