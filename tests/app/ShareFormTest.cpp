// The share form: the page it builds from a robot file, the short name of the
// system, and the dialog that writes the page and shows it, over a recording
// browser and over the system's control as Wine has it.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/RobotSharePage.h"
#include "app/RobotUploadDlg.h"
#include "controls/win32/BrowserView.h"
#include "controls/win32/SystemWebBrowser.h"
#include "res/resource.h"
#include "robots/win32/DataFolder.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/CapturedMessageBoxes.h"
#include "tests/support/FileContent.h"
#include "tests/support/win32/FakeBrowser.h"
#include "tests/support/win32/MessagePump.h"
#include "tests/support/win32/TestWindows.h"
#include "tests/support/win32/WhileModal.h"

namespace {

// The page's value of a field: the text between `field`'s value=" and the
// next double quote.
std::string FieldValue(const std::string& page, const std::string& field) {
  std::size_t at = page.find("NAME=" + field + " ");
  if (at == std::string::npos) return "<no field>";
  std::size_t start = page.find("value=\"", at);
  if (start == std::string::npos) return "<no value>";
  start += 7;
  return page.substr(start, page.find('"', start) - start);
}

std::string TextAreaOf(const std::string& page) {
  std::size_t start = page.find("<TEXTAREA NAME=script_script ROWS=7 COLS=60>");
  if (start == std::string::npos) return "<no text area>";
  start = page.find('>', start) + 1;
  return page.substr(start, page.find("</TEXTAREA>", start) - start);
}

SharePageFields Fields(std::vector<std::string> lines) {
  SharePageFields fields;
  fields.robotFileName = "my robot.txt";
  fields.robotFileLines = std::move(lines);
  fields.screenWidth = 1024;
  fields.screenHeight = 768;
  fields.osName = "WinXP";
  return fields;
}

TEST(SharePage, FillsEachFieldAsTheFormLaysItOut) {
  std::string page = BuildSharePage(Fields({"[General]", "Description=Types a greeting",
                                            "[Script]", "Send(\"hi\")"}));
  EXPECT_NE(page.find("<TITLE>Share Robot</TITLE>"), std::string::npos);
  EXPECT_NE(page.find("they may get he idea to improve"), std::string::npos);
  EXPECT_NE(page.find("who uploaded valualbe robots"), std::string::npos);
  EXPECT_NE(page.find(std::string("<FORM NAME=upload_robot METHOD=POST ACTION=\"") + kUploadHost +
                      "/cgi-bin/merlane/upload.pl\">"),
            std::string::npos);
  EXPECT_NE(page.find("Robot Name:<BR><INPUT TYPE=text NAME=script_name size=100 "
                      "value=\"my robot.txt\"><BR><BR>"
                      "Robot Description:<BR><INPUT TYPE=text NAME=script_description "
                      "value=\"Types a greeting\"><BR><BR>"
                      "Robot Script:<BR><TEXTAREA NAME=script_script ROWS=7 COLS=60>"
                      "[General]\nDescription=Types a greeting\n[Script]\nSend(&quot;hi&quot;)\n"
                      "</TEXTAREA><BR><BR>"
                      "Screen Resolution:<BR><INPUT TYPE=text NAME=screen_resolution size=40 "
                      "value=\"1024 x 768\"><BR><BR>"
                      "OS Version:<BR><INPUT TYPE=text NAME=os_version size=40 "
                      "value=\"WinXP\"><BR><BR>"
                      "Tarnwick Quillmark Version:<BR><INPUT TYPE=text NAME=ml_version size=40 "
                      "value=\"5.0\"><BR><BR>"),
            std::string::npos)
      << page;
  const std::string tail =
      "<INPUT TYPE=submit VALUE=\"Share Now\">\n</FORM>\n</TD></TR>\n</TABLE>\n</BODY>\n"
      "</HTML>\n";
  ASSERT_GE(page.size(), tail.size());
  EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
}

TEST(SharePage, TheLastDescriptionLineWins) {
  std::string page = BuildSharePage(
      Fields({"Description=first", "[Script]", "Description=second", "Descriptions=no"}));
  EXPECT_EQ(FieldValue(page, "script_description"), "second");
  EXPECT_EQ(RobotDescription({"no description here"}), "");
}

// A robot file may come from another computer: its text must stay text.
TEST(SharePage, EscapesMarkupInEveryValueSoThePostedFieldsEqualTheRobotsText) {
  struct Case {
    const char* description;
    const char* escaped;
  };
  const Case cases[] = {
      {"say \"hi\" now", "say &quot;hi&quot; now"},
      {"a < b > c", "a &lt; b &gt; c"},
      {"fish & chips", "fish &amp; chips"},
      {"&quot; stays text", "&amp;quot; stays text"},
      {"</TEXTAREA><script>alert(1)</script>",
       "&lt;/TEXTAREA&gt;&lt;script&gt;alert(1)&lt;/script&gt;"},
  };
  for (const Case& c : cases) {
    SharePageFields fields =
        Fields({std::string("Description=") + c.description, c.description});
    fields.robotFileName = std::string(c.description) + ".txt";
    fields.osName = c.description;
    std::string page = BuildSharePage(fields);
    EXPECT_EQ(FieldValue(page, "script_description"), c.escaped) << c.description;
    EXPECT_EQ(FieldValue(page, "script_name"), std::string(c.escaped) + ".txt");
    EXPECT_EQ(FieldValue(page, "os_version"), c.escaped);
    EXPECT_EQ(TextAreaOf(page),
              std::string("Description=") + c.escaped + "\n" + c.escaped + "\n");
    // Nothing of the robot's text opens or closes markup of its own.
    EXPECT_EQ(page.find("<script>"), std::string::npos) << c.description;
  }
}

TEST(SharePage, ScreenResolutionReadsWidthByHeight) {
  SharePageFields fields = Fields({});
  EXPECT_EQ(FieldValue(BuildSharePage(fields), "screen_resolution"), "1024 x 768");
  fields.screenWidth = 1920;
  fields.screenHeight = 1080;
  EXPECT_EQ(FieldValue(BuildSharePage(fields), "screen_resolution"), "1920 x 1080");
}

TEST(OsVersionName, NamesEachSystemFamilyByItsVersion) {
  struct Case {
    unsigned platform;
    unsigned major;
    unsigned minor;
    int code;
    const char* name;
  };
  const Case cases[] = {
      {kPlatformWin9x, 4, 0, 1, "Win95"},    {kPlatformWin9x, 3, 95, 1, "Win95"},
      {kPlatformWin9x, 4, 1, 2, "Win98"},    {kPlatformWin9x, 4, 10, 2, "Win98"},
      {kPlatformWin9x, 4, 89, 2, "Win98"},   {kPlatformWin9x, 4, 90, 3, "WinME"},
      {kPlatformWin9x, 5, 0, 3, "WinME"},    {kPlatformNt, 3, 51, 4, "WinNT"},
      {kPlatformNt, 4, 0, 4, "WinNT"},       {kPlatformNt, 5, 0, 5, "Win2000"},
      {kPlatformNt, 5, 1, 6, "WinXP"},
      // Later versions leave the code and the name as they were.
      {kPlatformNt, 5, 2, -1, "before"},     {kPlatformNt, 10, 0, -1, "before"},
      {7, 1, 0, -1, "Unknown OS"},
  };
  for (const Case& c : cases) {
    int code = -1;
    std::string name = "before";
    EXPECT_TRUE(
        GetOSVersionName(MakeOsVersionInfo(c.platform, c.major, c.minor, 0, ""), code, name));
    EXPECT_EQ(code, c.code) << c.platform << " " << c.major << "." << c.minor;
    EXPECT_EQ(name, c.name) << c.platform << " " << c.major << "." << c.minor;
  }
  int code = 0;
  std::string name;
  EXPECT_FALSE(GetOSVersionName(OsVersionInfo{}, code, name));
}

class ShareForm : public testing::Test {
 protected:
  std::string RobotFile() const { return folder.ScriptFolder() + "\\greeter.txt"; }
  std::string PagePath() const { return ShareFolder() + "robot_share.html"; }
  void WriteRobot(const std::string& text) const { folder.WriteFile("greeter.txt", text); }
  // Opens the form modelessly over the owner, as the test drives it.
  bool Open(CRobotUploadDlg& form) {
    form.SetRobotFilePath(RobotFile());
    return form.Create(GetModuleHandleA(nullptr), IDD_ROBOT_UPLOAD, owner.Handle());
  }

