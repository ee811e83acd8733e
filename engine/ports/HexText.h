// Hexadecimal text of numbers and the red/blue exchange of colours.
#pragma once

#include <string>

// The low `digits` hexadecimal digits of value (upper case, as an unsigned
// 32-bit number); false, and out left alone, when the value needs more.
bool IntToHex(int value, std::string& out, int digits);

// Reads up to eight hexadecimal digits; true with the value when the whole
// text was read ("" gives 0), false with 0 for any other character or a
// longer text.
bool HexToInt(const std::string& text, int& value);

// Exchanges bits 0-7 and 16-23 (0xRRGGBB <-> 0xBBGGRR); the top byte becomes 0.
void SwapRedBlue(unsigned& colour);
