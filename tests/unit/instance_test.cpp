// Finding a running magnifier, and telling one out of reach from none.
#include <windows.h>

#include "common/shared.h"
#include "tests/unit/support.h"

TEST_CASE("the magnifier's event, opened or refused, tells whether one runs within reach") {
    HANDLE opened = GetCurrentProcess();  // any handle but null stands for the event opened
    // clang-format off
    const struct { HANDLE event; DWORD error; MagnifierPresence presence; } rows[] = {
        {nullptr, ERROR_FILE_NOT_FOUND, kNoMagnifier},
        {nullptr, ERROR_ACCESS_DENIED, kMagnifierOutOfReach},
        {nullptr, ERROR_INVALID_HANDLE, kNoMagnifier},  // the name held by another kind of object
        {nullptr, ERROR_NOT_ENOUGH_MEMORY, kNoMagnifier},
        {opened, 0, kMagnifierRuns},
        {opened, ERROR_ACCESS_DENIED, kMagnifierRuns},  // an older error left behind
    };
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.error);
        CHECK(presenceFromEvent(r.event, r.error) == r.presence);
    }
}

TEST_CASE("a magnifier's event is found while it exists, and the look leaves none behind") {
    CHECK(magnifierPresence() == kNoMagnifier);
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, kInstanceEventName);
    REQUIRE(event);
    CHECK(magnifierPresence() == kMagnifierRuns);
    CHECK(magnifierRunning());
    CloseHandle(event);
    CHECK(magnifierPresence() == kNoMagnifier);  // a handle kept open would keep the event
    CHECK_FALSE(magnifierRunning());
}

TEST_CASE("only a failed post with access denied was refused by the system") {
    // clang-format off
    const struct { BOOL posted; DWORD error; BOOL refused; } rows[] = {
        {FALSE, ERROR_ACCESS_DENIED, TRUE},
        {TRUE, ERROR_ACCESS_DENIED, FALSE},  // an older error left behind
        {TRUE, 0, FALSE},
        {FALSE, ERROR_INVALID_WINDOW_HANDLE, FALSE},  // the window went meanwhile
        {FALSE, ERROR_NOT_ENOUGH_QUOTA, FALSE},       // its queue is full
    };
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.error);
        CHECK(postRefused(r.posted, r.error) == r.refused);
    }
}
