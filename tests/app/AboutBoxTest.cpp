// The about box: its look, its links and their failures, and the tray
// commands that open it and the help file.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/MerlaneAboutDlg.h"
#include "app/MerlaneDlg.h"
#include "app/SupportAddresses.h"
#include "app/TrayIcon.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/ModalDialogs.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/win32/ShellOpenRecorder.h"
#include "tests/support/win32/WindowPixels.h"

namespace {

void ClickLink(HWND dialog, int id) {
  SendMessageA(GetDlgItem(dialog, id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
}

TEST(AboutBox, FontsColoursAndTexts) {
  CMerlaneAboutDlg about;
  bool looked = false;
  WhileModal steps("About Quillmark", [&](HWND dialog) {
    looked = true;
    EXPECT_STREQ(about.ProductName().FontDescription().lfFaceName, "Lucida Sans");
    EXPECT_EQ(about.ProductName().FontDescription().lfHeight, -18);  // 14 points at 96 dpi
    EXPECT_EQ(about.ProductName().TextColour(), RGB(0, 0, 0));
    for (CLabel* link : {&about.WebSite(), &about.TechnicalSupport(), &about.Sales()}) {
      EXPECT_STREQ(link->FontDescription().lfFaceName, "Tahoma");
      EXPECT_EQ(link->FontDescription().lfHeight, -13);
      EXPECT_TRUE(link->FontDescription().lfUnderline);
      EXPECT_EQ(link->TextColour(), static_cast<COLORREF>(0xFF0005));
      EXPECT_TRUE(GetWindowLongPtrA(link->Handle(), GWL_STYLE) & SS_NOTIFY);
    }
    char text[128];
    GetDlgItemTextA(dialog, IDC_WEBSITE_LINK, text, sizeof text);
    EXPECT_STREQ(text, kWebSite);
    GetDlgItemTextA(dialog, IDC_TECH_SUPPORT_LINK, text, sizeof text);
    EXPECT_STREQ(text, kTechnicalSupportMail);
    GetDlgItemTextA(dialog, IDC_SALES_LINK, text, sizeof text);
    EXPECT_STREQ(text, kSalesMail);
    // Statics, buttons and the dialog get its background brush.
    HDC dc = GetDC(dialog);
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLORDLG}) {
      LRESULT brush = SendMessageA(dialog, message, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, -1)));
      EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), about.BackgroundBrush()) << message;
      EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    }
    ReleaseDC(dialog, dc);
    LOGBRUSH colour{};
    GetObjectA(about.BackgroundBrush(), sizeof colour, &colour);
    EXPECT_EQ(colour.lbColor, RGB(181, 211, 211));
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(about.DoModal(nullptr), IDOK);
  EXPECT_TRUE(looked);
}

// The colour that most pixels of a window show, and how many show each.
struct ColourCount {
  std::map<COLORREF, int> counts;
  COLORREF Commonest() const {
    COLORREF commonest = 0;
    int most = 0;
    for (const auto& [colour, count] : counts) {
      if (count > most) {
        most = count;
        commonest = colour;
      }
    }
    return commonest;
  }
  int Of(COLORREF colour) const {
    auto found = counts.find(colour);
    return found == counts.end() ? 0 : found->second;
  }
};

ColourCount CountColours(HWND window) {
  ColourCount count;
  Pixels shown = CaptureClient(window);
  for (COLORREF colour : shown.colours) ++count.counts[colour];
  return count;
}

