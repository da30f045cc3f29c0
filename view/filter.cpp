#include <windows.h>

#include <math.h>

#include "view/filter.h"

#include "common/settings.h"

// A row for each ColorFilter value from kGreyscale on, in order: the readout's tag and the
// matrix from linear red, green and blue to the same.
struct FilterRow {
    ColorFilter filter;
    const char* tag;
    float matrix[3][3];
};
// Greyscale: Rec. 709's luminance. The cone deficiencies: Machado, Oliveira and Fernandes (2009)
// at severity 1.0, whose rows sum to 1, so greys stay themselves.
static constexpr FilterRow kFilters[] = {
    {kGreyscale,
     "grey",
     {{0.2126f, 0.7152f, 0.0722f}, {0.2126f, 0.7152f, 0.0722f}, {0.2126f, 0.7152f, 0.0722f}}},
    {kProtanopia,
     "protan",
     {{0.152286f, 1.052583f, -0.204868f},
      {0.114503f, 0.786281f, 0.099216f},
      {-0.003882f, -0.048116f, 1.051998f}}},
    {kDeuteranopia,
     "deutan",
     {{0.367322f, 0.860646f, -0.227968f},
      {0.280085f, 0.672501f, 0.047413f},
      {-0.011820f, 0.042940f, 0.968881f}}},
    {kTritanopia,
     "tritan",
     {{1.255528f, -0.076749f, -0.178779f},
      {-0.078411f, 0.930809f, 0.147602f},
      {0.004733f, 0.691367f, 0.303900f}}},
};

static constexpr bool filtersInOrder() {
    for (int i = 0; i < (int)ARRAYSIZE(kFilters); ++i) {
        if (kFilters[i].filter != kGreyscale + i)
            return false;
    }
    return ARRAYSIZE(kFilters) == kFilterCount - kGreyscale;
}
static_assert(filtersInOrder(), "a row for each filter, in the order of its FILTER value");

static const FilterRow* findFilter(int filter) {
    return filter >= kGreyscale && filter < kFilterCount ? &kFilters[filter - kGreyscale] : nullptr;
}

const char* filterTag(int filter) {
    const FilterRow* row = findFilter(filter);
    return row ? row->tag : nullptr;
}

// Linear light in steps of 1/kLastStep: fine enough that a dark grey decoded and encoded again
// is itself (at the dark end an sRGB step is 1.24 of these).
static const int kLastStep = 4095;
static float decoded[256];           // an sRGB channel as linear light, in steps
static BYTE encoded[kLastStep + 1];  // a step of linear light as the nearest sRGB channel
static bool tablesBuilt = false;

static double srgbToLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : pow((c + 0.055) / 1.055, 2.4);
}

static double linearToSrgb(double l) {
    return l <= 0.0031308 ? l * 12.92 : 1.055 * pow(l, 1.0 / 2.4) - 0.055;
}

static void buildTables() {
    for (int c = 0; c < 256; ++c)
        decoded[c] = (float)(srgbToLinear(c / 255.0) * kLastStep);
    for (int step = 0; step <= kLastStep; ++step)
        encoded[step] = (BYTE)floor(linearToSrgb((double)step / kLastStep) * 255.0 + 0.5);
    tablesBuilt = true;
}

static inline BYTE encode(float step) {
    int nearest = (int)(step + 0.5f);
    return encoded[nearest < 0 ? 0 : (nearest > kLastStep ? kLastStep : nearest)];
}

static inline DWORD filtered(const float (&m)[3][3], DWORD pixel) {
    float r = decoded[(pixel >> 16) & 0xFF], g = decoded[(pixel >> 8) & 0xFF],
          b = decoded[pixel & 0xFF];
    return (DWORD)encode(m[0][0] * r + m[0][1] * g + m[0][2] * b) << 16 |
           (DWORD)encode(m[1][0] * r + m[1][1] * g + m[1][2] * b) << 8 |
           encode(m[2][0] * r + m[2][1] * g + m[2][2] * b);
}

void filterPixels(int filter, const PixelBlock& block) {
    const FilterRow* row = findFilter(filter);
    if (!row)
        return;
    if (!tablesBuilt)
        buildTables();
    // A magnified view repeats each pixel in runs: the last one's result is kept. Black stays
    // black through any matrix.
    DWORD lastIn = 0, lastOut = 0;
    for (int y = 0; y < block.height; ++y) {
        DWORD* p = block.bits + y * block.stride;
        for (int x = 0; x < block.width; ++x) {
            if (p[x] != lastIn) {
                lastIn = p[x];
                lastOut = filtered(row->matrix, lastIn);
            }
            p[x] = lastOut;
        }
    }
}
