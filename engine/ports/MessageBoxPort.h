// Every message box that the program shows goes through this one port: the
// Windows build shows the real box, tests capture the request and answer it
// (a modal box would block an automated run).
#pragma once

#include <string>

// Button sets, icons and answers, with the values the Windows API uses.
namespace mb {
constexpr unsigned kOk = 0x0;
constexpr unsigned kOkCancel = 0x1;
constexpr unsigned kYesNoCancel = 0x3;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kIconError = 0x10;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconWarning = 0x30;
constexpr unsigned kIconInformation = 0x40;
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
constexpr int kIdTimeout = 32000;
}  // namespace mb

struct MessageBoxRequest {
  void* owner = nullptr;      // owning window (HWND), or null
  std::string text;
  std::string caption;
  unsigned style = mb::kOk;   // MB_* flags
  unsigned timeoutMs = 0;     // 0: wait for the user
};

class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  // Shows the box and returns the button pressed (an ID* value), or
  // mb::kIdTimeout when a time-out closed it.
  virtual int Show(const MessageBoxRequest& request) = 0;
};

// Installs the port that every later box goes through; null restores the
// default, which shows nothing and answers with the box's first button.
void SetMessageBoxPort(MessageBoxPort* port);
MessageBoxPort& GetMessageBoxPort();

int ShowMessageBox(void* owner, const std::string& text, const std::string& caption,
                   unsigned style = mb::kOk, unsigned timeoutMs = 0);
