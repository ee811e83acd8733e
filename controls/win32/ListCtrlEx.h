// The editor's list of numbered actions: column 0 holds each row's number
// (from 1), column 1 the action text. The selected rows move up or down as a
// block and are deleted after a question that the user may switch off for
// good ("dcm.ini" in the data folder). Releasing the Delete key deletes.
// Subclass a report-view list control with it.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/win32/CommonControls.h"

struct RowMovePlan;

class CListCtrlEx : public ui::ListView {
 public:
  // Selects the row; with `focus` the list takes the keyboard focus and the
  // row becomes the focused row too.
  void SelectItem(int index, bool focus);
  // Clears the row's selection; its focus stays.
  void DeselectItem(int index);

  void MoveSelectedUp();
  void MoveSelectedDown();
  // Asks first (unless switched off), deletes every selected row, renumbers
  // the rows after them and selects the row in the place of the first one.
  void DeleteSelected();

  // Writes "dcm.ini": `confirmOff` true switches the question off. A file
  // that cannot be written is not reported.
  static void SaveDeleteConfirmSetting(bool confirmOff);
  // True when "dcm.ini" switches the question off; a missing or unreadable
  // file leaves it on.
  static bool IsDeleteConfirmOff();

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::vector<int> SelectedRows() const;
  void ApplyMove(const std::vector<int>& selected, const RowMovePlan& plan, int scrollOffset);
  // The window that owns this list's message boxes.
  HWND OwnerDialog() const;
  bool ConfirmDelete();
};
