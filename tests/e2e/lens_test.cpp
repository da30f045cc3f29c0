// The lens: the window travels with the cursor, beside the source it shows, and lets the mouse
// through to the windows beneath.
#include "tests/e2e/steps.h"

#include <algorithm>

// Along one axis, a window [low, high) apart from a source: at most 16 pixels from it, or on
// the work area's edge on the source's side. False where they overlap on the axis.
static bool besideOnAxis(LONG low,
                         LONG high,
                         LONG sourceLow,
                         LONG sourceHigh,
                         LONG areaLow,
                         LONG areaHigh) {
    if (sourceLow >= high)
        return sourceLow - high <= 16 || high == areaHigh;
    return low >= sourceHigh && (low - sourceHigh <= 16 || low == areaLow);
}

static bool overlapOnAxis(LONG low, LONG high, LONG sourceLow, LONG sourceHigh) {
    return low < sourceHigh && sourceLow < high;
}

// The lens beside the source round the cursor, on the cursor's monitor, then the view exact.
static bool lensBeside(POINT cursor) {
    MONITORINFO m = {sizeof m};
    GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &m);
    RECT r = {}, source = {};
    const auto placed = [&] {
        r = windowRect(q.window);
        const SIZE size = {(r.right - r.left - 2) / 2, (r.bottom - r.top - 2) / 2};
        const LONG x = std::max(m.rcMonitor.left,
                                std::min(cursor.x - size.cx / 2, m.rcMonitor.right - size.cx));
        const LONG y = std::max(m.rcMonitor.top,
                                std::min(cursor.y - size.cy / 2, m.rcMonitor.bottom - size.cy));
        source = {x, y, x + size.cx, y + size.cy};
        const RECT& w = m.rcWork;
        const bool overlapX = overlapOnAxis(r.left, r.right, source.left, source.right),
                   overlapY = overlapOnAxis(r.top, r.bottom, source.top, source.bottom);
        RECT inWork;
        IntersectRect(&inWork, &r, &w);
        return EqualRect(&inWork, &r) && !(overlapX && overlapY) &&
               (overlapX ||
                besideOnAxis(r.left, r.right, source.left, source.right, w.left, w.right)) &&
               (overlapY ||
                besideOnAxis(r.top, r.bottom, source.top, source.bottom, w.top, w.bottom));
    };
    if (!waitUntil(placed, 3000)) {
        printf("  the lens at (%ld, %ld)-(%ld, %ld), the source (%ld, %ld)-(%ld, %ld)\n", r.left,
               r.top, r.right, r.bottom, source.left, source.top, source.right, source.bottom);
        return false;
    }
    return waitForView({1, 2, source.left, source.top, false, 0, -1, -1}) == 0;
}

// The lens at 2x and framed, with the cursor put there, or left where it is: the view of the
// source round it (pushed onto the monitor), and the window wholly in the monitor's work area,
// apart from that source and, on each axis where it is apart, at most 16 pixels from it or on
// the work area's edge on its side (the source lying beyond that edge).
static Step besideSource(POINT cursor) {
    return Step(__func__, shown(cursor), [=] { return moveCursor(cursor) && lensBeside(cursor); });
}

static Step besideSourceHere(POINT cursor) {
    return Step(__func__, shown(cursor), [=] { return lensBeside(cursor); });
}

// Layered and given its opacity, wholly opaque: without it Windows shows nothing of a layered
// window (Wine draws it all the same).
static Step layeredOpaque() {
    return Step(__func__, "", [] {
        BYTE alpha = 0;
        DWORD flags = 0;
        return (GetWindowLongA(q.window, GWL_EXSTYLE) & WS_EX_LAYERED) &&
               GetLayeredWindowAttributes(q.window, nullptr, &alpha, &flags) &&
               (flags & LWA_ALPHA) && alpha == 255;
    });
}

// Where the window is now, and that it is there still (a minimised one too).
static RECT remembered;

static Step rememberWindowPlace() {
    return Step(__func__, "", [] { return GetWindowRect(q.window, &remembered) != 0; });
}

static Step windowWhereRemembered() {
    return Step(__func__, "", [] {
        RECT r = windowRect(q.window);
        if (!EqualRect(&r, &remembered))
            printf("  the window at (%ld, %ld), before at (%ld, %ld)\n", r.left, r.top,
                   remembered.left, remembered.top);
        return EqualRect(&r, &remembered) != 0;
    });
}

