#include "engine/windows/win32/StatusBarText.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/ports/OsVersionInfo.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"

namespace {

constexpr size_t kLengthHeadroom = 16 * 65536;

using VirtualAllocExFn = LPVOID(WINAPI*)(HANDLE, LPVOID, SIZE_T, DWORD, DWORD);
using VirtualFreeExFn = BOOL(WINAPI*)(HANDLE, LPVOID, SIZE_T, DWORD);

// The 9x family shares a mapping of the paging file between processes.
bool ReadThroughSharedMapping(HWND statusBar, WPARAM part, size_t size, std::string& text) {
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      static_cast<DWORD>(size), nullptr);
  if (!mapping) return false;
  bool ok = false;
  if (auto* view = static_cast<char*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, size))) {
    view[0] = '\0';
    SendMessageA(statusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(view));
    text.assign(view, strnlen(view, size - 1));
    UnmapViewOfFile(view);
    ok = true;
  }
  CloseHandle(mapping);
  return ok;
}

// The text at the start of a buffer of `size` bytes in another process, read
// piece by piece up to its terminator (or the buffer's end).
bool ReadRemoteText(HANDLE process, const char* remote, size_t size, std::string& text) {
  constexpr size_t kPiece = 65536;
  text.clear();
  std::vector<char> piece(std::min(size, kPiece));
  for (size_t at = 0; at < size; at += piece.size()) {
    const size_t wanted = std::min(piece.size(), size - at);
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, remote + at, piece.data(), wanted, &read) || read != wanted) return false;
    const size_t length = strnlen(piece.data(), wanted);
    text.append(piece.data(), length);
    if (length < wanted) return true;
  }
  text.resize(size - 1);  // no terminator within the buffer: keep what fits
  return true;
}

bool ReadThroughRemoteBuffer(HWND statusBar, WPARAM part, size_t size, std::string& text) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return false;
  auto allocate = reinterpret_cast<VirtualAllocExFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "VirtualAllocEx")));
  auto release = reinterpret_cast<VirtualFreeExFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "VirtualFreeEx")));
  if (!allocate || !release) return false;
  DWORD processId = 0;
  GetWindowThreadProcessId(statusBar, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return false;
  bool ok = false;
  if (auto* remote = static_cast<char*>(allocate(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {
    // The buffer starts empty, so a part that writes nothing reads as "".
    const char empty = '\0';
    if (WriteProcessMemory(process, remote, &empty, 1, nullptr)) {
      SendMessageA(statusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(remote));
      ok = ReadRemoteText(process, remote, size, text);
    }
    release(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return ok;
}

int FnStatusBarGetText(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  result.SetText("");
  std::string text;
  int part = args.Count() >= 3 ? args.GetAt(2).GetInt() : 1;
  std::string windowText = args.Count() >= 2 ? args.GetAt(1).GetText() : "";
  if (!FindControl(engine, args.GetAt(0).GetText(), windowText, "msctls_statusbar321") ||
      !ReadStatusBarText(static_cast<HWND>(engine.foundControl), part, text)) {
    engine.SetErrorValue(1);
    return 0;
  }
  result.SetText(text.c_str());
  return 0;
}

}  // namespace

bool ReadStatusBarText(HWND statusBar, int part, std::string& text) {
  LRESULT parts = SendMessageA(statusBar, SB_GETPARTS, 0, 0);
  if (part < 1 || part > parts) return false;
  WPARAM index = static_cast<WPARAM>(part - 1);
  // SB_GETTEXTA copies the whole text with no bound of its own, but the length
  // reply holds only its low 16 bits, and the text may grow before the copy:
  // the buffer gets room well beyond the length told. Committed pages that
  // nothing touches cost the other process no memory.
  const size_t told = LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, index, 0));
  const size_t size = told + 1 + kLengthHeadroom;
  if (GetOsVersion().win9xPlatform) return ReadThroughSharedMapping(statusBar, index, size, text);
  return ReadThroughRemoteBuffer(statusBar, index, size, text);
}

void BindStatusBarBuiltin() { BindBuiltin("STATUSBARGETTEXT", &FnStatusBarGetText); }
