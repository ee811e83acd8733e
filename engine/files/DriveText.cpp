#include "engine/files/DriveText.h"

#include "engine/values/AsciiNoCase.h"

namespace {

struct TypeWord {
  const char* word;
  unsigned type;
};

constexpr TypeWord kTypeWords[] = {
    {"cdrom", drive_type::kCdRom},   {"removable", drive_type::kRemovable}, {"fixed", drive_type::kFixed},
    {"network", drive_type::kRemote}, {"ramdisk", drive_type::kRamDisk},    {"unknown", drive_type::kUnknown},
};

}  // namespace

std::string DriveTypeName(unsigned type) {
  switch (type) {
    case drive_type::kRemovable: return "Removable";
    case drive_type::kFixed: return "Fixed";
    case drive_type::kRemote: return "Network";
    case drive_type::kCdRom: return "CDROM";
    case drive_type::kRamDisk: return "RAMDisk";
    default: return "Unknown";
  }
}

bool DriveTypeFilter::Parse(const std::string& word) {
  all_ = AsciiCompareNoCase(word.c_str(), "all") == 0;
  if (all_) return true;
  for (const TypeWord& entry : kTypeWords) {
    if (AsciiCompareNoCase(word.c_str(), entry.word) == 0) {
      type_ = entry.type;
      return true;
    }
  }
  return false;
}

bool DriveTypeFilter::Matches(unsigned type) const {
  return all_ ? type != drive_type::kNoRootDir : type == type_;
}

std::string DriveStatusName(unsigned long error) {
  switch (error) {
    case 0: return "READY";
    case 3: return "INVALID";
    case 19: return "READONLY";
    case 21: return "NOTREADY";
    default: return "UNKNOWN";
  }
}

int DriveMapErrorCode(unsigned long error) {
  switch (error) {
    case 5: return 2;      // access denied
    case 85:               // already assigned
    case 1202: return 3;   // device already remembered
    case 1200: return 4;   // bad device
    case 67: return 5;     // bad network name
    case 86: return 6;     // invalid password
    default: return 1;
  }
}

bool IsPrinterDevice(const std::string& device) { return AsciiCompareNoCaseN(device.c_str(), "LPT", 3) == 0; }

bool CdTrayAction(const std::string& text, std::string& action) {
  if (AsciiCompareNoCase(text.c_str(), "open") == 0) {
    action = "open";
  } else if (AsciiCompareNoCase(text.c_str(), "closed") == 0 || AsciiCompareNoCase(text.c_str(), "close") == 0) {
    action = "closed";
  } else {
    return false;
  }
  return true;
}
