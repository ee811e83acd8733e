#include "engine/files/FileSlotTable.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class NoSearch : public FileSearch {
 public:
  bool Next(std::string&) override { return false; }
};

std::unique_ptr<FileSlot> SearchSlot() { return std::make_unique<FileSlot>(std::make_unique<NoSearch>(), "x"); }

}  // namespace

TEST(FileSlotTable, NewSlotsTakeTheLowestFreeIndexUntilAllAreUsed) {
  FileSlotTable table;
  for (int i = 0; i < FileSlotTable::kCount; ++i) ASSERT_EQ(table.Add(SearchSlot()), i);
  EXPECT_TRUE(table.Full());
  EXPECT_EQ(table.Add(SearchSlot()), -1);
  EXPECT_TRUE(table.Close(40));
  EXPECT_TRUE(table.Close(3));
  EXPECT_FALSE(table.Close(3));
  EXPECT_EQ(table.Used(), 62);
  EXPECT_EQ(table.Add(SearchSlot()), 3);
  EXPECT_EQ(table.Add(SearchSlot()), 40);
  table.CloseAll();
  EXPECT_EQ(table.Used(), 0);
  EXPECT_EQ(table.Get(0), nullptr);
}

TEST(FileSlotTable, HandlesOutsideTheTableHaveNoSlot) {
  FileSlotTable table;
  table.Add(SearchSlot());
  EXPECT_NE(table.Get(0), nullptr);
  EXPECT_EQ(table.Get(-1), nullptr);
  EXPECT_EQ(table.Get(64), nullptr);
  EXPECT_FALSE(table.Close(64));
  EXPECT_EQ(table.Used(), 1);
}

TEST(FileSlotTable, AFileSlotClosesItsStream) {
  FileSlotTable table;
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  int handle = table.Add(std::make_unique<FileSlot>(stream, 2));
  ASSERT_EQ(handle, 0);
  EXPECT_EQ(table.Get(0)->kind, FileSlot::Kind::kFile);
  EXPECT_EQ(table.Get(0)->mode, 2);
  EXPECT_TRUE(table.Close(0));  // LeakSanitizer reports a stream the slot fails to close
}
