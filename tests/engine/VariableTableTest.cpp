#include "engine/values/VariableTable.h"

#include <gtest/gtest.h>

#include "tests/support/ValueMakers.h"

#include "tests/support/TestCaseMapping.h"

namespace {

const char* TextOf(const ScriptValue* v) {
    return v != nullptr ? v->GetText() : "<none>";
}

TEST(VariableScopeTest, FindIsExactAndAssignCopies) {
    VariableScope scope;
    ScriptValue value = Text("one");
    scope.Assign("NAME", value);
    value.SetText("changed");
    EXPECT_STREQ(TextOf(scope.Find("NAME")), "one");
    EXPECT_EQ(scope.Find("name"), nullptr);
    EXPECT_EQ(scope.Find("NAM"), nullptr);

    ScriptValue* stored = scope.Find("NAME");
    scope.Assign("OTHER", value);
    scope.Assign("NAME", Text("two"));
    EXPECT_EQ(scope.Find("NAME"), stored);  // reassigned in place
    EXPECT_STREQ(stored->GetText(), "two");
}

TEST(VariableScopeTest, AssigningThroughAReferenceChangesTheTarget) {
    ScriptValue target = Text("before");
    VariableScope scope;
    scope.Assign("R", Text("own"));
    scope.AssignReference("R", &target);
    EXPECT_EQ(scope.Find("R"), &target);
    scope.Assign("R", Text("after"));
    EXPECT_STREQ(target.GetText(), "after");
    scope.AssignReference("R", &target);
    EXPECT_EQ(scope.Find("R"), &target);
}

// Texts longer than a string's inline buffer, of one capacity.
constexpr char kLongOne[] = "a text long enough to live on the heap, one";
constexpr char kLongTwo[] = "a text long enough to live on the heap, two";

TEST(VariableTableTest, AnExistingVariableTakesATemporaryOver) {
    VariableTable table;
    table.Assign("n", Text(kLongOne), VariableTable::kGlobal);
    ScriptValue value = Text(kLongTwo);
    const char* storage = value.GetText();
    const auto made = ScriptString::HeapBuffersMade();
    table.Assign("N", std::move(value), VariableTable::kGlobal);
    EXPECT_EQ(ScriptString::HeapBuffersMade(), made);
    EXPECT_EQ(TextOf(table.Find("n", VariableTable::kGlobal)), storage);
    EXPECT_STREQ(storage, kLongTwo);
}

TEST(VariableTableTest, AValueIsCopiedOnceIntoTheVariablesOwnBuffer) {
    VariableTable table;
    table.Assign("n", Text(kLongOne), VariableTable::kAutomatic);
    const char* own = TextOf(table.Find("n", VariableTable::kAutomatic));
    const ScriptValue value = Text(kLongTwo);
    auto made = ScriptString::HeapBuffersMade();
    table.Assign("N", value, VariableTable::kAutomatic);
    EXPECT_EQ(ScriptString::HeapBuffersMade(), made);
    EXPECT_EQ(TextOf(table.Find("n", VariableTable::kAutomatic)), own);
    EXPECT_STREQ(own, kLongTwo);
    // A new name: one copy.
    made = ScriptString::HeapBuffersMade();
    table.Assign("other", value, VariableTable::kAutomatic);
    EXPECT_EQ(ScriptString::HeapBuffersMade(), made + 1);
    EXPECT_STREQ(TextOf(table.Find("OTHER", VariableTable::kAutomatic)), kLongTwo);
    // A value the variable itself holds stays as it is.
    ScriptValue* self = table.Find("N", VariableTable::kAutomatic);
    table.Assign("n", *self, VariableTable::kAutomatic);
    EXPECT_EQ(table.Find("N", VariableTable::kAutomatic), self);
    EXPECT_STREQ(TextOf(self), kLongTwo);
}

TEST(VariableTableTest, FindInGivesAKeptNameOnlyInTheScopeAssignWritesTo) {
    VariableTable table;
    ResolvedName kept;
    table.Assign("n", Text("global"), VariableTable::kGlobal);
    ScriptValue* global = table.Find("N", VariableTable::kGlobal);
    for (int scope : {VariableTable::kAutomatic, VariableTable::kLocal, VariableTable::kGlobal})
        EXPECT_EQ(table.FindIn("n", kept, scope), global) << scope;
    EXPECT_EQ(table.FindIn("n", kept, 7), nullptr);
    table.PushScope();
    EXPECT_EQ(table.FindIn("n", kept, VariableTable::kAutomatic), nullptr);
    EXPECT_EQ(table.FindIn("n", kept, VariableTable::kLocal), nullptr);
    EXPECT_EQ(table.FindIn("n", kept, VariableTable::kGlobal), global);
    table.Assign("n", Text("local"), VariableTable::kLocal);
    ScriptValue* local = table.Find("N", VariableTable::kLocal);
    EXPECT_EQ(table.FindIn("n", kept, VariableTable::kAutomatic), local);
    EXPECT_EQ(table.FindIn("n", kept, VariableTable::kLocal), local);
    EXPECT_EQ(table.FindIn("n", kept, VariableTable::kGlobal), nullptr);
    ResolvedName other;
    EXPECT_EQ(table.FindIn("missing", other, VariableTable::kAutomatic), nullptr);
}

TEST(VariableTableTest, NamesAreCaseInsensitive) {
    VariableTable table;
    table.Assign("Count", Text("1"), VariableTable::kGlobal);
    EXPECT_STREQ(TextOf(table.Find("COUNT", VariableTable::kAutomatic)), "1");
    EXPECT_STREQ(TextOf(table.Find("count", VariableTable::kGlobal)), "1");
}

TEST(VariableTableTest, NamesAreUpperCasedThroughTheCaseMapping) {
    const AccentCaseMapping accents;
    const ScopedCaseMapping installed(accents);
    VariableTable table;
    table.Assign("caf\xE9", Text("x"), VariableTable::kGlobal);
    EXPECT_NE(table.Find("CAF\xC9", VariableTable::kGlobal), nullptr);
    EXPECT_NE(table.Find("Caf\xE9", VariableTable::kGlobal), nullptr);
}

TEST(VariableTableTest, ScopesSelectWhereAssignAndFindGo) {
    VariableTable table;
    table.Assign("g", Text("global"), VariableTable::kAutomatic);  // no local scope yet
    table.PushScope();
    table.Assign("g", Text("local"), VariableTable::kLocal);
    table.Assign("x", Text("auto"), VariableTable::kAutomatic);
    EXPECT_FALSE(table.Assign("y", Text("nowhere"), 3));

    EXPECT_STREQ(TextOf(table.Find("g", VariableTable::kAutomatic)), "local");
    EXPECT_STREQ(TextOf(table.Find("g", VariableTable::kLocal)), "local");
    EXPECT_STREQ(TextOf(table.Find("g", VariableTable::kGlobal)), "global");
    EXPECT_EQ(table.Find("x", VariableTable::kGlobal), nullptr);
    EXPECT_EQ(table.Find("g", 3), nullptr);
    EXPECT_EQ(table.Find("y", VariableTable::kAutomatic), nullptr);

    table.Assign("h", Text("from inside"), VariableTable::kGlobal);
    table.PopScope();
    EXPECT_STREQ(TextOf(table.Find("g", VariableTable::kAutomatic)), "global");
    EXPECT_STREQ(TextOf(table.Find("h", VariableTable::kLocal)), "from inside");
    EXPECT_EQ(table.Find("x", VariableTable::kAutomatic), nullptr);
}

TEST(VariableTableTest, CallersLocalsAreNeverSearched) {
    VariableTable table;
    table.PushScope();
    table.Assign("caller", Text("outer"), VariableTable::kLocal);
    table.PushScope();
    EXPECT_EQ(table.Find("caller", VariableTable::kAutomatic), nullptr);
    EXPECT_EQ(table.Find("caller", VariableTable::kLocal), nullptr);
    EXPECT_EQ(table.IsDeclared("caller"), 0);
    table.PopScope();
    EXPECT_STREQ(TextOf(table.Find("caller", VariableTable::kAutomatic)), "outer");
}

TEST(VariableTableTest, ReferencesSurviveThePopOfTheReferencingScope) {
    VariableTable table;
    table.Assign("shared", Text("start"), VariableTable::kGlobal);
    ScriptValue* shared = table.Find("shared", VariableTable::kGlobal);

    EXPECT_FALSE(table.AssignReference("param", shared));  // no local scope
    table.PushScope();
    EXPECT_FALSE(table.AssignReference("param", nullptr));
    EXPECT_TRUE(table.AssignReference("param", shared));
    table.Assign("param", Text("set inside"), VariableTable::kAutomatic);
    table.PopScope();

    EXPECT_EQ(table.Find("shared", VariableTable::kGlobal), shared);
    EXPECT_STREQ(shared->GetText(), "set inside");
}

TEST(VariableTableTest, IsDeclaredTellsWhichScopeHoldsTheName) {
    VariableTable table;
    table.Assign("both", Text("g"), VariableTable::kGlobal);
    table.Assign("global", Text("g"), VariableTable::kGlobal);
    EXPECT_EQ(table.IsDeclared("both"), 1);
    table.PushScope();
    table.Assign("both", Text("l"), VariableTable::kLocal);
    table.Assign("local", Text("l"), VariableTable::kLocal);
    EXPECT_EQ(table.IsDeclared("BOTH"), -1);
    EXPECT_EQ(table.IsDeclared("local"), -1);
    EXPECT_EQ(table.IsDeclared("global"), 1);
    EXPECT_EQ(table.IsDeclared("missing"), 0);
}

TEST(VariableTableTest, PopWithoutALocalScopeKeepsTheGlobals) {
    VariableTable table;
    table.Assign("kept", Text("yes"), VariableTable::kGlobal);
    table.PopScope();
    EXPECT_FALSE(table.HasLocalScope());
    EXPECT_STREQ(TextOf(table.Find("kept", VariableTable::kLocal)), "yes");
}

// A kept name (ResolvedName) lives across calls: the scope of the next call
// of a function is its old one again, and the name must find that call's
// variable, never the last call's value, a rebound reference's old target or
// a variable of another function or depth.
TEST(VariableTableTest, KeptNamesFindTheVariablesOfTheCurrentCall) {
    VariableTable table;
    table.Assign("shared", Text("global"), VariableTable::kGlobal);
    ScriptValue first = Text("first target");
    ScriptValue second = Text("second target");
    const int functionA = 0;
    const int functionB = 0;
    ResolvedName x;
    ResolvedName y;
    ResolvedName shared;

    table.PushScope(&functionA);
    table.AssignReference("X", &first);
    table.Assign("Y", Text("y1"), VariableTable::kLocal);
    EXPECT_EQ(table.Find("X", x), &first);
    EXPECT_STREQ(TextOf(table.Find("Y", y)), "y1");
    EXPECT_STREQ(TextOf(table.Find("SHARED", shared)), "global");
    table.PopScope();

    // The next call binds the reference elsewhere.
    table.PushScope(&functionA);
    table.AssignReference("X", &second);
    table.Assign("Y", Text("y2"), VariableTable::kLocal);
    EXPECT_EQ(table.Find("X", x), &second);
    EXPECT_STREQ(TextOf(table.Find("Y", y)), "y2");
    // A local of the name read as a global before hides the global now.
    table.Assign("SHARED", Text("local"), VariableTable::kLocal);
    EXPECT_STREQ(TextOf(table.Find("SHARED", shared)), "local");

    // A recursive call has a scope of its own.
    table.PushScope(&functionA);
    table.Assign("Y", Text("deeper"), VariableTable::kLocal);
    EXPECT_STREQ(TextOf(table.Find("Y", y)), "deeper");
    EXPECT_EQ(table.Find("X", x), nullptr);
    EXPECT_STREQ(TextOf(table.Find("SHARED", shared)), "global");
    table.PopScope();
    EXPECT_EQ(table.Find("X", x), &second);
    EXPECT_STREQ(TextOf(table.Find("Y", y)), "y2");
    table.PopScope();

    // Another function, and the first one with its names in another order.
    table.PushScope(&functionB);
    table.Assign("Y", Text("b"), VariableTable::kLocal);
    EXPECT_STREQ(TextOf(table.Find("Y", y)), "b");
    EXPECT_EQ(table.Find("X", x), nullptr);
    table.PopScope();
    table.PushScope(&functionA);
    table.Assign("Y", Text("y3"), VariableTable::kLocal);
    table.AssignReference("X", &first);
    EXPECT_STREQ(TextOf(table.Find("Y", y)), "y3");
    EXPECT_EQ(table.Find("X", x), &first);
    table.PopScope();

    // Popped, the function's values are gone; the reference targets stay.
    EXPECT_EQ(table.Find("Y", y), nullptr);
    EXPECT_STREQ(first.GetText(), "first target");
    EXPECT_STREQ(second.GetText(), "second target");
}

TEST(VariableScopeTest, RebindingAnOwnValueFreesItAndAssignGoesThroughTheReference) {
    VariableScope scope;
    ScriptValue target = Text("target");
    scope.Assign("R", Text("own"));
    scope.AssignReference("R", &target);
    scope.Recycle();
    // The name comes back as a value of its own, new, not the old text.
    scope.Assign("R", Text("again"));
    EXPECT_STREQ(TextOf(scope.Find("R")), "again");
    EXPECT_NE(scope.Find("R"), &target);
    EXPECT_STREQ(target.GetText(), "target");
}

} // namespace
