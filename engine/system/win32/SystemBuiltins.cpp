#include "engine/system/win32/SystemBuiltins.h"

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/ports/MessageBoxPort.h"
#include "engine/ports/OsVersionInfo.h"
#include "engine/scripting/ResultArray.h"
#include "engine/language/RunEndedHooks.h"
#include "engine/ports/ScriptHostPort.h"
#include "engine/ports/TextHelpers.h"
#include "engine/system/win32/Clipboard.h"
#include "engine/system/win32/Download.h"
#include "engine/keys/win32/InputBlocking.h"
#include "engine/system/win32/Sound.h"

namespace {

HWND EngineWindow(const CMerlane_Script& engine) { return static_cast<HWND>(engine.engineWindow); }

int FnWinSetTitle(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (HWND window = EngineWindow(engine)) SetWindowTextA(window, args.GetAt(0).GetText());
  return 0;
}

int FnWinGetTitle(CMerlane_Script& engine, ScriptValueList&, ScriptValue& result) {
  std::vector<char> title(32768, '\0');
  if (HWND window = EngineWindow(engine)) GetWindowTextA(window, title.data(), static_cast<int>(title.size()));
  result.SetText(title.data());
  return 0;
}

int FnBlockInput(CMerlane_Script&, ScriptValueList& args, ScriptValue&) {
  BlockScriptInput(args.GetAt(0).GetInt() != 0);
  return 0;
}

int FnEnvGet(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  std::string value;
  GetScriptHostPort().GetEnv(args.GetAt(0).GetText(), &value);
  result.SetText(value.c_str());
  return 0;
}

int FnEnvSet(CMerlane_Script&, ScriptValueList& args, ScriptValue&) {
  SetEnvironmentVariableA(args.GetAt(0).GetText(), args.Count() >= 2 ? args.GetAt(1).GetText() : nullptr);
  return 0;
}

int FnEnvUpdate(CMerlane_Script& engine, ScriptValueList&, ScriptValue&) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Environment"),
                           SMTO_BLOCK, 15000, &answer)) {
    engine.SetErrorValue(1);
  }
  return 0;
}

int FnClipGet(CMerlane_Script& engine, ScriptValueList&, ScriptValue& result) {
  std::string text;
  if (ReadClipboardText(EngineWindow(engine), text)) {
    result.SetText(text.c_str());
  } else {
    engine.SetErrorValue(1);
  }
  return 0;
}

int FnClipPut(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(WriteClipboardText(EngineWindow(engine), args.GetAt(0).GetText()) ? 1 : 0);
  return 0;
}

int FnIsAdmin(CMerlane_Script&, ScriptValueList&, ScriptValue& result) {
  if (GetOsVersion().win9xPlatform) return 0;
  int admin = 0;
  if (SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_LOCK)) {
    if (SC_LOCK lock = LockServiceDatabase(manager)) {
      UnlockServiceDatabase(lock);
      admin = 1;
    } else if (GetLastError() == ERROR_SERVICE_DATABASE_LOCKED) {
      admin = 1;
    }
    CloseServiceHandle(manager);
  }
  result.SetInt(admin);
  return 0;
}

// The 64-bit figures: the older call saturates on machines with more than
// 4 GB, which would report wrong totals.
int FnMemGetStats(CMerlane_Script&, ScriptValueList&, ScriptValue& result) {
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  if (!MakeResultArray(result, 7)) return 0;
  const double figures[7] = {static_cast<double>(status.dwMemoryLoad),
                             static_cast<double>(status.ullTotalPhys) / 1024,
                             static_cast<double>(status.ullAvailPhys) / 1024,
                             static_cast<double>(status.ullTotalPageFile) / 1024,
                             static_cast<double>(status.ullAvailPageFile) / 1024,
                             static_cast<double>(status.ullTotalVirtual) / 1024,
                             static_cast<double>(status.ullAvailVirtual) / 1024};
  for (int i = 0; i < 7; ++i) ResultElement(result, i)->SetDouble(figures[i]);
  return 0;
}

