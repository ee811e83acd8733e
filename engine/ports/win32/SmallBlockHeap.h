#pragma once

#include <cstddef>

// The program's operator new and delete (SmallBlockHeap.cpp) keep blocks of
// up to this many bytes on free lists of their own.
constexpr std::size_t kSmallBlockLimit = 1024;

// The size that the block behind a pointer from operator new was rounded up
// to; 0 for a larger block, which comes from the C library.
std::size_t SmallBlockClassSize(const void* block);
