// Where the window is put back on a monitor.
#include <windows.h>

#include "tests/unit/support.h"
#include "window/place/placement.h"

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
