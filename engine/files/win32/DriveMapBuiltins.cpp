// DRIVEMAPADD, DRIVEMAPDEL, DRIVEMAPGET and CDTRAY.
#include <windows.h>
#include <winnetwk.h>

#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/files/DriveText.h"
#include "engine/language/MerlaneScript.h"
#include "engine/files/PathNames.h"
#include "engine/files/win32/CdTray.h"
#include "engine/files/win32/FileBuiltins.h"

namespace {

int FnDriveMapAdd(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  std::string device = args.GetAt(0).GetText();
  std::string share = args.GetAt(1).GetText();
  std::string user = args.GetAt(3).GetText();
  std::string password = args.GetAt(4).GetText();
  const bool anyDevice = device == "*";
  NETRESOURCEA resource = {};
  resource.dwType = IsPrinterDevice(device) ? RESOURCETYPE_PRINT : RESOURCETYPE_DISK;
  resource.lpLocalName = device.empty() || anyDevice ? nullptr : device.data();
  resource.lpRemoteName = share.data();
  DWORD flags = static_cast<DWORD>(args.GetAt(2).GetInt()) | (anyDevice ? CONNECT_REDIRECT : 0);
  char assigned[MAX_PATH] = {};
  DWORD assignedSize = sizeof assigned;
  DWORD outcome = 0;
  DWORD error = WNetUseConnectionA(nullptr, &resource, args.Count() > 4 ? password.c_str() : nullptr,
                                   args.Count() > 3 ? user.c_str() : nullptr, flags, assigned, &assignedSize,
                                   &outcome);
  if (error != NO_ERROR) {
    result.SetInt(0);
    engine.SetErrorValue(DriveMapErrorCode(error));
    return 0;
  }
  if (anyDevice) result.SetText((outcome & CONNECT_LOCALDRIVE) ? assigned : "");
  return 0;
}

int FnDriveMapDel(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  result.SetInt(WNetCancelConnection2A(args.GetAt(0).GetText(), 0, TRUE) == NO_ERROR ? 1 : 0);
  return 0;
}

int FnDriveMapGet(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  char remote[1024] = {};
  DWORD size = sizeof remote;
  if (WNetGetConnectionA(args.GetAt(0).GetText(), remote, &size) != NO_ERROR) {
    result.SetText("");
    engine.SetErrorValue(1);
    return 0;
  }
  result.SetText(remote);
  return 0;
}

int FnCdTray(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  std::string drive = args.GetAt(0).GetText();
  std::string action;
  bool done = CdTrayAction(args.GetAt(1).GetText(), action) &&
              GetDriveTypeA(WithTrailingBackslash(drive).c_str()) == DRIVE_CDROM && SetCdTrayDoor(drive, action);
  result.SetInt(done ? 1 : 0);
  return 0;
}

}  // namespace

void BindDriveMapBuiltins() {
  BindBuiltin("DRIVEMAPADD", &FnDriveMapAdd);
  BindBuiltin("DRIVEMAPDEL", &FnDriveMapDel);
  BindBuiltin("DRIVEMAPGET", &FnDriveMapGet);
  BindBuiltin("CDTRAY", &FnCdTray);
}
