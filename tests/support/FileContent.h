// Whole-file reads and writes for tests that check what file operations did.
#pragma once

#include <string>
#include <vector>

// Writes the bytes to the file (its folder must exist); a failure fails the test.
void WriteFileText(const std::string& file, const std::string& content);

// The file's bytes; "<missing>" when it cannot be read.
std::string ReadFileText(const std::string& file);

// True when a file or folder of that name exists.
bool PathExists(const std::string& path);

// The names in a folder (not "." and ".."), sorted; empty when it cannot be read.
std::vector<std::string> FolderListing(const std::string& folder);
