#include "engine/scripting/win32/ProcessLookup.h"

#include <tlhelp32.h>

#include <cstdlib>
#include <vector>

#include "engine/ports/win32/ModuleFunction.h"
#include "engine/ports/win32/OsVersionQuery.h"

namespace {

struct Wanted {
  const std::string& name;
  DWORD id;  // 0: by name only
  bool Matches(const char* fileName, DWORD processId) const {
    return lstrcmpiA(fileName, name.c_str()) == 0 || (id != 0 && id == processId);
  }
};

// NT 4 keeps its process list in psapi.dll.
bool WalkWithPsapi(const Wanted& wanted, DWORD& processId, bool& found) {
  using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
  using EnumModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
  using BaseNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
  HMODULE psapi = LoadLibraryA("psapi.dll");
  auto enumProcesses = ModuleFunction<EnumProcessesFn>(psapi, "EnumProcesses");
  auto enumModules = ModuleFunction<EnumModulesFn>(psapi, "EnumProcessModules");
  auto baseName = ModuleFunction<BaseNameFn>(psapi, "GetModuleBaseNameA");
  std::vector<DWORD> ids(2048);
  DWORD bytes = 0;
  bool listed = enumProcesses && enumModules && baseName &&
                enumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes);
  if (listed) {
    ids.resize(bytes / sizeof(DWORD));
    for (DWORD id : ids) {
      char name[MAX_PATH] = {};
      if (HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id)) {
        HMODULE module = nullptr;
        DWORD needed = 0;
        if (enumModules(process, &module, sizeof module, &needed)) {
          baseName(process, module, name, sizeof name);
        }
        CloseHandle(process);
      }
      if (wanted.Matches(name, id)) {
        processId = id;
        found = true;
        break;
      }
    }
  }
  if (psapi) FreeLibrary(psapi);
  return listed;
}

bool WalkWithToolHelp(const Wanted& wanted, DWORD& processId, bool& found) {
  using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
  using WalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto snapshot = ModuleFunction<SnapshotFn>(kernel, "CreateToolhelp32Snapshot");
  auto first = ModuleFunction<WalkFn>(kernel, "Process32First");
  auto next = ModuleFunction<WalkFn>(kernel, "Process32Next");
  if (!snapshot || !first || !next) return false;
  HANDLE list = snapshot(TH32CS_SNAPPROCESS, 0);
  if (list == INVALID_HANDLE_VALUE) return false;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = first(list, &entry); more; more = next(list, &entry)) {
    if (wanted.Matches(entry.szExeFile, entry.th32ProcessID)) {
      processId = entry.th32ProcessID;
      found = true;
      break;
    }
  }
  CloseHandle(list);
  return true;
}

}  // namespace

bool FindProcess(const std::string& nameOrId, DWORD& processId, bool& found) {
  found = false;
  Wanted wanted{nameOrId, static_cast<DWORD>(std::atoi(nameOrId.c_str()))};
  if (QueryOsVersion().nt4) return WalkWithPsapi(wanted, processId, found);
  return WalkWithToolHelp(wanted, processId, found);
}
