#include "app/RobotSharePage.h"

namespace {

constexpr char kPageHead[] =
    "<HTML>\n"
    "<HEAD>\n"
    "<TITLE>Share Robot</TITLE>\n"
    "<STYLE TYPE=\"text/css\">\n"
    ".box { border-top: 0px; border-right: 1px solid #333333; border-bottom: 1px solid #333333; "
    "border-left: 1px solid #333333; }\n"
    ".text { font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; color: "
    "#000000; }\n"
    ".title { font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 14px; "
    "font-weight: bold; }\n"
    "body { margin: 0px; }\n"
    ".whiteTD { background-color: #ffffff; }\n"
    ".blueTD { background-color: #D4D0C8; }\n"
    "</STYLE>\n"
    "</HEAD>\n"
    "<BODY BGCOLOR=\"#FFFFFF\">\n"
    "<P CLASS=\"text\">We encourage you to share your robot so that your robot can be reused by "
    "other users, also, they may get he idea to improve and modify your robot. We will reward "
    "the users who uploaded valualbe robots.<br><br>To start sharing your robot, verify the form "
    "below and click on 'Share Now' button.</P>\n"
    "<TABLE WIDTH=\"600\" ALIGN=\"center\" CLASS=\"box\">\n"
    "<TR><TD CLASS=\"whiteTD\">\n";

constexpr char kPageTail[] =
    "<INPUT TYPE=submit VALUE=\"Share Now\">\n"
    "</FORM>\n"
    "</TD></TR>\n"
    "</TABLE>\n"
    "</BODY>\n"
    "</HTML>\n";

constexpr char kDescriptionKey[] = "Description=";

// A labelled text field: "Label:<BR>", the input and its quoted value.
std::string TextField(const char* label, const char* input, const std::string& value) {
  return std::string(label) + ":<BR>" + input + " value=\"" + HtmlEscape(value) +
         "\"><BR><BR>";
}

}  // namespace

std::string HtmlEscape(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string RobotDescription(const std::vector<std::string>& lines) {
  std::string description;
  for (const std::string& line : lines) {
    if (line.compare(0, sizeof kDescriptionKey - 1, kDescriptionKey) == 0) {
      description = line.substr(sizeof kDescriptionKey - 1);
    }
  }
  return description;
}

std::string BuildSharePage(const SharePageFields& fields) {
  std::string script;
  for (const std::string& line : fields.robotFileLines) script += line + "\n";
  std::string page = kPageHead;
  page += std::string("<FORM NAME=upload_robot METHOD=POST ACTION=\"") + kUploadHost +
          kUploadPath + "\">\n";
  page += TextField("Robot Name", "<INPUT TYPE=text NAME=script_name size=100",
                    fields.robotFileName);
  page += TextField("Robot Description", "<INPUT TYPE=text NAME=script_description",
                    RobotDescription(fields.robotFileLines));
  page += "Robot Script:<BR><TEXTAREA NAME=script_script ROWS=7 COLS=60>" + HtmlEscape(script) +
          "</TEXTAREA><BR><BR>";
  page += TextField("Screen Resolution", "<INPUT TYPE=text NAME=screen_resolution size=40",
                    std::to_string(fields.screenWidth) + " x " +
                        std::to_string(fields.screenHeight));
  page += TextField("OS Version", "<INPUT TYPE=text NAME=os_version size=40", fields.osName);
  page += TextField("Tarnwick Quillmark Version", "<INPUT TYPE=text NAME=ml_version size=40",
                    kShareVersion);
  page += "\n";
  page += kPageTail;
  return page;
}

bool GetOSVersionName(const OsVersionInfo& os, int& code, std::string& name) {
  if (!os.ntPlatform && !os.win9xPlatform && os.major == 0) return false;
  if (os.win9xPlatform) {
    if (os.major > 4 || (os.major == 4 && os.minor > 89)) {
      code = 3;
      name = "WinME";
    } else if (os.major == 4 && os.minor >= 1) {
      code = 2;
      name = "Win98";
    } else {
      code = 1;
      name = "Win95";
    }
  } else if (os.ntPlatform) {
    if (os.major <= 4) {
      code = 4;
      name = "WinNT";
    } else if (os.major == 5 && os.minor == 0) {
      code = 5;
      name = "Win2000";
    } else if (os.major == 5 && os.minor == 1) {
      code = 6;
      name = "WinXP";
    }
  } else {
    name = "Unknown OS";
  }
  return true;
}
