// The colour formats the readout and the copy write.
#include <windows.h>

#include "view/color.h"
#include "tests/unit/support.h"

// The oklch() and lab() texts worked with CSS Color 4's sample formulas in python3, apart from
// the program.
TEST_CASE("a colour in each format, as the readout and the copy write it") {
    // clang-format off
    const struct { COLORREF color; const char* text[6]; } rows[] = {  // hex, rgb, hsl, decimal, oklch, lab
        {RGB(255, 0, 0),     {"#FF0000", "rgb(255, 0, 0)", "hsl(0, 100%, 50%)", "255, 0, 0", "oklch(62.80% 0.2577 29.23)", "lab(54.29 80.80 69.89)"}},
        {RGB(0, 255, 0),     {"#00FF00", "rgb(0, 255, 0)", "hsl(120, 100%, 50%)", "0, 255, 0", "oklch(86.64% 0.2948 142.50)", "lab(87.82 -79.27 80.99)"}},
        {RGB(0, 0, 255),     {"#0000FF", "rgb(0, 0, 255)", "hsl(240, 100%, 50%)", "0, 0, 255", "oklch(45.20% 0.3132 264.05)", "lab(29.57 68.29 -112.03)"}},
        {RGB(18, 52, 86),    {"#123456", "rgb(18, 52, 86)", "hsl(210, 65%, 20%)", "18, 52, 86", "oklch(31.92% 0.0725 251.17)", "lab(20.68 -2.28 -24.59)"}},
        {RGB(200, 100, 150), {"#C86496", "rgb(200, 100, 150)", "hsl(330, 48%, 59%)", "200, 100, 150", "oklch(63.61% 0.1391 350.50)", "lab(55.92 44.80 -8.18)"}},
        {RGB(255, 255, 0),   {"#FFFF00", "rgb(255, 255, 0)", "hsl(60, 100%, 50%)", "255, 255, 0", "oklch(96.80% 0.2110 109.77)", "lab(97.61 -15.75 93.39)"}},
        {RGB(50, 200, 100),  {"#32C864", "rgb(50, 200, 100)", "hsl(140, 60%, 49%)", "50, 200, 100", "oklch(73.41% 0.1867 149.59)", "lab(71.48 -56.30 38.16)"}},
        {RGB(1, 2, 3),       {"#010203", "rgb(1, 2, 3)", "hsl(210, 50%, 1%)", "1, 2, 3", "oklch(8.23% 0.0080 240.75)", "lab(0.50 -0.17 -0.48)"}},
        // Greys: no hue, and no "-0.00" from a rounding error.
        {RGB(128, 128, 128), {"#808080", "rgb(128, 128, 128)", "hsl(0, 0%, 50%)", "128, 128, 128", "oklch(59.99% 0.0000 0.00)", "lab(53.59 0.00 0.00)"}},
        {RGB(255, 255, 255), {"#FFFFFF", "rgb(255, 255, 255)", "hsl(0, 0%, 100%)", "255, 255, 255", "oklch(100.00% 0.0000 0.00)", "lab(100.00 0.00 0.00)"}},
        {RGB(0, 0, 0),       {"#000000", "rgb(0, 0, 0)", "hsl(0, 0%, 0%)", "0, 0, 0", "oklch(0.00% 0.0000 0.00)", "lab(0.00 0.00 0.00)"}}};
    // clang-format on
    for (const auto& r : rows) {
        for (int format :
             {kHexColor, kRgbColor, kHslColor, kDecimalColor, kOklchColor, kLabColor}) {
            char text[kColorTextSize];
            CHECK(formatColor(text, r.color, format) == lstrlenA(r.text[format]));
            CHECK(std::string(text) == r.text[format]);
        }
    }
}
