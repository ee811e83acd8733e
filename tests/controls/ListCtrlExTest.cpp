// The numbered action list on a real list-view control, with the real check
// message box answered by a timer of the test.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/win32/ListCtrlEx.h"
#include "res/EditorControlsIds.h"
#include "robots/win32/DataFolder.h"
#include "tests/controls/ControlsTestHost.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/TempFolder.h"

namespace {

// How the test answers the check message box when it shows.
struct BoxAnswer {
  int button = IDYES;      // IDYES, IDNO, IDCANCEL (Esc) or 0 (the close box)
  bool tick = false;
  int shown = 0;
  HWND owner = nullptr;
  std::string question;
  std::string caption;
};
BoxAnswer* pendingAnswer = nullptr;

BOOL CALLBACK TakeCheckBox(HWND hwnd, LPARAM out) {
  if (GetDlgItem(hwnd, IDC_CHECK_MSG_DONT_SHOW) && IsWindowVisible(hwnd)) {
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND FindCheckBox() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), TakeCheckBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindCheckBox();
  if (!box || !pendingAnswer) return;
  KillTimer(nullptr, timer);
  BoxAnswer& answer = *pendingAnswer;
  ++answer.shown;
  answer.owner = GetWindow(box, GW_OWNER);
  answer.question = WindowText(GetDlgItem(box, IDC_CHECK_MSG_TEXT));
  answer.caption = WindowText(box);
  if (answer.tick) SendMessageA(GetDlgItem(box, IDC_CHECK_MSG_DONT_SHOW), BM_CLICK, 0, 0);
  if (answer.button == IDCANCEL) {
    PostMessageA(GetDlgItem(box, IDYES), WM_KEYDOWN, VK_ESCAPE, 1);
  } else if (answer.button == 0) {
    PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else {
    SendMessageA(GetDlgItem(box, answer.button), BM_CLICK, 0, 0);
  }
}

class ListCtrlEx : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialogs.created);
    CreateDirectoryTree(dataFolder());
    ASSERT_TRUE(list.SubclassDlgItem(IDC_CT_LIST, dialogs.host.Handle()));
    list.InsertColumn(0, "Steps", LVCFMT_LEFT, 40, 0);
    list.InsertColumn(1, "Robot Actions Description", LVCFMT_LEFT, 180, 1);
    for (int row = 0; row < 5; ++row) {
      list.InsertItem(row, std::to_string(row + 1).c_str());
      list.SetItemText(row, 1, std::string(1, static_cast<char>('A' + row)).c_str());
    }
  }
  void TearDown() override { pendingAnswer = nullptr; }

  std::string dataFolder() { return GetDataFolder(); }
  std::string ConfirmFile() { return dataFolder() + "\\dcm.ini"; }

  std::vector<std::string> Column(int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
    return texts;
  }
  std::vector<int> Selected() {
    std::vector<int> rows;
    for (int row = 0; row < list.GetItemCount(); ++row) {
      if (list.GetItemState(row, LVIS_SELECTED)) rows.push_back(row);
    }
    return rows;
  }
  void Select(std::initializer_list<int> rows) {
    for (int row = 0; row < list.GetItemCount(); ++row) list.DeselectItem(row);
    for (int row : rows) list.SelectItem(row, false);
  }
  // Deletes with the box answered as `answer` says.
  void DeleteAnswering(BoxAnswer& answer) {
    pendingAnswer = &answer;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerBox);
    list.DeleteSelected();
    KillTimer(nullptr, timer);
    pendingAnswer = nullptr;
  }

  TempFolder appData;
  struct Redirect {
    explicit Redirect(const std::string& folder) { OverrideAppDataFolder(folder); }
    ~Redirect() { RestoreAppDataFolder(); }
  } redirect{appData.Path()};
  HostWithPage dialogs;
  CListCtrlEx list;
  CapturedMessageBoxes boxes;
};

using Texts = std::vector<std::string>;

TEST_F(ListCtrlEx, TopRowsMovingUpStaySelected) {
  Select({0, 1});
  list.MoveSelectedUp();
  EXPECT_EQ(Column(1), (Texts{"A", "B", "C", "D", "E"}));
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1}));
}

