#include "app/ScheduleRobotDlg.h"

#include <commctrl.h>

#include "engine/ports/ClockPort.h"
#include "engine/ports/MessageBoxPort.h"
#include "res/ScheduleIds.h"
#include "robots/AppMessage.h"
#include "robots/ScheduleTexts.h"
#include "robots/TaskSchedulerPort.h"
#include "robots/win32/CurrentFolder.h"
#include "robots/win32/ModulePath.h"

namespace {

constexpr const char* kWhichWeeks[] = {"first", "second", "third", "fourth", "last"};
constexpr const char* kWeekdays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                     "Friday", "Saturday", "Sunday"};
constexpr int kMonthBoxes[] = {1085, 1086, 1087, 1088, 1089, 1090,
                               1091, 1092, 1096, 1097, 1098, 1099};
constexpr int kAccountControls[] = {IDC_ACCOUNT_USER,          IDC_ACCOUNT_USER_LABEL,
                                    IDC_ACCOUNT_PASSWORD_LABEL, IDC_ACCOUNT_PASSWORD,
                                    IDC_ACCOUNT_CONFIRM_LABEL,  IDC_ACCOUNT_CONFIRM,
                                    IDC_ACCOUNT_NOTE};

// Monday is listed first, Sunday last; the trigger's bits start at Sunday.
std::uint16_t WeekdayBit(int mondayFirstIndex) {
  return static_cast<std::uint16_t>(1u << ((mondayFirstIndex + 1) % 7));
}

std::uint16_t TickedDays(const CChildDialog& page) {
  std::uint16_t bits = 0;
  for (int i = 0; i < 7; ++i) {
    if (page.IsChecked(IDC_WEEKLY_MONDAY + i)) bits |= WeekdayBit(i);
  }
  return bits;
}

std::uint16_t TickedMonths(const CChildDialog& page) {
  std::uint16_t bits = 0;
  for (int month = 0; month < 12; ++month) {
    if (page.IsChecked(kMonthBoxes[month])) bits |= static_cast<std::uint16_t>(1u << month);
  }
  return bits;
}

SYSTEMTIME PickerTime(const CChildDialog& page, int id) {
  SYSTEMTIME time = {};
  if (SendMessageA(page.Item(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) !=
      GDT_VALID) {
    GetLocalTime(&time);
  }
  return time;
}

void ReadPickers(const CChildDialog& page, ScheduleChoice& choice, bool withDate) {
  SYSTEMTIME time = PickerTime(page, IDC_PAGE_START_TIME);
  choice.hour = time.wHour;
  choice.minute = time.wMinute;
  if (!withDate) return;
  SYSTEMTIME date = PickerTime(page, IDC_PAGE_START_DATE);
  choice.year = date.wYear;
  choice.month = date.wMonth;
  choice.day = date.wDay;
}

void SetUpCount(CChildDialog& page, int high) {
  page.SetText(IDC_PAGE_COUNT, "1");
  SendMessageA(page.Item(IDC_PAGE_COUNT_SPIN), UDM_SETRANGE32, 1, high);
}

int ComboIndex(const CChildDialog& page, int id) {
  return static_cast<int>(SendMessageA(page.Item(id), CB_GETCURSEL, 0, 0));
}

void FillCombo(CChildDialog& page, int id, const char* const* texts, int count) {
  for (int i = 0; i < count; ++i) {
    SendMessageA(page.Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i]));
  }
  SendMessageA(page.Item(id), CB_SETCURSEL, 0, 0);
}

}  // namespace

CScheduleRobotDlg::CScheduleRobotDlg()
    : pages_{CChildDialog(IDD_SCHEDULE_KIND),    CChildDialog(IDD_SCHEDULE_DAILY),
             CChildDialog(IDD_SCHEDULE_WEEKLY),  CChildDialog(IDD_SCHEDULE_MONTHLY),
             CChildDialog(IDD_SCHEDULE_ONCE),    CChildDialog(IDD_SCHEDULE_ACCOUNT)} {}

INT_PTR CScheduleRobotDlg::Show(HWND owner) {
  return DoModal(GetModuleHandleA(nullptr), IDD_SCHEDULE_WIZARD, owner);
}

bool CScheduleRobotDlg::OnInitDialog() {
  SetUpPages();
  ShowPage();
  SetTimer(Handle(), kCheckTimer, 200, nullptr);
  return true;
}

