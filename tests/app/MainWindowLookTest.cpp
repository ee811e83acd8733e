// The main window as a user sees it: each icon button on a plain area of the
// background, icons that fit their buttons with clean edges, captions that
// read in the normal and the hovered look, and key columns that show usual
// keys whole. With QM_SHOT_DIR set, the window is saved there as BMP files
// for a person to judge.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ColorShades.h"
#include "controls/win32/ButtonST.h"
#include "controls/win32/DibFormat.h"
#include "controls/win32/ProfileBinary.h"
#include "res/resource.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/WindowPixels.h"

namespace {

const int kButtonIds[] = {IDC_RUN_ROBOT,  IDC_SCHEDULE,   IDC_HELP_BUTTON,
                          IDC_ADD_ROBOT, IDC_EDIT_ROBOT, IDC_REMOVE_ROBOT};

Pixels BackgroundBitmap() {
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACKGROUND));
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  Pixels pixels = Capture(memory, info.bmWidth, info.bmHeight);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  return pixels;
}

class MainWindowLook : public MainWindow {
 protected:
  void ShowIt() {
    OpenWindow();
    ShowWindow(dialog->Handle(), SW_SHOWNORMAL);
    ASSERT_TRUE(BringToFront(dialog->Handle()));
    Redraw(dialog->Handle());
  }
  void TearDown() override {
    SetCursorPos(0, 0);
    MainWindow::TearDown();
  }
  static void Redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessagesFor(50);
  }
  // A button's rectangle in the main window's client area.
  RECT PlaceOf(int id) {
    RECT rect;
    GetWindowRect(dialog->Item(id), &rect);
    MapWindowPoints(nullptr, dialog->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  void Hover(int id) {
    RECT rect;
    GetWindowRect(dialog->Item(id), &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PumpMessagesFor(20);
    SendMessageA(dialog->Item(id), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Redraw(dialog->Item(id));
  }
  // The strongest contrast between a caption pixel and the background under
  // it: the caption is what differs from the background right of the icon,
  // inside the frame.
  double CaptionContrast(int id, const Pixels& background) {
    RECT place = PlaceOf(id);
    Pixels shown = CaptureClient(dialog->Item(id));
    int iconWidth = 0, iconHeight = 0;
    IconSize(dialog->CommandButton(id)->InIcon(), iconWidth, iconHeight);
    double best = 1.0;
    for (int y = 3; y < shown.height - 3; ++y) {
      for (int x = 3 + iconWidth + 2; x < shown.width - 3; ++x) {
        COLORREF under = background.At(place.left + x, place.top + y);
        double contrast = ContrastRatio(shown.At(x, y), under);
        if (contrast > best) best = contrast;
      }
    }
    return best;
  }
  static bool IconSize(HICON icon, int& width, int& height) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return false;
    width = static_cast<int>(info.xHotspot) * 2;
    height = static_cast<int>(info.yHotspot) * 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return true;
  }
};

// No band or edge of the background runs under a button, and its normal
// black caption reads on every pixel there.
TEST_F(MainWindowLook, EachButtonStandsOnAPlainLightPartOfTheBackground) {
  OpenWindow();
  Pixels background = BackgroundBitmap();
  ASSERT_GT(background.width, 0);
  for (int id : kButtonIds) {
    RECT place = PlaceOf(id);
    ASSERT_LE(place.right, background.width) << id;
    ASSERT_LE(place.bottom, background.height) << id;
    double lightest = 0.0, darkest = 1.0;
    for (int y = place.top; y < place.bottom; ++y) {
      for (int x = place.left; x < place.right; ++x) {
        double luminance = RelativeLuminance(background.At(x, y));
        if (luminance > lightest) lightest = luminance;
        if (luminance < darkest) darkest = luminance;
      }
    }
    EXPECT_GE((darkest + 0.05) / 0.05, 4.5)  // black's contrast on the darkest pixel
        << "button " << id << ": darkest luminance under it " << darkest;
    EXPECT_LT((lightest + 0.05) / (darkest + 0.05), 1.3)
        << "button " << id << ": a band or edge runs under it (luminance " << darkest << " to "
        << lightest << ")";
  }
}

// Each icon fits inside its button, and where its mask is transparent its
// colour is black, so that drawing it by the mask adds no stray pixels.
TEST_F(MainWindowLook, IconsFitTheirButtonsAndAreCleanWhereTheirMaskIsTransparent) {
  OpenWindow();
  for (int id : kButtonIds) {
    CButtonST* button = dialog->CommandButton(id);
    ASSERT_NE(button, nullptr) << id;
    RECT client;
    GetClientRect(button->Handle(), &client);
    int width = 0, height = 0;
    ASSERT_TRUE(IconSize(button->InIcon(), width, height)) << id;
    EXPECT_LE(height, client.bottom - 2) << "button " << id << " is " << client.bottom
                                         << " pixels high";
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(button->InIcon(), &info)) << id;
    HDC screen = GetDC(nullptr);
    BITMAPINFO format = TopDown32BitFormat(width, height);
    std::vector<RGBQUAD> colour(static_cast<size_t>(width) * height);
    std::vector<RGBQUAD> mask(colour.size());
    ASSERT_EQ(GetDIBits(screen, info.hbmColor, 0, height, colour.data(), &format, DIB_RGB_COLORS),
              height);
    ASSERT_EQ(GetDIBits(screen, info.hbmMask, 0, height, mask.data(), &format, DIB_RGB_COLORS),
              height);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    int stray = 0;
    for (size_t i = 0; i < colour.size(); ++i) {
      bool transparent = mask[i].rgbRed != 0;
      bool black = colour[i].rgbRed == 0 && colour[i].rgbGreen == 0 && colour[i].rgbBlue == 0;
      if (transparent && !black) ++stray;
    }
    EXPECT_EQ(stray, 0) << "button " << id << ": coloured pixels under a transparent mask";
  }
}

// Black on a light face normally; hovered, the caption still reads.
TEST_F(MainWindowLook, CaptionsReadNormallyAndWhenHovered) {
  ShowIt();
  Pixels background = BackgroundBitmap();
  SaveShot(CaptureClient(dialog->Handle()), "main-window");
  for (int id : kButtonIds) {
    EXPECT_GE(CaptionContrast(id, background), 4.5) << "button " << id << " normal";
    Hover(id);
    ASSERT_TRUE(dialog->CommandButton(id)->IsHovered()) << id;
    EXPECT_GE(CaptionContrast(id, background), 4.5) << "button " << id << " hovered";
    if (id == IDC_ADD_ROBOT) SaveShot(CaptureClient(dialog->Handle()), "main-window-hover");
    SendMessageA(dialog->Item(id), WM_MOUSELEAVE, 0, 0);
  }
}

constexpr int kStartKeyColumn = 2;
constexpr int kEndKeyColumn = 3;

// The width of a text at the list's own font.
int TextWidthAtListFont(HWND list, const std::string& text) {
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  return extent.cx;
}

int ColumnWidth(HWND list, int column) {
  return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
}

// The width the list itself needs to show every cell of the column whole;
// the column's own width is put back.
int WidthTheListNeeds(HWND list, int column) {
  int own = ColumnWidth(list, column);
  SendMessageA(list, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(LVSCW_AUTOSIZE, 0));
  int needed = ColumnWidth(list, column);
  SendMessageA(list, LVM_SETCOLUMNWIDTH, column, MAKELPARAM(own, 0));
  return needed;
}

TEST_F(MainWindowLook, TheKeyColumnsShowUsualKeysWholeAndTheListKeepsItsSize) {
  const std::string shortKey = "Ctrl + Shift + K";
  const std::string longKey = "Ctrl + Shift + Alt + <F12>";  // as the list shows F12
  folder.WriteRobot({"short", shortKey, longKey});
  folder.WriteRobot({"long", longKey, shortKey});
  ShowIt();
  HWND list = dialog->RobotList().Handle();
  SaveShot(CaptureClient(dialog->Handle()), "main-window-keys");
  for (int column : {kStartKeyColumn, kEndKeyColumn}) {
    int width = ColumnWidth(list, column);
    for (const std::string& key : {shortKey, longKey}) {
      // A cell keeps a margin of about six pixels on each side of its text.
      EXPECT_GE(width, TextWidthAtListFont(list, key) + 12) << "column " << column << ": " << key;
    }
    EXPECT_GE(width, WidthTheListNeeds(list, column)) << "column " << column;
  }
  RECT client;
  GetClientRect(list, &client);
  int total = 0;
  for (int column = 0; column < 4; ++column) total += ColumnWidth(list, column);
  EXPECT_LE(total, client.right) << "the columns run past the list's right edge";
  RECT frame;
  GetWindowRect(list, &frame);
  EXPECT_EQ(frame.right - frame.left, 601);
  EXPECT_EQ(frame.bottom - frame.top, 204);
}

// Widths saved in the profile are the user's: they count over the fitted ones.
TEST_F(MainWindowLook, SavedColumnWidthsStillCount) {
  struct SavedWidths {
    SavedWidths() {
      // count 4, widths 40, 120, 70 and 90, as hexadecimal bytes
      ok = WritePrivateProfileStringA("ListCtrls", std::to_string(IDC_ROBOT_LIST).c_str(),
                                      "040000002800000078000000460000005A000000",
                                      kProfileFileName) != FALSE;
    }
    ~SavedWidths() { WritePrivateProfileStringA("ListCtrls", nullptr, nullptr, kProfileFileName); }
    bool ok;
  } saved;
  ASSERT_TRUE(saved.ok);
  OpenWindow();
  HWND list = dialog->RobotList().Handle();
  EXPECT_EQ(ColumnWidth(list, 0), 40);
  EXPECT_EQ(ColumnWidth(list, 1), 120);
  EXPECT_EQ(ColumnWidth(list, kStartKeyColumn), 70);
  EXPECT_EQ(ColumnWidth(list, kEndKeyColumn), 90);
}

}  // namespace
