// What the window takes from programs of lower integrity.
#include <windows.h>

#include "tests/unit/support.h"
#include "window/platform.h"

TEST_CASE("only the shell's restart passes the filter from lower integrity") {
    // clang-format off
    const struct { UINT message; BOOL allowed; } rows[] = {
        {RegisterWindowMessageW(L"TaskbarCreated"), TRUE},
        {WM_COMMAND, FALSE},  // would start the set-up tool elevated for any program
        {WM_SYSCOMMAND, FALSE},
        {WM_HOTKEY, FALSE},
        {WM_CLOSE, FALSE},
        {RegisterWindowMessageW(L"QiloUnitOtherMessage"), FALSE},
    };
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.message);
        CHECK(allowedFromLowerIntegrity(r.message) == r.allowed);
    }
}
