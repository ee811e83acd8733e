// The schedule wizard driven by messages, as a user would click it: its
// pages and Back, the counts and sets it refuses, the account checks, and
// the one task Finish saves (into a scheduler in memory).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "app/ScheduleRobotDlg.h"
#include "res/ScheduleIds.h"
#include "robots/win32/CurrentFolder.h"
#include "robots/win32/ModulePath.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/EngineDoubles.h"
#include "tests/support/FakeTaskScheduler.h"

namespace {

using Wizard = CScheduleRobotDlg;

// Runs a script of clicks once the wizard is shown, inside its modal loop; a
// wizard the script left open is cancelled.
class ScriptedWizard : public CScheduleRobotDlg {
 public:
  std::function<void(ScriptedWizard&)> script;
  // Set once the modal loop ran the script: a wizard that never opened runs
  // none of the script's checks.
  bool scriptRan = false;

  INT_PTR Run() { return Show(nullptr); }
  void Click(int id) {
    SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(id)));
  }
  void Tick() { SendMessageA(Handle(), WM_TIMER, kCheckTimer, 0); }
  bool Open() const { return IsWindow(Handle()) && IsWindowVisible(Handle()); }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  std::string NextText() const {
    char text[32] = {};
    GetWindowTextA(Item(IDC_WIZARD_NEXT), text, sizeof text);
    return text;
  }
  CChildDialog& Page(int index) { return PageDialog(index); }
  // Chooses one button of a group on a page.
  void Choose(int page, int id, std::initializer_list<int> group) {
    for (int other : group) Page(page).Check(other, other == id);
  }
  void ChooseKind(int id) {
    Choose(kKindPage, id,
           {IDC_KIND_DAILY, IDC_KIND_WEEKLY, IDC_KIND_MONTHLY, IDC_KIND_ONCE, IDC_KIND_STARTUP,
            IDC_KIND_LOGON});
  }
  void SetPicker(int page, int id, WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    SendMessageA(Page(page).Item(id), DTM_SETSYSTEMTIME, GDT_VALID,
                 reinterpret_cast<LPARAM>(&time));
  }

 protected:
  // The script runs once the modal loop has shown the wizard.
  static constexpr UINT kRunScript = WM_APP + 77;
  bool OnInitDialog() override {
    bool focus = CScheduleRobotDlg::OnInitDialog();
    PostMessageA(Handle(), kRunScript, 0, 0);
    return focus;
  }
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    if (message != kRunScript) return CScheduleRobotDlg::OnMessage(message, wParam, lParam, result);
    scriptRan = true;
    if (script) script(*this);
    if (Open()) Click(IDC_WIZARD_CANCEL);
    return true;
  }
};

class ScheduleWizard : public testing::Test {
 protected:
  ScheduleWizard() {
    wizard.SetRobotName("my robot");
    clock.localTime.year = 2026;
    clock.localTime.month = 12;
    clock.localTime.day = 10;
    clock.localTime.hour = 2;
    clock.localTime.minute = 15;
  }
  // Every script of a test must have run inside the open wizard.
  void TearDown() override {
    if (wizard.script) {
      EXPECT_TRUE(wizard.scriptRan) << "the wizard never opened";
    }
  }
  const CScheduledTask* Saved() { return scheduler.Find("TarnwickSkiffbright_my robot"); }
  std::string LastBox() const { return boxes.boxes.empty() ? "" : boxes.boxes.back().text; }

  FakeTaskScheduler scheduler;
  FakeClock clock;
  CapturedMessageBoxes boxes;
  ScriptedWizard wizard;
};

