// Action line -> script line, one row per form of the action language.
#include <gtest/gtest.h>

#include "robots/ActionTranslator.h"

namespace {

struct Row {
  const char* action;
  const char* script;
};

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) EXPECT_EQ(ActionToScriptLine(row.action), row.script) << row.action;
}

TEST(ActionToScript, MouseActions) {
  ExpectRows({
      {"Mouse Left Click", R"(MouseClick("left", 1))"},
      {"Mouse Left Click, 3 times", R"(MouseClick("left", 3))"},
      {"Mouse Left Click, 1 times", R"(MouseClick("left", 1))"},
      {"Mouse Right Click", R"(MouseClick("right", 1))"},
      {"Mouse Right Click, 2 times", R"(MouseClick("right", 2))"},
      {"Mouse Double Click", R"(MouseDoubleClick("left", 1))"},
      {"Mouse Double Click, 4 times", R"(MouseDoubleClick("left", 4))"},
      {"Mouse Scroll Up", R"(MouseWheel("up"))"},
      {"Mouse Scroll up", R"(MouseWheel("up"))"},
      {"Mouse Scroll Down", R"(MouseWheel("down"))"},
      {"Mouse Scroll Sideways", R"(MouseWheel("down"))"},
      {"Mouse Left Down", R"(MouseDown("left"))"},
      {"Mouse Left Up", R"(MouseUp("left"))"},
      {"Mouse Right Down", R"(MouseDown("right"))"},
      {"Mouse Right Up", R"(MouseUp("right"))"},
      {"Mouse move to 100, 200", "MouseMove(100, 200)"},
      {"Relative mouse move -5, 7", "MouseRelativeMove(-5, 7)"},
  });
}

TEST(ActionToScript, KeyActions) {
  ExpectRows({
      {"Key Press <Enter>", R"(KeySend("","","","<Enter>", 1))"},
      {"Key Press A, 3 times", R"(KeySend("","","","A", 3))"},
      {"Key Up <Shift>", R"(KeyUp("","","","<Shift>", 1))"},
      {"Key Up B, 2 times", R"(KeyUp("","","","B", 2))"},
      {"Key Down <Ctrl>", R"(KeyDown("","","","<Ctrl>", 1))"},
      {"Key Down 7, 5 times", R"(KeyDown("","","","7", 5))"},
      {"Key Press ,", R"(KeySend("","","",",",1))"},
      {"Key Press ,, 3 times", R"(KeySend("","","",",", 3))"},
      {"Key Up ,", R"(KeyUp("","","",",",1))"},
      {"Key Up ,, 2 times", R"(KeyUp("","","",",", 2))"},
      {"Key Down ,", R"(KeyDown("","","",",",1))"},
      {"Key Down ,, 4 times", R"(KeyDown("","","",",", 4))"},
  });
}

TEST(ActionToScript, Waits) {
  ExpectRows({
      {"Wait 500 milliseconds", "WAIT(500)"},
      {"Wait 60000 milliseconds", "WAIT(60000)"},
      {"Wait 60001 milliseconds", "WAITLONG(60001)"},
      {"Wait 60 seconds", "WAIT(60000)"},
      {"Wait 61 seconds", "WAITLONG(61000)"},
      {"Wait 1 minutes", "WAIT(60000)"},
      {"Wait 2 minutes", "WAITLONG(120000)"},
      {"Wait 250", "WAIT(250)"},
      {"Wait x seconds", "WAIT(0)"},
      // Beyond the int range: written exactly, not wrapped to a negative wait.
      {"Wait 40000 minutes", "WAITLONG(2400000000)"},
  });
}

