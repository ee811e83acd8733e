// One trigger of a scheduled task, in the fields of the Task Scheduler's
// 48-byte trigger record that this program fills, and the building of that
// trigger from what the schedule wizard asks. Kept free of the system's
// headers: the Windows wrapper copies it into the system's record and back.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ports/ClockPort.h"

// The scheduler's trigger types, with its numbers.
enum TaskTriggerType : int {
  kTriggerOnce = 0,
  kTriggerDaily = 1,
  kTriggerWeekly = 2,
  kTriggerMonthlyDate = 3,
  kTriggerMonthlyDayOfWeek = 4,
  kTriggerOnIdle = 5,
  kTriggerAtSystemStart = 6,
  kTriggerAtLogon = 7,
};

// Day-of-the-week bits: Sunday 0x1, Monday 0x2 ... Saturday 0x40.
constexpr std::uint16_t kSundayBit = 0x01;
constexpr std::uint16_t kMondayBit = 0x02;
constexpr std::uint16_t kWeekdayBits = 0x3E;  // Monday to Friday
constexpr std::uint16_t kAllMonthBits = 0xFFF;  // January 0x1 .. December 0x800

// The type-specific part holds the fields of the record's union that the
// trigger's type uses; the others stay 0.
struct TaskTrigger {
  std::uint16_t beginYear = 0;
  std::uint16_t beginMonth = 0;
  std::uint16_t beginDay = 0;
  std::uint16_t startHour = 0;
  std::uint16_t startMinute = 0;
  int type = kTriggerOnce;
  std::uint16_t daysInterval = 0;   // daily
  std::uint16_t weeksInterval = 0;  // weekly
  std::uint16_t daysOfTheWeek = 0;  // weekly, monthly on a weekday
  std::uint32_t days = 0;           // monthly on a date: bit N-1 = day N
  std::uint16_t whichWeek = 0;      // monthly on a weekday: 1..4, 5 = last
  std::uint16_t months = 0;         // monthly: January 0x1 .. December 0x800

  bool operator==(const TaskTrigger&) const = default;
};

// What the wizard's pages chose.
enum class ScheduleKind {
  kEveryDay,
  kWeekdays,
  kEveryNDays,
  kWeekly,
  kMonthlyOnDay,
  kMonthlyOnWeekday,
  kOnce,
  kAtSystemStart,
  kAtLogon,
};

struct ScheduleChoice {
  ScheduleKind kind = ScheduleKind::kEveryDay;
  // Every N days, every N weeks, or day N of the month.
  int count = 1;
  std::uint16_t daysOfTheWeek = 0;  // weekly: the ticked days; monthly: the one weekday
  std::uint16_t months = 0;
  int whichWeek = 1;  // 1..4, 5 = last
  // The date and time pickers of the kind's page.
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
};

// The inclusive ranges the wizard's spin controls allow.
constexpr int kMaxDaysInterval = 365;
constexpr int kMaxWeeksInterval = 52;
constexpr int kMaxDayOfMonth = 31;

// The trigger for a choice: begin date from the chosen date (every day,
// weekdays, every N days, once), today (weekly, monthly) or now (the two
// event kinds); start time from the chosen time, or now for the event kinds.
// A count outside its range gives false and leaves `trigger` alone: the
// record's fields would wrap or shift out of range.
bool BuildTrigger(const ScheduleChoice& choice, const LocalTimeFields& now,
                  TaskTrigger& trigger);

// The bit of day N of the month (1..31); 0 outside that range.
std::uint32_t DayOfMonthBit(int day);

// A whole number of the edit's text within [low, high]: digits only, blanks
// around them allowed. False for anything else.
bool ParseCountInRange(const std::string& text, int low, int high, int& value);

// The notice that a count is refused, naming its range.
std::string CountRangeMessage(const std::string& what, int low, int high);