// The product name and the links stand on the dialog's blue-green, not on
// grey boxes of their own, and their texts are drawn on it.
TEST(AboutBox, TheNameAndTheLinksStandOnTheDialogsBackground) {
  CMerlaneAboutDlg about;
  WhileModal steps("About Quillmark", [&](HWND dialog) {
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SaveShot(CaptureClient(dialog), "about-box");
    const struct {
      CLabel* label;
      COLORREF text;
    } labels[] = {{&about.ProductName(), RGB(0, 0, 0)},
                  {&about.TechnicalSupport(), 0xFF0005},
                  {&about.Sales(), 0xFF0005},
                  {&about.WebSite(), 0xFF0005}};
    for (const auto& shown : labels) {
      int id = GetDlgCtrlID(shown.label->Handle());
      ColourCount count = CountColours(shown.label->Handle());
      EXPECT_EQ(count.Commonest(), RGB(181, 211, 211)) << "label " << id;
      EXPECT_EQ(count.Of(GetSysColor(COLOR_BTNFACE)), 0) << "label " << id;
      EXPECT_GT(count.Of(shown.text), 0) << "label " << id << ": no text is drawn";
    }
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(about.DoModal(nullptr), IDOK);
  EXPECT_TRUE(steps.Ran());
}

TEST(AboutBox, LinksOpenTheirAddresses) {
  ShellOpenRecorder shell;
  CapturedMessageBoxes boxes;
  CMerlaneAboutDlg about;
  WhileModal steps("About Quillmark", [&](HWND dialog) {
    ClickLink(dialog, IDC_WEBSITE_LINK);
    ClickLink(dialog, IDC_TECH_SUPPORT_LINK);
    ClickLink(dialog, IDC_SALES_LINK);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  about.DoModal(nullptr);
  ASSERT_EQ(shell.requests().size(), 3u);
  EXPECT_EQ(shell.requests()[0].file, kWebSite);
  EXPECT_EQ(shell.requests()[1].file, std::string("mailto:") + kTechnicalSupportMail);
  EXPECT_EQ(shell.requests()[2].file, std::string("mailto:") + kSalesMail);
  for (const ShellOpenRequest& request : shell.requests()) {
    EXPECT_EQ(request.verb, "open");
    EXPECT_EQ(request.owner, GetDesktopWindow());
    EXPECT_EQ(request.show, SW_SHOW);
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST(AboutBox, FailedLinksSayWhatIsMissing) {
  ShellOpenRecorder shell(2);
  CapturedMessageBoxes boxes;
  CMerlaneAboutDlg about;
  HWND shown = nullptr;
  WhileModal steps("About Quillmark", [&](HWND dialog) {
    shown = dialog;
    ClickLink(dialog, IDC_WEBSITE_LINK);
    ClickLink(dialog, IDC_SALES_LINK);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
  about.DoModal(nullptr);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, "We are unable to locate your default browser.");
  EXPECT_EQ(boxes.boxes[1].text, "We are unable to locate your default e-mail program.");
  EXPECT_EQ(boxes.boxes[0].owner, shown);
}

TEST(AboutBox, ItsBrushAndFontsGoWithIt) {
  HBRUSH brush;
  HFONT font;
  {
    CMerlaneAboutDlg about;
    WhileModal steps("About Quillmark",
                     [](HWND dialog) { SendMessageA(dialog, WM_COMMAND, IDOK, 0); });
    about.DoModal(nullptr);
    brush = about.BackgroundBrush();
    font = about.WebSite().Font();
    ASSERT_NE(GetObjectType(brush), 0u);
  }
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(GetObjectType(font), 0u);
}

class TrayCommands : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(GetModuleHandleA(nullptr)));
    tray.SetInstance(GetModuleHandleA(nullptr));
    tray.SetTarget(&dialog);
    ASSERT_TRUE(tray.Create(dialog.Handle()));
  }
  RobotFolderFixture folder;
  FakeScriptEngine engine;
  CMerlaneDlg dialog;
  CTrayIcon tray;
};

TEST_F(TrayCommands, AboutOpensTheAboutBox) {
  WhileModal steps("About Quillmark",
                   [](HWND about) { SendMessageA(about, WM_COMMAND, IDOK, 0); });
  SendMessageA(tray.Handle(), WM_COMMAND, ID_TRAY_ABOUT, 0);
  EXPECT_TRUE(steps.Ran());
}

TEST_F(TrayCommands, ShowHelpTellsOfAMissingHelpFile) {
  CapturedMessageBoxes boxes;
  SendMessageA(tray.Handle(), WM_COMMAND, ID_TRAY_HELP, 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text.rfind("Help file not found. Please visit support website\n", 0),
            0u);
  EXPECT_EQ(boxes.boxes[0].style, mb::kOk | mb::kIconError);
}

}  // namespace