// Each row from the window's own place (400, 300), far from every place the lens goes but for
// the middle, where the source would cover it. Ctrl+F11 (634) is the lens's key here, Ctrl+F6
// (629) the freeze key and Ctrl+F2 (625) the pick key; the stand-in shell has the icon.
E2E_CASE(lens) {
    const RECT home = {400, 300, 594, 430};
    const struct {
        const char* behaviour;
        std::initializer_list<Step> steps;
    } rows[] = {
        // clang-format off
        // Each edge and corner of the monitor: the unit table; here the source pushed at two corners,
        // and at the centre the place exact: below and right of the source, 8 pixels off.
        {"beside the source and on the screen at the centre and two corners; the place from before saved",
         {showPattern(), shellAnswering(TRUE), start("X=400 Y=300 LENS=1"), besideSource({512, 384}),
          windowAt({568, 424, 762, 554}), besideSource({0, 0}), besideSource({1023, 767}), closeWindow(), saved("X=400 Y=300 LENS=1")}},
        {"clicks and the wheel pass through to the window beneath", {showPattern(), shellAnswering(TRUE),
         start("X=400 Y=300 HK_LENS=634 INT_TIME=10000"), moveTo({200, 200}), pressWith(VK_CONTROL, VK_F11),
         inputPassesThrough(), layeredOpaque(), closeWindow()}},
        {"the key turns it on and off; off, the window is back", {showPattern(), shellAnswering(TRUE),
         start("X=400 Y=300 HK_LENS=634"), moveTo({200, 600}), waitMs(300), windowAt(home),
         pressWith(VK_CONTROL, VK_F11), besideSource({200, 600}), pressWith(VK_CONTROL, VK_F11), windowAt(home),
         moveTo({700, 200}), waitMs(300), windowAt(home), closeWindow(), saved("X=400 Y=300 LENS=0")}},
        {"the icon's menus turn it on and off, also while hidden", {showPattern(), shellAnswering(TRUE),
         start("X=400 Y=300"), moveTo({200, 600}), chooseFromIconMenu(MainMenu::MoveWithCursor),
         besideSource({200, 600}), iconMouse(WM_LBUTTONDOWN), isNot(Visible),
         chooseFromIconMenu(TrayMenu::MoveWithCursor), iconMouse(WM_LBUTTONDOWN), is(Visible), windowAt(home),
         closeWindow(), saved("X=400 Y=300 LENS=0")}},
        {"no icon and no key: the window stays; the icon come, a lens", {showPattern(), shellAnswering(FALSE),
         start("X=400 Y=300 LENS=1"), moveTo({200, 600}), waitMs(300), windowAt(home), shellNowAnswering(TRUE),
         waitMs(1500), besideSource({200, 600}), closeWindow(), saved("X=400 Y=300 LENS=1")}},
        {"the shell restarts: refused, the window back; accepted, a lens that saves the place from before",
         {showPattern(), shellAnswering(TRUE), start("X=400 Y=300 LENS=1"), besideSource({200, 600}),
          shellNowAnswering(FALSE), shellAnnouncesItself(), waitMs(300), windowAt(home), shellNowAnswering(TRUE),
          waitMs(1500), besideSource({700, 200}), shellAnnouncesItself(), besideSource({200, 600}), closeWindow(),
          saved("X=400 Y=300")}},
        {"the session ends with the lens on: the place from before saved", {showPattern(), shellAnswering(TRUE),
         start("X=400 Y=300 LENS=1"), besideSource({200, 600}), endSession(), saved("X=400 Y=300 LENS=1")}},
        {"minimised without an icon, left where it is, and turned off by its key: restored where it was",
         {showPattern(), shellAnswering(FALSE), start("X=400 Y=300 LENS=1 HK_LENS=634 HK_ZOOM_IN=624"),
         besideSource({200, 600}), command(ID_MINIMIZE), is(Iconic), rememberWindowPlace(),
         pressWith(VK_CONTROL, VK_F1), moveTo({600, 200}), waitMs(300), windowWhereRemembered(),
         pressWith(VK_CONTROL, VK_F11), restoreFromTaskbar(), is(Visible, Iconic),
         windowAt(home), closeWindow(), saved("X=400 Y=300 LENS=0")}},
        // Between ticks 10 s apart the key moves it at once; pick mode's label goes with Esc.
        {"pick mode's steps carry it at once", {showPattern(), shellAnswering(TRUE),
         start("X=400 Y=300 HK_LENS=634 HK_PICK=625 INT_TIME=10000"), moveTo({300, 300}),
         pressWith(VK_CONTROL, VK_F11), besideSourceHere({300, 300}), pressWith(VK_CONTROL, VK_F2),
         pressWith(VK_SHIFT, VK_LEFT), press(VK_ESCAPE), besideSourceHere({290, 300}), closeWindow()}},
        {"a frozen view holds it", {showPattern(), shellAnswering(TRUE), start("X=400 Y=300 LENS=1 HK_FREEZE=629"),
         besideSource({300, 300}), pressWith(VK_CONTROL, VK_F6), moveTo({700, 500}), waitMs(700),
         besideSourceHere({300, 300}), pressWith(VK_CONTROL, VK_F6), besideSourceHere({700, 500}), closeWindow()}},
        // clang-format on
    };
    for (const auto& r : rows) {
        printf("- %s\n", r.behaviour);
        run(r.steps);
    }
    run({noShell()});
}
