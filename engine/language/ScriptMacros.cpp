// The values of the "@" macros. Those that read the system's settings come
// from the script host port; the rest are the engine's own.
#include <cstdio>
#include <cstring>

#include "engine/ports/ClockPort.h"
#include "engine/language/MerlaneScript.h"
#include "engine/ports/ScriptHostPort.h"
#include "engine/language/ScriptLexer.h"

namespace {

const char* const kMacroNames[] = {
    "ERROR", "SEC", "MIN", "HOUR", "MDAY", "MON", "YEAR", "WDAY", "YDAY", "PROGRAMFILESDIR",
    "COMMONFILESDIR", "MYDOCUMENTSDIR", "APPDATACOMMONDIR", "DESKTOPCOMMONDIR", "DOCUMENTSCOMMONDIR",
    "FAVORITESCOMMONDIR", "PROGRAMSCOMMONDIR", "STARTMENUCOMMONDIR", "STARTUPCOMMONDIR", "APPDATADIR",
    "DESKTOPDIR", "FAVORITESDIR", "PROGRAMSDIR", "STARTMENUDIR", "STARTUPDIR", "COMPUTERNAME",
    "WINDOWSDIR", "SYSTEMDIR", "SW_HIDE", "SW_MINIMIZE", "SW_MAXIMIZE", "SW_RESTORE", "SW_SHOW",
    "SW_SHOWDEFAULT", "SW_SHOWMAXIMIZED", "SW_SHOWMINIMIZED", "SW_SHOWMINNOACTIVE", "SW_SHOWNA",
    "SW_SHOWNOACTIVATE", "SW_SHOWNORMAL", "SCRIPTFULLPATH", "SCRIPTNAME", "SCRIPTDIR", "WORKINGDIR",
    "OSTYPE", "OSVERSION", "OSBUILD", "OSSERVICEPACK", "OSLANG", "DURIDOVERSION", "IPADDRESS1",
    "IPADDRESS2", "IPADDRESS3", "IPADDRESS4", "CR", "LF", "CRLF", "DESKTOPWIDTH", "DESKTOPHEIGHT",
    "DESKTOPDEPTH", "DESKTOPREFRESH", "COMPILED", "COMSPEC", "TAB", "USERNAME", "TEMPDIR",
    "USERPROFILEDIR", "HOMEDRIVE", "HOMEPATH", "HOMESHARE", "LOGONSERVER", "LOGONDOMAIN",
    "LOGONDNSDOMAIN"};
static_assert(sizeof(kMacroNames) / sizeof(kMacroNames[0]) == 73);

struct NamedNumber {
  const char* name;
  int value;
};

const NamedNumber kShowCommands[] = {
    {"SW_HIDE", 0},          {"SW_SHOWNORMAL", 1},    {"SW_SHOWMINIMIZED", 2}, {"SW_MAXIMIZE", 3},
    {"SW_SHOWMAXIMIZED", 3}, {"SW_SHOWNOACTIVATE", 4}, {"SW_SHOW", 5},         {"SW_MINIMIZE", 6},
    {"SW_SHOWMINNOACTIVE", 7}, {"SW_SHOWNA", 8},      {"SW_RESTORE", 9},       {"SW_SHOWDEFAULT", 10}};

struct NamedText {
  const char* name;
  const char* text;
};

const NamedText kFixedTexts[] = {{"CR", "\r"}, {"LF", "\n"}, {"CRLF", "\r\n"}, {"TAB", "\t"}};

// Macros that are environment variables of another name or the same name.
const NamedText kEnvironmentMacros[] = {
    {"COMSPEC", "COMSPEC"},         {"HOMEDRIVE", "HOMEDRIVE"},     {"HOMEPATH", "HOMEPATH"},
    {"HOMESHARE", "HOMESHARE"},     {"LOGONSERVER", "LOGONSERVER"}, {"LOGONDOMAIN", "USERDOMAIN"},
    {"LOGONDNSDOMAIN", "USERDNSDOMAIN"}};

bool IsMacroName(const std::string& name) {
  for (const char* macro : kMacroNames) {
    if (name == macro) return true;
  }
  return false;
}

// The date and time macros; false for other names.
bool TimeMacro(const std::string& name, ScriptValue& value) {
  static const char* const kTwoDigit[] = {"SEC", "MIN", "HOUR", "MDAY", "MON"};
  static const char* const kPlain[] = {"YEAR", "WDAY", "YDAY"};
  int which = -1;
  for (int i = 0; i < 5; ++i) {
    if (name == kTwoDigit[i]) which = i;
  }
  for (int i = 0; i < 3; ++i) {
    if (name == kPlain[i]) which = 5 + i;
  }
  if (which < 0) return false;
  LocalTimeFields now = GetClockPort().LocalTime();
  const int fields[] = {now.second, now.minute, now.hour, now.day, now.month, now.year, now.weekday, now.yearDay};
  char text[16];
  std::snprintf(text, sizeof text, which < 5 ? "%.2d" : "%d", fields[which]);
  value.SetText(text);
  return true;
}

}  // namespace

int CMerlane_Script::EvalMacro(const ScriptToken& token, ScriptValue& value) {
  std::string name = ToUpperAnsi(token.value.GetText());
  if (!IsMacroName(name)) {
    ReportLineError("Unknown macro.", token.column);
    return 1;
  }
  if (name == "ERROR") {
    value.SetInt(errorValue);
    return 0;
  }
  if (name == "COMPILED") {
    value.SetInt(0);
    return 0;
  }
  if (TimeMacro(name, value)) return 0;
  for (const NamedNumber& show : kShowCommands) {
    if (name == show.name) {
      value.SetInt(show.value);
      return 0;
    }
  }
  for (const NamedText& fixed : kFixedTexts) {
    if (name == fixed.name) {
      value.SetText(fixed.text);
      return 0;
    }
  }
  if (name == "SCRIPTFULLPATH" || name == "SCRIPTNAME" || name == "SCRIPTDIR") {
    const std::string& text = name == "SCRIPTFULLPATH" ? scriptFullPath
                              : name == "SCRIPTNAME"   ? scriptFileName
                                                       : scriptFolder;
    value.SetText(text.c_str());
    return 0;
  }
  ScriptHostPort& host = GetScriptHostPort();
  for (const NamedText& env : kEnvironmentMacros) {
    if (name == env.name) {
      std::string text;
      host.GetEnv(env.text, &text);
      value.SetText(text.c_str());
      return 0;
    }
  }
  MacroValue system;
  if (host.GetMacro(name, &system) && system.isNumber)
    value.SetDouble(system.number);
  else
    value.SetText(system.text.c_str());
  return 0;
}
