// The window: its place at the screen's corners, sizing, dragging, a see-through drag, a
// display change and two monitors.
#include "tests/e2e/steps.h"

static Step displayMode(int width, int height) {
    return Step(__func__, shown(width, height), [=] {
        DEVMODEA mode = {};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = width;
        mode.dmPelsHeight = height;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
    });
}

static Step defaultDisplayMode() {
    return Step(__func__, "", [] { return ChangeDisplaySettingsA(nullptr, 0) == 0; });
}

// The mouse is free for other windows again.
static Step noCapture() {
    return Step(__func__, "", 1000, [] {
        GUITHREADINFO t = {sizeof t};
        return GetGUIThreadInfo(GetWindowThreadProcessId(q.window, nullptr), &t) && !t.hwndCapture;
    });
}

// The source stops at the screen's corners (1024 x 768); the crosshair stays on the cursor.
E2E_CASE(corners) {
    // A window no monitor shows is moved onto the nearest one's work area (from every side:
    // the unit table); one that shows stays. A start after a close: the first copy is gone.
    run({start("X=5000 Y=5000"), windowAt({830, 638, 1024, 768}), closeWindow(),
         start("X=-100 Y=300"), windowAt({-100, 300, 94, 430}), closeWindow()});
    run({showPattern(), start("X=400 Y=300 IsCross=1"), moveTo({0, 0}), sourceAt({0, 0}, {1, 1}),
         moveTo({1023, 0}), sourceAt({928, 0}, {97 + 2 * 47, 1}), moveTo({0, 767}),
         sourceAt({0, 704}, {1, 65 + 2 * 31}), moveTo({1023, 767}),
         sourceAt({928, 704}, {97 + 2 * 47, 65 + 2 * 31}), closeWindow()});
}

// The window keeps its thin border and is sized in a band along its edges (the band's every
// width: the unit table); inside, a press drags it.
E2E_CASE(resize) {
    run({showPattern(), start("X=300 Y=200 WSIZE=0"),
         windowAt({300, 200, 492, 328}),  // 196 x 132 less the frame, snapped
         is(Sizable, ThickFrame), hitTestIs({311, 203}, HTTOPLEFT), hitTestIs({303, 212}, HTLEFT),
         hitTestIs({304, 212}, HTCLIENT), drag({490, 326}, {37, 23}),
         windowAt({300, 200, 524, 348}),  // the corner to 229 x 151: 224 x 148
         drag({522, 260}, {35, 0}),
         windowAt({300, 200, 556, 348}),  // the right edge to 259 wide: 256
         drag({420, 346}, {0, 23}),
         windowAt({300, 200, 556, 368}),  // the bottom edge to 171 high: 168
         // The left and top edges and the top-left corner move; the right and bottom stay.
         drag({301, 260}, {-37, 0}), windowAt({268, 200, 556, 368}),    // 293 wide: 288
         drag({400, 201}, {0, -23}), windowAt({268, 180, 556, 368}),    // 191 high: 188
         drag({269, 181}, {-20, -10}), windowAt({252, 172, 556, 368}),  // 308 x 198: 304 x 196
         // After the drags the program's own sizes snap again: the frame asks for 306 x 198.
         command(ID_FRAME_NONE), command(ID_FRAME_BLACK), windowAt({252, 172, 556, 368}), restack(),
         viewOf({700, 600}), closeWindow(), saved("X=252 Y=172 WIDTH=304 HEIGHT=196"),
         // Fixed size: the edges are the window's like any other point, and a press there drags.
         start("X=300 Y=200"), hitTestIs({490, 326}, HTCLIENT), hitTestIs({302, 202}, HTCLIENT),
         drag({490, 326}, {37, 23}), windowAt({337, 223, 531, 353}), closeWindow()});
}

E2E_CASE(drag) {
    run({showPattern(), start("X=300 Y=250"),
         // The grab point stays under the cursor; after the release the window stays and the
         // mouse is let go.
         moveTo({350, 300}), mouse(kLeftDown), moveTo({380, 320}), moveTo({600, 420}),
         windowAt({550, 370, 744, 500}), mouse(kLeftUp), noCapture(), moveTo({650, 450}),
         windowAt({550, 370, 744, 500}),
         // Left button held, then a right click with Shift: the menu opens in the middle of
         // the drag and takes the capture; the left button's release never reaches the window.
         mouse(kLeftDown), moveTo({660, 460}), holdDown(VK_SHIFT), mouse(MOUSEEVENTF_RIGHTDOWN),
         mouse(MOUSEEVENTF_RIGHTUP), menuAt({660, 460}, 287), letUp(VK_SHIFT), press(VK_ESCAPE),
         mouse(kLeftUp), moveTo({400, 330}), moveTo({420, 340}), windowAt({560, 380, 754, 510}),
         drag({570, 390}, {450, 0}), windowAt({1010, 380, 1204, 510}),  // partly off the screen
         closeWindow(), saved("X=1010 Y=380")});
}

