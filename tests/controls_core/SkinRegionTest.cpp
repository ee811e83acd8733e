#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/SkinRegion.h"

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;    // colour value: red low
constexpr std::uint32_t kTolerance = 0x080808;
constexpr std::uint32_t kMagentaPixel = 0xFF00FF;  // bitmap pixel: blue low

std::vector<RegionRect> Joined(const std::vector<std::vector<RegionRect>>& batches) {
  std::vector<RegionRect> all;
  for (const auto& batch : batches) all.insert(all.end(), batch.begin(), batch.end());
  return all;
}

TEST(SkinRegion, ADifferenceOfEightIsTransparentAndNineIsKept) {
  struct Case {
    std::uint32_t pixel;
    bool transparent;
  };
  const Case cases[] = {
      {0xFF00FF, true},  {0xF708F7, true},  {0xF700FF, true},  {0xFF0800, false},
      {0xF609F7, false}, {0xF600FF, false}, {0xFF00F6, false}, {0xFF0900, false},
      {0x000000, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsTransparentPixel(c.pixel, kMagenta, kTolerance), c.transparent) << std::hex
                                                                                << c.pixel;
  }
  // Channels compare with their own: red is the low byte of the colour value.
  EXPECT_TRUE(IsTransparentPixel(0x0000FF, 0xFF0000, kTolerance));
  EXPECT_FALSE(IsTransparentPixel(0xFF0000, 0xFF0000, kTolerance));
}

TEST(SkinRegion, RunsRowByRowFromTheTop) {
  const std::uint32_t M = kMagentaPixel, K = 0x123456;
  const std::vector<std::uint32_t> pixels = {
      M, K, K, M,  //
      K, M, M, K,  //
      M, M, M, M,
  };
  auto batches = RegionRunBatches(pixels, 4, 3, kMagenta, kTolerance);
  ASSERT_EQ(batches.size(), 1u);
  EXPECT_EQ(batches[0], (std::vector<RegionRect>{{1, 0, 3, 1}, {0, 1, 1, 2}, {3, 1, 4, 2}}));
}

TEST(SkinRegion, AllTransparentGivesNothing) {
  std::vector<std::uint32_t> pixels(30 * 20, 0xFA05FA);
  EXPECT_TRUE(RegionRunBatches(pixels, 30, 20, kMagenta, kTolerance).empty());
}

TEST(SkinRegion, ManyRunsComeInBatchesOfTwoThousand) {
  // A checkerboard of 100 x 90 has 50 runs a row: 4500 runs.
  const int width = 100, height = 90;
  std::vector<std::uint32_t> pixels(width * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[y * width + x] = (x + y) % 2 ? kMagentaPixel : 0;
  }
  auto batches = RegionRunBatches(pixels, width, height, kMagenta, kTolerance);
  ASSERT_EQ(batches.size(), 3u);
  EXPECT_EQ(batches[0].size(), 2000u);
  EXPECT_EQ(batches[1].size(), 2000u);
  EXPECT_EQ(batches[2].size(), 500u);
  std::vector<RegionRect> all = Joined(batches);
  EXPECT_EQ(all.front(), (RegionRect{0, 0, 1, 1}));
  EXPECT_EQ(all[50], (RegionRect{1, 1, 2, 2}));
  EXPECT_EQ(all.back(), (RegionRect{99, 89, 100, 90}));
}

TEST(SkinRegion, TooFewPixelsGiveNothing) {
  EXPECT_TRUE(RegionRunBatches(std::vector<std::uint32_t>(5, 0), 3, 2, kMagenta, kTolerance)
                  .empty());
}

}  // namespace
