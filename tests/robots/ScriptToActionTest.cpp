// Script line -> action line, and the round trips between both forms.
#include <gtest/gtest.h>

#include "engine/keys/KeyNames.h"
#include "robots/ActionTranslator.h"
#include "tests/support/CapturedMessageBoxes.h"

namespace {

struct Row {
  const char* script;
  const char* action;
};

// Script lines written by the translator itself, with their action lines.
const std::vector<Row> kStoredForms = {
    {R"(MouseClick("left", 1))", "Mouse Left Click"},
    {R"(MouseClick("left", 3))", "Mouse Left Click, 3 times"},
    {R"(MouseClick("right", 1))", "Mouse Right Click"},
    {R"(MouseClick("right", 2))", "Mouse Right Click, 2 times"},
    {R"(MouseDoubleClick("left", 1))", "Mouse Double Click"},
    {R"(MouseDoubleClick("left", 5))", "Mouse Double Click, 5 times"},
    {R"(MouseWheel("up"))", "Mouse Scroll Up"},
    {R"(MouseWheel("down"))", "Mouse Scroll Down"},
    {R"(MouseDown("left"))", "Mouse Left Down"},
    {R"(MouseUp("left"))", "Mouse Left Up"},
    {R"(MouseDown("right"))", "Mouse Right Down"},
    {R"(MouseUp("right"))", "Mouse Right Up"},
    {"MouseMove(100, 200)", "Mouse move to 100, 200"},
    {"MouseRelativeMove(-5, 7)", "Relative mouse move -5, 7"},
    {R"(KeySend("","","","<Enter>", 1))", "Key Press <Enter>"},
    {R"(KeySend("","","","A", 3))", "Key Press A, 3 times"},
    {R"(KeyUp("","","","<Shift>", 1))", "Key Up <Shift>"},
    {R"(KeyUp("","","","B", 2))", "Key Up B, 2 times"},
    {R"(KeyDown("","","","<Ctrl>", 1))", "Key Down <Ctrl>"},
    {R"(KeyDown("","","","7", 5))", "Key Down 7, 5 times"},
    {R"(KeySend("","","",",",1))", "Key Press ,"},
    {R"(KeySend("","","",",", 3))", "Key Press ,, 3 times"},
    {R"(KeyUp("","","",",",1))", "Key Up ,"},
    {R"(KeyUp("","","",",", 2))", "Key Up ,, 2 times"},
    {R"(KeyDown("","","",",",1))", "Key Down ,"},
    {R"(KeyDown("","","",",", 4))", "Key Down ,, 4 times"},
    {"WAIT(2000)", "Wait 2000 milliseconds"},
    {"WAIT(60000)", "Wait 60000 milliseconds"},
    {"WAITLONG(120000)", "Wait 120000 milliseconds"},
    {R"(Send("Hello!", 1))", "Input text Hello!"},
    {R"(Send("a+b^c#d{e}", 1))", "Input text a+b^c#d{e}"},
    {R"(Send("", 1))", "Input text "},
    {"If CheckColor(100,200,255,128,0,0) Then", "If color at (100, 200) Equal to #FF8000, Then"},
    {"If CheckColor(5,6,10,11,12,1) Then", "If color at (5, 6) Unqual to #0A0B0C, Then"},
    {"If CheckColor(5,6,0,0,1,2) Then", "If color at (5, 6) Approximately equal to #000001, Then"},
    {"If CheckColor(-1,-1,0,255,0,0) Then", "If color at mouse point Equal to #00FF00, Then"},
    {"If CheckColor(-1,-1,18,52,86,1) Then", "If color at mouse point Unqual to #123456, Then"},
    {"If CheckColor(-1,7,1,2,3,2) Then", "If color at (-1, 7) Approximately equal to #010203, Then"},
    {"Else", "Else"},
    {"EndIf", "EndIf"},
    {"TAG $start", "TAG start"},
    {"GOTO $start", "Switch to TAG start"},
    {"For $count1 = 1 To 5", "Start loop1, loop 5 times"},
    {"For $count12 = 1 To 100", "Start loop12, loop 100 times"},
    {"Next", "End loop block"},
    {"Comment: ==== Start recorded actions ====", "Comment: ==== Start recorded actions ===="},
    {R"(RunReadyInput("notepad.exe", "C:\Temp", 1))", R"(Run notepad.exe|C:\Temp|1|1)"},
    {R"(RunWait("calc.exe", "C:\", 3))", R"(Run calc.exe|C:\|3|2)"},
    {R"(Run("calc.exe", "", 1))", "Run calc.exe||1|0"},
    {"Shutdown(1)", "Shut down computer"},
    {"Shutdown(8)", "Power off computer"},
    {"Shutdown(2)", "Restart computer"},
    {"Shutdown(0)", "Log off computer"},
    {R"(MouseDown("left")-> At Win [2]=> [remove on faster speed])",
     "Mouse Left Down At Win [2]=> [remove on faster speed]"},
    {R"(KeyDown("","","","<Shift>", 1)-> At Win [1]=> [remove on faster speed])",
     "Key Down <Shift> At Win [1]=> [remove on faster speed]"},
    {R"(Send("Hi", 1)-> At Win [0])", "Input text Hi At Win [0]"},
    {"WAIT(100)=> [remove on faster speed]", "Wait 100 milliseconds=> [remove on faster speed]"},
    {"Comment: -> At Win [1] note-> At Win [2]", "Comment: -> At Win [1] note At Win [2]"},
};

TEST(ScriptToAction, StoredFormsGiveTheirActionLines) {
  CapturedMessageBoxes boxes;
  for (const Row& row : kStoredForms) EXPECT_EQ(ScriptLineToAction(row.script), row.action) << row.script;
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST(RoundTrip, StoredFormsComeBackUnchanged) {
  for (const Row& row : kStoredForms) {
    EXPECT_EQ(ActionToScriptLine(ScriptLineToAction(row.script)), row.script) << row.script;
    EXPECT_EQ(ScriptLineToAction(ActionToScriptLine(row.action)), row.action) << row.action;
  }
}

// Actions as the editor and recorder write them that the editor shows
// differently once stored: waits in milliseconds, colours in capitals, counts of 1 dropped.
TEST(RoundTrip, ActionsComeBackInTheirStoredShape) {
  const Row rows[] = {
      {"Wait 2 seconds", "Wait 2000 milliseconds"},
      {"Wait 2 minutes", "Wait 120000 milliseconds"},
      {"Mouse Left Click, 1 times", "Mouse Left Click"},
      {"Key Press A, 1 times", "Key Press A"},
      {"If color at (100, 200) Equal to #ff8000, Then", "If color at (100, 200) Equal to #FF8000, Then"},
      {"Mouse Scroll up", "Mouse Scroll Up"},
      {"Key Down , At Win [1]", "Key Down ,"},
  };
  for (const Row& row : rows) EXPECT_EQ(ScriptLineToAction(ActionToScriptLine(row.script)), row.action) << row.script;
}

TEST(RoundTrip, EveryKeyNameInEveryKeyAction) {
  for (int code = 0; code <= kLastNamedKeyCode; ++code) {
    const std::string name = GetKeyName(code);
    if (name.empty()) continue;
    for (const char* verb : {"Key Press ", "Key Up ", "Key Down "}) {
      const std::string once = verb + name;
      const std::string thrice = verb + name + ", 3 times";  // the comma key: "Key Press ,, 3 times"
      EXPECT_EQ(ScriptLineToAction(ActionToScriptLine(once)), once);
      EXPECT_EQ(ScriptLineToAction(ActionToScriptLine(thrice)), thrice);
      const std::string tagged = verb + name + " At Win [4]=> [remove on faster speed]";
      if (name != ",") {
        EXPECT_EQ(ScriptLineToAction(ActionToScriptLine(tagged)), tagged);
      }
    }
  }
}

// Lines with no action form of their own, or whose action form would save as
// another line, are carried as they are: opening and saving keeps them.
TEST(ScriptToAction, LinesWithoutAnActionFormAreKeptAsTheyAre) {
  const char* lines[] = {
      R"(MsgBox(0, "Hi", "There"))",
      "If $a = 1 Then",
      "$x = 5",
      "   ",
      R"(ToolTip("x")=> [remove on faster speed])",
      R"(Send("{ENTER}"))",
      R"(Send("Hello!"))",
      R"(Send("say ""hi""", 1))",
      R"(Send("a", 0))",
      R"(Send("a"))-> At Win [1)",
      R"(Send("x-> At Win [1]", 1))",
      R"(MouseClick("middle", 1))",
      R"(MouseClick("LEFT", 1))",
      R"(MouseClick("left"))",
      R"(MouseDoubleClick("right", 1))",
      R"(MouseDown("middle"))",
      R"(MouseWheel("UP"))",
      R"(MouseWheel("sideways"))",
      "MouseMove(10,20)",
      "MouseMove(10)",
      "WAIT(61000)",
      "WAITLONG(500)",
      "WAIT(1.5)",
      "WAIT($delay)",
      "Shutdown(4)",
      "Shutdown()",
      "NextWindow()",
      R"(KeySend("","","","A", 1, 2))",
      R"(KeySend("A", 1))",
      R"(KeyDown("","","",",",1)-> At Win [1])",
      R"(KeyDown("","","",",", 1))",
      R"(Run("notepad.exe", "", 1)=> [remove on faster speed])",
      R"(Run("notepad.exe", "", 1)-> At Win [0])",
      R"(Run("notepad.exe"))",
      "If CheckColor(1, 2, 3, 4, 5, 0) Then",
      "If CheckColor(1,2,300,0,0,0) Then",
      "If CheckColor(1,2,3,4,5,7) Then",
      "If CheckColor(1,2,3,4,5,0)",
      "For $count1=1 To 5",
      "For $i = 1 To 5",
      "Comment",
      "comment: lower case",
      "MouseClick(\"left\", 1)-> At Win [1] At Win [2]",
  };
  CapturedMessageBoxes boxes;
  for (const std::string line : lines) {
    const std::string action = ScriptLineToAction(line);
    EXPECT_EQ(action, kScriptLineAction + line);
    EXPECT_EQ(ActionToScriptLine(action), line);
  }
}

TEST(ScriptToAction, EmptyLineStaysEmpty) { EXPECT_EQ(ScriptLineToAction(""), ""); }

// Send("T") types T through key notation, Send("T", 1) types it raw.
TEST(ScriptToAction, OldPlainSendLinesStayCompatible) {
  const Row rows[] = {
      {R"(Send("Hello", 1))", "Input text Hello"},
      {R"(Send("Hello"))", "Input text Hello"},
      {R"(Send("a}b c"))", "Input text a}b c"},
      {R"(Send(""))", "Input text "},
      {R"(Send("Hello")-> At Win [0]=> [remove on faster speed])",
       "Input text Hello At Win [0]=> [remove on faster speed]"},
      {R"(Send("Hello!"))", R"(Script: Send("Hello!"))"},
      {R"(Send("#x"))", R"(Script: Send("#x"))"},
      {R"(Send("a+b"))", R"(Script: Send("a+b"))"},
      {R"(Send("^c"))", R"(Script: Send("^c"))"},
      {R"(Send("{ENTER}"))", R"(Script: Send("{ENTER}"))"},
  };
  for (const Row& row : rows) EXPECT_EQ(ScriptLineToAction(row.script), row.action) << row.script;
  // Saving a plain line back types the same text, now raw.
  EXPECT_EQ(ActionToScriptLine(ScriptLineToAction(R"(Send("Hello"))")), R"(Send("Hello", 1))");
  EXPECT_EQ(ActionToScriptLine(ScriptLineToAction(R"(Send("{ENTER}"))")), R"(Send("{ENTER}"))");
}

TEST(ScriptToAction, RunLineWithOddFlagWarnsAndIsKept) {
  CapturedMessageBoxes boxes;
  const std::string line = R"(RunWait("calc.exe", "", @SW_SHOW))";
  EXPECT_EQ(ScriptLineToAction(line), kScriptLineAction + line);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Some error may happened");
  EXPECT_EQ(boxes.boxes[0].caption, "Warning");
  EXPECT_EQ(boxes.boxes[0].style, mb::kOk);
  EXPECT_EQ(boxes.boxes[0].owner, nullptr);

  boxes.boxes.clear();
  EXPECT_EQ(ScriptLineToAction(R"(RunReadyInput("a.exe", "b", 1))"), "Run a.exe|b|1|1");
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
