// The program's operator new and delete. Under Wine every block from the C
// library's malloc goes through the Windows heap (a lock and a scan of its
// free lists), which costs several times what it does natively; the
// interpreter makes and frees small blocks on most lines. Small blocks come
// from free lists per size instead, carved from larger pieces that are
// never given back: the free lists keep them for the next block of that size.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "engine/ports/win32/SmallBlockHeap.h"

namespace {

constexpr std::size_t kHeader = 16;  // keeps the block's alignment
constexpr std::size_t kStep = 16;
constexpr std::size_t kClasses = kSmallBlockLimit / kStep;  // sizes 16 to kSmallBlockLimit
constexpr std::size_t kPieceSize = 64 * 1024;

struct FreeBlock {
  FreeBlock* next;
};

// Zero-initialised at load time: usable before any constructor runs.
struct SmallBlocks {
  long lock;
  FreeBlock* free[kClasses + 1];
  char* carve;
  char* carveEnd;
};
SmallBlocks g_blocks;

class Lock {
 public:
  // Held for a few instructions only; a holder that lost its processor
  // gets it back when the waiter gives its own up.
  Lock() {
    for (unsigned spins = 0; __atomic_exchange_n(&g_blocks.lock, 1, __ATOMIC_ACQUIRE) != 0;) {
      while (__atomic_load_n(&g_blocks.lock, __ATOMIC_RELAXED) != 0) {
        if (++spins % 64 == 0) SwitchToThread();
        __builtin_ia32_pause();
      }
    }
  }
  ~Lock() { __atomic_store_n(&g_blocks.lock, 0, __ATOMIC_RELEASE); }
};

// The size class is kept in the header; 0 marks a block of the C library.
std::size_t& ClassOf(void* user) { return *reinterpret_cast<std::size_t*>(static_cast<char*>(user) - kHeader); }

void* Fail(std::size_t size) {
  for (;;) {
    std::new_handler handler = std::get_new_handler();
    if (!handler) throw std::bad_alloc();
    handler();
    if (void* block = std::malloc(size)) return block;
  }
}

void* FromLibrary(std::size_t size) {
  if (size > static_cast<std::size_t>(-1) - kHeader) throw std::bad_alloc();
  void* block = std::malloc(size + kHeader);
  if (!block) block = Fail(size + kHeader);
  char* user = static_cast<char*>(block) + kHeader;
  ClassOf(user) = 0;
  return user;
}

void* Allocate(std::size_t size) {
  if (size > kSmallBlockLimit) return FromLibrary(size);
  const std::size_t sizeClass = size == 0 ? 1 : (size + kStep - 1) / kStep;
  const std::size_t blockSize = kHeader + sizeClass * kStep;
  {
    Lock lock;
    if (FreeBlock* block = g_blocks.free[sizeClass]) {
      g_blocks.free[sizeClass] = block->next;
      return block;
    }
    if (static_cast<std::size_t>(g_blocks.carveEnd - g_blocks.carve) >= blockSize) {
      char* user = g_blocks.carve + kHeader;
      g_blocks.carve += blockSize;
      ClassOf(user) = sizeClass;
      return user;
    }
  }
  // A new piece: what is left of the old one is too small for this block
  // and is not worth a list of its own.
  char* piece = static_cast<char*>(std::malloc(kPieceSize));
  if (!piece) return FromLibrary(size);
  Lock lock;
  g_blocks.carve = piece + blockSize;
  g_blocks.carveEnd = piece + kPieceSize;
  char* user = piece + kHeader;
  ClassOf(user) = sizeClass;
  return user;
}

void Release(void* user) {
  if (!user) return;
  const std::size_t sizeClass = ClassOf(user);
  if (sizeClass == 0) {
    std::free(static_cast<char*>(user) - kHeader);
    return;
  }
  FreeBlock* block = static_cast<FreeBlock*>(user);
  Lock lock;
  block->next = g_blocks.free[sizeClass];
  g_blocks.free[sizeClass] = block;
}

}  // namespace

std::size_t SmallBlockClassSize(const void* user) {
  return *reinterpret_cast<const std::size_t*>(static_cast<const char*>(user) - kHeader) * kStep;
}

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* user) noexcept { Release(user); }
void operator delete[](void* user) noexcept { Release(user); }
void operator delete(void* user, std::size_t) noexcept { Release(user); }
void operator delete[](void* user, std::size_t) noexcept { Release(user); }
