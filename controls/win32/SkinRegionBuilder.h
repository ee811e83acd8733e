// Builds a window region from a bitmap: every pixel not within `tolerance`
// of the transparent colour (per channel) belongs to it.
#pragma once

#include <windows.h>

// The region, or null when the working bitmap or the region could not be
// made. A bitmap of only the transparent colour gives an empty region. The
// caller owns the region.
HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparent, COLORREF tolerance);

// The header of a 32-bit bitmap of `width` x `height`, the top row first.
BITMAPINFO TopDownBitmapInfo(int width, int height);
