// The zoom geometry: the source rectangle and crosshair, and the snapping of sizes.
#include <windows.h>

#include "tests/unit/support.h"

TEST_CASE("the source rectangle and crosshair follow the zoom and the view") {
    const struct {
        int zoom, width, height, frame;
        Six source;  // width, height, half width, half height, crosshair x and y
    } rows[] = {
        {kZoom2, 194, 130, 1, {96, 64, 48, 32, 97, 65}},
        {kZoom1_5, 194, 130, 1, {128, 85, 64, 42, 96, 63}},  // crosshair at 3/4 of it
        {kZoom16, 194, 130, 0, {12, 8, 6, 4, 97, 65}},
        {kZoom4, 300, 200, 0, {75, 50, 37, 25, 150, 100}},
        {ID_SIZE_FIXED, 194, 130, 1, {192, 128, 96, 64, 97, 65}},  // no zoom entry: 1:1
    };
    for (const auto& r : rows) {
        MagnifierState& s = magnifier = MagnifierState();
        s.settings.zoomCommand = r.zoom;
        s.view.viewWidth = r.width;
        s.view.viewHeight = r.height;
        s.view.frameWidth = r.frame;
        computeGeometry(s.settings, &s.view);
        CHECK(Six{s.view.srcWidth, s.view.srcHeight, s.view.srcHalfWidth, s.view.srcHalfHeight,
                  s.view.crossX, s.view.crossY} == r.source);
    }
}

TEST_CASE("proposed sizes snap to twice the zoom factor, less the frame, from 50 up") {
    // clang-format off
    const int rows[][5] = {  // factor, frame, held size, proposed, snapped
        {2, 1, 100, 194, 192}, {2, 1, 100, 197, 192},  {2, 1, 100, 198, 196},
        {2, 1, 100, 100, 100},  // the held size stays as it is
        {2, 1, 100, 49, 50},   {2, 1, 100, 0, 50},     {16, 1, 100, 50, 32},  {16, 1, 100, 66, 64},
        {-1, 0, 100, 101, 100}, {-1, 1, 100, 101, 98}, {5, 1, 100, 300, 290}, {7, 0, 100, 50, 42},
        {0, 1, 100, 301, 298}};  // before a zoom entry is selected: the step of 1x
    // clang-format on
    for (const auto& r : rows) {
        magnifier.view.zoomFactor = r[0];
        magnifier.view.frameWidth = r[1];
        magnifier.settings.windowWidth = magnifier.settings.windowHeight = r[2];
        WINDOWPOS pos = {};
        pos.cx = pos.cy = r[3];
        snapWindowSize(&pos);
        CHECK((pos.cx == r[4] && pos.cy == r[4]));
    }
}
