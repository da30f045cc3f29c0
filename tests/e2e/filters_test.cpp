// The colour filters: the view through them, and the colour read and copied the screen's own
// (each filter's colours, and its greys kept: the unit tables).
#include "tests/e2e/steps.h"

static bool nearColor(COLORREF a, COLORREF b) {
    return abs(GetRValue(a) - GetRValue(b)) <= 1 && abs(GetGValue(a) - GetGValue(b)) <= 1 &&
           abs(GetBValue(a) - GetBValue(b)) <= 1;
}

// The view's middle pixel is the colour, each channel within one (the cursor there first).
static Step viewColorIs(POINT cursor, COLORREF color) {
    return Step(__func__, shown(cursor, (int)color), 2000, [=] {
        moveCursor(cursor);
        Capture c(q.window);
        return nearColor(c.at(c.width / 2, c.height / 2), color);
    });
}

// Pure red's linear light through Rec. 709's luminance, and through the deuteranopia matrix.
static const COLORREF kRedAsGrey = RGB(127, 127, 127), kRedAsDeutan = RGB(163, 144, 0);
// The copy (Ctrl+F9 here) in the longest kind of format: red as oklch().
static const char kRedCopied[] = "oklch(62.80% 0.2577 29.23)";

static Step copyIsTrueRed() {
    return Step(__func__, "", [] {
        return moveCursor(kInRed) && settle(200) && keyCombo(VK_CONTROL, VK_F9) && settle(200);
    });
}

// clang-format off
E2E_CASE(filters) {
    const char* settings = "X=20 Y=20 HK_COPY=632 COLOR_FORMAT=4";
    run({showRedBand(), start(settings), viewColorIs(kInRed, RGB(255, 0, 0)),
         chooseFromMenu(FilterMenu::Greyscale), viewColorIs(kInRed, kRedAsGrey), copyIsTrueRed(),
         clipboardHoldsText(kRedCopied), chooseFromMenu(FilterMenu::Deuteranopia), viewColorIs(kInRed, kRedAsDeutan),
         chooseFromMenu(FilterMenu::None), viewColorIs(kInRed, RGB(255, 0, 0)),
         chooseFromMenu(FilterMenu::Deuteranopia), closeWindow(), saved("FILTER=3")});
    // Smoothed, the source is filtered before it is enlarged: the colour read stays the screen's.
    run({start("X=20 Y=20 HK_COPY=632 COLOR_FORMAT=4 SMOOTH=1 FILTER=1"), viewColorIs(kInRed, kRedAsGrey),
         copyIsTrueRed(), clipboardHoldsText(kRedCopied), closeWindow(), saved("FILTER=1")});
}
// clang-format on