  RobotFolderFixture folder;
  TestWindow owner{"Main"};
  CapturedMessageBoxes boxes;
};

TEST_F(ShareForm, WritesItsPageIntoTheShareFolderAndShowsIt) {
  FakeBrowser browser;
  WriteRobot("[General]\r\nDescription=Says hello\r\n[Script]\r\nSend(\"hello\")\r\n");
  CRobotUploadDlg form;
  ASSERT_TRUE(Open(form));
  std::string page = ReadFileText(PagePath());
  EXPECT_EQ(FieldValue(page, "script_name"), "greeter.txt");
  EXPECT_EQ(FieldValue(page, "script_description"), "Says hello");
  EXPECT_EQ(TextAreaOf(page),
            "[General]\nDescription=Says hello\n[Script]\nSend(&quot;hello&quot;)\n");
  EXPECT_EQ(FieldValue(page, "screen_resolution"),
            std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " +
                std::to_string(GetSystemMetrics(SM_CYSCREEN)));
  ASSERT_EQ(browser.navigations.size(), 1u);
  EXPECT_EQ(browser.navigations[0].url, PagePath());
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(IsZoomed(form.Handle()));

  // The view and the Close button follow the form's size.
  RECT client;
  GetClientRect(form.Handle(), &client);
  RECT view;
  GetWindowRect(form.HtmlView().Handle(), &view);
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&view), 2);
  EXPECT_EQ(view.left, 30);
  EXPECT_EQ(view.top, 30);
  EXPECT_EQ(view.right - view.left, client.right - 60);
  EXPECT_EQ(view.bottom - view.top, client.bottom - 100);
  RECT close;
  GetWindowRect(form.Item(IDOK), &close);
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&close), 2);
  EXPECT_EQ(close.left, client.right - 100);
  EXPECT_EQ(close.top, client.bottom - 60);
}

