#include "app/DoYouKnowDlg.h"

#include "engine/ports/MessageBoxPort.h"
#include "res/resource.h"
#include "robots/AppMessage.h"
#include "robots/TipsOptions.h"
#include "robots/Utilities.h"
#include "robots/win32/ModulePath.h"

namespace {

constexpr int kPanelId = 1000;
constexpr int kPanelFontSize = 100;  // tenths of a point
constexpr int kPanelSpacing = 14;

std::string& TipsFileOverride() {
  static std::string path;
  return path;
}

}  // namespace

std::string CDoYouKnowDlg::TipsFilePath() {
  if (!TipsFileOverride().empty()) return TipsFileOverride();
  return GetModuleFolder() + "\\tips.txt";
}

void CDoYouKnowDlg::OverrideTipsFile(const std::string& path) { TipsFileOverride() = path; }

int CDoYouKnowDlg::LoadTips() {
  ReadTipsFile(TipsFilePath(), tips_);
  return tips_.empty() ? 0 : 1;
}

INT_PTR CDoYouKnowDlg::DoModal(HWND owner) {
  return ui::Dialog::DoModal(GetModuleHandleA(nullptr), IDD_TIPS, owner);
}

bool CDoYouKnowDlg::OnInitDialog() {
  RECT place;
  GetWindowRect(Item(IDC_TIP_TEXT), &place);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
  if (!text_.Create(WS_CHILD | WS_VISIBLE, place, Handle(), kPanelId)) {
    ShowMessageBox(Handle(), "Big Mistakes!", kAppTitle, mb::kOk);
  }
  text_.SetTextFont("MS Sans Serif", kPanelFontSize);
  text_.SetSpacing(kPanelSpacing);
  if (!tips_.empty()) index_ = RandomInRange(0, static_cast<int>(tips_.size()) - 1);
  ShowTip();
  return true;
}

void CDoYouKnowDlg::ShowTip() {
  if (index_ < 0 || index_ >= static_cast<int>(tips_.size())) return;
  text_.SetText("Did you know...\n\n" + tips_[index_]);
}

bool CDoYouKnowDlg::OnCommand(int id, int code, HWND control) {
  if (id != IDC_NEXT_TIP || code != BN_CLICKED) return false;
  if (tips_.empty()) return true;
  index_ = index_ + 1 >= static_cast<int>(tips_.size()) ? 0 : index_ + 1;
  ShowTip();
  return true;
}

void CDoYouKnowDlg::Finish(INT_PTR result) {
  showTips_ = IsDlgButtonChecked(Handle(), IDC_DONT_SHOW_TIPS) == BST_CHECKED ? 0 : 1;
  End(result);
}
