// The trigger each schedule choice makes, and the counts the wizard refuses.
#include "robots/TaskTrigger.h"

#include <gtest/gtest.h>

namespace {

LocalTimeFields Now() {
  LocalTimeFields now;
  now.year = 2026;
  now.month = 12;
  now.day = 10;
  now.hour = 1;
  now.minute = 45;
  return now;
}

ScheduleChoice Choice(ScheduleKind kind) {
  ScheduleChoice choice;
  choice.kind = kind;
  choice.year = 2024;
  choice.month = 5;
  choice.day = 1;
  choice.hour = 9;
  choice.minute = 30;
  return choice;
}

TaskTrigger Expected(int type, int year, int month, int day, int hour, int minute) {
  TaskTrigger trigger;
  trigger.type = type;
  trigger.beginYear = year;
  trigger.beginMonth = month;
  trigger.beginDay = day;
  trigger.startHour = hour;
  trigger.startMinute = minute;
  return trigger;
}

TaskTrigger Build(const ScheduleChoice& choice) {
  TaskTrigger trigger;
  EXPECT_TRUE(BuildTrigger(choice, Now(), trigger)) << static_cast<int>(choice.kind);
  return trigger;
}

TEST(TaskTrigger, EveryKindTakesItsTypeFieldsDateAndTime) {
  // Chosen date: every day, weekdays, every N days, once. Today: weekly and
  // monthly. Now: the event kinds.
  TaskTrigger everyDay = Expected(kTriggerDaily, 2024, 5, 1, 9, 30);
  everyDay.daysInterval = 1;
  EXPECT_EQ(Build(Choice(ScheduleKind::kEveryDay)), everyDay);

  TaskTrigger weekdays = Expected(kTriggerWeekly, 2024, 5, 1, 9, 30);
  weekdays.weeksInterval = 1;
  weekdays.daysOfTheWeek = 0x3E;
  EXPECT_EQ(Build(Choice(ScheduleKind::kWeekdays)), weekdays);

  ScheduleChoice everyN = Choice(ScheduleKind::kEveryNDays);
  everyN.count = 2;
  TaskTrigger everyTwoDays = Expected(kTriggerDaily, 2024, 5, 1, 9, 30);
  everyTwoDays.daysInterval = 2;
  EXPECT_EQ(Build(everyN), everyTwoDays);

  ScheduleChoice weeklyChoice = Choice(ScheduleKind::kWeekly);
  weeklyChoice.count = 3;
  weeklyChoice.daysOfTheWeek = kSundayBit | kMondayBit;
  TaskTrigger weekly = Expected(kTriggerWeekly, 2026, 12, 10, 9, 30);
  weekly.weeksInterval = 3;
  weekly.daysOfTheWeek = 0x03;
  EXPECT_EQ(Build(weeklyChoice), weekly);

  ScheduleChoice onDay = Choice(ScheduleKind::kMonthlyOnDay);
  onDay.count = 15;
  onDay.months = 0x801;
  TaskTrigger monthlyDate = Expected(kTriggerMonthlyDate, 2026, 12, 10, 9, 30);
  monthlyDate.days = 1u << 14;
  monthlyDate.months = 0x801;
  EXPECT_EQ(Build(onDay), monthlyDate);

  ScheduleChoice onWeekday = Choice(ScheduleKind::kMonthlyOnWeekday);
  onWeekday.whichWeek = 5;
  onWeekday.daysOfTheWeek = 0x40;
  onWeekday.months = kAllMonthBits;
  TaskTrigger monthlyDow = Expected(kTriggerMonthlyDayOfWeek, 2026, 12, 10, 9, 30);
  monthlyDow.whichWeek = 5;
  monthlyDow.daysOfTheWeek = 0x40;
  monthlyDow.months = 0xFFF;
  EXPECT_EQ(Build(onWeekday), monthlyDow);

  EXPECT_EQ(Build(Choice(ScheduleKind::kOnce)), Expected(kTriggerOnce, 2024, 5, 1, 9, 30));
  EXPECT_EQ(Build(Choice(ScheduleKind::kAtSystemStart)),
            Expected(kTriggerAtSystemStart, 2026, 12, 10, 1, 45));
  EXPECT_EQ(Build(Choice(ScheduleKind::kAtLogon)), Expected(kTriggerAtLogon, 2026, 12, 10, 1, 45));
}

TEST(TaskTrigger, DayOfMonthIsItsOwnBit) {
  EXPECT_EQ(DayOfMonthBit(1), 0x1u);
  EXPECT_EQ(DayOfMonthBit(3), 0x4u);
  EXPECT_EQ(DayOfMonthBit(31), 1u << 30);
  EXPECT_EQ(DayOfMonthBit(0), 0u);
  EXPECT_EQ(DayOfMonthBit(32), 0u);
}

TEST(TaskTrigger, CountsOutsideTheirRangeOrEmptySetsMakeNoTrigger) {
  struct Case {
    ScheduleKind kind;
    int count;
    std::uint16_t days;
    std::uint16_t months;
  };
  const Case refused[] = {
      {ScheduleKind::kEveryNDays, 0, 0, 0},      {ScheduleKind::kEveryNDays, 366, 0, 0},
      {ScheduleKind::kEveryNDays, 70000, 0, 0},  {ScheduleKind::kWeekly, 0, 0x2, 0},
      {ScheduleKind::kWeekly, 53, 0x2, 0},       {ScheduleKind::kWeekly, 1, 0, 0},
      {ScheduleKind::kMonthlyOnDay, 0, 0, 0x1},  {ScheduleKind::kMonthlyOnDay, 32, 0, 0x1},
      {ScheduleKind::kMonthlyOnDay, 33, 0, 0x1}, {ScheduleKind::kMonthlyOnDay, 1, 0, 0},
      {ScheduleKind::kMonthlyOnWeekday, 0, 0x2, 0},
  };
  for (const Case& c : refused) {
    ScheduleChoice choice = Choice(c.kind);
    choice.count = c.count;
    choice.daysOfTheWeek = c.days;
    choice.months = c.months;
    TaskTrigger untouched;
    untouched.startHour = 7;
    TaskTrigger trigger = untouched;
    EXPECT_FALSE(BuildTrigger(choice, Now(), trigger))
        << "kind " << static_cast<int>(c.kind) << " count " << c.count;
    EXPECT_EQ(trigger, untouched);
  }
}

TEST(TaskTrigger, ACountIsAWholeNumberInItsRange) {
  struct Case {
    const char* text;
    bool accepted;
    int value;
  };
  const Case cases[] = {
      {"1", true, 1},     {"365", true, 365},  {" 12 ", true, 12}, {"0", false, 0},
      {"366", false, 0},  {"", false, 0},      {"  ", false, 0},   {"-1", false, 0},
      {"1.5", false, 0},  {"7x", false, 0},    {"99999999999999999999", false, 0},
  };
  for (const Case& c : cases) {
    int value = -7;
    EXPECT_EQ(ParseCountInRange(c.text, 1, 365, value), c.accepted) << '"' << c.text << '"';
    EXPECT_EQ(value, c.accepted ? c.value : -7) << '"' << c.text << '"';
  }
  EXPECT_EQ(CountRangeMessage("the weeks", 1, 52),
            "Please enter a whole number from 1 to 52 for the weeks.");
}

}  // namespace
