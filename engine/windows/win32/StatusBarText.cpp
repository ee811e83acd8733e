#include "engine/windows/win32/StatusBarText.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/ports/OsVersionInfo.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"

namespace {

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
  if (void* remote = allocate(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
    std::vector<char> local(size, '\0');
    SIZE_T read = 0;
    // The buffer starts empty, so a part that writes nothing reads as "".
    if (WriteProcessMemory(process, remote, local.data(), 1, nullptr)) {
      SendMessageA(statusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(remote));
      if (ReadProcessMemory(process, remote, local.data(), size, &read) && read == size) {
        text.assign(local.data(), strnlen(local.data(), size - 1));
        ok = true;
      }
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
  // Room for the text the part holds now, and its terminator.
  size_t size = static_cast<size_t>(LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, index, 0))) + 1;
  if (GetOsVersion().win9xPlatform) return ReadThroughSharedMapping(statusBar, index, size, text);
  return ReadThroughRemoteBuffer(statusBar, index, size, text);
}

void BindStatusBarBuiltin() { BindBuiltin("STATUSBARGETTEXT", &FnStatusBarGetText); }
