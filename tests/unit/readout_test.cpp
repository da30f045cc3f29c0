// The readout's lines and the colour it reads.
#include <windows.h>

#include <string>
#include "view/readout.h"
#include "tests/unit/support.h"

TEST_CASE("the readout's lines: pick mode, averaging, and the measure from an anchor") {
    // clang-format off
    const struct {
        int picking, average, anchored, anchorX, anchorY;
        COLORREF anchorColor, color;
        const char* lines;  // joined by '|'
        int format = kHexColor;
        int pointX = 300;
        int filter = kNoFilter;  // named in the tags; the colour is the one read
        int dpi = 0;             // the monitor's, as looked up with it (0: not known)
        int advancedColor = 0;   // HDR or wide colour on the monitor: the colour marked "~"
    } rows[] = {
        {0, 1, 0, 0, 0, 0, RGB(1, 2, 3), "300, 200 #010203"},
        {1, 1, 0, 0, 0, 0, RGB(1, 2, 3), "300, 200 #010203|PICK"},
        {0, 3, 0, 0, 0, 0, RGB(1, 2, 3), "300, 200 #010203|avg 3x3"},
        {1, 4, 0, 0, 0, 0, RGB(1, 2, 3), "300, 200 #010203|PICK avg 5x5"},
        {0, 1, 1, 297, 196, RGB(0, 0, 0), RGB(255, 255, 255), "300, 200 #FFFFFF|+3, +4 5.00px 21.00:1"},
        {0, 1, 1, 310, 201, RGB(255, 255, 255), RGB(119, 119, 119), "300, 200 #777777|-10, -1 10.05px 4.48:1"},
        {1, 3, 1, 300, 200, RGB(255, 255, 0), RGB(0, 0, 255), "300, 200 #0000FF|PICK avg 3x3|+0, +0 0.00px 8.00:1"},
        {0, 1, 1, 0, 0, RGB(255, 0, 0), RGB(255, 255, 255), "300, 200 #FFFFFF|+300, +200 360.56px 4.00:1"},
        // 31 characters fit the label's row; a colour that would pass them takes a row of its own.
        {0, 1, 0, 0, 0, 0, RGB(0, 0, 255), "3, 200 lab(29.57 68.29 -112.03)", kLabColor, 3},
        {0, 1, 0, 0, 0, 0, RGB(0, 0, 255), "30, 200|lab(29.57 68.29 -112.03)", kLabColor, 30},
        {1, 1, 1, 300, 200, RGB(255, 0, 0), RGB(255, 0, 0), "300, 200|oklch(62.80% 0.2577 29.23)|PICK|+0, +0 0.00px 1.00:1", kOklchColor},
        {0, 1, 0, 0, 0, 0, RGB(255, 0, 0), "300, 200 #FF0000|grey", kHexColor, 300, kGreyscale},
        {1, 5, 0, 0, 0, 0, RGB(255, 0, 0), "300, 200 #FF0000|PICK avg 5x5 tritan", kHexColor, 300, kTritanopia},
        {0, 1, 0, 0, 0, 0, RGB(255, 0, 0), "300, 200 #FF0000", kHexColor, 300, kFilterCount},
        // On a monitor scaled other than 100 %, the distance in its logical pixels too.
        {0, 1, 1, 297, 196, RGB(0, 0, 0), RGB(255, 255, 255), "300, 200 #FFFFFF|+3, +4 5.00px 3.33dip 21.00:1", kHexColor, 300, kNoFilter, 144},
        {0, 1, 1, 310, 201, RGB(255, 255, 255), RGB(119, 119, 119), "300, 200 #777777|-10, -1 10.05px 8.04dip 4.48:1", kHexColor, 300, kNoFilter, 120},
        {1, 1, 1, 0, 0, RGB(255, 0, 0), RGB(255, 255, 255), "300, 200 #FFFFFF|PICK|+300, +200 360.56px 4.00:1|240.37dip", kHexColor, 300, kNoFilter, 144},
        {0, 1, 1, 297, 196, RGB(0, 0, 0), RGB(255, 255, 255), "300, 200 #FFFFFF|+3, +4 5.00px 21.00:1", kHexColor, 300, kNoFilter, 96},
        // On an HDR or wide-colour monitor the colour read is tone-mapped: marked approximate.
        {0, 1, 0, 0, 0, 0, RGB(255, 0, 0), "300, 200 ~#FF0000", kHexColor, 300, kNoFilter, 0, 1},
        {0, 1, 0, 0, 0, 0, RGB(0, 0, 255), "3, 200|~lab(29.57 68.29 -112.03)", kLabColor, 3, kNoFilter, 0, 1},
        {1, 3, 1, 297, 196, RGB(0, 0, 0), RGB(255, 255, 255), "300, 200 ~#FFFFFF|PICK avg 3x3 grey|+3, +4 5.00px 3.33dip 21.00:1", kHexColor, 300, kGreyscale, 144, 1}};
    // clang-format on
    for (const auto& r : rows) {
        MagnifierState& s = magnifier = MagnifierState();
        s.settings.averageSize = r.average;
        s.loupe = {r.picking, r.anchored, r.anchorX, r.anchorY, r.anchorColor};
        s.settings.colorFormat = r.format;
        s.settings.filter = r.filter;
        s.view.monitorDpi = r.dpi;
        s.view.monitorAdvancedColor = r.advancedColor;
        s.view.pointX = r.pointX, s.view.pointY = 200, s.view.pointColor = r.color;
        char lines[kReadoutLines][kReadoutLineLength];
        std::string joined;
        for (int i = 0, count = readoutText(&s, lines); i < count; ++i)
            joined += (i ? "|" : "") + std::string(lines[i]);
        CHECK(joined == r.lines);
    }
}

