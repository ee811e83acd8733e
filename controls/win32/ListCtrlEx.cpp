#include "controls/win32/ListCtrlEx.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "controls/DeleteConfirmSetting.h"
#include "controls/ListMovePlan.h"
#include "controls/win32/CheckMsgBox.h"
#include "engine/ports/MessageBoxPort.h"
#include "engine/ports/TextHelpers.h"
#include "robots/AppMessage.h"
#include "robots/Utilities.h"
#include "robots/win32/DataFolder.h"

namespace {

constexpr char kNoSelection[] = "No item selected, please select one item from list above.";
constexpr char kNoSelectionToDelete[] =
    "No item selected, please select one item from list above to delete.";
constexpr char kDeleteQuestion[] = "Are you sure you want to delete selected robot actions?";

std::string DeleteConfirmPath() {
  std::string folder = GetDataFolder();
  if (folder.empty()) return std::string();
  return folder + "\\" + kDeleteConfirmFileName;
}

}  // namespace

void CListCtrlEx::SelectItem(int index, bool focus) {
  if (focus) {
    SetFocus(Handle());
    SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  SetItemState(index, LVIS_SELECTED, LVIS_SELECTED);
}

void CListCtrlEx::DeselectItem(int index) { SetItemState(index, 0, LVIS_SELECTED); }

std::vector<int> CListCtrlEx::SelectedRows() const {
  std::vector<int> rows;
  for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED)) {
    rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

HWND CListCtrlEx::OwnerDialog() const { return GetAncestor(Handle(), GA_ROOT); }

void CListCtrlEx::ApplyMove(const std::vector<int>& selected, const RowMovePlan& plan,
                            int scrollOffset) {
  // Only the action texts swap; the numbers in column 0 stay with the places.
  for (const RowMovePlan::Swap& swap : plan.swaps) {
    std::string moving = GetItemText(swap.from, 1);
    SetItemText(swap.from, 1, GetItemText(swap.to, 1).c_str());
    SetItemText(swap.to, 1, moving.c_str());
  }
  for (int row : selected) {
    int visible = std::clamp(row + scrollOffset, 0, std::max(GetItemCount() - 1, 0));
    SendMessageA(Handle(), LVM_ENSUREVISIBLE, visible, FALSE);
  }
  for (int row : selected) DeselectItem(row);
  for (int row : plan.newSelection) SelectItem(row, true);
}

void CListCtrlEx::MoveSelectedUp() {
  std::vector<int> selected = SelectedRows();
  if (selected.empty()) {
    ShowMessageBox(OwnerDialog(), kNoSelection, kAppTitle, mb::kOk);
    return;
  }
  ApplyMove(selected, PlanMoveUp(selected), -1);
}

void CListCtrlEx::MoveSelectedDown() {
  std::vector<int> selected = SelectedRows();
  if (selected.empty()) {
    ShowMessageBox(OwnerDialog(), kNoSelection, kAppTitle, mb::kOk);
    return;
  }
  ApplyMove(selected, PlanMoveDown(selected, GetItemCount()), 1);
}

bool CListCtrlEx::ConfirmDelete() {
  if (IsDeleteConfirmOff()) return true;
  CCheckMsgBox box;
  box.SetQuestion(kDeleteQuestion);
  box.DoModal(OwnerDialog());
  if (box.GetAnswer() != 1) return false;  // No ignores the tick
  if (box.GetTickState() == BST_CHECKED) SaveDeleteConfirmSetting(true);
  return true;
}

void CListCtrlEx::DeleteSelected() {
  if (SelectedRows().empty()) {
    ShowMessageBox(OwnerDialog(), kNoSelectionToDelete, kAppTitle, mb::kOk);
    return;
  }
  if (!ConfirmDelete()) return;
  int lowest = GetItemCount();
  for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0;
       row = GetNextItem(-1, LVNI_SELECTED)) {
    if (!DeleteItem(row)) break;
    lowest = std::min(lowest, row);
  }
  for (int row = lowest; row < GetItemCount(); ++row) {
    SetItemText(row, 0, IntToString(row + 1).c_str());
  }
  int select = RowToSelectAfterDelete(lowest, GetItemCount());
  if (select >= 0) SelectItem(select, true);
}

void CListCtrlEx::SaveDeleteConfirmSetting(bool confirmOff) {
  std::string path = DeleteConfirmPath();
  if (path.empty()) return;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::string text = DeleteConfirmFileText(confirmOff);
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

bool CListCtrlEx::IsDeleteConfirmOff() {
  std::string path = DeleteConfirmPath();
  if (path.empty()) return false;
  std::string content;
  return ReadWholeFile(path, content) && IsDeleteConfirmOffIn(content);
}

bool CListCtrlEx::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_KEYUP && wParam == VK_DELETE) DeleteSelected();
  return false;  // every key-up goes on to the list's own handling
}
