#pragma once

#include <cstddef>

// The program's operator new and delete (SmallBlockHeap.cpp) cut blocks of
// up to this many bytes from pieces of their own.
constexpr std::size_t kSmallBlockLimit = 1024;
// A piece: this many bytes from the C library, serving one block size while
// any of its blocks is in use.
constexpr std::size_t kSmallBlockPieceSize = 64 * 1024;
// Pieces whose blocks are all free that are kept for the next small block of
// any size; beyond these, such a piece goes back to the C library.
constexpr std::size_t kSmallBlockSparePieces = 16;

// The size that the block behind a pointer from operator new was rounded up
// to; 0 for a larger block, which comes from the C library.
std::size_t SmallBlockClassSize(const void* block);
// The pieces taken from the C library and not given back.
std::size_t SmallBlockPiecesHeld();
