// The colour formats the readout and the copy write.
#include <windows.h>

#include "view/color.h"
#include "tests/unit/support.h"

TEST_CASE("a colour in each format, as the readout and the copy write it") {
    // clang-format off
    const struct { COLORREF color; const char* text[4]; } rows[] = {  // hex, rgb, hsl, decimal
        {RGB(255, 0, 0),     {"#FF0000", "rgb(255, 0, 0)", "hsl(0, 100%, 50%)", "255, 0, 0"}},
        {RGB(18, 52, 86),    {"#123456", "rgb(18, 52, 86)", "hsl(210, 65%, 20%)", "18, 52, 86"}},
        {RGB(200, 100, 150), {"#C86496", "rgb(200, 100, 150)", "hsl(330, 48%, 59%)", "200, 100, 150"}},
        {RGB(255, 255, 0),   {"#FFFF00", "rgb(255, 255, 0)", "hsl(60, 100%, 50%)", "255, 255, 0"}},
        {RGB(50, 200, 100),  {"#32C864", "rgb(50, 200, 100)", "hsl(140, 60%, 49%)", "50, 200, 100"}},
        {RGB(128, 128, 128), {"#808080", "rgb(128, 128, 128)", "hsl(0, 0%, 50%)", "128, 128, 128"}},
        {RGB(255, 255, 255), {"#FFFFFF", "rgb(255, 255, 255)", "hsl(0, 0%, 100%)", "255, 255, 255"}}};
    // clang-format on
    for (const auto& r : rows) {
        for (int format : {kHexColor, kRgbColor, kHslColor, kDecimalColor}) {
            char text[kColorTextSize];
            CHECK(formatColor(text, r.color, format) == lstrlenA(r.text[format]));
            CHECK(std::string(text) == r.text[format]);
        }
    }
}
