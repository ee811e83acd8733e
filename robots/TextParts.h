// Small text helpers of the robot code. Every cut checks its bounds: a part
// that the text does not hold comes back empty.
#pragma once

#include <string>
#include <vector>

bool StartsWith(const std::string& text, const std::string& prefix);
bool EndsWith(const std::string& text, const std::string& suffix);

// Equality without regard to the case of the letters A to Z.
bool EqualsNoCase(const std::string& a, const std::string& b);

// The text from `from` to the end; empty when `from` lies beyond the end.
std::string TextFrom(const std::string& text, std::size_t from);

// The text from `from` up to (not including) `to`; empty when either is
// std::string::npos or `to` does not lie after `from`.
std::string TextBetween(const std::string& text, std::size_t from, std::size_t to);

// The text without a final `suffix`, when it ends with one.
std::string WithoutSuffix(const std::string& text, const std::string& suffix);

// The pieces of the text between the separators ("a,,b" gives "a", "", "b").
std::vector<std::string> SplitText(const std::string& text, char separator);

// Blanks and tabs removed from the start, from the end, or from both ends.
std::string TrimLeadingBlanks(const std::string& text);
std::string TrimTrailingBlanks(const std::string& text);
std::string TrimBlanks(const std::string& text);

// The number a text starts with, read as C's atoi reads it (leading white
// space, a sign, decimal digits; anything else ends it), but with a defined
// result beyond the int range: it is clamped to the nearest int.
int AtoiText(const std::string& text);
