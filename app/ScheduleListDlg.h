// The schedule list: a robot's task in one row with its schedule, next run
// and last run, with Modify (the scheduler's own property sheet) and Delete.
#pragma once

#include <string>

#include "controls/win32/SortListCtrl.h"
#include "ui/win32/Dialog.h"

class CScheduleListDlg : public ui::Dialog {
 public:
  INT_PTR Show(HWND owner);

  // Set by the caller before showing.
  std::string taskDescription;
  std::string lastRunTime;
  std::string nextRunTime;
  std::string taskName;  // the work item the row stands for

  CSortListCtrl& List() { return list_; }

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  void OnModify();
  void OnDelete();

  CSortListCtrl list_;
};
