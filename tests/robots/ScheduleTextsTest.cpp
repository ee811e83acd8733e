// How a robot's task is named and found, and how its trigger and run times
// read in the schedule list.
#include "robots/ScheduleTexts.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ScheduleTexts, JobNameAndParametersCarryTheNameAsListed) {
  EXPECT_EQ(ScheduledJobName("My Robot"), "TarnwickSkiffbright_My Robot");
  EXPECT_EQ(RobotRunParameters("My Robot"), "-a My Robot");
  EXPECT_EQ(JobNameWithoutSuffix("TarnwickSkiffbright_x.job"), "TarnwickSkiffbright_x");
  EXPECT_EQ(JobNameWithoutSuffix("TarnwickSkiffbright_x.JOB"), "TarnwickSkiffbright_x");
  EXPECT_EQ(JobNameWithoutSuffix("TarnwickSkiffbright_x"), "TarnwickSkiffbright_x");
  EXPECT_EQ(JobNameWithoutSuffix(".job"), "");
  EXPECT_TRUE(SameJobName("TarnwickSkiffbright_ab", "TARNWICKSKIFFBRIGHT_AB"));
  EXPECT_FALSE(SameJobName("TarnwickSkiffbright_ab", "TarnwickSkiffbright_abc"));
}

TEST(ScheduleTexts, ParametersNameARobotOnlyAfterTheRunSwitch) {
  struct Case {
    const char* parameters;
    const char* robot;
    bool names;
  };
  const Case cases[] = {
      {"-a typer", "typer", true},       {"-A TYPER", "typer", true},
      {"-a My Robot", "my robot", true}, {"-a typer", "type", false},
      {"-a typ", "typer", false},        {"-a", "", false},
      {"", "", false},                   {"-a ", "", false},
      {"-b typer", "typer", false},      {"-atyper", "typer", false},
      {"/a typer", "typer", false},      {"-a  typer", "typer", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParametersNameRobot(c.parameters, c.robot), c.names)
        << '"' << c.parameters << "\" / \"" << c.robot << '"';
  }
}

TEST(ScheduleTexts, RunTimesInEnglishOrNever) {
  EXPECT_EQ(FormatRunTime({2024, 5, 0, 1, 9, 30, 0}), "Wednesday, May 01, 2024  09:30:00");
  EXPECT_EQ(FormatRunTime({2026, 12, 4, 10, 23, 5, 59}), "Thursday, December 10, 2026  23:05:59");
  EXPECT_EQ(FormatRunTime({2000, 2, 0, 29, 0, 0, 0}), "Tuesday, February 29, 2000  00:00:00");
  // The weekday is the date's own, not the record's.
  EXPECT_EQ(FormatRunTime({2024, 1, 6, 1, 12, 0, 0}), "Monday, January 01, 2024  12:00:00");
  EXPECT_EQ(FormatRunTime({}), "Never");
  EXPECT_EQ(FormatRunTime({1970, 1, 4, 1, 0, 0, 0}), "Never");
  EXPECT_EQ(FormatRunTime({2023, 2, 0, 29, 0, 0, 0}), "Never");
  EXPECT_EQ(FormatRunTime({2024, 13, 0, 1, 0, 0, 0}), "Never");
}

TEST(ScheduleTexts, YearsOutsideTheSystemsTimeRecordAreNoDate) {
  EXPECT_EQ(FormatRunTime({1601, 1, 0, 1, 0, 0, 0}), "Monday, January 01, 1601  00:00:00");
  EXPECT_EQ(FormatRunTime({30827, 12, 0, 31, 23, 59, 59}),
            "Friday, December 31, 30827  23:59:59");
  for (int year : {1600, 30828, 100000, std::numeric_limits<int>::max(), -1,
                   std::numeric_limits<int>::min()}) {
    EXPECT_EQ(FormatRunTime({year, 3, 0, 1, 0, 0, 0}), "Never") << "year " << year;
  }
}

TaskTrigger At(int type) {
  TaskTrigger trigger;
  trigger.type = type;
  trigger.beginYear = 2024;
  trigger.beginMonth = 5;
  trigger.beginDay = 1;
  trigger.startHour = 9;
  trigger.startMinute = 30;
  return trigger;
}

TEST(ScheduleTexts, TheProgramWordsEachTrigger) {
  TaskTrigger daily = At(kTriggerDaily);
  daily.daysInterval = 2;
  EXPECT_EQ(TriggerText(daily), "At 09:30 every 2 days, starting 2024-05-01");
  daily.daysInterval = 1;
  EXPECT_EQ(TriggerText(daily), "At 09:30 every day, starting 2024-05-01");
  TaskTrigger weekly = At(kTriggerWeekly);
  weekly.weeksInterval = 1;
  weekly.daysOfTheWeek = 0x3E;
  EXPECT_EQ(TriggerText(weekly),
            "At 09:30 every Monday, Tuesday, Wednesday, Thursday, Friday of every week, "
            "starting 2024-05-01");
  weekly.weeksInterval = 2;
  weekly.daysOfTheWeek = 0x41;
  EXPECT_EQ(TriggerText(weekly),
            "At 09:30 every Saturday, Sunday of every 2 weeks, starting 2024-05-01");
  TaskTrigger monthly = At(kTriggerMonthlyDate);
  monthly.days = 1u << 30;
  monthly.months = 0x801;
  EXPECT_EQ(TriggerText(monthly), "At 09:30 on day 31 of Jan, Dec, starting 2024-05-01");
  TaskTrigger dow = At(kTriggerMonthlyDayOfWeek);
  dow.whichWeek = 5;
  dow.daysOfTheWeek = 0x2;
  dow.months = 0xFFF;
  EXPECT_EQ(TriggerText(dow), "At 09:30 on the last Monday of every month, starting 2024-05-01");
  EXPECT_EQ(TriggerText(At(kTriggerOnce)), "At 09:30 on 2024-05-01");
  EXPECT_EQ(TriggerText(At(kTriggerAtSystemStart)), "Run at system startup");
  EXPECT_EQ(TriggerText(At(kTriggerAtLogon)), "Run at user logon");
}

TEST(ScheduleTexts, NextRunOfTheEventKindsIsTheirEvent) {
  TaskTime next{2024, 5, 3, 1, 9, 30, 0};
  EXPECT_EQ(NextRunText(kTriggerAtSystemStart, next), "Next startup");
  EXPECT_EQ(NextRunText(kTriggerAtLogon, {}), "Next logon");
  EXPECT_EQ(NextRunText(kTriggerDaily, next), "Wednesday, May 01, 2024  09:30:00");
  EXPECT_EQ(NextRunText(kTriggerOnce, {}), "Never");
  EXPECT_EQ(NextRunText(-1, {}), "Never");
}

TEST(ScheduleTexts, AnErrorShowsItsCodeAndText) {
  EXPECT_EQ(ScheduleErrorText(static_cast<std::int32_t>(0x80070057), "The parameter is incorrect."),
            "Error code: 0x80070057\n\nThe parameter is incorrect.");
  EXPECT_EQ(ScheduleErrorText(static_cast<std::int32_t>(0x80041318), ""),
            "Error code: 0x80041318\n\nUnknown error");
}

}  // namespace
