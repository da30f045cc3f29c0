// What the window takes from programs of lower integrity, which Windows it runs on, and the
// display that shows a monitor.
#include <windows.h>

#include "tests/unit/support.h"
#include "window/platform.h"

TEST_CASE("only the shell's restart passes the filter from lower integrity") {
    // clang-format off
    const struct { UINT message; BOOL allowed; } rows[] = {
        {RegisterWindowMessageW(L"TaskbarCreated"), TRUE},
        {WM_COMMAND, FALSE},  // would start the set-up tool elevated for any program
    };
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.message);
        CHECK(allowedFromLowerIntegrity(r.message) == r.allowed);
    }
}

TEST_CASE("the window is left out of captures from Windows 10 2004 on") {
    // clang-format off
    const struct { DWORD major, minor, build; BOOL works; } rows[] = {
        {10, 0, 19041, TRUE},   // 2004
        {10, 0, 19040, FALSE},  // 1909 and before show a black box
        {10, 0, 22631, TRUE},   // Windows 11 says 10 too
        {6, 3, 9600, FALSE},    // 8.1
        {6, 1, 30000, FALSE},   // 7: a larger build of an older version
        {11, 0, 0, TRUE},
    };
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.build);
        CHECK(captureExclusionWorks(r.major, r.minor, r.build) == r.works);
    }
}

TEST_CASE("the display target that shows a monitor is found, for a point on it or off every one") {
    for (POINT point : {POINT{0, 0}, POINT{100, 100}, POINT{-5000, 9000}}) {
        DISPLAYCONFIG_TARGET_DEVICE_NAME name = {};
        name.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_TARGET_NAME;
        name.header.size = sizeof name;
        CAPTURE(point.x);
        REQUIRE(findDisplayTarget(point, &name.header.adapterId, &name.header.id));
        CHECK(DisplayConfigGetDeviceInfo(&name.header) == ERROR_SUCCESS);  // a target indeed
    }
}
