#include "engine/windows/win32/WindowText.h"

#include <vector>

namespace {

constexpr UINT kHungTimeoutMs = 5000;

struct Collector {
  bool detectHidden = false;
  std::string text;
};

// Appends the piece and a "\n" as far as the limit allows; false once full.
bool AppendLine(std::string& text, const char* piece, size_t length) {
  std::string line(piece, length);
  line += '\n';
  text.append(line, 0, kWindowTextLimit - text.size());
  return text.size() < kWindowTextLimit;
}

BOOL CALLBACK CollectText(HWND child, LPARAM param) {
  auto& collector = *reinterpret_cast<Collector*>(param);
  if (IsWindowHung(child, kHungTimeoutMs)) return TRUE;
  if (!collector.detectHidden && !IsWindowVisible(child)) return TRUE;
  if (SendMessageA(child, WM_GETTEXTLENGTH, 0, 0) == 0) return TRUE;
  std::vector<char> buffer(kWindowTextLimit + 1, '\0');
  LRESULT length = SendMessageA(child, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  if (length < 0) length = 0;
  if (static_cast<size_t>(length) > kWindowTextLimit) length = static_cast<LRESULT>(kWindowTextLimit);
  return AppendLine(collector.text, buffer.data(), static_cast<size_t>(length)) ? TRUE : FALSE;
}

BOOL CALLBACK CollectClass(HWND child, LPARAM param) {
  auto& collector = *reinterpret_cast<Collector*>(param);
  std::string name = WindowClassName(child);
  if (name.empty()) return TRUE;
  return AppendLine(collector.text, name.data(), name.size()) ? TRUE : FALSE;
}

}  // namespace

std::string WindowTitle(HWND window, int size) {
  if (size <= 0) return {};
  std::string title(static_cast<size_t>(size), '\0');
  int length = GetWindowTextA(window, title.data(), size);
  title.resize(static_cast<size_t>(length > 0 ? length : 0));
  return title;
}

std::string WindowClassName(HWND window) {
  char name[256] = {};
  int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, static_cast<size_t>(length > 0 ? length : 0));
}

bool IsWindowHung(HWND window, UINT ms) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, ms, &result) == 0;
}

void AttachToWindowThread(HWND window, bool attach) {
  if (attach && IsWindowHung(window, kHungTimeoutMs)) return;
  AttachThreadInput(GetCurrentThreadId(), GetWindowThreadProcessId(window, nullptr), attach);
}

std::string GetWindowTextAll(HWND window, bool detectHidden) {
  Collector collector;
  collector.detectHidden = detectHidden;
  EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&collector));
  return collector.text;
}

std::string GetWindowClassList(HWND window) {
  Collector collector;
  EnumChildWindows(window, CollectClass, reinterpret_cast<LPARAM>(&collector));
  return collector.text;
}

void CloseWindowProcess(HWND window) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 500, &result)) return;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId);
  if (!process) return;
  TerminateProcess(process, 0);
  CloseHandle(process);
}