void CScheduleRobotDlg::SetUpPages() {
  RECT frame;
  GetWindowRect(Item(IDC_WIZARD_FRAME), &frame);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&frame), 2);
  for (CChildDialog& page : pages_) {
    page.CreatePage(Handle());
    SetWindowPos(page.Handle(), Item(IDC_WIZARD_FRAME), frame.left, frame.top,
                 frame.right - frame.left, frame.bottom - frame.top, SWP_NOACTIVATE);
  }
  pages_[kKindPage].Check(IDC_KIND_DAILY);
  CChildDialog& daily = pages_[kDailyPage];
  daily.Check(IDC_DAILY_EVERY_DAY);
  SetUpCount(daily, kMaxDaysInterval);
  SetUpCount(pages_[kWeeklyPage], kMaxWeeksInterval);
  CChildDialog& monthly = pages_[kMonthlyPage];
  monthly.Check(IDC_MONTHLY_DAY);
  SetUpCount(monthly, kMaxDayOfMonth);
  FillCombo(monthly, IDC_MONTHLY_WHICH_WEEK, kWhichWeeks, 5);
  FillCombo(monthly, IDC_MONTHLY_WEEKDAY, kWeekdays, 7);
  for (int box : kMonthBoxes) monthly.Check(box);
  pages_[kAccountPage].Check(IDC_ACCOUNT_CURRENT);
}

void CScheduleRobotDlg::ShowPage() {
  if (page_ == kFinished) {
    End(IDOK);
    return;
  }
  for (int i = 0; i < kPageCount; ++i) {
    ShowWindow(pages_[i].Handle(), i == page_ ? SW_SHOW : SW_HIDE);
  }
  EnableWindow(Item(IDC_WIZARD_BACK), page_ != kKindPage);
  SetWindowTextA(Item(IDC_WIZARD_NEXT), page_ == kAccountPage ? "Finish" : "Next >");
}

bool CScheduleRobotDlg::OnCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_WIZARD_NEXT:
      OnNext();
      return true;
    case IDC_WIZARD_BACK:
      OnBack();
      return true;
    case IDC_WIZARD_CANCEL:
      End(IDCANCEL);
      return true;
    default:
      return false;
  }
}

int CScheduleRobotDlg::KindPage() const {
  const CChildDialog& kind = pages_[kKindPage];
  if (kind.IsChecked(IDC_KIND_WEEKLY)) return kWeeklyPage;
  if (kind.IsChecked(IDC_KIND_MONTHLY)) return kMonthlyPage;
  if (kind.IsChecked(IDC_KIND_ONCE)) return kOncePage;
  if (kind.IsChecked(IDC_KIND_STARTUP) || kind.IsChecked(IDC_KIND_LOGON)) return kAccountPage;
  return kDailyPage;
}

void CScheduleRobotDlg::OnNext() {
  switch (page_) {
    case kKindPage:
      page_ = KindPage();
      break;
    case kDailyPage:
    case kWeeklyPage:
    case kMonthlyPage:
    case kOncePage: {
      ScheduleChoice choice;
      if (!ReadChoice(choice)) return;
      page_ = kAccountPage;
      break;
    }
    case kAccountPage:
      if (!CheckAccount()) return;
      if (!CreateTask()) {
        Tell(TaskSaveErrorMessage(lastResult_, lastReport_));
        return;
      }
      page_ = kFinished;
      break;
    default:
      return;
  }
  ShowPage();
}

void CScheduleRobotDlg::OnBack() {
  if (page_ == kKindPage || page_ == kFinished) return;
  if (page_ == kAccountPage) {
    int kind = KindPage();
    page_ = kind == kAccountPage ? kKindPage : kind;
  } else {
    page_ = kKindPage;
  }
  ShowPage();
}

void CScheduleRobotDlg::Tell(const std::string& text) {
  ShowMessageBox(Handle(), text, kAppTitle, mb::kOk | mb::kIconWarning);
}