TEST_F(ScheduleWizard, NextFollowsTheKindAndBackReturnsToIt) {
  wizard.script = [](ScriptedWizard& w) {
    EXPECT_EQ(w.CurrentPage(), Wizard::kKindPage);
    EXPECT_FALSE(w.Enabled(IDC_WIZARD_BACK));
    EXPECT_TRUE(IsWindowVisible(w.Page(Wizard::kKindPage).Handle()));
    EXPECT_FALSE(IsWindowVisible(w.Page(Wizard::kDailyPage).Handle()));
    struct Step {
      int kind;
      int page;
    };
    const Step steps[] = {{IDC_KIND_DAILY, Wizard::kDailyPage},
                          {IDC_KIND_WEEKLY, Wizard::kWeeklyPage},
                          {IDC_KIND_MONTHLY, Wizard::kMonthlyPage},
                          {IDC_KIND_ONCE, Wizard::kOncePage},
                          {IDC_KIND_STARTUP, Wizard::kAccountPage},
                          {IDC_KIND_LOGON, Wizard::kAccountPage}};
    w.Page(Wizard::kWeeklyPage).Check(IDC_WEEKLY_MONDAY);
    for (const Step& step : steps) {
      w.ChooseKind(step.kind);
      w.Click(IDC_WIZARD_NEXT);
      EXPECT_EQ(w.CurrentPage(), step.page) << "kind " << step.kind;
      EXPECT_TRUE(IsWindowVisible(w.Page(step.page).Handle()));
      EXPECT_FALSE(IsWindowVisible(w.Page(Wizard::kKindPage).Handle()));
      EXPECT_TRUE(w.Enabled(IDC_WIZARD_BACK));
      if (step.page != Wizard::kAccountPage) {
        EXPECT_EQ(w.NextText(), "Next >");
        w.Click(IDC_WIZARD_NEXT);
        EXPECT_EQ(w.CurrentPage(), Wizard::kAccountPage) << "kind " << step.kind;
      }
      EXPECT_EQ(w.NextText(), "Finish");
      w.Click(IDC_WIZARD_BACK);
      // From the account page back to the kind's page, or to the start for
      // the two event kinds.
      int expected = step.page == Wizard::kAccountPage ? Wizard::kKindPage : step.page;
      EXPECT_EQ(w.CurrentPage(), expected) << "kind " << step.kind;
      if (expected != Wizard::kKindPage) w.Click(IDC_WIZARD_BACK);
      EXPECT_EQ(w.CurrentPage(), Wizard::kKindPage);
    }
  };
  EXPECT_EQ(wizard.Run(), IDCANCEL);
  EXPECT_EQ(scheduler.saves, 0);
}

TEST_F(ScheduleWizard, CountsOutsideTheSpinsRangeAreRefusedByName) {
  struct Case {
    int kind;
    int page;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {IDC_KIND_DAILY, Wizard::kDailyPage, "0",
       "Please enter a whole number from 1 to 365 for the days."},
      {IDC_KIND_DAILY, Wizard::kDailyPage, "366",
       "Please enter a whole number from 1 to 365 for the days."},
      {IDC_KIND_DAILY, Wizard::kDailyPage, "",
       "Please enter a whole number from 1 to 365 for the days."},
      {IDC_KIND_DAILY, Wizard::kDailyPage, "70000",
       "Please enter a whole number from 1 to 365 for the days."},
      {IDC_KIND_WEEKLY, Wizard::kWeeklyPage, "53",
       "Please enter a whole number from 1 to 52 for the weeks."},
      {IDC_KIND_MONTHLY, Wizard::kMonthlyPage, "32",
       "Please enter a whole number from 1 to 31 for the day of the month."},
      {IDC_KIND_MONTHLY, Wizard::kMonthlyPage, "0",
       "Please enter a whole number from 1 to 31 for the day of the month."},
  };
  for (const Case& c : cases) {
    CapturedMessageBoxes seen;
    ScriptedWizard w;
    w.script = [&](ScriptedWizard& self) {
      self.ChooseKind(c.kind);
      self.Click(IDC_WIZARD_NEXT);
      if (c.page == Wizard::kDailyPage) {
        self.Choose(c.page, IDC_DAILY_EVERY,
                    {IDC_DAILY_EVERY_DAY, IDC_DAILY_WEEKDAYS, IDC_DAILY_EVERY});
      }
      if (c.page == Wizard::kWeeklyPage) self.Page(c.page).Check(IDC_WEEKLY_MONDAY);
      self.Page(c.page).SetText(IDC_PAGE_COUNT, c.text);
      self.Click(IDC_WIZARD_NEXT);
      EXPECT_EQ(self.CurrentPage(), c.page) << '"' << c.text << '"';
    };
    EXPECT_EQ(w.Run(), IDCANCEL);
    ASSERT_EQ(seen.boxes.size(), 1u) << '"' << c.text << '"';
    EXPECT_EQ(seen.boxes[0].text, c.message);
  }
}

