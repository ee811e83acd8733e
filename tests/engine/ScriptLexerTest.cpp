#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/language/ScriptLexer.h"

namespace {

using T = ScriptTokenType;

// "type@column" of each token, with literal and name payloads in brackets.
std::string Describe(const std::string& line, bool expandEnv = false) {
  ScriptTokenList tokens;
  LexError error;
  bool ok = TokeniseScriptLine(line, expandEnv, tokens, &error);
  std::string out;
  for (int i = 0; i < tokens.Count(); ++i) {
    const ScriptToken& token = tokens.GetAt(i);
    if (!out.empty()) out.append(" ");
    out.append(std::to_string(static_cast<int>(token.type))).append("@").append(std::to_string(token.column));
    if (token.type == T::kLiteral || token.type == T::kVariable || token.type == T::kMacro ||
        token.type == T::kUserFunction || token.type == T::kKeyword || token.type == T::kBuiltin)
      out.append("[").append(token.value.GetText()).append("]");
  }
  if (!ok) out.append(" ! ").append(error.message).append(" @").append(std::to_string(error.column));
  return out;
}

TEST(ScriptLexer, Tokens) {
  struct Case {
    const char* line;
    const char* tokens;
  };
  const Case cases[] = {
      {"$a=1;comment", "15@0[a] 3@2 2@3[1] 16@4"},
      {"'it''s' \"a'b\"", "2@0[it's] 2@8[a'b] 16@13"},
      {"0x10 0xG", "2@0[16] 2@5[0] 17@7[G] 16@8"},
      {"1e5 . 1.5e-3 2abc", "2@0[100000] 2@4[0] 2@6[0.0015] 2@13[2] 17@14[ABC] 16@17"},
      {"if If IF", "0@0[3] 0@3[3] 0@6[3] 16@8"},
      {"msgBox _x", "1@0[117] 17@7[_X] 16@9"},
      {"<= <> < >= > == = & ( ) * + , - / [ ] ^", "8@0 6@3 5@6 7@8 4@11 23@13 3@16 19@18 9@20 10@22 14@24 "
                                                   "11@26 18@28 12@30 13@32 20@34 21@36 24@38 16@39"},
      {"@Crlf $_1", "22@0[Crlf] 15@6[_1] 16@9"},
      {"GOTO $a b, (c)", "0@0[30] 2@5[$a b, (c)] 16@14"},
      {"If $x Then TAG $y z", "0@0[3] 15@3[x] 0@6[4] 0@11[29] 2@15[$y z] 16@19"},
      {"GOTO", "0@0[30] 2@4[] 16@4"},
      {"", "16@0"},
      {"   ; only", "16@3"},
      {"0x123456789", "16@11 ! Unable to parse line. @0"},
      {"$a = 1e", "15@0[a] 3@3 16@7 ! Unable to parse line. @5"},
      {"$a = 1e+", "15@0[a] 3@3 16@8 ! Unable to parse line. @5"},
      {"$", "16@1 ! Badly formated variable or macro. @0"},
      {"x = @", "17@0[X] 3@2 16@5 ! Badly formated variable or macro. @4"},
      {"#x", "16@2 ! Unable to parse line. @0"},
      {"$a = \"abc", "15@0[a] 3@3 16@9 ! String missing closing quote. @5"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(c.line), c.tokens) << c.line;
}

TEST(ScriptLexer, ExpandsEnvironmentStringsInLiteralsWhenAsked) {
#ifdef _WIN32
  _putenv("QM_LEXER_TEST=value");
#else
  setenv("QM_LEXER_TEST", "value", 1);
#endif
  EXPECT_EQ(Describe("'<%QM_LEXER_TEST%|%%|%QM_UNSET_NAME%>'", true), "2@0[<value|%|>] 16@38");
  EXPECT_EQ(Describe("'a%QM_LEXER_TEST'", true), "2@0[avalue] 16@17");
  EXPECT_EQ(Describe("'%QM_LEXER_TEST%'"), "2@0[%QM_LEXER_TEST%] 16@17");
}

}  // namespace
