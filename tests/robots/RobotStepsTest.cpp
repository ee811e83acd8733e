// The robot editor's steps: the lines its key page makes, where new steps go,
// and what a robot's lines become when it is opened and saved again.
#include <gtest/gtest.h>

#include "robots/ActionTranslator.h"
#include "robots/RobotSteps.h"

namespace {

TEST(KeyStepLine, CountOneAddsNoSuffix) {
  EXPECT_EQ(KeyStepLine("Key Press", "<Tab>", 3), "Key Press <Tab>, 3 times");
  EXPECT_EQ(KeyStepLine("Key Down", "a", 1), "Key Down a");
  EXPECT_EQ(KeyStepLine("Key Up", ",", 2), "Key Up ,, 2 times");
  EXPECT_EQ(KeyStepLine("Key Press", "", 3), "");
}

TEST(TextStepLine, EmptyTextMakesNoStep) {
  EXPECT_EQ(TextStepLine("hi"), "Input text hi");
  EXPECT_EQ(TextStepLine(""), "");
}

TEST(StepInsertRow, StepsKeepTheOrderInWhichTheyWereAdded) {
  // Adds n steps as the editor does: each new one becomes the selection.
  auto add = [](int rows, int selected, int count) {
    std::vector<int> places;
    int last = -1;
    for (int i = 0; i < count; ++i) {
      int row = StepInsertRow(rows, selected, last);
      places.push_back(row);
      ++rows;
      selected = last = row;
    }
    return places;
  };
  EXPECT_EQ(add(0, -1, 3), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(add(4, -1, 2), (std::vector<int>{4, 5}));
  // Row 1 chosen by the user: the first takes its place, the next go under.
  EXPECT_EQ(add(4, 1, 3), (std::vector<int>{1, 2, 3}));
}

TEST(StepInsertRow, ASelectionByTheUserTakesTheNextStep) {
  EXPECT_EQ(StepInsertRow(5, 2, -1), 2);
  EXPECT_EQ(StepInsertRow(5, 2, 3), 2);
  EXPECT_EQ(StepInsertRow(5, 3, 3), 4);
  EXPECT_EQ(StepInsertRow(5, 7, -1), 5);  // a row that is gone: append
}

TEST(ScriptLinesOfSteps, TranslatesDropsUnknownStepsAndKeepsEmptyLines) {
  EXPECT_EQ(ScriptLinesOfSteps({"Input text hi", "Key Press <Enter>, 3 times", "no such step", "",
                                "Wait 2 seconds"}),
            (std::vector<std::string>{R"(Send("hi", 1))", R"(KeySend("","","","<Enter>", 3))", "",
                                      "WAIT(2000)"}));
}

// Opening a robot in the editor and saving it again gives back every line:
// each form of the action language, annotations included, and every line of
// no action form, unchanged.
TEST(ScriptLinesOfSteps, OpenAndSaveKeepsEveryLine) {
  const std::vector<std::string> lines = {
      R"(MouseClick("left", 1))",
      R"(MouseClick("right", 3))",
      R"(MouseDoubleClick("left", 2))",
      R"(MouseWheel("up"))",
      R"(MouseWheel("down"))",
      R"(MouseDown("left"))",
      R"(MouseUp("right")-> At Win [2]=> [remove on faster speed])",
      "MouseMove(100, 200)",
      "MouseRelativeMove(-5, 7)",
      R"(KeySend("","","","<Enter>", 1))",
      R"(KeyUp("","","","a", 4))",
      R"(KeyDown("","","","<Shift>", 1)-> At Win [1]=> [remove on faster speed])",
      R"(KeySend("","","",",",1))",
      R"(KeyDown("","","",",", 3))",
      "WAIT(2000)",
      "WAITLONG(120000)",
      R"(Send("hi", 1))",
      "TAG $start",
      "GOTO $start",
      "For $count1 = 1 To 5",
      "Next",
      "Comment: ==== Start recorded actions ====",
      "If CheckColor(100,200,255,128,0,0) Then",
      "If CheckColor(-1,-1,1,2,3,2) Then",
      "Else",
      "EndIf",
      R"(Run("notepad.exe", "C:\", 1))",
      R"(RunWait("a.exe", "", 0))",
      R"(RunReadyInput("b.exe", "w", 5))",
      "Shutdown(1)",
      "Shutdown(0)",
      // No action form, or one that would save another line:
      "$x = 1",
      R"(send("lower"))",
      R"(Send("a""b"))",
      R"(Send("{ENTER}"))",
      R"(Run("c.exe", "", @SW_HIDE))",
      "Shutdown(9)",
      "MouseClick(\"middle\", 1)",
      "If $a = 1 Then",
      "",
      "   ",
  };
  std::vector<std::string> steps;
  for (const std::string& line : lines) steps.push_back(ScriptLineToAction(line));
  EXPECT_EQ(ScriptLinesOfSteps(steps), lines);
}

// A plain Send of text without key notation opens as typed text; saved, it
// becomes the raw Send that types the same.
TEST(ScriptLinesOfSteps, APlainSendComesBackAsItsRawForm) {
  EXPECT_EQ(ScriptLinesOfSteps({ScriptLineToAction(R"(Send("hi"))")}),
            (std::vector<std::string>{R"(Send("hi", 1))"}));
}

TEST(RepeatText, ModeOneRunsUntilTheEndKey) {
  EXPECT_EQ(RepeatText(0, 1), "Run 1 times");
  EXPECT_EQ(RepeatText(0, 5), "Run 5 times");
  EXPECT_EQ(RepeatText(1, 5), "Run until pressing end key");
}

TEST(CountInRange, TakesWholeNumbersInRangeOnly) {
  struct Case {
    const char* text;
    bool ok;
    int count;
  } cases[] = {
      {"1", true, 1},        {"999999", true, 999999}, {"5.75", true, 5}, {" 12 ", true, 12},
      {"+3", true, 3},       {"0007", true, 7},        {"0", false, 0},   {"-", false, 0},
      {"+", false, 0},       {"-5", false, 0},         {"", false, 0},    {"1000000", false, 0},
      {"99999999999", false, 0}, {"4294967297", false, 0}, {"12a", false, 0}, {".5", false, 0},
      {"1.2.3", false, 0},
  };
  for (const Case& c : cases) {
    int count = -1;
    EXPECT_EQ(CountInRange(c.text, 1, 999999, count), c.ok) << "text: " << c.text;
    if (c.ok) {
      EXPECT_EQ(count, c.count) << "text: " << c.text;
    }
  }
}

TEST(SaveRemovesOldFile, OnlyWhenTheNamesAreTwoFiles) {
  EXPECT_FALSE(SaveRemovesOldFile("", "new"));
  EXPECT_FALSE(SaveRemovesOldFile("Robot", "Robot"));
  EXPECT_FALSE(SaveRemovesOldFile("Robot", "robot"));
  EXPECT_TRUE(SaveRemovesOldFile("Robot", "Robot2"));
}

}  // namespace
