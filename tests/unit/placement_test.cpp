// Where the window is sized (the band along its edges) and where it is put back on a monitor.
#include <windows.h>

#include "tests/unit/support.h"
#include "window/placement.h"

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

TEST_CASE("a window no monitor shows comes back into the work area, left and top edges first") {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int w = work.right - work.left, h = work.bottom - work.top;
    // clang-format off
    const struct { int x, y, width, height, placedX, placedY; } rows[] = {
        {5000, 5000, 200, 100, w - 200, h - 100}, {-5000, -5000, 200, 100, 0, 0},
        {5000, 5000, w + 50, 100, 0, h - 100},    {5000, 5000, 200, h + 50, w - 200, 0}};
    // clang-format on
    for (const auto& r : rows) {
        Settings s = {};
        s.windowX = r.x, s.windowY = r.y, s.windowWidth = r.width, s.windowHeight = r.height;
        keepWindowOnAMonitor(&s);
        CHECK((s.windowX - work.left == r.placedX && s.windowY - work.top == r.placedY));
    }
}
