// Smooth scaling: the blend between source pixels, and what the frame draws with it on.
#include <windows.h>

#include <vector>

#include "tests/unit/support.h"
#include "view/smooth.h"

TEST_CASE("smoothing blends neighbours by their distance, each channel alone, the edge repeated") {
    const DWORD black = 0, white = 0xFFFFFF, red = 0xFF0000, blue = 0x0000FF;
    // clang-format off
    const struct {
        int width, height;            // the source's, its pixels row by row below
        std::vector<DWORD> source;
        int toWidth, toHeight;
        std::vector<DWORD> expected;  // the view's pixels, row by row
    } rows[] = {
        {2, 1, {black, white}, 4, 1, {black, 0x7F7F7F, white, white}},                 // 2x
        {2, 1, {black, white}, 8, 1, {black, 0x3F3F3F, 0x7F7F7F, 0xBFBFBF, white, white, white, white}},
        {2, 1, {black, white}, 3, 1, {black, 0xA9A9A9, white}},                       // 1.5x: 2/3 of the way
        {2, 1, {red, blue}, 4, 1, {red, 0x7F007F, blue, blue}},
        {2, 1, {0x102030, 0x405060}, 2, 1, {0x102030, 0x405060}},                     // 1x: as it is
        {1, 2, {black, white}, 1, 4, {black, 0x7F7F7F, white, white}},                // down the rows
        {2, 2, {black, white, white, black}, 4, 4, {black,    0x7F7F7F, white,    white,
                                                    0x7F7F7F, 0x7F7F7F, 0x7F7F7F, 0x7F7F7F,
                                                    white,    0x7F7F7F, black,    black,
                                                    white,    0x7F7F7F, black,    black}},
        {3, 3, {0, 0, 0, 0, 0x0000F0, 0, 0, 0, 0}, 6, 6, {0, 0, 0, 0, 0, 0,
                                                          0, 0x00003C, 0x000078, 0x00003C, 0, 0,
                                                          0, 0x000078, 0x0000F0, 0x000078, 0, 0,
                                                          0, 0x00003C, 0x000078, 0x00003C, 0, 0,
                                                          0, 0, 0, 0, 0, 0,
                                                          0, 0, 0, 0, 0, 0}},
    };
    // clang-format on
    for (const auto& r : rows) {
        std::vector<DWORD> source = r.source, view(r.toWidth * r.toHeight, 0x123456),
                           rows(2 * r.toWidth);
        smoothStretch({source.data(), r.width, r.width, r.height},
                      {view.data(), r.toWidth, r.toWidth, r.toHeight}, rows.data());
        CAPTURE(r.toWidth);
        CHECK(view == r.expected);
    }
}