TEST_F(ScheduleWizard, AWeekWithoutDaysOrAYearWithoutMonthsGoesNoFurther) {
  wizard.script = [this](ScriptedWizard& w) {
    w.ChooseKind(IDC_KIND_WEEKLY);
    w.Click(IDC_WIZARD_NEXT);
    w.Tick();
    EXPECT_FALSE(w.Enabled(IDC_WIZARD_NEXT));
    // Next is checked by itself too, not only by the timer.
    w.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(w.CurrentPage(), Wizard::kWeeklyPage);
    EXPECT_EQ(LastBox(), "Please select at least one day of the week.");
    w.Page(Wizard::kWeeklyPage).Check(1091);  // Sunday
    w.Tick();
    EXPECT_TRUE(w.Enabled(IDC_WIZARD_NEXT));

    w.Click(IDC_WIZARD_BACK);
    w.ChooseKind(IDC_KIND_MONTHLY);
    w.Click(IDC_WIZARD_NEXT);
    w.Tick();
    EXPECT_TRUE(w.Enabled(IDC_WIZARD_NEXT));  // every month is ticked at start
    for (int box : {1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1096, 1097, 1098, 1099}) {
      w.Page(Wizard::kMonthlyPage).Check(box, false);
    }
    w.Tick();
    EXPECT_FALSE(w.Enabled(IDC_WIZARD_NEXT));
    w.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(w.CurrentPage(), Wizard::kMonthlyPage);
    EXPECT_EQ(LastBox(), "Please select at least one month.");
  };
  EXPECT_EQ(wizard.Run(), IDCANCEL);
}

TEST_F(ScheduleWizard, TheTimerEnablesThePartsOfTheChosenOption) {
  wizard.script = [](ScriptedWizard& w) {
    w.Click(IDC_WIZARD_NEXT);  // daily
    CChildDialog& daily = w.Page(Wizard::kDailyPage);
    w.Tick();
    EXPECT_FALSE(IsWindowEnabled(daily.Item(IDC_PAGE_COUNT)));
    w.Choose(Wizard::kDailyPage, IDC_DAILY_EVERY,
             {IDC_DAILY_EVERY_DAY, IDC_DAILY_WEEKDAYS, IDC_DAILY_EVERY});
    w.Tick();
    EXPECT_TRUE(IsWindowEnabled(daily.Item(IDC_PAGE_COUNT)));
    EXPECT_TRUE(IsWindowEnabled(daily.Item(IDC_PAGE_COUNT_SPIN)));

    w.Click(IDC_WIZARD_NEXT);
    CChildDialog& account = w.Page(Wizard::kAccountPage);
    w.Tick();
    EXPECT_FALSE(IsWindowEnabled(account.Item(IDC_ACCOUNT_USER)));
    EXPECT_FALSE(IsWindowEnabled(account.Item(IDC_ACCOUNT_NOTE)));
    w.Choose(Wizard::kAccountPage, IDC_ACCOUNT_OTHER, {IDC_ACCOUNT_CURRENT, IDC_ACCOUNT_OTHER});
    w.Tick();
    EXPECT_TRUE(IsWindowEnabled(account.Item(IDC_ACCOUNT_USER)));
    EXPECT_TRUE(IsWindowEnabled(account.Item(IDC_ACCOUNT_CONFIRM)));
  };
  EXPECT_EQ(wizard.Run(), IDCANCEL);
}

