// DRIVEGETDRIVE, DRIVEGETTYPE, DRIVESPACETOTAL, DRIVESPACEFREE, DRIVESTATUS,
// DRIVEGETFILESYSTEM, DRIVEGETSERIAL, DRIVEGETLABEL and DRIVESETLABEL.
#include <windows.h>

#include <string>
#include <vector>

#include "engine/language/BuiltinTable.h"
#include "engine/files/DriveText.h"
#include "engine/language/MerlaneScript.h"
#include "engine/files/PathNames.h"
#include "engine/scripting/ResultArray.h"
#include "engine/files/win32/FileBuiltins.h"
#include "engine/ports/win32/ModuleFunction.h"

namespace {

// A drive's root for the volume calls, asked without the system's "insert a
// disk" box; the previous error mode comes back when the call is over.
class DriveRoot {
 public:
  explicit DriveRoot(const ScriptValue& path)
      : root_(WithTrailingBackslash(path.GetText())), previousMode_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~DriveRoot() { SetErrorMode(previousMode_); }
  DriveRoot(const DriveRoot&) = delete;
  DriveRoot& operator=(const DriveRoot&) = delete;

  const char* c_str() const { return root_.c_str(); }

 private:
  std::string root_;
  UINT previousMode_;
};

int FnDriveGetDrive(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  DriveTypeFilter filter;
  if (!filter.Parse(args.GetAt(0).GetText())) {
    engine.SetErrorValue(1);
    return 0;
  }
  std::vector<std::string> drives;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    std::string root = std::string(1, letter) + ":\\";
    if (filter.Matches(GetDriveTypeA(root.c_str()))) drives.push_back(root.substr(0, 2));
  }
  if (drives.empty()) {
    engine.SetErrorValue(1);
    return 0;
  }
  const int count = static_cast<int>(drives.size());
  MakeResultArray(result, count + 1);
  ResultElement(result, 0)->SetInt(count);
  for (int i = 0; i < count; ++i) ResultElement(result, i + 1)->SetText(drives[i].c_str());
  return 0;
}

int FnDriveGetType(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  DriveRoot root(args.GetAt(0));
  UINT type = GetDriveTypeA(root.c_str());
  if (type == DRIVE_NO_ROOT_DIR) {
    engine.SetErrorValue(1);
    return 0;
  }
  result.SetText(DriveTypeName(type).c_str());
  return 0;
}

// Total or free bytes of a drive, through GetDiskFreeSpaceExA where the
// system has it.
bool DriveSpace(const char* root, bool total, double& bytes) {
  using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
  auto freeSpaceEx = ModuleFunction<FreeSpaceEx>(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA");
  if (freeSpaceEx) {
    ULARGE_INTEGER available, size, free;
    if (!freeSpaceEx(root, &available, &size, &free)) return false;
    bytes = static_cast<double>(total ? size.QuadPart : available.QuadPart);
    return true;
  }
  DWORD sectorsPerCluster, bytesPerSector, freeClusters, clusters;
  if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) return false;
  bytes = static_cast<double>(total ? clusters : freeClusters) * sectorsPerCluster * bytesPerSector;
  return true;
}

int ReportSpace(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result, bool total) {
  DriveRoot root(args.GetAt(0));
  double bytes = 0;
  if (!DriveSpace(root.c_str(), total, bytes)) {
    engine.SetErrorValue(1);
    return 0;
  }
  result.SetDouble(bytes / 1048576.0);
  return 0;
}

int FnDriveSpaceTotal(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return ReportSpace(engine, args, result, true);
}

int FnDriveSpaceFree(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return ReportSpace(engine, args, result, false);
}

int FnDriveStatus(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  DriveRoot root(args.GetAt(0));
  DWORD sectorsPerCluster, bytesPerSector, freeClusters, clusters;
  DWORD error = GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)
                    ? 0
                    : GetLastError();
  if (error != 0) engine.SetErrorValue(1);
  result.SetText(DriveStatusName(error).c_str());
  return 0;
}

enum class VolumeFact { kFileSystem, kSerial, kLabel };

int ReportVolume(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result, VolumeFact fact) {
  DriveRoot root(args.GetAt(0));
  char label[256] = {};
  char fileSystem[256] = {};
  DWORD serial = 0, longestName = 0, flags = 0;
  if (!GetVolumeInformationA(root.c_str(), label, sizeof label, &serial, &longestName, &flags, fileSystem,
                             sizeof fileSystem)) {
    engine.SetErrorValue(1);
    return 0;
  }
  switch (fact) {
    case VolumeFact::kFileSystem: result.SetText(fileSystem); break;
    case VolumeFact::kSerial: result.SetText(std::to_string(static_cast<unsigned long>(serial)).c_str()); break;
    case VolumeFact::kLabel: result.SetText(label); break;
  }
  return 0;
}

int FnDriveGetFileSystem(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return ReportVolume(engine, args, result, VolumeFact::kFileSystem);
}

int FnDriveGetSerial(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return ReportVolume(engine, args, result, VolumeFact::kSerial);
}

int FnDriveGetLabel(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  return ReportVolume(engine, args, result, VolumeFact::kLabel);
}

int FnDriveSetLabel(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  DriveRoot root(args.GetAt(0));
  result.SetInt(SetVolumeLabelA(root.c_str(), args.GetAt(1).GetText()) ? 1 : 0);
  return 0;
}

}  // namespace

void BindDriveBuiltins() {
  BindBuiltin("DRIVEGETDRIVE", &FnDriveGetDrive);
  BindBuiltin("DRIVEGETTYPE", &FnDriveGetType);
  BindBuiltin("DRIVESPACETOTAL", &FnDriveSpaceTotal);
  BindBuiltin("DRIVESPACEFREE", &FnDriveSpaceFree);
  BindBuiltin("DRIVESTATUS", &FnDriveStatus);
  BindBuiltin("DRIVEGETFILESYSTEM", &FnDriveGetFileSystem);
  BindBuiltin("DRIVEGETSERIAL", &FnDriveGetSerial);
  BindBuiltin("DRIVEGETLABEL", &FnDriveGetLabel);
  BindBuiltin("DRIVESETLABEL", &FnDriveSetLabel);
}
