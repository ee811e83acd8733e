// Texts across the COM boundary keep every character and need no buffer of
// a guessed length.
#include "robots/win32/WideText.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WideText, RoundTripsLongAndNonAsciiTexts) {
  const std::string texts[] = {"", "typer", "Gr\xF6\xDF" "e robot", std::string(5000, 'x') + "!"};
  for (const std::string& text : texts) {
    std::wstring wide = AnsiToWide(text);
    EXPECT_EQ(WideToAnsi(wide.c_str()), text) << text.size() << " characters";
  }
  EXPECT_EQ(AnsiToWide("Gr\xF6\xDF" "e"), L"Gr\u00F6\u00DFe");  // the test prefix runs code page 1252
  EXPECT_EQ(WideToAnsi(nullptr), "");
}

}  // namespace
