#include "engine/language/win32/SystemServices.h"

#include <gtest/gtest.h>

#include "engine/language/BuiltinTable.h"
#include "engine/ports/CaseMapping.h"
#include "engine/values/ScriptString.h"
#include "engine/ports/win32/Win32CaseMapping.h"

namespace {

TEST(SystemServicesTest, InstallsTheSystemCaseMapping) {
    InstallWindowsServices();
    EXPECT_NE(dynamic_cast<const Win32CaseMapping*>(&GetCaseMapping()), nullptr);

    ScriptString s("Mixed case 1_z");
    s.ToUpper();
    EXPECT_STREQ(s.Text(), "MIXED CASE 1_Z");
    s.ToLower();
    EXPECT_STREQ(s.Text(), "mixed case 1_z");
    EXPECT_EQ(s.Length(), 14);
}

} // namespace

// The Windows program has every built-in of the language: no row of the table
// may still answer through the placeholder once the services are installed.
TEST(SystemServicesTest, EveryBuiltinHasItsHandler) {
    InstallWindowsServices();
    BindPortableBuiltins();
    const BuiltinRow* rows = GetBuiltinTable();
    for (int i = 0; i < kBuiltinCount; ++i) {
        EXPECT_NE(rows[i].handler, &BuiltinNotYetAvailable) << rows[i].name;
    }
}
