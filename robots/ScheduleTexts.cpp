#include "robots/ScheduleTexts.h"

#include <cstdio>
#include <vector>

#include "engine/ports/CaseMapping.h"

namespace {

constexpr char kJobPrefix[] = "TarnwickSkiffbright_";
constexpr char kJobSuffix[] = ".job";
constexpr char kRunSwitch[] = "-a ";
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;

const char* const kWeekdayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January", "February", "March",     "April",
                                   "May",     "June",     "July",      "August",
                                   "September", "October", "November", "December"};
const char* const kWhichWeekNames[] = {"first", "second", "third", "fourth", "last"};

std::string Upper(std::string text) {
  if (!text.empty()) GetCaseMapping().Upper(text.data(), static_cast<int>(text.size()));
  return text;
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && Upper(a) == Upper(b);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// 0 = Sunday, for the Gregorian calendar.
int WeekdayOf(int year, int month, int day) {
  static const int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

std::string Printf(const char* format, int a, int b, int c = 0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

std::string ClockText(const TaskTrigger& trigger) {
  return Printf("%02d:%02d", trigger.startHour, trigger.startMinute);
}

std::string DateText(const TaskTrigger& trigger) {
  return Printf("%04d-%02d-%02d", trigger.beginYear, trigger.beginMonth, trigger.beginDay);
}

std::string Every(int count, const char* one, const char* many) {
  return count == 1 ? std::string("every ") + one
                    : "every " + std::to_string(count) + " " + many;
}

std::string DayNames(std::uint16_t bits) {
  // Monday first, as the wizard lists them.
  std::string names;
  for (int i = 1; i <= 7; ++i) {
    int day = i % 7;
    if (!(bits & (1 << day))) continue;
    if (!names.empty()) names += ", ";
    names += kWeekdayNames[day];
  }
  return names;
}

std::string MonthNames(std::uint16_t bits) {
  if ((bits & kAllMonthBits) == kAllMonthBits) return "every month";
  std::string names;
  for (int month = 0; month < 12; ++month) {
    if (!(bits & (1 << month))) continue;
    if (!names.empty()) names += ", ";
    names += std::string(kMonthNames[month]).substr(0, 3);
  }
  return names;
}

std::string DayNumbers(std::uint32_t bits) {
  std::string numbers;
  for (int day = 1; day <= 31; ++day) {
    if (!(bits & DayOfMonthBit(day))) continue;
    if (!numbers.empty()) numbers += ", ";
    numbers += std::to_string(day);
  }
  return numbers;
}

}  // namespace

std::string ScheduledJobName(const std::string& robotName) { return kJobPrefix + robotName; }

bool SameJobName(const std::string& a, const std::string& b) { return EqualNoCase(a, b); }

std::string JobNameWithoutSuffix(const std::string& listedName) {
  const size_t suffix = sizeof kJobSuffix - 1;
  if (listedName.size() >= suffix &&
      EqualNoCase(listedName.substr(listedName.size() - suffix), kJobSuffix)) {
    return listedName.substr(0, listedName.size() - suffix);
  }
  return listedName;
}

std::string RobotRunParameters(const std::string& robotName) { return kRunSwitch + robotName; }

bool ParametersNameRobot(const std::string& parameters, const std::string& robotName) {
  const size_t prefix = sizeof kRunSwitch - 1;
  if (parameters.size() < prefix || robotName.empty()) return false;
  return EqualNoCase(parameters.substr(0, prefix), kRunSwitch) &&
         EqualNoCase(parameters.substr(prefix), robotName);
}

std::string FormatRunTime(const TaskTime& time) {
  if (time.year == 0 || time.year == 1970) return "Never";
  // The system's time record holds the years 1601 to 30827; the weekday
  // arithmetic stays within an int for them.
  if (time.year < kFirstYear || time.year > kLastYear || time.month < 1 || time.month > 12 || time.day < 1 ||
      time.day > DaysInMonth(time.year, time.month) || time.hour < 0 || time.hour > 23 ||
      time.minute < 0 || time.minute > 59 || time.second < 0 || time.second > 59) {
    return "Never";
  }
  char text[96];
  std::snprintf(text, sizeof text, "%s, %s %02d, %04d  %02d:%02d:%02d",
                kWeekdayNames[WeekdayOf(time.year, time.month, time.day)],
                kMonthNames[time.month - 1], time.day, time.year, time.hour, time.minute,
                time.second);
  return text;
}

std::string TriggerText(const TaskTrigger& trigger) {
  std::string at = "At " + ClockText(trigger) + " ";
  std::string starting = ", starting " + DateText(trigger);
  switch (trigger.type) {
    case kTriggerOnce:
      return at + "on " + DateText(trigger);
    case kTriggerDaily:
      return at + Every(trigger.daysInterval, "day", "days") + starting;
    case kTriggerWeekly:
      return at + "every " + DayNames(trigger.daysOfTheWeek) + " of " +
             Every(trigger.weeksInterval, "week", "weeks") + starting;
    case kTriggerMonthlyDate:
      return at + "on day " + DayNumbers(trigger.days) + " of " + MonthNames(trigger.months) +
             starting;
    case kTriggerMonthlyDayOfWeek: {
      int which = trigger.whichWeek >= 1 && trigger.whichWeek <= 5 ? trigger.whichWeek : 1;
      return at + "on the " + kWhichWeekNames[which - 1] + " " +
             DayNames(trigger.daysOfTheWeek) + " of " + MonthNames(trigger.months) + starting;
    }
    case kTriggerOnIdle:
      return "Run when idle";
    case kTriggerAtSystemStart:
      return "Run at system startup";
    case kTriggerAtLogon:
      return "Run at user logon";
    default:
      return "";
  }
}

std::string NextRunText(int triggerType, const TaskTime& next) {
  if (triggerType == kTriggerAtSystemStart) return "Next startup";
  if (triggerType == kTriggerAtLogon) return "Next logon";
  return FormatRunTime(next);
}

namespace {

std::string ResultCode(std::int32_t result) {
  char code[32];
  std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(result));
  return code;
}

}  // namespace

std::string ScheduleErrorText(std::int32_t result, const std::string& systemText) {
  return "Error code: " + ResultCode(result) + "\n\n" +
         (systemText.empty() ? "Unknown error" : systemText);
}

std::string LostTaskText(const std::string& jobName, std::int32_t writeBack) {
  return "The task \"" + jobName + "\" that was there before could not be written back either " +
         "(error code " + ResultCode(writeBack) + "), so it is gone.";
}
