#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "engine/language/BuiltinTable.h"
#include "tests/support/EngineDoubles.h"
#include "tests/support/ScriptRunner.h"

namespace {

int Row(const char* name) { return FindBuiltin(name); }

TEST(BuiltinTable, HasTheRowsOfTheLanguageOnceEachInUpperCase) {
  const BuiltinRow* rows = GetBuiltinTable();
  std::set<std::string> names;
  for (int i = 0; i < kBuiltinCount; ++i) {
    names.insert(rows[i].name);
    for (const char* c = rows[i].name; *c; ++c) EXPECT_FALSE(std::islower(static_cast<unsigned char>(*c))) << rows[i].name;
    EXPECT_LE(rows[i].minArgs, rows[i].maxArgs) << rows[i].name;
    EXPECT_NE(rows[i].handler, nullptr) << rows[i].name;
  }
  EXPECT_EQ(names.size(), 216u);
  EXPECT_EQ(std::string(rows[0].name), "ABS");
  EXPECT_EQ(std::string(rows[215].name), "WINWAITNOTACTIVE");
  EXPECT_EQ(Row("SLEEP"), -1);
}

TEST(BuiltinTable, KeepsTheRowsThatStandOutOfAlphabeticalOrder) {
  // Each pair: a row and the row that follows it.
  const char* const pairs[][2] = {
      {"CONTROLSEND", "KEYSEND"}, {"KEYSEND", "KEYUP"},     {"KEYUP", "KEYDOWN"},
      {"KEYDOWN", "CONTROLSETTEXT"}, {"MOUSEDOUBLECLICK", "MOUSECLICKDRAG"}, {"MOUSEMOVE", "CHECKCOLOR"},
      {"RUN", "RUNREADYINPUT"},   {"SIN", "DELAY"},       {"WINWAIT", "WAIT"},
      {"WAIT", "WAITLONG"},       {"WAITLONG", "WINWAITACTIVE"}, {"DURIDOSETOPTION", "DURIDOWINGETTITLE"}};
  for (const auto& pair : pairs) EXPECT_EQ(Row(pair[0]) + 1, Row(pair[1])) << pair[0];
}

TEST(BuiltinTable, ArgumentCounts) {
  struct Count {
    const char* name;
    int min, max;
  };
  const Count counts[] = {{"BITAND", 2, 255}, {"STRINGFORMAT", 1, 33}, {"CHECKCOLOR", 6, 6},
                          {"ADLIBDISABLE", 0, 0}, {"SPLASHTEXTON", 2, 10}, {"FILECREATESHORTCUT", 2, 9},
                          {"RANDOM", 0, 2}, {"WINMENUSELECTITEM", 3, 9}};
  for (const Count& count : counts) {
    const BuiltinRow& row = GetBuiltinTable()[Row(count.name)];
    EXPECT_EQ(row.minArgs, count.min) << count.name;
    EXPECT_EQ(row.maxArgs, count.max) << count.name;
  }
}

TEST(BuiltinTable, NamesTheFamilyOfEachRow) {
  EXPECT_EQ(GetBuiltinTable()[Row("ABS")].family, BuiltinFamily::kMaths);
  EXPECT_EQ(GetBuiltinTable()[Row("STRINGLEN")].family, BuiltinFamily::kStrings);
  EXPECT_EQ(GetBuiltinTable()[Row("STRING")].family, BuiltinFamily::kMaths);
  EXPECT_EQ(GetBuiltinTable()[Row("CONTROLGETFOCUS")].family, BuiltinFamily::kWindows);
  EXPECT_EQ(GetBuiltinTable()[Row("KEYSEND")].family, BuiltinFamily::kControls);
  EXPECT_EQ(GetBuiltinTable()[Row("DELAY")].family, BuiltinFamily::kScriptControl);
  EXPECT_EQ(GetBuiltinTable()[Row("CDTRAY")].family, BuiltinFamily::kFiles);
  EXPECT_EQ(GetBuiltinTable()[Row("RUNASSET")].family, BuiltinFamily::kProcess);
}

TEST(BuiltinTable, BindingByNameReachesTheRowAndUnknownNamesAreRefused) {
  EXPECT_FALSE(BindBuiltin("NOSUCHFUNCTION", &BuiltinNotYetAvailable));
  ScriptRunner runner;
  ScopedBuiltin bound("ABS", [](CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
    // The dispatcher's presets are visible to the handler.
    EXPECT_EQ(result.GetNumber(), 1);
    EXPECT_EQ(engine.errorValue, 0);
    result.SetInt(args.GetAt(0).GetInt() * 10);
    engine.SetErrorValue(7);
    return 0;
  });
  runner.Load("bound.txt", "SetError(3)\n$a = Abs(4)\n$e = @error\n$b = Abs(Abs(1))");
  ScopedBuiltin setError("SETERROR", [](CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
    engine.SetErrorValue(args.GetAt(0).GetInt());
    return 0;
  });
  runner.Run();
  EXPECT_EQ(runner.Report({"a", "e", "b"}), "a=40\ne=7\nb=100\n");
}

TEST(BuiltinTable, AHandlerThatReturnsFatalEndsTheRun) {
  ScriptRunner runner;
  ScopedBuiltin bound("ABS", [](CMerlane_Script& engine, ScriptValueList&, ScriptValue&) {
    engine.ReportLineError("custom failure", -1);
    return 1;
  });
  runner.Load("fatal.txt", "$a = 1\n$b = Abs(1)\n$c = 3");
  runner.Run();
  EXPECT_EQ(runner.Report({"a", "b", "c"}),
            "a=1\nb=\nc=<undeclared>\nerror: Line 2  (File \"" + *runner.file.GetSourceFileName(0) +
                "\"):\\n\\n$b = Abs(1)\\n\\nError: custom failure\n");
  EXPECT_EQ(runner.engine.stopRequest, 1);
}

}  // namespace
