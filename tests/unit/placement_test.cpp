// Where the window is sized: the band along its edges.
#include <windows.h>

#include "tests/unit/support.h"

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
