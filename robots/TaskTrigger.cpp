#include "robots/TaskTrigger.h"

namespace {

bool CountInRange(int count, int high) { return count >= 1 && count <= high; }

void SetDate(TaskTrigger& trigger, int year, int month, int day) {
  trigger.beginYear = static_cast<std::uint16_t>(year);
  trigger.beginMonth = static_cast<std::uint16_t>(month);
  trigger.beginDay = static_cast<std::uint16_t>(day);
}

void SetTime(TaskTrigger& trigger, int hour, int minute) {
  trigger.startHour = static_cast<std::uint16_t>(hour);
  trigger.startMinute = static_cast<std::uint16_t>(minute);
}

}  // namespace

std::uint32_t DayOfMonthBit(int day) {
  if (day < 1 || day > kMaxDayOfMonth) return 0;
  return std::uint32_t{1} << (day - 1);
}

bool BuildTrigger(const ScheduleChoice& choice, const LocalTimeFields& now,
                  TaskTrigger& trigger) {
  TaskTrigger built;
  bool chosenDate = true;
  bool chosenTime = true;
  switch (choice.kind) {
    case ScheduleKind::kEveryDay:
      built.type = kTriggerDaily;
      built.daysInterval = 1;
      break;
    case ScheduleKind::kWeekdays:
      built.type = kTriggerWeekly;
      built.weeksInterval = 1;
      built.daysOfTheWeek = kWeekdayBits;
      break;
    case ScheduleKind::kEveryNDays:
      if (!CountInRange(choice.count, kMaxDaysInterval)) return false;
      built.type = kTriggerDaily;
      built.daysInterval = static_cast<std::uint16_t>(choice.count);
      break;
    case ScheduleKind::kWeekly:
      if (!CountInRange(choice.count, kMaxWeeksInterval) || choice.daysOfTheWeek == 0) {
        return false;
      }
      built.type = kTriggerWeekly;
      built.weeksInterval = static_cast<std::uint16_t>(choice.count);
      built.daysOfTheWeek = choice.daysOfTheWeek & 0x7F;
      chosenDate = false;
      break;
    case ScheduleKind::kMonthlyOnDay:
      if (!CountInRange(choice.count, kMaxDayOfMonth) || (choice.months & kAllMonthBits) == 0) {
        return false;
      }
      built.type = kTriggerMonthlyDate;
      built.days = DayOfMonthBit(choice.count);
      built.months = choice.months & kAllMonthBits;
      chosenDate = false;
      break;
    case ScheduleKind::kMonthlyOnWeekday:
      if (choice.whichWeek < 1 || choice.whichWeek > 5 || choice.daysOfTheWeek == 0 ||
          (choice.months & kAllMonthBits) == 0) {
        return false;
      }
      built.type = kTriggerMonthlyDayOfWeek;
      built.whichWeek = static_cast<std::uint16_t>(choice.whichWeek);
      built.daysOfTheWeek = choice.daysOfTheWeek & 0x7F;
      built.months = choice.months & kAllMonthBits;
      chosenDate = false;
      break;
    case ScheduleKind::kOnce:
      built.type = kTriggerOnce;
      break;
    case ScheduleKind::kAtSystemStart:
    case ScheduleKind::kAtLogon:
      built.type =
          choice.kind == ScheduleKind::kAtSystemStart ? kTriggerAtSystemStart : kTriggerAtLogon;
      chosenDate = false;
      chosenTime = false;
      break;
  }
  if (chosenDate) {
    SetDate(built, choice.year, choice.month, choice.day);
  } else {
    SetDate(built, now.year, now.month, now.day);
  }
  if (chosenTime) {
    SetTime(built, choice.hour, choice.minute);
  } else {
    SetTime(built, now.hour, now.minute);
  }
  trigger = built;
  return true;
}

bool ParseCountInRange(const std::string& text, int low, int high, int& value) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return false;
  size_t end = text.find_last_not_of(" \t") + 1;
  long long number = 0;
  for (size_t i = begin; i < end; ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
    if (number > high) return false;  // also keeps long texts from overflowing
  }
  if (number < low) return false;
  value = static_cast<int>(number);
  return true;
}

std::string CountRangeMessage(const std::string& what, int low, int high) {
  return "Please enter a whole number from " + std::to_string(low) + " to " +
         std::to_string(high) + " for " + what + ".";
}
