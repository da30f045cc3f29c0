// The zoom geometry: the source rectangle and crosshair, and the snapping of sizes.
#include <windows.h>

#include "tests/unit/support.h"

TEST_CASE("the source rectangle follows the zoom and the view") {
    const struct {
        int zoom, width, height, frame;
        std::array<int, 4> source;  // width, height, half width, half height
    } rows[] = {
        {kZoom2, 194, 130, 1, {96, 64, 48, 32}},
        {kZoom1_5, 194, 130, 1, {128, 85, 64, 42}},
        {kZoom16, 194, 130, 0, {12, 8, 6, 4}},
        {kZoom4, 300, 200, 0, {75, 50, 37, 25}},
        {ID_SIZE_FIXED, 194, 130, 1, {192, 128, 96, 64}},  // no zoom entry: 1:1
    };
    for (const auto& r : rows) {
        MagnifierState& s = magnifier = MagnifierState();
        s.settings.zoomCommand = r.zoom;
        s.view.viewWidth = r.width;
        s.view.viewHeight = r.height;
        s.view.frameWidth = r.frame;
        computeGeometry(s.settings, &s.view);
        CHECK(std::array<int, 4>{s.view.srcWidth, s.view.srcHeight, s.view.srcHalfWidth,
                                 s.view.srcHalfHeight} == r.source);
    }
}

TEST_CASE("the crosshair lies on the view pixels of the cursor's own pixel, pushed or not") {
    const struct {
        int zoom, width, height, frame, cursorX, cursorY;
        bool integral;  // a whole zoom that fills the view: the lines are the span's first pixels
    } rows[] = {
        {kZoom2, 194, 130, 1, 500, 300, true},    {kZoom2, 194, 130, 1, 3, 2, true},
        {kZoom2, 194, 130, 1, 1020, 765, true},   {kZoom8, 194, 130, 1, 1023, 0, true},
        {kZoom1_5, 194, 130, 1, 500, 300, false}, {kZoom1_5, 194, 130, 1, 1, 766, false},
        {kZoom4, 300, 200, 0, 500, 300, true},    {kZoom4, 301, 203, 1, 1022, 300, false},
        {kZoom16, 194, 130, 0, 0, 767, false},    {ID_SIZE_FIXED, 194, 130, 1, 700, 9, true},
    };
    for (const auto& r : rows) {
        MemoryFrame frame(r.width, r.height);
        View& v = magnifier.view;
        v.viewWidth = r.width, v.viewHeight = r.height, v.frameWidth = r.frame;
        magnifier.settings.zoomCommand = r.zoom;
        selectZoom(r.zoom, &v);
        computeGeometry(magnifier.settings, &v);
        v.monitor = {0, 0, 1024, 768};
        auto render = [&](int cross) {
            magnifier.settings.isCross = cross;
            centreSource(&v, {r.cursorX, r.cursorY});
            renderFrame(&magnifier, framePartsNow(TRUE));
        };
        // The crosshair's lines, drawn with the black pen (the pattern's only black is (0, 0)).
        render(1);
        int f = r.frame, crossX = -1, crossY = -1;
        const Dib& w = frame.window;
        for (int x = f; x < r.width - f; ++x)
            crossX = w.at(x, f + 1) == 0 && w.at(x, r.height - f - 2) == 0 ? x : crossX;
        for (int y = f; y < r.height - f; ++y)
            crossY = w.at(f + 1, y) == 0 && w.at(r.width - f - 2, y) == 0 ? y : crossY;
        // Without it, those pixels show the cursor's pixel; with a whole zoom, the one before
        // them shows its neighbour.
        render(0);
        INFO("the cursor at ", r.cursorX, ", ", r.cursorY);
        REQUIRE((crossX >= 0 && crossY >= 0));
        POINT shown = patternPointOf(frame.window.at(crossX, crossY));
        CHECK((shown.x == r.cursorX && shown.y == r.cursorY));
        if (r.integral && crossX > f && crossY > f) {
            CHECK(patternPointOf(frame.window.at(crossX - 1, crossY)).x == r.cursorX - 1);
            CHECK(patternPointOf(frame.window.at(crossX, crossY - 1)).y == r.cursorY - 1);
        }
    }
}

TEST_CASE("a size dragged by an edge or a corner snaps there, the opposite edges stay put") {
    // 2x, framed, from 192 x 128 at (100, 100): 229 wide gives 224, 151 high 148.
    const RECT start = {100, 100, 292, 228};
    const struct {
        int edge;
        POINT moved;
        RECT sized;
    } rows[] = {
        {WMSZ_LEFT, {-37, 5}, {68, 100, 292, 228}},
        {WMSZ_RIGHT, {37, 5}, {100, 100, 324, 228}},
        {WMSZ_TOP, {5, -23}, {100, 80, 292, 228}},
        {WMSZ_BOTTOM, {5, 23}, {100, 100, 292, 248}},
        {WMSZ_TOPLEFT, {-37, -23}, {68, 80, 292, 228}},
        {WMSZ_TOPRIGHT, {37, -23}, {100, 80, 324, 228}},
        {WMSZ_BOTTOMLEFT, {-37, 23}, {68, 100, 292, 248}},
        {WMSZ_BOTTOMRIGHT, {37, 23}, {100, 100, 324, 248}},
        {WMSZ_LEFT, {170, 0}, {242, 100, 292, 228}},  // 50 at least
        {WMSZ_BOTTOMRIGHT, {0, 0}, start},            // the held size stays
        {0, {37, 23}, start},                         // no edge named
    };
    for (const auto& r : rows) {
        RECT sized = sizedRect(start, r.edge, r.moved, {192, 128}, 2, 1);
        CHECK(EqualRect(&sized, &r.sized));
    }
}
