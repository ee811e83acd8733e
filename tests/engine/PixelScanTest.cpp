#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "engine/windows/PixelScan.h"

namespace {

std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) | (static_cast<std::uint32_t>(b) << 16);
}

std::uint32_t Adler32(const std::vector<int>& bytes) {
  std::uint32_t a = 1, b = 0;
  for (int byte : bytes) {
    a = (a + static_cast<std::uint32_t>(byte)) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

// A 10 x 10 screen at (0, 0) of one colour with a few painted pixels; outside
// it there are no pixels.
struct FakeScreen {
  std::uint32_t background = Rgb(255, 255, 255);
  std::map<std::pair<int, int>, std::uint32_t> painted;
  std::vector<std::pair<int, int>> visited;

  PixelReader Reader() {
    return [this](int x, int y) {
      visited.emplace_back(x, y);
      if (x < 0 || y < 0 || x >= 10 || y >= 10) return kInvalidColour;
      auto it = painted.find({x, y});
      return it == painted.end() ? background : it->second;
    };
  }
};

TEST(PixelScan, ShadeRangesClipToTheByteRange) {
  struct Case {
    std::uint32_t colour;
    int shade;
    ShadeRange expected;
  } cases[] = {
      {Rgb(10, 128, 250), 0, {{10, 128, 250}, {10, 128, 250}}},
      {Rgb(10, 128, 250), 20, {{0, 108, 230}, {30, 148, 255}}},
      {Rgb(10, 128, 250), -5, {{10, 128, 250}, {10, 128, 250}}},
      {Rgb(10, 128, 250), 300, {{0, 0, 0}, {255, 255, 255}}},
  };
  for (const Case& c : cases) {
    ShadeRange range = MakeShadeRange(c.colour, c.shade);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(range.low[i], c.expected.low[i]) << c.shade << " byte " << i;
      EXPECT_EQ(range.high[i], c.expected.high[i]) << c.shade << " byte " << i;
    }
  }
  EXPECT_TRUE(InShadeRange(MakeShadeRange(Rgb(10, 128, 250), 300), Rgb(0, 0, 0)));
  EXPECT_FALSE(InShadeRange(MakeShadeRange(Rgb(10, 128, 250), 300), kInvalidColour));
  EXPECT_FALSE(InShadeRange(MakeShadeRange(Rgb(10, 128, 250), 5), Rgb(10, 128, 244)));
}

TEST(PixelScan, ScansColumnByColumnAndFindsTheFirstMatch) {
  FakeScreen screen;
  screen.painted[{3, 7}] = Rgb(1, 2, 3);
  screen.painted[{4, 1}] = Rgb(1, 2, 3);  // later column, earlier row
  int x = -1, y = -1;
  ASSERT_TRUE(ScanForPixel(0, 0, 9, 9, 1, MakeShadeRange(Rgb(1, 2, 3), 0), screen.Reader(), x, y));
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(3, 7));
  EXPECT_EQ(screen.visited.size(), 3u * 10 + 8);
  EXPECT_EQ(screen.visited[10], std::make_pair(1, 0));
}

TEST(PixelScan, AStepVisitsEverySecondColumnAndRowInclusive) {
  FakeScreen screen;
  int x = 0, y = 0;
  EXPECT_FALSE(ScanForPixel(2, 1, 6, 4, 2, MakeShadeRange(Rgb(0, 0, 0), 0), screen.Reader(), x, y));
  std::vector<std::pair<int, int>> expected = {{2, 1}, {2, 3}, {4, 1}, {4, 3}, {6, 1}, {6, 3}};
  EXPECT_EQ(screen.visited, expected);
}

TEST(PixelScan, PixelsOffTheScreenAreNeverFound) {
  FakeScreen screen;
  int x = 0, y = 0;
  // White searched with full shade over an area mostly off the screen: only
  // real pixels can match.
  ASSERT_TRUE(ScanForPixel(-5, -5, 0, 0, 1, MakeShadeRange(Rgb(255, 255, 255), 255), screen.Reader(), x, y));
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 0));
  EXPECT_FALSE(ScanForPixel(20, 20, 25, 25, 1, MakeShadeRange(Rgb(255, 255, 255), 255), screen.Reader(), x, y));
}

TEST(PixelScan, AnEmptyAreaIsNotScanned) {
  FakeScreen screen;
  int x = 0, y = 0;
  EXPECT_FALSE(ScanForPixel(5, 5, 4, 9, 1, MakeShadeRange(Rgb(255, 255, 255), 0), screen.Reader(), x, y));
  EXPECT_TRUE(screen.visited.empty());
}

TEST(PixelScan, ChecksumIsAdler32OverRedGreenBlueInScanOrder) {
  FakeScreen screen;
  screen.painted[{0, 0}] = Rgb(1, 2, 3);
  screen.painted[{0, 1}] = Rgb(4, 5, 6);
  // Bytes 1 2 3 4 5 6: a = 1+21 = 22, b = 2+4+7+11+16+22 = 62.
  EXPECT_EQ(PixelChecksum(0, 0, 0, 1, screen.Reader()), (62u << 16) | 22u);
  // Column by column: (0,0) (0,1) (1,0) (1,1).
  screen.painted[{1, 0}] = Rgb(7, 8, 9);
  EXPECT_EQ(PixelChecksum(0, 0, 1, 1, screen.Reader()), Adler32({1, 2, 3, 4, 5, 6, 7, 8, 9, 255, 255, 255}));
  EXPECT_EQ(PixelChecksum(3, 3, 2, 2, screen.Reader()), 1u);
}

TEST(PixelScan, ChecksumStaysBelowTheModulus) {
  FakeScreen screen;  // 100 white pixels: sums pass 65521 many times
  std::uint32_t sum = PixelChecksum(0, 0, 9, 9, screen.Reader());
  EXPECT_LT(sum & 0xFFFF, 65521u);
  EXPECT_LT(sum >> 16, 65521u);
  EXPECT_EQ(sum & 0xFFFF, (1u + 300 * 255) % 65521);
}

TEST(PixelScan, CheckColorModes) {
  const std::uint32_t pixel = Rgb(100, 150, 200);
  struct Case {
    int mode, r, g, b;
    bool expected;
  } cases[] = {
      {0, 100, 150, 200, true},  {0, 100, 150, 201, false}, {1, 100, 150, 200, false},
      {1, 101, 150, 200, true},  {2, 119, 131, 219, true},  {2, 120, 150, 200, false},
      {2, 100, 150, 181, true},  {2, 100, 150, 180, false}, {3, 0, 0, 0, true},
      {-1, 0, 0, 0, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ColourPasses(c.mode, pixel, c.r, c.g, c.b), c.expected) << c.mode << " " << c.r << "," << c.g << "," << c.b;
  // No pixel there: every mode is false (white would pass mode 0 otherwise).
  for (int mode : {0, 1, 2, 3}) EXPECT_FALSE(ColourPasses(mode, kInvalidColour, 255, 255, 255)) << mode;
}

}  // namespace
