// A small program that tests start: one titled top-level window (class
// "QuillmarkControlsHelper", the title is the command line) with a menu, a
// list box, a combo box, a button, a check box, a multi-line EDIT, a tab
// control, a status bar of three parts, a square painted in one colour and a
// "notes" text that logs what the window was told: "ok;" per button click,
// "menu N;" per menu command, "combo C;" / "list C;" per selection
// notification (codes 1, 2 and 9). It runs until its window is closed.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "tests/helpers/HelperWindow.h"

namespace {

constexpr char kClassName[] = "QuillmarkControlsHelper";

enum : int {
  kEditId = 1, kListId, kComboId, kOkId, kCheckId, kNotesId, kTabId, kStatusId,
  kMenuNew = 101, kMenuErase = 102, kMenuExit = 103, kMenuAbout = 201,
};

// The painted square, in client coordinates, and its colour.
constexpr RECT kSquare = {440, 10, 480, 50};
constexpr COLORREF kSquareColour = RGB(200, 30, 60);

HWND notes = nullptr;

void AddNote(const std::string& note) {
  char text[1024] = {};
  GetWindowTextA(notes, text, sizeof text);
  SetWindowTextA(notes, (std::string(text) + note + ";").c_str());
}

HWND Child(HWND parent, const char* className, const char* text, DWORD style, int id, int x, int y, int w, int h) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

HMENU BuildMenu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kMenuNew, "&New");
  AppendMenuA(file, MF_STRING, kMenuErase, "Erase notes");
  AppendMenuA(file, MF_STRING, kMenuExit, "E&xit");
  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, kMenuAbout, "&About");
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
  return bar;
}

void CreateChildren(HWND window) {
  HWND list = Child(window, "LISTBOX", "", WS_BORDER | LBS_NOTIFY, kListId, 10, 10, 100, 80);
  for (const char* item : {"alpha", "beta", "gamma"}) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  HWND combo = Child(window, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, kComboId, 10, 100, 120, 150);
  for (const char* item : {"apple", "apricot", "avocado", "banana"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  Child(window, "BUTTON", "OK", BS_PUSHBUTTON, kOkId, 10, 140, 90, 28);
  Child(window, "BUTTON", "Check me", BS_AUTOCHECKBOX, kCheckId, 110, 140, 100, 24);
  Child(window, "EDIT", "", WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, kEditId, 220, 10, 200, 80);
  HWND tabs = Child(window, WC_TABCONTROLA, "", 0, kTabId, 220, 100, 200, 30);
  const char* tabNames[] = {"One", "Two", "Three"};
  for (int i = 0; i < 3; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(tabNames[i]);
    SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  notes = Child(window, "STATIC", "", 0, kNotesId, 10, 180, 400, 20);
  HWND status = Child(window, STATUSCLASSNAMEA, "", 0, kStatusId, 0, 0, 0, 0);
  int edges[] = {120, 260, -1};
  SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Ready"));
  SendMessageA(status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("Second part"));
  // Longer than any fixed transfer buffer a reader might pick.
  std::string longText;
  while (longText.size() < 5000) longText += "0123456789";
  SendMessageA(status, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(longText.c_str()));
}

void OnCommand(HWND window, WORD id, WORD code) {
  switch (id) {
    case kOkId:
      if (code == BN_CLICKED) AddNote("ok");
      break;
    case kComboId:
    case kListId:
      if (code == 1 || code == 2 || code == 9)
        AddNote(std::string(id == kComboId ? "combo " : "list ") + std::to_string(code));
      break;
    case kMenuNew:
    case kMenuErase:
    case kMenuAbout:
      AddNote("menu " + std::to_string(id));
      break;
    case kMenuExit:
      DestroyWindow(window);
      break;
    default:
      break;
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateChildren(window);
      return 0;
    case WM_SETFOCUS:
      SetFocus(GetDlgItem(window, kEditId));
      return 0;
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_SIZE:
      SendMessageA(GetDlgItem(window, kStatusId), WM_SIZE, 0, 0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      HBRUSH brush = CreateSolidBrush(kSquareColour);
      FillRect(dc, &kSquare, brush);
      DeleteObject(brush);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  return RunHelperWindow(instance, {kClassName, WindowProc, commandLine, 40, 40, 520, 300, BuildMenu(), COLOR_BTNFACE});
}
