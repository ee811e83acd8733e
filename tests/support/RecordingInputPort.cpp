#include "tests/support/RecordingInputPort.h"

#include <cstdio>
#include <cstring>

#include "engine/keys/KeyNames.h"
#include "engine/keys/VirtualKeys.h"

namespace {

std::string Hex(unsigned long long value, int digits) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*llX", digits, value);
  return buffer;
}

const char* MessageName(unsigned message) {
  switch (message) {
    case keymsg::kKeyDown: return "WM_KEYDOWN";
    case keymsg::kKeyUp: return "WM_KEYUP";
    case keymsg::kSysKeyDown: return "WM_SYSKEYDOWN";
    case keymsg::kSysKeyUp: return "WM_SYSKEYUP";
    default: return "WM_?";
  }
}

bool IsToggleKey(int vk) { return vk == vk::kCapital || vk == vk::kNumLock || vk == vk::kScroll; }

}  // namespace

std::string LoggedKeyName(int vk) {
  std::string name = GetKeyName(vk);
  return name.empty() ? "vk" + Hex(static_cast<unsigned>(vk), 2) : name;
}

std::string LoggedWindow(WindowHandle window) {
  return "0x" + Hex(reinterpret_cast<std::uintptr_t>(window), 1);
}

RecordingInputPort::RecordingInputPort(KeyboardLayout keyboardLayout)
    : layout(std::move(keyboardLayout)) {}

void RecordingInputPort::SyncThreadState() {
  if (!staleThreadState) threadKeys = keys;
}

void RecordingInputPort::HoldKey(int vk) {
  keys[vk] |= 0x80;
  threadKeys[vk] |= 0x80;
}

void RecordingInputPort::SetToggled(int vk, bool on) {
  keys[vk] = static_cast<std::uint8_t>((keys[vk] & ~1) | (on ? 1 : 0));
  threadKeys[vk] = static_cast<std::uint8_t>((threadKeys[vk] & ~1) | (on ? 1 : 0));
}

void RecordingInputPort::SendKeyEvent(int vk, int scan, unsigned flags) {
  keyEvents.push_back({vk, scan, flags});
  bool up = (flags & keyevent::kKeyUp) != 0;
  std::string line = (up ? "up " : "down ") + LoggedKeyName(vk);
  if (flags & keyevent::kExtendedKey) line += " ext";
  log.push_back(line);
  if (up) {
    keys[vk] &= ~0x80;
  } else {
    if (IsToggleKey(vk) && !(keys[vk] & 0x80)) keys[vk] ^= 0x01;
    keys[vk] |= 0x80;
  }
  SyncThreadState();
}

bool RecordingInputPort::PostKeyMessage(WindowHandle window, unsigned message, int vk,
                                        std::uint32_t lParam) {
  log.push_back("post " + LoggedWindow(window) + " " + MessageName(message) + " " +
                LoggedKeyName(vk) + " " + Hex(lParam, 8));
  return true;
}

int RecordingInputPort::ScanCodeOf(int vk) {
  return vk >= 0 && vk < 256 ? layout.scans[vk] : 0;
}

short RecordingInputPort::KeyState(int vk) {
  std::uint8_t state = threadKeys[vk & 0xFF];
  return static_cast<short>(((state & 0x80) ? 0xFF80 : 0) | (state & 0x01));
}

short RecordingInputPort::AsyncKeyState(int vk) {
  return static_cast<short>((keys[vk & 0xFF] & 0x80) ? 0x8000 : 0);
}

void RecordingInputPort::WriteKeyboardState(const KeyboardState& state) {
  threadKeys = state;
  log.push_back("write keyboard state");
}

std::uint32_t RecordingInputPort::WindowThreadId(WindowHandle window) {
  auto found = windowThreads.find(window);
  return found == windowThreads.end() ? 0 : found->second;
}

bool RecordingInputPort::AttachInput(std::uint32_t from, std::uint32_t to, bool attach) {
  log.push_back((attach ? "attach " : "detach ") + std::to_string(from) + ">" +
                std::to_string(to));
  return true;
}

bool RecordingInputPort::SetForeground(WindowHandle window) {
  if (foregroundRefusals > 0) {
    --foregroundRefusals;
    log.push_back("set foreground " + LoggedWindow(window) + " refused");
    return false;
  }
  log.push_back("set foreground " + LoggedWindow(window));
  foreground = window;
  return true;
}

WindowHandle RecordingInputPort::FindWindowByClass(const char* className) {
  return std::strcmp(className, "Shell_TrayWnd") == 0 ? TrayWindow() : nullptr;
}

WindowHandle RecordingInputPort::ParentOf(WindowHandle window) {
  auto found = parents.find(window);
  return found == parents.end() ? nullptr : found->second;
}

void RecordingInputPort::Restore(WindowHandle window) {
  minimized.erase(window);
  log.push_back("restore " + LoggedWindow(window));
}

void RecordingInputPort::Pause(int ms) { log.push_back("sleep " + std::to_string(ms)); }
