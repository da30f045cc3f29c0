// Smooth scaling: a block of screen pixels enlarged by bilinear interpolation, so that edges
// blend instead of showing as blocks. Our own pass, so that it looks the same on every system:
// GDI's HALFTONE mode is documented only as averaging onto blocks, and costs many frames'
// worth under Wine (docs/performance.md).
#pragma once

#include <windows.h>

// Pixels of a 32-bit top-down DIB: the first one, the distance between rows in pixels, and
// the size.
struct PixelBlock {
    DWORD* bits;
    int stride;
    int width;
    int height;
};

// Enlarges `from` over `to` (at least as large each way). Output pixel x samples the source at
// x * from.width / to.width, so that the first pixel of each source pixel's span shows that
// pixel's own colour; past the last source pixel the edge pixel repeats. `rows` holds two rows
// of to.width pixels for the pass.
void smoothStretch(const PixelBlock& from, const PixelBlock& to, DWORD* rows);