// During the drag the view shows the snapshot of the press beneath the window's centre.
E2E_CASE(see_through_drag) {
    run({showPattern(), start("X=300 Y=250 ISTOKA=1"), moveTo({350, 300}), mouse(kLeftDown),
         waitMs(300), moveTo({420, 360}), moveTo({500, 400}), windowAt({450, 350, 644, 480}),
         sourceAt({450 + 97 - 48, 350 + 65 - 32}, kNoCrosshair), showSecondPattern(),
         moveTo({501, 400}), moveTo({500, 400}),
         sourceAt({450 + 97 - 48, 350 + 65 - 32}, kNoCrosshair), mouse(kLeftUp),
         viewOf({150, 150}, kSecondPattern), closeWindow()});
    // The readout reads the pixel beneath the window's centre.
    run({showPattern(), start("X=300 Y=250 ISTOKA=1 INFO=1"), moveTo({350, 300}), mouse(kLeftDown),
         waitMs(300), moveTo({500, 400}), windowAt({450, 350, 644, 480}),
         readoutHereOf({450 + 97, 350 + 65}), mouse(kLeftUp), closeWindow()});
}

// The view is never blank, however long the period (10 s here: no tick comes during the case):
// the window renders at once when it is shown, brought back, restored from the taskbar or
// given a new scale, and paints its last frame again when it is uncovered or invalidated.
// clang-format off
E2E_CASE(repaint) {
    run({showPattern(), moveTo({700, 500}), start("X=300 Y=200 INT_TIME=10000"),
         viewOf({700, 500}), invalidated(), viewOf({700, 500}), ctrlSpace(),
         isNot(Visible), moveTo({650, 450}), ctrlSpace(), is(Visible), viewOf({650, 450}),
         moveTo({600, 400}), scaleChange(), viewOf({600, 400}), closeWindow(),
         shellAnswering(FALSE), start("X=300 Y=200 INT_TIME=10000"), command(ID_MINIMIZE),
         is(Iconic | TaskbarButton), moveTo({550, 420}), restoreFromTaskbar(),
         is(Visible, Iconic | TaskbarButton), restack(), viewOf({550, 420}), closeWindow()});
}
// clang-format on

// Near the right edge of a 1024-wide screen the source is not clamped; at 800 wide it is
// pushed back to 800 - 96 = 704, by 38, and the crosshair moves 76 to the right.
// clang-format off
E2E_CASE(display_change_inner) {
    run({showPattern(), start("X=100 Y=100 IsCross=1"), moveTo({790, 300}),
         sourceAt({790 - 48, 300 - 32}, {97, 65}), displayMode(800, 600), moveTo({790, 300}),
         sourceAt({704, 300 - 32}, {97 + 2 * 38, 65}), defaultDisplayMode(), closeWindow()});
}

// Display modes change only inside Wine's virtual desktop: the case runs again inside one and
// reports through a file.
E2E_CASE(display_change) {
    wchar_t self[MAX_PATH], log[MAX_PATH], command[4 * MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    GetTempPathW(MAX_PATH, log);
    lstrcatW(log, L"qilo-display-change.log");
    DeleteFileW(log);
    wsprintfW(command, L"explorer /desktop=qilo,1024x768 \"%s\" display_change_inner \"%s\" \"%s\"",
              self, qiloPath.c_str(), log);
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi;
    if (CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        WaitForSingleObject(pi.hProcess, 120000);
    std::string output = readFileText(log);
    printf("%s", output.c_str());
    check(output.find("display_change_inner: passed") != std::string::npos, "passed inside");
    // The virtual desktop leaves its smaller work area behind in the wineserver, which would
    // move the menus of later tests: the whole screen is made the work area again.
    RECT work = {0, 0, 1024, 768};
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &work, 0);
}

// Two monitors, the primary (0, 0)-(1024, 768) and an 800 x 600 one left of it: each shows
// the pixel under the cursor and stops the source at its edges; a see-through drag over the
// left one shows what lies beneath.
// clang-format off
E2E_CASE(two_monitors) {
    run({showPattern(), start("X=100 Y=100 IsCross=1 ISTOKA=1"),
         moveTo({500, 300}), sourceAt({500 - 48, 300 - 32}, {97, 65}),
         moveTo({-400, 300}), sourceAt({-400 - 48, 300 - 32}, {97, 65}),
         moveTo({-795, 590}), sourceAt({-800, 600 - 64}, {97 - 2 * 43, 65 + 2 * 22}),
         moveTo({-10, 20}), sourceAt({-96, 0}, {97 + 2 * 38, 65 - 2 * 12}),
         moveTo({5, 760}), sourceAt({0, 768 - 64}, {97 - 2 * 43, 65 + 2 * 24}),
         moveTo({150, 150}), mouse(kLeftDown), waitMs(300), moveTo({-200, 250}), moveTo({-300, 300}),
         windowAt({-350, 250, -156, 380}), sourceAt({-350 + 97 - 48, 250 + 65 - 32}, {97, 65}),
         mouse(kLeftUp), closeWindow(), saved("X=-350 Y=250"),
         // Read back left of the primary; pick mode's steps stop where no monitor is, below
         // the left one, and cross onto the primary where it is.
         start("X=-350 Y=250 HK_PICK=625"), windowAt({-350, 250, -156, 380}),
         moveTo({-5, 595}), pressWith(VK_CONTROL, VK_F2), pressWith(VK_SHIFT, VK_DOWN), cursorAt({-5, 599}),
         pressWith(VK_SHIFT, VK_RIGHT), cursorAt({5, 599}), pressWith(VK_SHIFT, VK_DOWN), cursorAt({5, 609}),
         press(VK_ESCAPE), closeWindow()});
}
