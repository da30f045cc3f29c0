// Where the lens goes beside the source it shows.
#include <windows.h>

#include "tests/unit/support.h"
#include "window/place/lens.h"

TEST_CASE("the lens goes below and right of the source, flips at the work area's edges") {
    // A 1024 x 768 monitor with a taskbar 40 high; at 2x the default window (194 x 130) shows
    // 96 x 64 pixels.
    const RECT work = {0, 0, 1024, 728};
    const SIZE window = {194, 130};
    // clang-format off
    const struct { const char* place; RECT source; SIZE window; RECT area; int gap; RECT lens; } rows[] = {
        {"centre",       {464, 352, 560, 416}, window, work, 8, {568, 424, 762, 554}},
        {"left edge",    {0, 352, 96, 416},    window, work, 8, {104, 424, 298, 554}},
        {"right edge",   {928, 352, 1024, 416}, window, work, 8, {726, 424, 920, 554}},
        {"top edge",     {464, 0, 560, 64},    window, work, 8, {568, 72, 762, 202}},
        {"bottom edge",  {464, 704, 560, 768}, window, work, 8, {568, 566, 762, 696}},
        {"top left",     {0, 0, 96, 64},       window, work, 8, {104, 72, 298, 202}},
        {"top right",    {928, 0, 1024, 64},   window, work, 8, {726, 72, 920, 202}},
        {"bottom left",  {0, 704, 96, 768},    window, work, 8, {104, 566, 298, 696}},
        {"bottom right", {928, 704, 1024, 768}, window, work, 8, {726, 566, 920, 696}},
        {"144 DPI",      {464, 352, 560, 416}, window, work, 12, {572, 428, 766, 558}},
        // Room for the window, not for all the gap.
        {"the gap less at the edge", {464, 352, 560, 416}, {460, 130}, work, 8, {564, 424, 1024, 554}},
        // At 16x a source in the taskbar: the lens above it, in the work area.
        {"source in the taskbar", {506, 760, 518, 768}, window, work, 8, {526, 598, 720, 728}},
        // Too tall to go above or below: beside it, kept in the work area.
        {"tall window",  {464, 352, 560, 416}, {194, 700}, work, 8, {568, 28, 762, 728}},
        // At 1x a large window shows nearly its own size: no place avoids the source.
        {"too large to avoid it", {113, 85, 911, 683}, {800, 600}, work, 8, {224, 128, 1024, 728}},
        {"larger than the area", {464, 352, 560, 416}, {1100, 800}, work, 8, {0, 0, 1100, 800}},
        // A monitor left of the primary, at negative coordinates, its source at its top right.
        {"left monitor", {-96, 0, 0, 64},      window, {-800, 0, 0, 560}, 8, {-298, 72, -104, 202}},
    };
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.place);
        RECT lens = lensRect(r.source, r.window, r.area, r.gap);
        CHECK(EqualRect(&lens, &r.lens));
    }
}