TEST_F(ShareForm, RewritesThePageEachTimeTheFormOpens) {
  FakeBrowser browser;
  CreateDirectoryTree(ShareFolder());
  WriteFileText(PagePath(), std::string(5000, 'x'));
  WriteRobot("Description=short\r\n");
  CRobotUploadDlg form;
  ASSERT_TRUE(Open(form));
  std::string page = ReadFileText(PagePath());
  EXPECT_EQ(page.find("xxxx"), std::string::npos);
  EXPECT_EQ(FieldValue(page, "script_description"), "short");
}

TEST_F(ShareForm, NoBrowserGivesOneClearMessageAndNoForm) {
  FakeBrowser browser;
  browser.failCreation = true;
  WriteRobot("[Script]\r\n");
  CRobotUploadDlg form;
  form.SetRobotFilePath(RobotFile());
  EXPECT_EQ(form.DoModal(GetModuleHandleA(nullptr), IDD_ROBOT_UPLOAD, owner.Handle()),
            IDCANCEL);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, kShareFormUnavailable);
  EXPECT_EQ(form.Handle(), nullptr);
}

TEST_F(ShareForm, AFormPageThatFailsToLoadGivesTheClearMessageAndCloses) {
  FakeBrowser browser;
  WriteRobot("[Script]\r\n");
  CRobotUploadDlg form;
  ASSERT_TRUE(Open(form));
  browser.NavigateError(PagePath(), -2146697211);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, kShareFormUnavailable);
  EXPECT_EQ(boxes.boxes[0].owner, form.Handle());
  EXPECT_TRUE(PumpUntil([&] { return form.Handle() == nullptr; }, 2000));
}

TEST_F(ShareForm, AFailedUploadAfterTheFormLoadedLeavesTheFormOpen) {
  FakeBrowser browser;
  WriteRobot("[Script]\r\n");
  CRobotUploadDlg form;
  ASSERT_TRUE(Open(form));
  browser.NavigateComplete(PagePath());
  browser.NavigateError(std::string(kUploadHost) + kUploadPath, -2146697211);
  PumpMessagesFor(100);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_NE(form.Handle(), nullptr);
}

TEST_F(ShareForm, WithoutARobotFileShowsNoPage) {
  FakeBrowser browser;
  CRobotUploadDlg form;
  ASSERT_TRUE(form.Create(GetModuleHandleA(nullptr), IDD_ROBOT_UPLOAD, owner.Handle()));
  EXPECT_TRUE(browser.navigations.empty());
  EXPECT_FALSE(PathExists(PagePath()));
  EXPECT_FALSE(form.ShowForm());
}

// The system's own control: without one the user is told and the form
// closes; with one the page is written and either shows (the form stays open
// for the user) or fails to load and the user is told (Wine 8 makes the
// control but never loads a document).
TEST_F(ShareForm, WithTheSystemsBrowserShowsThePageOrGivesTheClearMessage) {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  WriteRobot("[General]\r\nDescription=real\r\n");
  DeleteFileA(PagePath().c_str());
  int made = 0;
  bool created = false;
  SetBrowserFactory([&](HWND host, BrowserEvents& events) {
    std::unique_ptr<BrowserView> browser = CreateSystemWebBrowser(host, events);
    ++made;
    created = browser != nullptr;
    return browser;
  });
  bool stayedOpen = false;
  {
    CRobotUploadDlg form;
    form.SetRobotFilePath(RobotFile());
    RunWhileModal(
        [&] {
          stayedOpen = true;
          PostMessageA(form.Handle(), WM_COMMAND, IDCANCEL, 0);
        },
        15000);
    form.DoModal(GetModuleHandleA(nullptr), IDD_ROBOT_UPLOAD, owner.Handle());
    RunWhileModal(nullptr);
  }
  SetBrowserFactory(nullptr);
  ASSERT_EQ(made, 1);
  if (!created) {
    // No control: the user is told, the form closes, no page is written.
    EXPECT_FALSE(stayedOpen);
    EXPECT_FALSE(PathExists(PagePath()));
  } else {
    EXPECT_EQ(FieldValue(ReadFileText(PagePath()), "script_description"), "real");
  }
  if (stayedOpen) {
    // The page loaded: no message, and the form waited for the user.
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.boxes[0].text;
  } else {
    // No control, or a page that did not load: one clear message, and the
    // form closed by itself.
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, kShareFormUnavailable);
  }
  OleUninitialize();
}

}  // namespace
