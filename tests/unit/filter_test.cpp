// The colour filters, put through pixels in memory.
#include <windows.h>

#include <stdlib.h>

#include "view/filter.h"
#include "tests/unit/support.h"

static DWORD pixelOf(int r, int g, int b) {
    return (DWORD)(r << 16 | g << 8 | b);
}

static bool within1(DWORD a, DWORD b) {
    for (int shift : {16, 8, 0}) {
        if (abs((int)((a >> shift) & 0xFF) - (int)((b >> shift) & 0xFF)) > 1)
            return false;
    }
    return true;
}

// Worked in python3 in double precision from the published matrices, apart from the program; a
// channel may differ by one where the program's steps of linear light round the other way.
TEST_CASE("each filter gives the colours its matrix gives in linear light") {
    const DWORD in[] = {pixelOf(255, 0, 0), pixelOf(0, 255, 0), pixelOf(0, 0, 255),
                        pixelOf(200, 100, 150), pixelOf(18, 52, 86)};
    // clang-format off
    const struct { int filter; DWORD out[5]; } rows[] = {
        {kGreyscale,    {pixelOf(127, 127, 127), pixelOf(220, 220, 220), pixelOf(76, 76, 76), pixelOf(133, 133, 133), pixelOf(51, 51, 51)}},
        {kProtanopia,   {pixelOf(109, 95, 0), pixelOf(255, 229, 0), pixelOf(0, 89, 255), pixelOf(111, 123, 152), pixelOf(36, 54, 87)}},
        {kDeuteranopia, {pixelOf(163, 144, 0), pixelOf(239, 214, 58), pixelOf(0, 61, 251), pixelOf(138, 140, 148), pixelOf(26, 48, 85)}},
        {kTritanopia,   {pixelOf(255, 0, 15), pixelOf(0, 247, 217), pixelOf(0, 107, 150), pixelOf(212, 97, 119), pixelOf(0, 60, 64)}}};
    // clang-format on
    for (const auto& r : rows) {
        DWORD pixels[5];
        memcpy(pixels, in, sizeof pixels);
        filterPixels(r.filter, {pixels, 5, 5, 1});
        for (int i = 0; i < 5; ++i) {
            CAPTURE(r.filter);
            CAPTURE(i);
            CHECK(within1(pixels[i], r.out[i]));
        }
    }
}

TEST_CASE("every grey, black and white among them, comes back exactly itself through each filter") {
    DWORD greys[256];
    for (int filter : {kGreyscale, kProtanopia, kDeuteranopia, kTritanopia}) {
        for (int v = 0; v < 256; ++v)
            greys[v] = pixelOf(v, v, v);
        filterPixels(filter, {greys, 16, 16, 16});
        int changed = 0;
        for (int v = 0; v < 256; ++v)
            changed += greys[v] != pixelOf(v, v, v);
        CAPTURE(filter);
        CHECK(changed == 0);
    }
}

TEST_CASE("no filter, and a value of none, leave the pixels; a block's stride is kept to") {
    DWORD pixels[4] = {pixelOf(255, 0, 0), pixelOf(0, 0, 255), pixelOf(255, 0, 0),
                       pixelOf(1, 2, 3)};
    for (int filter : {(int)kNoFilter, (int)kFilterCount, -1}) {
        filterPixels(filter, {pixels, 2, 2, 2});
        CHECK(pixels[0] == pixelOf(255, 0, 0));
    }
    filterPixels(kGreyscale, {pixels, 2, 1, 2});  // the first column only
    CHECK(pixels[0] == pixelOf(127, 127, 127));
    CHECK(pixels[1] == pixelOf(0, 0, 255));
    CHECK(pixels[2] == pixelOf(127, 127, 127));
    CHECK(pixels[3] == pixelOf(1, 2, 3));
}
