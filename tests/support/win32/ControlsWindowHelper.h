// Starts the helper program ControlsWindowHelper.exe (beside the test
// executable): a titled window with a menu, a list box, a combo box, an OK
// button, a check box, a multi-line EDIT, a tab control, a status bar, a
// painted square and a "notes" text that logs what the window was told.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/win32/HelperProcess.h"

class ControlsWindowHelper {
 public:
  static constexpr char kClassName[] = "QuillmarkControlsHelper";
  // The square's client rectangle and colour (COLORREF).
  static constexpr RECT kSquare = {440, 10, 480, 50};
  static constexpr COLORREF kSquareColour = RGB(200, 30, 60);
  enum : int { kEditId = 1, kListId, kComboId, kOkId, kCheckId, kNotesId, kTabId, kStatusId };
  static constexpr int kMenuErase = 102;

  explicit ControlsWindowHelper(const std::string& title);

  bool Started() const { return process_.Frame() != nullptr; }
  bool Running() const { return process_.Running(); }
  HWND Frame() const { return process_.Frame(); }
  HWND Child(int id) const { return GetDlgItem(process_.Frame(), id); }

  // The log of the window ("ok;menu 102;combo 1;"), and waiting for it.
  std::string Notes() const;
  std::string WaitForNotes(const std::string& expected, DWORD timeoutMs = 5000) const;
  void ClearNotes() const;
  // A client point of the window in screen coordinates.
  POINT ScreenPoint(int x, int y) const;
  // The centre of a child in screen coordinates.
  POINT ChildCentre(int id) const;
  // Brings the window to the front and waits until it is there and has
  // taken the activation in: its EDIT holds the focus and the caret.
  bool BringToFront() const;

 private:
  HelperProcess process_;
};
