// The numeric edit and its spin control on real EDIT and up-down controls of
// a page nested in a dialog.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/win32/NumEdit.h"
#include "controls/win32/NumSpinCtrl.h"
#include "tests/controls/ControlsTestHost.h"
#include "tests/support/CapturedMessageBoxes.h"

namespace {

void PutOnClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  size_t size = strlen(text) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

class NumEdit : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialogs.created);
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_CT_NUMBER, dialogs.page.Handle()));
    ASSERT_TRUE(spin.SubclassDlgItem(IDC_CT_SPIN, dialogs.page.Handle()));
    SetFocus(edit.Handle());
  }

  void Type(const std::string& text) {
    for (char c : text) PostMessageA(edit.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    PumpThroughFramework();
  }

  void SelectAll() { SendMessageA(edit.Handle(), EM_SETSEL, 0, -1); }

  std::pair<DWORD, DWORD> Selection() {
    DWORD start = 0, end = 0;
    SendMessageA(edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }

  // A click on the upper (up) or lower (down) arrow of the spin control.
  void ClickSpin(bool up) {
    RECT area{};
    GetClientRect(spin.Handle(), &area);
    LPARAM point = MAKELPARAM(area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4);
    SendMessageA(spin.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(spin.Handle(), WM_LBUTTONUP, 0, point);
  }

  int SpinCounter() { return static_cast<int>(SendMessageA(spin.Handle(), UDM_GETPOS32, 0, 0)); }

  HostWithPage dialogs;
  CNumEdit edit;
  CNumSpinCtrl spin;
};

TEST_F(NumEdit, TypedDecimalsStayInUse) {
  edit.SetValue(0);
  SelectAll();
  Type("1.25");
  EXPECT_EQ(edit.GetText(), "1.25");
  EXPECT_FLOAT_EQ(edit.GetValue(), 1.25f);
  EXPECT_TRUE(edit.SetValue(3));
  EXPECT_EQ(edit.GetText(), "3.00");
  EXPECT_TRUE(edit.SetValue(4.5f));
  EXPECT_EQ(edit.GetText(), "4.50");
}

TEST_F(NumEdit, ALetterRestoresTheValueAndSelectsAll) {
  edit.SetValue(12);
  SendMessageA(edit.Handle(), EM_SETSEL, 2, 2);
  Type("a");
  EXPECT_EQ(edit.GetText(), "12");
  EXPECT_EQ(Selection(), (std::pair<DWORD, DWORD>{0, 2}));
}

TEST_F(NumEdit, ErrorsAreToldOnlyWhenAskedFor) {
  CapturedMessageBoxes boxes;
  edit.SetRange(0, 100);
  edit.SetValue(12);
  Type("a");
  EXPECT_TRUE(boxes.boxes.empty());

  edit.SetShowErrors(1);
  SendMessageA(edit.Handle(), EM_SETSEL, 2, 2);
  Type("b");
  SendMessageA(edit.Handle(), EM_SETSEL, 2, 2);
  Type("5");  // 125 is out of range
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, "Characters must be a number.\n");
  EXPECT_EQ(boxes.boxes[1].text, "Given value is out of range.\n");
  EXPECT_EQ(boxes.boxes[1].style & 0xF0, mb::kIconError);
  EXPECT_EQ(boxes.boxes[1].owner, dialogs.host.Handle());
  EXPECT_EQ(edit.GetText(), "12");
}

TEST_F(NumEdit, ASpaceIsSwallowedAndALoneSignIsLeft) {
  edit.SetRange(-10, 10);
  edit.SetValue(5);
  SelectAll();
  Type(" ");
  EXPECT_EQ(edit.GetText(), "5");
  SelectAll();
  Type("-");
  EXPECT_EQ(edit.GetText(), "-");
  EXPECT_FLOAT_EQ(edit.GetValue(), -10);  // the minimum while no number is shown
}

TEST_F(NumEdit, PastedTextGetsTheTypedTextCheck) {
  edit.SetValue(7);
  for (const char* pasted : {"nan", "abc", "inf", "0x10", "1e3"}) {
    PutOnClipboard(pasted);
    SelectAll();
    SendMessageA(edit.Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit.GetText(), "7") << pasted;
    // Shift+Insert pastes from the key itself.
    SelectAll();
    SetHeldModifiers(false, true, false);
    PostMessageA(edit.Handle(), WM_KEYDOWN, VK_INSERT, 1);
    PumpThroughFramework();
    SetHeldModifiers(false, false, false);
    EXPECT_EQ(edit.GetText(), "7") << pasted;
    EXPECT_FLOAT_EQ(edit.GetValue(), 7) << pasted;
  }
  PutOnClipboard("2.5");
  SelectAll();
  SendMessageA(edit.Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit.GetText(), "2.5");
  EXPECT_EQ(edit.Decimals(), 1);
}

TEST_F(NumEdit, SetValueOutOfRangeChangesNothing) {
  edit.SetRange(1, 10);
  ASSERT_TRUE(edit.SetValue(4));
  EXPECT_FALSE(edit.SetValue(11));
  EXPECT_FALSE(edit.SetValue(0.5f));
  EXPECT_EQ(edit.GetText(), "4");
}

TEST_F(NumEdit, ALargeTypedNumberKeepsPlainDecimals) {
  edit.SetRange(1, 9999999);
  spin.SetBuddy(edit.Handle());
  spin.SetRange(1, 9999999);
  spin.SetPos(1);
  SelectAll();
  Type("1234567");
  EXPECT_EQ(edit.GetText(), "1234567");
  ClickSpin(true);
  EXPECT_EQ(edit.GetText(), "1234568");
  EXPECT_EQ(edit.Decimals(), 0);
}

TEST_F(NumEdit, SpinStepsStopAtTheMaximum) {
  EXPECT_EQ(spin.SetBuddy(edit.Handle()), edit.Handle());  // the template's own buddy
  EXPECT_EQ(edit.GetText(), "0");
  spin.SetRange(1, 10);
  spin.SetStep(1);
  spin.SetPos(8);
  for (int i = 0; i < 4; ++i) ClickSpin(true);
  EXPECT_EQ(edit.GetText(), "10");
  ClickSpin(false);
  EXPECT_EQ(edit.GetText(), "9");
  float low = 0, high = 0;
  spin.GetRange(low, high);
  EXPECT_EQ(low, 1);
  EXPECT_EQ(high, 10);
}

TEST_F(NumEdit, SpinStillStepsAfterManyClicksOneWay) {
  spin.SetBuddy(edit.Handle());
  spin.SetRange(1, 9999999);
  spin.SetPos(5000);
  for (int i = 0; i < 600; ++i) ClickSpin(false);
  EXPECT_EQ(edit.GetText(), "4400");
  EXPECT_GT(SpinCounter(), 0);
  EXPECT_LT(SpinCounter(), 1000);
  for (int i = 0; i < 1200; ++i) ClickSpin(true);
  EXPECT_EQ(edit.GetText(), "5600");
  EXPECT_GT(SpinCounter(), 0);
  EXPECT_LT(SpinCounter(), 1000);
  EXPECT_FLOAT_EQ(spin.GetPos(), 5600);
}

TEST_F(NumEdit, WithoutANumEditBuddyTheSpinDoesNothing) {
  HWND other = dialogs.PageItem(IDC_CT_OTHER);
  SetWindowTextA(other, "x");
  spin.SetBuddy(other);
  spin.SetRange(1, 10);
  spin.SetPos(3);
  ClickSpin(true);
  EXPECT_EQ(WindowText(other), "x");
  EXPECT_EQ(spin.GetPos(), 0);
  EXPECT_EQ(spin.GetStep(), 0);
}

}  // namespace
