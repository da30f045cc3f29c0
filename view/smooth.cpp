#include <windows.h>

#include <string.h>

#include "view/smooth.h"

// Positions in 1/256 of a source pixel: the whole pixel and the weight of the next one.
static const int kFractionBits = 8;
static const DWORD kOne = 1u << kFractionBits;

// a and b mixed, weight 1/256..255/256 toward b, red and blue in one multiply, green in another.
static inline DWORD blend(DWORD a, DWORD b, DWORD weight) {
    DWORD rb = ((a & 0xFF00FF) * (kOne - weight) + (b & 0xFF00FF) * weight) >> kFractionBits;
    DWORD g = ((a & 0x00FF00) * (kOne - weight) + (b & 0x00FF00) * weight) >> kFractionBits;
    return (rb & 0xFF00FF) | (g & 0x00FF00);
}

// The even mix, the weight at every second pixel of a 2x view: without a multiply.
static inline DWORD halfway(DWORD a, DWORD b) {
    return (a & b) + (((a ^ b) & 0xFEFEFE) >> 1);
}

static inline DWORD mix(DWORD a, DWORD b, DWORD weight) {
    if (weight == 0)
        return a;
    return weight == kOne / 2 ? halfway(a, b) : blend(a, b, weight);
}

// The source position of view pixel i, of `size` pixels over `sourceSize`.
static inline DWORD sourcePosition(int i, int size, int sourceSize) {
    return (DWORD)((long long)i * sourceSize * kOne / size);
}

// One source row enlarged across the view's width.
static void stretchRow(const DWORD* source, int sourceWidth, DWORD* out, int width) {
    for (int x = 0; x < width; ++x) {
        DWORD at = sourcePosition(x, width, sourceWidth);
        int i = (int)(at >> kFractionBits);
        int next = i + 1 < sourceWidth ? i + 1 : i;
        out[x] = mix(source[i], source[next], at & (kOne - 1));
    }
}

static void mixRows(const DWORD* a, const DWORD* b, DWORD weight, DWORD* out, int width) {
    if (weight == 0) {
        memcpy(out, a, width * sizeof *out);
        return;
    }
    for (int x = 0; x < width; ++x)
        out[x] = mix(a[x], b[x], weight);
}

void smoothStretch(const PixelBlock& from, const PixelBlock& to, DWORD* rows) {
    // The two source rows the current view row lies between, stretched; -1: none yet.
    DWORD* stretched[2] = {rows, rows + to.width};
    int held[2] = {-1, -1};
    for (int y = 0; y < to.height; ++y) {
        DWORD at = sourcePosition(y, to.height, from.height);
        int i = (int)(at >> kFractionBits);
        int next = i + 1 < from.height ? i + 1 : i;
        if (held[0] != i) {
            // Moving down by one, the lower row becomes the upper.
            if (held[1] == i) {
                DWORD* upper = stretched[0];
                stretched[0] = stretched[1];
                stretched[1] = upper;
                held[0] = i;
                held[1] = -1;
            } else {
                stretchRow(from.bits + i * from.stride, from.width, stretched[0], to.width);
                held[0] = i;
            }
        }
        if (held[1] != next) {
            stretchRow(from.bits + next * from.stride, from.width, stretched[1], to.width);
            held[1] = next;
        }
        mixRows(stretched[0], stretched[1], at & (kOne - 1), to.bits + y * to.stride, to.width);
    }
}