bool CScheduleRobotDlg::ReadChoice(ScheduleChoice& choice) {
  int kindPage = KindPage();
  const CChildDialog& page = pages_[kindPage];
  switch (kindPage) {
    case kDailyPage:
      ReadPickers(page, choice, true);
      if (page.IsChecked(IDC_DAILY_WEEKDAYS)) {
        choice.kind = ScheduleKind::kWeekdays;
      } else if (page.IsChecked(IDC_DAILY_EVERY)) {
        choice.kind = ScheduleKind::kEveryNDays;
        if (!ParseCountInRange(page.Text(IDC_PAGE_COUNT), 1, kMaxDaysInterval, choice.count)) {
          Tell(CountRangeMessage("the days", 1, kMaxDaysInterval));
          return false;
        }
      } else {
        choice.kind = ScheduleKind::kEveryDay;
      }
      return true;
    case kWeeklyPage:
      ReadPickers(page, choice, false);
      choice.kind = ScheduleKind::kWeekly;
      if (!ParseCountInRange(page.Text(IDC_PAGE_COUNT), 1, kMaxWeeksInterval, choice.count)) {
        Tell(CountRangeMessage("the weeks", 1, kMaxWeeksInterval));
        return false;
      }
      choice.daysOfTheWeek = TickedDays(page);
      if (!choice.daysOfTheWeek) {
        Tell("Please select at least one day of the week.");
        return false;
      }
      return true;
    case kMonthlyPage: {
      ReadPickers(page, choice, false);
      if (page.IsChecked(IDC_MONTHLY_THE)) {
        choice.kind = ScheduleKind::kMonthlyOnWeekday;
        int which = ComboIndex(page, IDC_MONTHLY_WHICH_WEEK);
        int weekday = ComboIndex(page, IDC_MONTHLY_WEEKDAY);
        choice.whichWeek = which >= 0 && which < 5 ? which + 1 : 1;
        choice.daysOfTheWeek = WeekdayBit(weekday >= 0 && weekday < 7 ? weekday : 0);
      } else {
        choice.kind = ScheduleKind::kMonthlyOnDay;
        if (!ParseCountInRange(page.Text(IDC_PAGE_COUNT), 1, kMaxDayOfMonth, choice.count)) {
          Tell(CountRangeMessage("the day of the month", 1, kMaxDayOfMonth));
          return false;
        }
      }
      choice.months = TickedMonths(page);
      if (!choice.months) {
        Tell("Please select at least one month.");
        return false;
      }
      return true;
    }
    case kOncePage:
      ReadPickers(page, choice, true);
      choice.kind = ScheduleKind::kOnce;
      return true;
    default:
      choice.kind = pages_[kKindPage].IsChecked(IDC_KIND_LOGON) ? ScheduleKind::kAtLogon
                                                                : ScheduleKind::kAtSystemStart;
      return true;
  }
}

bool CScheduleRobotDlg::CheckAccount() {
  const CChildDialog& page = pages_[kAccountPage];
  if (!page.IsChecked(IDC_ACCOUNT_OTHER)) return true;
  if (page.Text(IDC_ACCOUNT_USER).empty()) {
    Tell("Please enter the user name of the other account.");
    return false;
  }
  if (page.Text(IDC_ACCOUNT_PASSWORD) != page.Text(IDC_ACCOUNT_CONFIRM)) {
    Tell("The password and its confirmation differ. Please enter them again.");
    return false;
  }
  return true;
}

bool CScheduleRobotDlg::CreateTask() {
  ScheduleChoice choice;
  TaskTrigger trigger;
  lastResult_ = kTaskFail;
  lastReport_ = TaskSaveReport();
  if (!ReadChoice(choice) || !BuildTrigger(choice, GetClockPort().LocalTime(), trigger)) {
    return false;
  }
  CScheduledTask task;
  task.SetProgram(GetModulePath());
  task.SetParameters(RobotRunParameters(robotName_));
  task.SetStartingDir(GetCurrentFolder());
  const CChildDialog& account = pages_[kAccountPage];
  if (account.IsChecked(IDC_ACCOUNT_OTHER)) {
    task.SetAccountName(account.Text(IDC_ACCOUNT_USER));
    task.SetPassword(account.Text(IDC_ACCOUNT_PASSWORD));
    task.SetFlags(kWizardFlagsAnotherAccount);
  } else {
    task.SetFlags(kWizardFlagsCurrentAccount);
  }
  task.AddTrigger(trigger);
  lastResult_ = task.SaveTask(ScheduledJobName(robotName_), false, false, &lastReport_);
  return TaskSucceeded(lastResult_);
}

void CScheduleRobotDlg::OnCheckTimer() {
  bool next = true;
  if (page_ == kWeeklyPage) next = TickedDays(pages_[kWeeklyPage]) != 0;
  if (page_ == kMonthlyPage) next = TickedMonths(pages_[kMonthlyPage]) != 0;
  EnableWindow(Item(IDC_WIZARD_NEXT), next);
  if (page_ == kDailyPage) {
    CChildDialog& daily = pages_[kDailyPage];
    bool every = daily.IsChecked(IDC_DAILY_EVERY);
    daily.Enable(IDC_PAGE_COUNT, every);
    daily.Enable(IDC_PAGE_COUNT_SPIN, every);
  } else if (page_ == kMonthlyPage) {
    CChildDialog& monthly = pages_[kMonthlyPage];
    bool the = monthly.IsChecked(IDC_MONTHLY_THE);
    monthly.Enable(IDC_MONTHLY_WHICH_WEEK, the);
    monthly.Enable(IDC_MONTHLY_WEEKDAY, the);
  } else if (page_ == kAccountPage) {
    CChildDialog& account = pages_[kAccountPage];
    bool other = account.IsChecked(IDC_ACCOUNT_OTHER);
    for (int id : kAccountControls) account.Enable(id, other);
  }
}

bool CScheduleRobotDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                  LRESULT& result) {
  switch (message) {
    case WM_TIMER:
      if (wParam != kCheckTimer) return false;
      OnCheckTimer();
      return true;
    case WM_DESTROY:
      KillTimer(Handle(), kCheckTimer);
      return false;
    default:
      return ui::Dialog::OnMessage(message, wParam, lParam, result);
  }
}