TEST_F(ScheduleWizard, AnotherAccountNeedsAUserNameAndAMatchingConfirmation) {
  wizard.script = [this](ScriptedWizard& w) {
    w.ChooseKind(IDC_KIND_LOGON);
    w.Click(IDC_WIZARD_NEXT);
    w.Choose(Wizard::kAccountPage, IDC_ACCOUNT_OTHER, {IDC_ACCOUNT_CURRENT, IDC_ACCOUNT_OTHER});
    CChildDialog& account = w.Page(Wizard::kAccountPage);
    account.SetText(IDC_ACCOUNT_PASSWORD, "secret");
    account.SetText(IDC_ACCOUNT_CONFIRM, "secret");
    w.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(LastBox(), "Please enter the user name of the other account.");
    account.SetText(IDC_ACCOUNT_USER, "worker");
    account.SetText(IDC_ACCOUNT_CONFIRM, "secreT");
    w.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(LastBox(), "The password and its confirmation differ. Please enter them again.");
    EXPECT_EQ(w.CurrentPage(), Wizard::kAccountPage);
    EXPECT_EQ(scheduler.saves, 0);
    account.SetText(IDC_ACCOUNT_CONFIRM, "secret");
    w.Click(IDC_WIZARD_NEXT);
  };
  EXPECT_EQ(wizard.Run(), IDOK);
  const CScheduledTask* task = Saved();
  ASSERT_NE(task, nullptr);
  EXPECT_EQ(task->AccountName(), "worker");
  EXPECT_EQ(scheduler.lastSavedPassword, "secret");
  EXPECT_EQ(task->GetFlags(), 0x403u);
  TaskTrigger logon;
  logon.type = kTriggerAtLogon;
  logon.beginYear = 2026;
  logon.beginMonth = 12;
  logon.beginDay = 10;
  logon.startHour = 2;
  logon.startMinute = 15;
  ASSERT_EQ(task->Triggers().size(), 1u);
  EXPECT_EQ(task->Triggers()[0], logon);
}

TEST_F(ScheduleWizard, FinishSavesOneTaskForTheRobotAndClosesWithOk) {
  wizard.script = [](ScriptedWizard& w) {
    w.ChooseKind(IDC_KIND_MONTHLY);
    w.Click(IDC_WIZARD_NEXT);
    w.Choose(Wizard::kMonthlyPage, IDC_MONTHLY_THE, {IDC_MONTHLY_DAY, IDC_MONTHLY_THE});
    CChildDialog& monthly = w.Page(Wizard::kMonthlyPage);
    SendMessageA(monthly.Item(IDC_MONTHLY_WHICH_WEEK), CB_SETCURSEL, 4, 0);  // last
    SendMessageA(monthly.Item(IDC_MONTHLY_WEEKDAY), CB_SETCURSEL, 6, 0);     // Sunday
    for (int box : {1086, 1087, 1088, 1089, 1090, 1091, 1092, 1096, 1097, 1098}) {
      monthly.Check(box, false);  // January and December stay
    }
    w.SetPicker(Wizard::kMonthlyPage, IDC_PAGE_START_TIME, 2030, 1, 1, 21, 40);
    w.Click(IDC_WIZARD_NEXT);
    w.Click(IDC_WIZARD_NEXT);  // Finish
    EXPECT_FALSE(w.Open());
  };
  EXPECT_EQ(wizard.Run(), IDOK);
  ASSERT_EQ(scheduler.tasks.size(), 1u);
  const CScheduledTask* task = Saved();
  ASSERT_NE(task, nullptr);
  EXPECT_EQ(task->Application(), GetModulePath());
  EXPECT_EQ(task->Parameters(), "-a my robot");
  EXPECT_EQ(task->WorkingDirectory(), GetCurrentFolder());
  EXPECT_EQ(task->Comment(), "");
  EXPECT_EQ(task->AccountName(), "");
  EXPECT_EQ(task->GetFlags(), 0x2403u);
  TaskTrigger expected;
  expected.type = kTriggerMonthlyDayOfWeek;
  expected.beginYear = 2026;  // today
  expected.beginMonth = 12;
  expected.beginDay = 10;
  expected.startHour = 21;
  expected.startMinute = 40;
  expected.whichWeek = 5;
  expected.daysOfTheWeek = 0x01;
  expected.months = 0x801;
  ASSERT_EQ(task->Triggers().size(), 1u);
  EXPECT_EQ(task->Triggers()[0], expected);
}

