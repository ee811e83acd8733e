// Thin wrappers of the common controls the dialogs use: each call is the
// control's message, nothing more.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/win32/Window.h"

namespace ui {

// Registers the common-control classes once per process (dialog templates
// name them).
void InitCommonControlsOnce();

class HeaderControl : public Window {
 public:
  int GetItemCount() const;
  bool GetItem(int index, HDITEMA& item) const;
  bool SetItem(int index, const HDITEMA& item);
};

class ListView : public Window {
 public:
  DWORD GetExtendedStyle() const;
  void SetExtendedStyle(DWORD style);
  HWND GetHeader() const;
  // Index of the new column, -1 on failure.
  int InsertColumn(int index, const char* name, int format, int width, int subItem);
  int GetColumnWidth(int column) const;
  bool SetColumnWidth(int column, int width);
  // The text's width in pixels at the list's font, without the cell's margins.
  int GetStringWidth(const char* text) const;
  int GetItemCount() const;
  // Index of the new row, -1 on failure.
  int InsertItem(int index, const char* text);
  bool SetItemText(int row, int column, const char* text);
  std::string GetItemText(int row, int column) const;
  LPARAM GetItemData(int row) const;
  bool SetItemData(int row, LPARAM data);
  UINT GetItemState(int row, UINT mask) const;
  bool SetItemState(int row, UINT state, UINT mask);
  int GetNextItem(int start, UINT flags) const;
  bool DeleteItem(int row);
  bool DeleteAllItems();
  bool SortItems(PFNLVCOMPARE compare, LPARAM context);
};

}  // namespace ui
