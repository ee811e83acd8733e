#include "engine/ports/win32/SmallBlockHeap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <random>
#include <thread>
#include <vector>

namespace {

// Every block is as large as asked, aligned as the C library's, and keeps
// its bytes while others of every size come and go around it.
TEST(SmallBlockHeapTest, BlocksOfEverySizeKeepTheirBytes) {
  const struct {
    std::size_t size;
    std::size_t classSize;
  } cases[] = {{0, 16},     {1, 16},      {15, 16},   {16, 16},    {17, 32},     {100, 112},
               {257, 272},  {1023, 1024}, {1024, 1024}, {1025, 0}, {4096, 0},    {1 << 20, 0}};
  std::vector<std::pair<char*, std::size_t>> blocks;
  for (int round = 0; round < 3; ++round) {
    for (const auto& c : cases) {
      char* block = new char[c.size];
      EXPECT_EQ(SmallBlockClassSize(block), c.classSize) << "size " << c.size;
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(void*), 0u) << "size " << c.size;
      std::memset(block, static_cast<int>(blocks.size() & 0xff), c.size);
      blocks.emplace_back(block, c.size);
    }
  }
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const auto& [block, size] = blocks[i];
    for (std::size_t j = 0; j < size; ++j) {
      if (block[j] != static_cast<char>(i & 0xff)) {
        ADD_FAILURE() << "block " << i << " of " << size << " bytes changed at " << j;
        break;
      }
    }
    delete[] block;
  }
}

// A freed small block serves the next request of its size class.
TEST(SmallBlockHeapTest, AFreedBlockServesTheNextOfItsSize) {
  void* first = ::operator new(40);
  ::operator delete(first);
  void* second = ::operator new(33);
  EXPECT_EQ(second, first);
  void* other = ::operator new(20);
  EXPECT_NE(other, first);
  ::operator delete(other);
  ::operator delete(second);
}

std::vector<void*> MakeBlocks(std::size_t size, std::size_t count) {
  std::vector<void*> blocks;
  blocks.reserve(count);
  for (std::size_t i = 0; i < count; ++i) blocks.push_back(::operator new(size));
  return blocks;
}

void FreeBlocks(const std::vector<void*>& blocks) {
  for (void* block : blocks) ::operator delete(block);
}

// Blocks that fill 40 pieces, all freed: their pieces go back to the C
// library but for the spares (which may have served some of them).
TEST(SmallBlockHeapTest, APieceWhoseBlocksAreAllFreeGoesBack) {
  const std::size_t before = SmallBlockPiecesHeld();
  const std::vector<void*> blocks = MakeBlocks(1000, 40 * kSmallBlockPieceSize / 1024);
  EXPECT_GE(SmallBlockPiecesHeld(), before + 39 - kSmallBlockSparePieces);
  FreeBlocks(blocks);
  EXPECT_LE(SmallBlockPiecesHeld(), before + kSmallBlockSparePieces);
}

// The pieces of freed blocks serve blocks of another size: blocks of 500
// bytes come where blocks of 1,000 bytes were.
TEST(SmallBlockHeapTest, AFreedPieceServesAnotherSize) {
  std::vector<void*> large = MakeBlocks(1000, 20 * kSmallBlockPieceSize / 1024);
  FreeBlocks(large);
  std::sort(large.begin(), large.end());
  const std::vector<void*> small = MakeBlocks(500, 4 * kSmallBlockPieceSize / 512);
  std::size_t whereLargeWere = 0;
  for (void* block : small) {
    auto after = std::upper_bound(large.begin(), large.end(), block);
    whereLargeWere += after != large.begin() &&
                      static_cast<char*>(block) < static_cast<char*>(*(after - 1)) + 1000;
  }
  FreeBlocks(small);
  EXPECT_GE(whereLargeWere, 2 * kSmallBlockPieceSize / 1024) << "of " << small.size() << " blocks";
}

// Threads that make and free blocks at once never get the same block: each
// fills its blocks with its own mark and finds it unchanged before freeing.
TEST(SmallBlockHeapTest, ThreadsNeverShareABlock) {
  constexpr int kThreads = 4;
  std::vector<int> damaged(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &damaged] {
      std::mt19937 random(static_cast<unsigned>(t + 1));
      std::vector<std::pair<unsigned char*, std::size_t>> held;
      const unsigned char mark = static_cast<unsigned char>(0xa0 + t);
      for (int i = 0; i < 200000; ++i) {
        if (held.size() < 64 && random() % 2 == 0) {
          const std::size_t size = random() % 1200;
          auto* block = static_cast<unsigned char*>(::operator new(size));
          std::memset(block, mark, size);
          held.emplace_back(block, size);
        } else if (!held.empty()) {
          const std::size_t at = random() % held.size();
          auto [block, size] = held[at];
          for (std::size_t j = 0; j < size; ++j) damaged[t] += block[j] != mark;
          ::operator delete(block);
          held[at] = held.back();
          held.pop_back();
        }
      }
      for (auto [block, size] : held) ::operator delete(block);
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(damaged[t], 0) << "thread " << t;
}

// A size that cannot be had fails as the language says, never with a
// block that is too small.
TEST(SmallBlockHeapTest, ASizeThatCannotBeHadFails) {
  for (std::size_t size : {static_cast<std::size_t>(-1), static_cast<std::size_t>(-1) - 8,
                           static_cast<std::size_t>(-1) / 4 * 3}) {
    EXPECT_THROW(static_cast<void>(::operator new(size)), std::bad_alloc) << size;
    EXPECT_EQ(::operator new(size, std::nothrow), nullptr) << size;
  }
}

}  // namespace
