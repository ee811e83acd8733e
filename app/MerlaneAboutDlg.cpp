#include "app/MerlaneAboutDlg.h"

#include <string>

#include "app/SupportAddresses.h"
#include "res/resource.h"
#include "robots/win32/Browser.h"

namespace {

constexpr COLORREF kBackground = RGB(181, 211, 211);
constexpr COLORREF kLinkColour = 0xFF0005;
constexpr char kNoMailProgram[] = "We are unable to locate your default e-mail program.";

}  // namespace

CMerlaneAboutDlg::CMerlaneAboutDlg() : background_(CreateSolidBrush(kBackground)) {}

CMerlaneAboutDlg::~CMerlaneAboutDlg() {
  // The labels go first: they hand their windows back before the dialog's.
  if (background_) DeleteObject(background_);
}

INT_PTR CMerlaneAboutDlg::DoModal(HWND owner) {
  return ui::Dialog::DoModal(GetModuleHandleA(nullptr), IDD_ABOUTBOX, owner);
}

void CMerlaneAboutDlg::SetUpLink(CLabel& label, int id, const char* text) {
  SetDlgItemTextA(Handle(), id, text);
  label.SubclassDlgItem(id, Handle());
  label.SetTransparent(true)
      .SetFontName("Tahoma")
      .SetFontSize(10)
      .SetTextColor(kLinkColour)
      .SetFontUnderline(true)
      .SetLink(true, true)
      .SetLinkCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_CURSOR)));
}

bool CMerlaneAboutDlg::OnInitDialog() {
  // The labels draw their text straight onto the dialog's background, as
  // its plain texts do, rather than on boxes of the button face colour.
  productName_.SubclassDlgItem(IDC_PRODUCT_NAME, Handle());
  productName_.SetTransparent(true).SetFontSize(14).SetTextColor(RGB(0, 0, 0));
  SetUpLink(technicalSupport_, IDC_TECH_SUPPORT_LINK, kTechnicalSupportMail);
  SetUpLink(sales_, IDC_SALES_LINK, kSalesMail);
  SetUpLink(webSite_, IDC_WEBSITE_LINK, kWebSite);
  return true;
}

bool CMerlaneAboutDlg::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code != CLabel::kLinkClicked) return false;
  switch (header->idFrom) {
    case IDC_WEBSITE_LINK:
      OpenInBrowser(kWebSite, Handle());
      break;
    case IDC_TECH_SUPPORT_LINK:
      OpenAddress(std::string("mailto:") + kTechnicalSupportMail, kNoMailProgram, Handle());
      break;
    case IDC_SALES_LINK:
      OpenAddress(std::string("mailto:") + kSalesMail, kNoMailProgram, Handle());
      break;
    default:
      return false;
  }
  result = 0;
  return true;
}

bool CMerlaneAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      result = reinterpret_cast<LRESULT>(background_);
      return true;
    default:
      return ui::Dialog::OnMessage(message, wParam, lParam, result);
  }
}