TEST_F(ScheduleWizard, EveryNDaysTakesTheCountAndTheChosenDate) {
  wizard.script = [](ScriptedWizard& w) {
    w.Click(IDC_WIZARD_NEXT);
    w.Choose(Wizard::kDailyPage, IDC_DAILY_EVERY,
             {IDC_DAILY_EVERY_DAY, IDC_DAILY_WEEKDAYS, IDC_DAILY_EVERY});
    w.Page(Wizard::kDailyPage).SetText(IDC_PAGE_COUNT, "12");
    w.SetPicker(Wizard::kDailyPage, IDC_PAGE_START_TIME, 2030, 1, 1, 7, 5);
    w.SetPicker(Wizard::kDailyPage, IDC_PAGE_START_DATE, 2031, 3, 4, 0, 0);
    w.Click(IDC_WIZARD_NEXT);
    w.Click(IDC_WIZARD_NEXT);
  };
  EXPECT_EQ(wizard.Run(), IDOK);
  const CScheduledTask* task = Saved();
  ASSERT_NE(task, nullptr);
  ASSERT_EQ(task->Triggers().size(), 1u);
  TaskTrigger trigger = task->Triggers()[0];
  EXPECT_EQ(trigger.type, kTriggerDaily);
  EXPECT_EQ(trigger.daysInterval, 12);
  EXPECT_EQ(trigger.beginYear, 2031);
  EXPECT_EQ(trigger.beginMonth, 3);
  EXPECT_EQ(trigger.beginDay, 4);
  EXPECT_EQ(trigger.startHour, 7);
  EXPECT_EQ(trigger.startMinute, 5);
}

TEST_F(ScheduleWizard, AFailedSaveShowsItsResultAndStays) {
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  wizard.script = [this](ScriptedWizard& w) {
    w.ChooseKind(IDC_KIND_STARTUP);
    w.Click(IDC_WIZARD_NEXT);
    SetLastError(0);  // the message must not be the thread's last error
    w.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(w.CurrentPage(), Wizard::kAccountPage);
    EXPECT_TRUE(w.Open());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Error code: 0x80070057\n\nThe parameter is incorrect.");
    EXPECT_EQ(boxes.boxes[0].style & 0xF0, mb::kIconWarning);
    EXPECT_EQ(boxes.boxes[0].owner, w.Handle());
  };
  EXPECT_EQ(wizard.Run(), IDCANCEL);
  EXPECT_TRUE(scheduler.tasks.empty());
}

// The robot had a task: the scheduler deleted it for the new one, which then
// failed, and writing the old one back failed too.
TEST_F(ScheduleWizard, AFailedReplacementThatLosesTheOldTaskSaysSoByName) {
  CScheduledTask old;
  old.SetProgram(GetModulePath());
  old.SetParameters("-a my robot");
  ASSERT_EQ(old.SaveTask("TarnwickSkiffbright_my robot"), kTaskOk);
  scheduler.saveResult = FakeTaskScheduler::kInvalidArgument;
  scheduler.failingSaves = 2;
  wizard.script = [this](ScriptedWizard& w) {
    w.ChooseKind(IDC_KIND_STARTUP);
    w.Click(IDC_WIZARD_NEXT);
    w.Click(IDC_WIZARD_NEXT);
    EXPECT_EQ(w.CurrentPage(), Wizard::kAccountPage);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              "Error code: 0x80070057\n\nThe parameter is incorrect.\n\n"
              "The task \"TarnwickSkiffbright_my robot\" that was there before could not be "
              "written back either (error code 0x80070057), so it is gone.");
    EXPECT_EQ(boxes.boxes[0].owner, w.Handle());
  };
  EXPECT_EQ(wizard.Run(), IDCANCEL);
  EXPECT_TRUE(scheduler.tasks.empty());
}

TEST_F(ScheduleWizard, EnterDoesNotEndItEscapeCancelsAndPageCommandsStayOnThePage) {
  wizard.script = [this](ScriptedWizard& w) {
    w.Click(IDC_WIZARD_NEXT);  // the daily page
    SendMessageA(w.Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(w.Open());
    // The daily page's "Daily" radio has the id of "< Back".
    HWND daily = w.Page(Wizard::kDailyPage).Handle();
    SendMessageA(daily, WM_COMMAND, MAKEWPARAM(IDC_DAILY_EVERY_DAY, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(daily, IDC_DAILY_EVERY_DAY)));
    SendMessageA(daily, WM_COMMAND, IDOK, 0);
    SendMessageA(daily, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(w.CurrentPage(), Wizard::kDailyPage);
    EXPECT_TRUE(w.Open());
    SendMessageA(w.Handle(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(w.Open());
    EXPECT_EQ(scheduler.saves, 0);
  };
  EXPECT_EQ(wizard.Run(), IDCANCEL);
}

}  // namespace
