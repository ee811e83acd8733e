#include "app/HelpFile.h"

#include "app/SupportAddresses.h"
#include "engine/ports/MessageBoxPort.h"
#include "robots/AppMessage.h"
#include "robots/win32/ModulePath.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

constexpr char kHtmlHelpClassKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpAOrdinal = 14;
constexpr UINT kDisplayTopic = 0;  // HH_DISPLAY_TOPIC

// Where the system registered the HTML Help control; "" when it did not.
std::string RegisteredHtmlHelpPath() {
  char path[MAX_PATH] = {};
  LONG size = sizeof path;
  if (RegQueryValueA(HKEY_CLASSES_ROOT, kHtmlHelpClassKey, path, &size) != ERROR_SUCCESS) {
    return "";
  }
  path[sizeof path - 1] = '\0';
  return path;
}

// The ANSI help call, looked up once: a failed load is not tried again.
HtmlHelpFunction HtmlHelpCall() {
  static bool tried = false;
  static HtmlHelpFunction call = nullptr;
  if (tried) return call;
  tried = true;
  std::string registered = RegisteredHtmlHelpPath();
  HMODULE library = registered.empty() ? nullptr : LoadLibraryA(registered.c_str());
  if (!library) library = LoadLibraryA("hhctrl.ocx");
  if (!library) return nullptr;
  call = reinterpret_cast<HtmlHelpFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(kHtmlHelpAOrdinal))));
  return call;
}

}  // namespace

std::string HelpFilePath() { return GetModuleFolder() + "\\help.chm"; }

void ShowHelpFile(HWND owner) {
  HtmlHelpFunction call = HtmlHelpCall();
  HWND help = call ? call(nullptr, HelpFilePath().c_str(), kDisplayTopic, 0) : nullptr;
  if (help) return;
  ShowMessageBox(owner,
                 std::string("Help file not found. Please visit support website\n") + kSupportPage,
                 kAppTitle, mb::kOk | mb::kIconError);
}
