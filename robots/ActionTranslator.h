// The two text forms of a robot step: the action line the robot editor shows
// ("Mouse Left Click, 3 times") and the script line the robot file stores
// ("MouseClick(\"left\", 3)"). Both functions are pure: one line in, one out.
#pragma once

#include <string>

// The script line of an action line; empty for a line of no known form.
std::string ActionToScriptLine(const std::string& actionLine);

// The action line of a script line. A script line that has no action form, or
// whose action form would not give the same line back, comes back as
// kScriptLineAction + the line unchanged, so that saving keeps it; an empty
// line stays empty.
std::string ScriptLineToAction(const std::string& scriptLine);

// The action form that carries a script line as it is.
inline constexpr const char* kScriptLineAction = "Script: ";

// "0".."9" give 0..9, "a".."f" in either case 10..15; any other text 0.
int HexDigitValue(const std::string& text);
// 0..15 give "0".."9", "A".."F"; any other value an empty text.
std::string HexDigitText(int value);