TEST(ActionToScript, InputTextIsSentRaw) {
  ExpectRows({
      {"Input text Hello!", R"(Send("Hello!", 1))"},
      {"Input text a+b^c#d{e}", R"(Send("a+b^c#d{e}", 1))"},
      {R"(Input text say "hi" now)", R"(Send("say hi now", 1))"},
      {"Input text ", R"(Send("", 1))"},
      {"Input text", R"(Send("", 1))"},
      // Line breaks would split the script line in the robot file.
      {"Input text first\r\nsecond\nthird\rfourth", R"(Send("firstsecondthirdfourth", 1))"},
  });
}

TEST(ActionToScript, ColourTests) {
  ExpectRows({
      {"If color at (100, 200) Equal to #FF8000, Then", "If CheckColor(100,200,255,128,0,0) Then"},
      {"If color at (100, 200) Equal to #ff8000, Then", "If CheckColor(100,200,255,128,0,0) Then"},
      {"If color at (5, 6) Unqual to #0A0B0C, Then", "If CheckColor(5,6,10,11,12,1) Then"},
      {"If color at (5, 6) Approximately equal to #000001, Then", "If CheckColor(5,6,0,0,1,2) Then"},
      {"If color at mouse point Equal to #00FF00, Then", "If CheckColor(-1,-1,0,255,0,0) Then"},
      {"If color at mouse point Unqual to #123456, Then", "If CheckColor(-1,-1,18,52,86,1) Then"},
      {"If color at mouse point Approximately equal to #FFFFFF, Then",
       "If CheckColor(-1,-1,255,255,255,2) Then"},
  });
}

TEST(ActionToScript, BlocksLabelsAndComments) {
  ExpectRows({
      {"Else", "Else"},
      {"EndIf", "EndIf"},
      {"TAG start", "TAG $start"},
      {"Switch to TAG start", "GOTO $start"},
      {"Start loop1, loop 5 times", "For $count1 = 1 To 5"},
      {"End loop block", "Next"},
      {"Comment: ==== Start recorded actions ====", "Comment: ==== Start recorded actions ===="},
  });
}

TEST(ActionToScript, RunAndShutdown) {
  ExpectRows({
      {R"(Run notepad.exe|C:\Temp|1|1)", R"(RunReadyInput("notepad.exe", "C:\Temp", 1))"},
      {R"(Run calc.exe|C:\|3|2)", R"(RunWait("calc.exe", "C:\", 3))"},
      {"Run calc.exe||1|0", R"(Run("calc.exe", "", 1))"},
      {"Run calc.exe||1|9", R"(Run("calc.exe", "", 1))"},
      {"Shut down computer", "Shutdown(1)"},
      {"Power off computer", "Shutdown(8)"},
      {"Restart computer", "Shutdown(2)"},
      {"Log off computer", "Shutdown(0)"},
      {"Shut down computer now", ""},
      {"Something else", ""},
      {"", ""},
  });
}

TEST(ActionToScript, WindowTagAndSpeedMarker) {
  ExpectRows({
      {"Mouse Left Down At Win [2]=> [remove on faster speed]",
       R"(MouseDown("left")-> At Win [2]=> [remove on faster speed])"},
      {"Key Down <Shift> At Win [1]=> [remove on faster speed]",
       R"(KeyDown("","","","<Shift>", 1)-> At Win [1]=> [remove on faster speed])"},
      {"Mouse Left Click, 2 times At Win [0]", R"(MouseClick("left", 2)-> At Win [0])"},
      {"Wait 100 milliseconds=> [remove on faster speed]", "WAIT(100)=> [remove on faster speed]"},
      // Only the last tag counts, and only with its closing bracket.
      {"Comment: At Win [1] note At Win [2]", "Comment: At Win [1] note-> At Win [2]"},
      {"Mouse Left Click At Win [2", R"(MouseClick("left", 1))"},
      {"Comment: => [remove on faster speed] inside", "Comment: => [remove on faster speed] inside"},
      // Comma-key and Run lines carry neither.
      {"Key Down , At Win [1]", R"(KeyDown("","","",",",1))"},
      {"Key Press ,, 2 times At Win [0]=> [remove on faster speed]", R"(KeySend("","","",",", 2))"},
      {"Run a.exe||1|0 At Win [3]=> [remove on faster speed]", R"(Run("a.exe", "", 1))"},
      // A line of no known form stays empty, tag or not.
      {"Nonsense At Win [1]=> [remove on faster speed]", ""},
  });
}

TEST(ActionToScript, ScriptLineFormGivesTheLineUnchanged) {
  ExpectRows({
      {"Script: If $a = 1 Then", "If $a = 1 Then"},
      {R"(Script: Send("{ENTER}")-> At Win [1]=> [remove on faster speed])",
       R"(Send("{ENTER}")-> At Win [1]=> [remove on faster speed])"},
      {"Script: Mouse Left Click", "Mouse Left Click"},
      {"Script: ", ""},
  });
}

// Parts that a short or odd line lacks come out empty or 0.
TEST(ActionToScript, MissingPartsAreEmpty) {
  ExpectRows({
      {"TAG", "TAG $"},
      {"Switch to TAG", "GOTO $"},
      {"Wait", "WAIT(0)"},
      {"Wait seconds", "WAIT(0)"},
      {"Waitseconds", "WAIT(0)"},
      {"Mouse Left Click times", R"(MouseClick("left", ))"},
      {"Mouse Left Click, times", R"(MouseClick("left", ))"},
      {"Mouse Left Clicktimes", R"(MouseClick("left", ))"},
      {"Key Press A, times", R"(KeySend("","","","A", ))"},
      {"Key Press A,", R"(KeySend("","","","A", ))"},
      {"Key Press ,,", R"(KeySend("","","",",",))"},
      {"Key Press ", R"(KeySend("","","","", 1))"},
      {"Mouse move to", "MouseMove(, )"},
      {"Mouse move to 5", "MouseMove(5, )"},
      {"Mouse move to 5,", "MouseMove(5, )"},
      {"Start loop", "For $count = 1 To "},
      {"Start loop2, loop times", "For $count2 = 1 To "},
      {"If color at (", "If CheckColor(,,0,0,0,2) Then"},
      {"If color at (1, 2", "If CheckColor(1,,0,0,0,2) Then"},
      {"If color at (1, 2) Equal to", "If CheckColor(1,2,0,0,0,0) Then"},
      {"If color at (1, 2) Equal to #F, Then", "If CheckColor(1,2,240,0,0,0) Then"},
      {"If color at (1, 2) Equal to #, Then", "If CheckColor(1,2,0,0,0,0) Then"},
      {"If color at mouse point", "If CheckColor(-1,-1,0,0,0,2) Then"},
      {"Run ", R"(Run("", "", ))"},
      {"Run x", R"(Run("", "", ))"},
      {"Run a|b", R"(Run("", "", a))"},
      {"Run prog|1|0", R"(Run("prog", "", 1))"},
  });
}

TEST(HexDigits, ValuesAndTexts) {
  const std::pair<const char*, int> values[] = {
      {"0", 0}, {"9", 9}, {"a", 10}, {"F", 15}, {"f", 15}, {"g", 0}, {"", 0}, {"10", 0}, {"-", 0}};
  for (const auto& [text, value] : values) EXPECT_EQ(HexDigitValue(text), value) << text;
  const std::pair<int, const char*> texts[] = {{0, "0"}, {9, "9"}, {10, "A"}, {15, "F"}, {16, ""}, {-1, ""}};
  for (const auto& [value, text] : texts) EXPECT_EQ(HexDigitText(value), text) << value;
}

}  // namespace
