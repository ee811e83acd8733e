// Texts of file times: the time text a script gives FILESETTIME and the six
// texts of the array FILEGETTIME returns.
#pragma once

#include <array>
#include <string>

struct FileTimeFields {
  int year = 0;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

enum class FileTimeText { kNow, kGiven, kInvalid };

// Reads "YYYYMMDDhhmmss" by position: four characters of year, then two each
// while at least two remain (a missing month or day is 1, the rest 0); each
// field is read as a number the way atoi reads one. An empty text is the
// current time; a text shorter than four characters is invalid.
FileTimeText ParseFileTimeText(const std::string& text, FileTimeFields& fields);

// Year as "%4d", the others as "%02d".
std::array<std::string, 6> FormatFileTimeFields(const FileTimeFields& fields);
