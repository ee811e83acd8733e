// The schedule wizard: the kind of schedule, its details, the account, then
// one Task Scheduler task that starts this program with "-a " and the
// robot's name. Its six pages are child dialogs placed on the frame.
#pragma once

#include <array>
#include <string>

#include "app/ChildDialog.h"
#include "robots/ScheduledTask.h"
#include "robots/TaskTrigger.h"

class CScheduleRobotDlg : public ui::Dialog {
 public:
  enum Page { kKindPage, kDailyPage, kWeeklyPage, kMonthlyPage, kOncePage, kAccountPage };
  static constexpr int kPageCount = 6;
  static constexpr int kFinished = 6;
  static constexpr UINT_PTR kCheckTimer = 1;

  CScheduleRobotDlg();

  // IDOK when the task was saved, IDCANCEL otherwise.
  INT_PTR Show(HWND owner);
  void SetRobotName(const std::string& name) { robotName_ = name; }

  // Builds the task from the pages and saves it; false (with the result in
  // LastResult) when the save failed.
  bool CreateTask();
  TaskResult LastResult() const { return lastResult_; }

  int CurrentPage() const { return page_; }
  CChildDialog& PageDialog(int index) { return pages_[index]; }

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override {}  // Enter never ends the wizard unsaved
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void SetUpPages();
  void ShowPage();
  void OnNext();
  void OnBack();
  void OnCheckTimer();
  // The page of the kind chosen on the first page.
  int KindPage() const;
  // Reads the choice of the kind's page; false after telling the user what
  // is missing or out of range.
  bool ReadChoice(ScheduleChoice& choice);
  bool CheckAccount();
  void Tell(const std::string& text);

  std::array<CChildDialog, kPageCount> pages_;
  int page_ = kKindPage;
  std::string robotName_;
  TaskResult lastResult_ = kTaskOk;
  TaskSaveReport lastReport_;
};
