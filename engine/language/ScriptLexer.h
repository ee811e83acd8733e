// Turns one script line into its tokens. Pure: errors come back as a message
// and a column; the interpreter reports them (CMerlane_Script::TokeniseLine).
#pragma once

#include <string>

#include "engine/language/ScriptTokenList.h"

struct LexError {
  std::string message;
  int column = 0;
};

// The 32 keywords, in the order of their indexes.
extern const char* const kKeywordNames[32];

// Keyword index of an upper-case word, or -1.
int FindKeyword(const std::string& upperWord);

// Clears the list and appends the line's tokens, always ending with an
// end-of-line token. With expandEnv, %NAME% in string literals is replaced by
// the environment variable. The rest of a line after TAG or GOTO is raw label
// text: it becomes one string literal. False on error (the list then ends
// with an end-of-line token after the tokens read so far).
bool TokeniseScriptLine(const std::string& line, bool expandEnv, ScriptTokenList& tokens, LexError* error);

// Upper case by the system's ANSI mapping (the case-mapping seam).
std::string ToUpperAnsi(std::string text);

// The longest literal that expansion leaves; it cuts longer ones.
constexpr int kMaxExpandedLength = 4095;

// %NAME% expansion of a string literal ("%%" gives "%"), cut to
// kMaxExpandedLength characters.
std::string ExpandEnvironmentStrings(const std::string& text);
