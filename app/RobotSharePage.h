// The share form's page: an HTML form, filled in from a robot file and the
// machine, that posts the robot to the maker's upload service. Pure text
// work; the dialog that shows it is CRobotUploadDlg.
#pragma once

#include <string>
#include <vector>

#include "engine/ports/OsVersionInfo.h"

// Where the form posts to: the maker's host and the upload script on it.
inline constexpr char kUploadHost[] = "http://www.tarnwick.example";
inline constexpr char kUploadPath[] = "/cgi-bin/merlane/upload.pl";
// The program version the form reports.
inline constexpr char kShareVersion[] = "5.0";

struct SharePageFields {
  std::string robotFileName;             // with its extension
  std::vector<std::string> robotFileLines;
  int screenWidth = 0;
  int screenHeight = 0;
  std::string osName;
};

// The whole page. Every value is HTML-escaped: a robot file may come from
// another computer, and its text must stay text inside the form.
std::string BuildSharePage(const SharePageFields& fields);

// The rest of the last line that begins with "Description="; "" without one.
std::string RobotDescription(const std::vector<std::string>& lines);

// "&", "<", ">" and the double quote as character references.
std::string HtmlEscape(const std::string& text);

// The system's short name and code from the version record: "Win95" (1),
// "Win98" (2), "WinME" (3), "WinNT" (4), "Win2000" (5), "WinXP" (6); later NT
// versions leave both as they were, and a platform of neither family gives
// "Unknown OS". False when the record was never filled.
bool GetOSVersionName(const OsVersionInfo& os, int& code, std::string& name);
