// The file "dcm.ini" in the data folder: whether deleting actions asks first.
// Its one line is "showcofm=%d"; only the value 0 switches the question off.
#pragma once

#include <string>

constexpr char kDeleteConfirmFileName[] = "dcm.ini";

// The file's content for `confirmOff` (0 when off, 1 otherwise).
std::string DeleteConfirmFileText(bool confirmOff);

// True when the first line that begins with "showcofm=" holds exactly "0"
// after it. Lines end at a newline; a carriage return before it is not part
// of the line, as the file is read as text.
bool IsDeleteConfirmOffIn(const std::string& content);