TEST_CASE("the colour read is the mean of the AVERAGE square round the cursor, smoothed or not") {
    const char* greyInWhite =  // #2B2B2B: each mean lies near a rounding edge
        "wwwww"
        "wwwww"
        "wwgww"
        "wwwww"
        "wwwww";
    // clang-format off
    const struct {
        int zoom, average;
        CursorPlace place;  // at an edge, a row or column of the square is outside the view
        COLORREF mean;
        int smooth = 0;  // the view's pixels blended: the screen's own are read
    } rows[] = {{kZoom1_5, 1, kMiddle, RGB(43, 43, 43), 1},
                {kZoom4, 3, kRightEdge, RGB(220, 220, 220), 1},
                {kZoom4, 3, kTopEdge, RGB(220, 220, 220), 1},
                {kZoom4, 1, kMiddle, RGB(43, 43, 43)},
                {kZoom1, 1, kMiddle, RGB(43, 43, 43)},
                {kZoom1_5, 1, kMiddle, RGB(43, 43, 43)},
                {kZoom4, 1, kBottomEdge, RGB(43, 43, 43)},
                {kZoom4, 2, kMiddle, RGB(231, 231, 231)},
                {kZoom4, 3, kMiddle, RGB(231, 231, 231)},  // 8 of 9 white: 231.44
                {kZoom4, 5, kMiddle, RGB(247, 247, 247)},  // 24 of 25: 246.52
                {kZoom4, 3, kLeftEdge, RGB(220, 220, 220)},  // 5 of the 6 shown: 219.67
                {kZoom4, 3, kRightEdge, RGB(220, 220, 220)},
                {kZoom4, 3, kTopEdge, RGB(220, 220, 220)},
                {kZoom4, 3, kBottomEdge, RGB(220, 220, 220)}};
    // clang-format on
    for (const auto& r : rows) {
        FlatFrame frame(r.zoom, greyInWhite, 0, r.average, r.place, 130, 1, r.smooth);
        CAPTURE(r.place);
        CAPTURE(r.smooth);
        CHECK(magnifier.view.pointColor == r.mean);
    }
}
