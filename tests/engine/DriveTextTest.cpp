#include "engine/files/DriveText.h"

#include <gtest/gtest.h>

TEST(DriveText, TypeNames) {
  const char* const names[] = {"Unknown", "Unknown", "Removable", "Fixed", "Network", "CDROM", "RAMDisk", "Unknown"};
  for (unsigned type = 0; type < 8; ++type) EXPECT_EQ(DriveTypeName(type), names[type]) << type;
}

TEST(DriveText, TypeWordsInAnyCaseSelectDrives) {
  DriveTypeFilter filter;
  ASSERT_TRUE(filter.Parse("FIXED"));
  EXPECT_TRUE(filter.Matches(drive_type::kFixed));
  EXPECT_FALSE(filter.Matches(drive_type::kCdRom));
  ASSERT_TRUE(filter.Parse("All"));
  EXPECT_TRUE(filter.Matches(drive_type::kUnknown));
  EXPECT_TRUE(filter.Matches(drive_type::kRamDisk));
  EXPECT_FALSE(filter.Matches(drive_type::kNoRootDir));
  ASSERT_TRUE(filter.Parse("unknown"));
  EXPECT_TRUE(filter.Matches(drive_type::kUnknown));
  EXPECT_FALSE(filter.Matches(drive_type::kNoRootDir));
  const struct {
    const char* word;
    unsigned type;
  } words[] = {{"cdrom", drive_type::kCdRom},     {"Removable", drive_type::kRemovable},
               {"NETWORK", drive_type::kRemote}, {"ramdisk", drive_type::kRamDisk}};
  for (const auto& w : words) {
    ASSERT_TRUE(filter.Parse(w.word)) << w.word;
    EXPECT_TRUE(filter.Matches(w.type)) << w.word;
  }
  EXPECT_FALSE(filter.Parse("floppy"));
  EXPECT_FALSE(filter.Parse(""));
}

TEST(DriveText, StatusAndMappingErrors) {
  EXPECT_EQ(DriveStatusName(0), "READY");
  EXPECT_EQ(DriveStatusName(3), "INVALID");
  EXPECT_EQ(DriveStatusName(19), "READONLY");
  EXPECT_EQ(DriveStatusName(21), "NOTREADY");
  EXPECT_EQ(DriveStatusName(2), "UNKNOWN");
  const unsigned long errors[] = {5, 85, 1202, 1200, 67, 86, 1222, 0};
  const int codes[] = {2, 3, 3, 4, 5, 6, 1, 1};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(DriveMapErrorCode(errors[i]), codes[i]) << errors[i];
}

TEST(DriveText, PrinterDevicesAndTrayActions) {
  EXPECT_TRUE(IsPrinterDevice("LPT1:"));
  EXPECT_TRUE(IsPrinterDevice("lpt2"));
  EXPECT_FALSE(IsPrinterDevice("LP"));
  EXPECT_FALSE(IsPrinterDevice("X:"));
  std::string action;
  EXPECT_TRUE(CdTrayAction("OPEN", action));
  EXPECT_EQ(action, "open");
  EXPECT_TRUE(CdTrayAction("Close", action));
  EXPECT_EQ(action, "closed");
  EXPECT_TRUE(CdTrayAction("closed", action));
  EXPECT_EQ(action, "closed");
  EXPECT_FALSE(CdTrayAction("eject", action));
  EXPECT_FALSE(CdTrayAction("", action));
}
