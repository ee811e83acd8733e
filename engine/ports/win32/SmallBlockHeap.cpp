// The program's operator new and delete. Under Wine every block from the C
// library's malloc goes through the Windows heap (a lock and a scan of its
// free lists), which costs several times what it does natively; the
// interpreter makes and frees small blocks on most lines. Small blocks come
// from 64 KB pieces of the C library instead, each serving one size: a freed
// block goes back on its piece's free list for the next block of that size,
// and a piece whose blocks are all free is kept as a spare for any size or,
// beyond a few spares, given back to the C library. So memory that a script
// frees serves any later block, small or large.
//
// Pieces come from the heap rather than from VirtualAlloc: under Wine each
// VirtualAlloc is a mapping of its own, and the system's limit on mappings
// stopped 64 KB ones at about 1.25 GB, where the heap reached 2 GB.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "engine/ports/win32/SmallBlockHeap.h"

namespace {

constexpr std::size_t kHeader = 16;  // keeps the block's alignment
constexpr std::size_t kStep = 16;
constexpr std::size_t kClasses = kSmallBlockLimit / kStep;  // sizes 16 to kSmallBlockLimit

struct FreeBlock {
  FreeBlock* next;
};

// The head of a piece, at its start; its blocks follow. A piece lies on its
// size's list while it has a block to give, and on the spare list once all
// its blocks are free (keeping its size, so that it serves that size again
// as it is).
struct Piece {
  Piece* prev;
  Piece* next;
  FreeBlock* free;  // freed blocks of this piece
  char* carve;      // the first block never handed out
  std::size_t sizeClass;
  std::size_t blockSize;
  std::size_t live;  // blocks in use
  std::size_t capacity;
};
static_assert(sizeof(Piece) % kStep == 0, "blocks keep the alignment of the piece");

// In front of every block: its size class (0 for a block of the C library)
// and its piece.
struct Header {
  std::size_t sizeClass;
  Piece* piece;
};
static_assert(sizeof(Header) <= kHeader);

// Linked both ways, so that a piece leaves its list at once.
struct PieceList {
  Piece* head;
  Piece* tail;

  void PushFront(Piece* piece) {
    piece->prev = nullptr;
    piece->next = head;
    (head ? head->prev : tail) = piece;
    head = piece;
  }
  void Remove(Piece* piece) {
    (piece->prev ? piece->prev->next : head) = piece->next;
    (piece->next ? piece->next->prev : tail) = piece->prev;
  }
};

// Zero-initialised at load time: usable before any constructor runs.
struct SmallBlocks {
  long lock;
  PieceList withRoom[kClasses + 1];
  PieceList spare;  // the latest emptied first
  std::size_t spareCount;
  std::size_t piecesHeld;  // taken from the C library and not given back
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

Header& HeaderOf(void* user) { return *reinterpret_cast<Header*>(static_cast<char*>(user) - kHeader); }

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
  HeaderOf(user).sizeClass = 0;
  return user;
}

// Makes an empty piece serve one size.
void Prepare(Piece* piece, std::size_t sizeClass) {
  piece->free = nullptr;
  piece->carve = reinterpret_cast<char*>(piece) + sizeof(Piece);
  piece->sizeClass = sizeClass;
  piece->blockSize = kHeader + sizeClass * kStep;
  piece->live = 0;
  piece->capacity = (kSmallBlockPieceSize - sizeof(Piece)) / piece->blockSize;
}

// A block of a piece on its size's list; the lock is held.
void* Take(Piece* piece) {
  char* user;
  if (FreeBlock* block = piece->free) {
    piece->free = block->next;
    user = reinterpret_cast<char*>(block);
  } else {
    user = piece->carve + kHeader;
    piece->carve += piece->blockSize;
    HeaderOf(user) = Header{piece->sizeClass, piece};
  }
  if (++piece->live == piece->capacity) g_blocks.withRoom[piece->sizeClass].Remove(piece);
  return user;
}

void* Allocate(std::size_t size) {
  if (size > kSmallBlockLimit) return FromLibrary(size);
  const std::size_t sizeClass = size == 0 ? 1 : (size + kStep - 1) / kStep;
  PieceList& withRoom = g_blocks.withRoom[sizeClass];
  {
    Lock lock;
    if (Piece* piece = withRoom.head) return Take(piece);
    if (Piece* piece = g_blocks.spare.head) {
      g_blocks.spare.Remove(piece);
      --g_blocks.spareCount;
      if (piece->sizeClass != sizeClass) Prepare(piece, sizeClass);
      withRoom.PushFront(piece);
      return Take(piece);
    }
  }
  Piece* piece = static_cast<Piece*>(std::malloc(kSmallBlockPieceSize));
  if (!piece) return FromLibrary(size);
  Prepare(piece, sizeClass);
  Lock lock;
  ++g_blocks.piecesHeld;
  withRoom.PushFront(piece);
  return Take(piece);
}

void Release(void* user) {
  if (!user) return;
  const Header& header = HeaderOf(user);
  const std::size_t sizeClass = header.sizeClass;
  if (sizeClass == 0) {
    std::free(static_cast<char*>(user) - kHeader);
    return;
  }
  Piece* piece = header.piece;
  FreeBlock* block = static_cast<FreeBlock*>(user);
  Piece* surplus = nullptr;
  {
    Lock lock;
    block->next = piece->free;
    piece->free = block;
    if (piece->live-- == piece->capacity) g_blocks.withRoom[sizeClass].PushFront(piece);
    if (piece->live == 0) {
      g_blocks.withRoom[sizeClass].Remove(piece);
      g_blocks.spare.PushFront(piece);
      if (++g_blocks.spareCount > kSmallBlockSparePieces) {
        surplus = g_blocks.spare.tail;
        g_blocks.spare.Remove(surplus);
        --g_blocks.spareCount;
        --g_blocks.piecesHeld;
      }
    }
  }
  std::free(surplus);
}

}  // namespace

std::size_t SmallBlockClassSize(const void* user) {
  return reinterpret_cast<const Header*>(static_cast<const char*>(user) - kHeader)->sizeClass * kStep;
}

std::size_t SmallBlockPiecesHeld() {
  Lock lock;
  return g_blocks.piecesHeld;
}

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* user) noexcept { Release(user); }
void operator delete[](void* user) noexcept { Release(user); }
void operator delete(void* user, std::size_t) noexcept { Release(user); }
void operator delete[](void* user, std::size_t) noexcept { Release(user); }