TEST_F(ListCtrlEx, ABlockMovesUpAndTheNumbersStay) {
  Select({2, 3});
  list.MoveSelectedUp();
  EXPECT_EQ(Column(1), (Texts{"A", "C", "D", "B", "E"}));
  EXPECT_EQ(Column(0), (Texts{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(Selected(), (std::vector<int>{1, 2}));
  list.MoveSelectedDown();
  list.MoveSelectedDown();
  EXPECT_EQ(Column(1), (Texts{"A", "B", "E", "C", "D"}));
  EXPECT_EQ(Selected(), (std::vector<int>{3, 4}));
  list.MoveSelectedDown();  // at the bottom: nothing moves
  EXPECT_EQ(Column(1), (Texts{"A", "B", "E", "C", "D"}));
  EXPECT_EQ(Selected(), (std::vector<int>{3, 4}));
}

TEST_F(ListCtrlEx, NothingSelectedIsTold) {
  Select({});
  list.MoveSelectedUp();
  list.MoveSelectedDown();
  list.DeleteSelected();
  ASSERT_EQ(boxes.boxes.size(), 3u);
  EXPECT_EQ(boxes.boxes[0].text, "No item selected, please select one item from list above.");
  EXPECT_EQ(boxes.boxes[1].text, "No item selected, please select one item from list above.");
  EXPECT_EQ(boxes.boxes[2].text,
            "No item selected, please select one item from list above to delete.");
  EXPECT_EQ(boxes.boxes[2].owner, dialogs.host.Handle());
  EXPECT_EQ(Column(1).size(), 5u);
}

TEST_F(ListCtrlEx, YesDeletesRenumbersAndKeepsAsking) {
  Select({1, 3});
  BoxAnswer answer;
  DeleteAnswering(answer);
  EXPECT_EQ(answer.shown, 1);
  EXPECT_EQ(answer.question, "Are you sure you want to delete selected robot actions?");
  EXPECT_EQ(answer.caption, "Tarnwick Quillmark");
  EXPECT_EQ(answer.owner, dialogs.host.Handle());
  EXPECT_EQ(Column(1), (Texts{"A", "C", "E"}));
  EXPECT_EQ(Column(0), (Texts{"1", "2", "3"}));
  EXPECT_EQ(Selected(), (std::vector<int>{1}));
  EXPECT_EQ(GetFileAttributesA(ConfirmFile().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(CListCtrlEx::IsDeleteConfirmOff());
}

TEST_F(ListCtrlEx, DeletingTheLastRowsSelectsTheNewLast) {
  Select({3, 4});
  BoxAnswer answer;
  DeleteAnswering(answer);
  EXPECT_EQ(Column(1), (Texts{"A", "B", "C"}));
  EXPECT_EQ(Selected(), (std::vector<int>{2}));
  Select({0, 1, 2});
  DeleteAnswering(answer);
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListCtrlEx, NoEscAndTheCloseBoxKeepTheRowsAndIgnoreTheTick) {
  for (int button : {IDNO, IDCANCEL, 0}) {
    Select({0});
    BoxAnswer answer;
    answer.button = button;
    answer.tick = true;
    DeleteAnswering(answer);
    EXPECT_EQ(answer.shown, 1) << "button " << button;
    EXPECT_EQ(list.GetItemCount(), 5) << "button " << button;
    EXPECT_EQ(GetFileAttributesA(ConfirmFile().c_str()), INVALID_FILE_ATTRIBUTES)
        << "button " << button;
    EXPECT_TRUE(IsWindow(dialogs.host.Handle()));
  }
}

TEST_F(ListCtrlEx, TheTickSwitchesTheQuestionOffForGood) {
  Select({0});
  BoxAnswer answer;
  answer.tick = true;
  DeleteAnswering(answer);
  EXPECT_EQ(ReadFileText(ConfirmFile()), "showcofm=0\n");
  EXPECT_TRUE(CListCtrlEx::IsDeleteConfirmOff());
  Select({0});
  BoxAnswer notAsked;
  DeleteAnswering(notAsked);
  EXPECT_EQ(notAsked.shown, 0);
  EXPECT_EQ(Column(1), (Texts{"C", "D", "E"}));
}

TEST_F(ListCtrlEx, ReleasingDeleteDeletes) {
  Select({4});
  BoxAnswer answer;
  pendingAnswer = &answer;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerBox);
  PostMessageA(list.Handle(), WM_KEYUP, VK_DELETE, 0xC0000001);
  PumpThroughFramework(50);
  KillTimer(nullptr, timer);
  EXPECT_EQ(answer.shown, 1);
  EXPECT_EQ(Column(1), (Texts{"A", "B", "C", "D"}));
}

TEST_F(ListCtrlEx, OnlyExactlyZeroInTheFileSwitchesTheQuestionOff) {
  for (const char* content : {"showcofm=00\n", "showcofm=1\n"}) {
    WriteFileText(ConfirmFile(), content);
    EXPECT_FALSE(CListCtrlEx::IsDeleteConfirmOff()) << content;
  }
  WriteFileText(ConfirmFile(), "showcofm=0\r\n");
  EXPECT_TRUE(CListCtrlEx::IsDeleteConfirmOff());
}

}  // namespace
