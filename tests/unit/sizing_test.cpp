// The window's sizing: the band along its edges that sizes it, and the sizes the program sets
// snapped to the zoom.
#include <windows.h>

#include "tests/unit/support.h"
#include "window/place/sizing.h"

TEST_CASE("the edges size the window in a band that grows with the DPI, wider at the corners") {
    const RECT window = {100, 50, 300, 200};
    // clang-format off
    const struct { int dpi, x, y; LRESULT code; } rows[] = {
        {96, 100, 50, HTTOPLEFT},     {96, 111, 50, HTTOPLEFT},   {96, 112, 50, HTTOP},
        {96, 103, 100, HTLEFT},       {96, 104, 100, HTCLIENT},   {96, 200, 53, HTTOP},
        {96, 200, 54, HTCLIENT},      {96, 296, 100, HTRIGHT},    {96, 295, 100, HTCLIENT},
        {96, 299, 188, HTBOTTOMRIGHT}, {96, 296, 187, HTRIGHT},   {96, 288, 196, HTBOTTOMRIGHT},
        {96, 287, 196, HTBOTTOM},     {96, 100, 199, HTBOTTOMLEFT}, {96, 299, 50, HTTOPRIGHT},
        {144, 105, 100, HTLEFT},      {144, 106, 100, HTCLIENT},  {144, 117, 50, HTTOPLEFT},
        {144, 118, 50, HTTOP},        {144, 200, 194, HTBOTTOM},  {144, 200, 193, HTCLIENT},
        {192, 107, 100, HTLEFT},      {192, 108, 100, HTCLIENT},  {192, 300 - 24, 199, HTBOTTOMRIGHT}};
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.dpi);
        CAPTURE(r.x);
        CAPTURE(r.y);
        CHECK(sizingHitTest(window, {r.x, r.y}, r.dpi) == r.code);
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
