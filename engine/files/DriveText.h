// The names and codes of the drive built-ins: drive types, drive status,
// the errors of mapping a network drive and the CD tray's actions.
#pragma once

#include <string>

// Drive types as the system numbers them.
namespace drive_type {
constexpr unsigned kUnknown = 0;
constexpr unsigned kNoRootDir = 1;
constexpr unsigned kRemovable = 2;
constexpr unsigned kFixed = 3;
constexpr unsigned kRemote = 4;
constexpr unsigned kCdRom = 5;
constexpr unsigned kRamDisk = 6;
}  // namespace drive_type

// "Removable", "Fixed", "Network", "CDROM", "RAMDisk", else "Unknown".
std::string DriveTypeName(unsigned type);

// Which drives DRIVEGETDRIVE lists, from its type word (any case): "all"
// (every drive with a root), "cdrom", "removable", "fixed", "network",
// "ramdisk", "unknown". False for any other word.
class DriveTypeFilter {
 public:
  bool Parse(const std::string& word);
  bool Matches(unsigned type) const;

 private:
  bool all_ = false;
  unsigned type_ = drive_type::kUnknown;
};

// DRIVESTATUS's word for the error of asking a drive's free space:
// 0 "READY", 3 "INVALID", 19 "READONLY", 21 "NOTREADY", else "UNKNOWN".
std::string DriveStatusName(unsigned long error);

// The @error of a failed network drive mapping for the system's error:
// access denied 2, already assigned or remembered 3, bad device 4, bad
// network name 5, invalid password 6, any other 1.
int DriveMapErrorCode(unsigned long error);

// True when the device names a printer port (begins with "LPT", any case).
bool IsPrinterDevice(const std::string& device);

// The door command of the CD tray for CDTRAY's action (any case): "open",
// "closed" (also for "close"); false for any other action.
bool CdTrayAction(const std::string& text, std::string& action);
