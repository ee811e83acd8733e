// The tips file ("tips.txt" beside the program, one tip per line) and the
// options file ("option.ini" in the data folder, the line "showtip=%d").
#pragma once

#include <string>
#include <vector>

// The lines of a tips file: every line counts, empty ones too; a line end
// (LF or CR LF) is not part of its line, and nothing follows the last one.
std::vector<std::string> SplitTipLines(const std::string& content);

// Reads a tips file; false (and no tips) when it cannot be opened.
bool ReadTipsFile(const std::string& path, std::vector<std::string>& tips);

// The show-tips flag after reading the options text: each line (read in
// pieces of at most 259 characters) whose first 8 characters are exactly
// "showtip=" sets 0 when the rest is exactly "0", else 1; later lines win,
// other lines leave `flag`.
int ParseShowTipOptions(const std::string& content, int flag);

// The whole options text for a flag: "showtip=%d\n".
std::string ShowTipOptionsText(int flag);

// Reads the options file into `flag`; a file that does not open leaves it.
void ReadShowTipOptions(const std::string& path, int& flag);
// Writes the options file (binary: exactly "showtip=%d\n"); false when it
// could not be written.
bool WriteShowTipOptions(const std::string& path, int flag);
