// Small text routines over fixed buffers and files: owned copies, bounded
// copies and appends, line reading and carriage-return handling.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

// The C library's white-space set: space, tab, LF, VT, FF and CR.
bool IsWhiteSpace(char c);

// An owned copy of a C text (null for null).
std::unique_ptr<char[]> DuplicateString(const char* text);

// Copies at most size - 1 characters of src into dest and terminates it;
// a size of 0 writes nothing.
void BoundedCopy(char* dest, const char* src, size_t size);

// Appends src to the terminated text in dest while dest is shorter than
// limit characters (dest holds limit + 1 bytes); returns the new length.
size_t AppendBounded(const char* src, char* dest, size_t limit);

// Reads one line into buffer without its end ("\n", "\r\n" or a lone "\r",
// whose next character is put back), at most size - 1 characters; the rest
// of a longer line is left for the next call. Null at the end of the file
// before any character, or when size is 0.
char* ReadLine(char* buffer, size_t size, std::FILE* file);

// Reads one whole line of any length into line, without its "\n" and one
// "\r" before it; false at the end of the file before any character.
bool ReadWholeLine(std::FILE* file, std::string& line);

// A file opened with fopen, closed when it goes.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenedFile = std::unique_ptr<std::FILE, FileCloser>;
OpenedFile OpenFile(const std::string& path, const char* mode);

// Reads the bytes of a whole file into content; false when it cannot be
// opened or read to its end.
bool ReadWholeFile(const std::string& path, std::string& content);

// Deletes every "\r" in place.
void RemoveCR(std::string& text);

// The text with "\r\n" written for every "\n".
std::string AddCR(const std::string& text);

// Length + number of "\n" + 1: the size the text takes with AddCR, terminator
// included.
size_t AddCRLength(const std::string& text);