int FnMsgBox(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  const unsigned style = static_cast<unsigned>(args.GetAt(0).GetInt()) | MB_SETFOREGROUND;
  const long long seconds = args.Count() >= 4 ? args.GetAt(3).GetInt() : 0;
  const unsigned timeoutMs = seconds > 0 ? static_cast<unsigned>(std::min(seconds * 1000, 0xFFFFFFFELL)) : 0;
  const int answer = ShowMessageBox(nullptr, args.GetAt(2).GetText(), args.GetAt(1).GetText(), style, timeoutMs);
  result.SetInt(answer == mb::kIdTimeout ? -1 : answer);
  return 0;
}

int FnSoundPlay(CMerlane_Script&, ScriptValueList& args, ScriptValue&) {
  PlaySoundFile(args.GetAt(0).GetText(), args.Count() >= 2 && args.GetAt(1).GetNumber() == 1);
  return 0;
}

int FnSoundSetWaveVolume(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  const int percent = args.GetAt(0).GetInt();
  if (percent < 0 || percent > 100) {
    engine.SetErrorValue(1);
    return 0;
  }
  const DWORD level = static_cast<DWORD>(percent) * 65535 / 100;
  waveOutSetVolume(nullptr, level * 65537);
  return 0;
}

int FnTrayTip(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  if (!GetOsVersion().nt5Family) return 0;
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = EngineWindow(engine);
  data.uID = 1;
  data.uFlags = NIF_INFO;
  BoundedCopy(data.szInfoTitle, args.GetAt(0).GetText(), 64);
  BoundedCopy(data.szInfo, args.GetAt(1).GetText(), 256);
  data.uTimeout = static_cast<UINT>(args.GetAt(2).GetInt()) * 1000;
  data.dwInfoFlags = args.Count() >= 4 ? static_cast<DWORD>(args.GetAt(3).GetInt()) : 0;
  if (data.hWnd) Shell_NotifyIconA(NIM_MODIFY, &data);
  return 0;
}

int FnUrlDownloadToFile(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  bool noLibrary = false;
  const bool done = DownloadUrlToFile(args.GetAt(0).GetText(), args.GetAt(1).GetText(), noLibrary);
  if (noLibrary) {
    engine.ReportLineError("Unable to load the internet libraries (requires Internet Explorer 3.0 or later).", -1);
    return 1;
  }
  result.SetInt(done ? 1 : 0);
  return 0;
}

// What a script leaves behind is undone when the whole run is over.
void ReleaseAtRunEnd(CMerlane_Script&) {
  ReleaseScriptInputBlock();
  DestroySplashWindow();
  DestroyProgressWindow();
}

// A sound still playing when the interpreter goes is closed with it.
void CloseOpenSound() { PlaySoundFile("", false); }

}  // namespace

void BindSystemBuiltins() {
  BindBuiltin("DURIDOWINSETTITLE", &FnWinSetTitle);
  BindBuiltin("DURIDOWINGETTITLE", &FnWinGetTitle);
  BindBuiltin("BLOCKINPUT", &FnBlockInput);
  BindBuiltin("ENVGET", &FnEnvGet);
  BindBuiltin("ENVSET", &FnEnvSet);
  BindBuiltin("ENVUPDATE", &FnEnvUpdate);
  BindBuiltin("CLIPGET", &FnClipGet);
  BindBuiltin("CLIPPUT", &FnClipPut);
  BindBuiltin("ISADMIN", &FnIsAdmin);
  BindBuiltin("MEMGETSTATS", &FnMemGetStats);
  BindBuiltin("MSGBOX", &FnMsgBox);
  BindBuiltin("SOUNDPLAY", &FnSoundPlay);
  BindBuiltin("SOUNDSETWAVEVOLUME", &FnSoundSetWaveVolume);
  BindBuiltin("TRAYTIP", &FnTrayTip);
  BindBuiltin("URLDOWNLOADTOFILE", &FnUrlDownloadToFile);
  BindSplashBuiltins();
  BindProgressBuiltins();
  AddRunEndedHook(&ReleaseAtRunEnd);
  SetSoundCloser(&CloseOpenSound);
}
