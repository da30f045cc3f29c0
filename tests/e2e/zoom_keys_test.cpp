// The zoom keys.
#include "tests/e2e/steps.h"

// Ctrl+F1 (0x270, 624) zooms in and Ctrl+F2 (625) out, one entry a press, stopping at 16x and
// 1x (the 240 x 240 view's source: 15 at 16x, 30 at 8x, 34 at 7x, 160 at 1.5x, 240 at 1x). Ticks
// are 10 s apart and the cursor rests, so each view read is the one the key drew at once.
// clang-format off
E2E_CASE(zoom_keys) {
    const POINT cursor = {700, 300};
    run({showPattern(),
         start("X=300 Y=250 WIDTH=242 HEIGHT=242 INT_TIME=10000 HK_ZOOM_IN=624 HK_ZOOM_OUT=625 ZOOM=40005"),
         moveTo(cursor), pressWith(VK_CONTROL, VK_F1), stretched(15, cursor),
         pressWith(VK_CONTROL, VK_F1), stretched(15, cursor),
         pressWith(VK_CONTROL, VK_F2), stretched(30, cursor),
         pressWith(VK_CONTROL, VK_F2), stretched(34, cursor), closeWindow(), saved("ZOOM=40023"),
         start("X=300 Y=250 WIDTH=242 HEIGHT=242 INT_TIME=10000 HK_ZOOM_IN=624 HK_ZOOM_OUT=625 ZOOM=40024"),
         moveTo(cursor), pressWith(VK_CONTROL, VK_F2), stretched(240, cursor),
         pressWith(VK_CONTROL, VK_F2), stretched(240, cursor),
         pressWith(VK_CONTROL, VK_F1), stretched(160, cursor), closeWindow()});
}
// clang-format on
