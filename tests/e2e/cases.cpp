// The end-to-end cases: each starts the real program and checks what the user sees.
#include <windows.h>

#include <string>

#include "cases.h"
#include "harness.h"

static const char kDefaultSettingsFile[] =
    "[INIT]\r\nWSIZE=1\r\nX=0\r\nY=0\r\nIsTop=1\r\nZOOM=40003\r\nINT_TIME=60\r\nIsCross=0\r\n"
    "WIDTH=194\r\nHEIGHT=130\r\nROP=13369376\r\nFRAME=1\r\nISTOKA=0\r\n";
static const COLORREF kDefaultPen = RGB(128, 0, 0);

static bool hotkeyIsFree() {
    if (!RegisterHotKey(nullptr, 0x3000, MOD_CONTROL, VK_SPACE))
        return false;
    UnregisterHotKey(nullptr, 0x3000);
    return true;
}

void caseFirstStart() {
    showPattern();
    moveCursor(500, 400);
    Qilo q;
    std::string dir = makeScratchDir();
    if (!startQilo(q, dir))
        return;
    RECT r = windowRect(q.window);
    check(r.left == 0 && r.top == 0 && r.right == 194 && r.bottom == 130,
          "window at (0, 0) 194 x 130, got (%ld, %ld) %ld x %ld", r.left, r.top, r.right - r.left,
          r.bottom - r.top);
    LONG style = GetWindowLongA(q.window, GWL_STYLE);
    LONG exStyle = GetWindowLongA(q.window, GWL_EXSTYLE);
    check((style & (WS_POPUP | WS_BORDER)) == (WS_POPUP | WS_BORDER), "popup with a thin border");
    check((style & (WS_CAPTION & ~WS_BORDER)) == 0 && !(style & WS_SYSMENU), "no caption");
    check(!(style & WS_THICKFRAME), "no sizing border while the size is fixed");
    check(IsWindowVisible(q.window), "visible after a visible start");
    check((exStyle & WS_EX_TOOLWINDOW) != 0, "a tool window");
    check((exStyle & WS_EX_TOPMOST) != 0, "always on top");
    check(GetPriorityClass(q.process.hProcess) == HIGH_PRIORITY_CLASS, "high priority class");
    check(GetWindowTextLengthA(q.window) == 0, "no title while the notification icon is there");
    check(!hotkeyIsFree(), "Ctrl+Space is taken by the magnifier");

    moveCursor(500, 400);
    int mismatches = waitForView(viewAroundCursor(q.window, 1, 2, 500, 400), 3000);
    check(mismatches == 0, "2x image round the cursor: %d pixels differ", mismatches);

    check(closeQilo(q) == 0, "WM_CLOSE ends the program with exit code 0");
    std::string saved = readFileText(settingsPath(dir));
    check(saved == kDefaultSettingsFile, "the new settings file holds the twelve keys:\n%s",
          saved.c_str());
}

void caseCornerClamping() {
    showPattern();
    Qilo q;
    if (!startQilo(q, makeScratchDir("[INIT]\r\nX=400\r\nY=300\r\nIsCross=1\r\n")))
        return;
    // Over the notification area's window that the icon brought up; the magnifier is topmost.
    raisePattern();
    int w = screenWidth(), h = screenHeight();
    struct Corner {
        int x, y;        // cursor
        int srcX, srcY;  // clamped source
        int crossX, crossY;
    } corners[] = {
        {0, 0, 0, 0, 1, 1},
        {w - 1, 0, w - 96, 0, 97 + 2 * 47, 1},
        {0, h - 1, 0, h - 64, 1, 65 + 2 * 31},
        {w - 1, h - 1, w - 96, h - 64, 97 + 2 * 47, 65 + 2 * 31},
    };
    for (const Corner& c : corners) {
        moveCursor(c.x, c.y);
        View v = viewAroundCursor(q.window, 1, 2, 0, 0);
        v.srcX = c.srcX;
        v.srcY = c.srcY;
        int mismatches = waitForView(v, 3000, c.crossX, c.crossY);
        check(mismatches == 0, "cursor (%d, %d): the source is clamped to the screen: %d differ",
              c.x, c.y, mismatches);
        Capture cap = captureScreen(v.window);
        int crossPixels = 0;
        for (int y = 1; y < 129; ++y)
            crossPixels += cap.at(c.crossX, y) == kDefaultPen;
        for (int x = 1; x < 193; ++x)
            crossPixels += cap.at(x, c.crossY) == kDefaultPen;
        // The crossing pixel is counted in both lines.
        check(crossPixels == 128 + 192, "cursor (%d, %d): crosshair at (%d, %d), %d pixels", c.x,
              c.y, c.crossX, c.crossY, crossPixels);
    }
    check(closeQilo(q) == 0, "exit code 0");
}

void caseSettingsEveryKey() {
    showPattern();
    moveCursor(100, 100);
    Qilo q;
    std::string dir = makeScratchDir(
        "[INIT]\r\nX=300\r\nY=200\r\nROP=3342344\r\nFRAME=0\r\nISTOKA=1\r\nWSIZE=0\r\n"
        "IsTop=0\r\nIsCross=1\r\nZOOM=40004\r\nWIDTH=256\r\nHEIGHT=168\r\nINT_TIME=80\r\n"
        "COLOR=255\r\nVK_SPACE=0\r\n");
    if (!startQilo(q, dir))
        return;
    RECT r = windowRect(q.window);
    check(r.left == 300 && r.top == 200 && r.right - r.left == 256 && r.bottom - r.top == 168,
          "window at (300, 200) 256 x 168, got (%ld, %ld) %ld x %ld", r.left, r.top,
          r.right - r.left, r.bottom - r.top);
    check(!(GetWindowLongA(q.window, GWL_EXSTYLE) & WS_EX_TOPMOST), "not topmost");
    check((GetWindowLongA(q.window, GWL_STYLE) & WS_THICKFRAME) != 0, "a sizing border");
    check(hotkeyIsFree(), "no hot key with VK_SPACE=0");

    moveCursor(600, 500);
    // 4x, no frame, inverted, with a red crosshair that the inversion turns cyan.
    View v = viewAroundCursor(q.window, 0, 4, 600, 500);
    v.inverted = true;
    int mismatches = waitForView(v, 3000, 128, 84);
    check(mismatches == 0, "inverted 4x image without a frame: %d pixels differ", mismatches);
    Capture cap = captureScreen(v.window);
    check(cap.at(128, 10) == RGB(0, 255, 255) && cap.at(10, 84) == RGB(0, 255, 255),
          "the COLOR crosshair, inverted, at (128, 84)");
    check(cap.at(0, 0) != RGB(0, 0, 0) || cap.at(1, 1) != RGB(0, 0, 0),
          "the image reaches the window's edge");

    check(closeQilo(q) == 0, "exit code 0");
    std::string saved = readFileText(settingsPath(dir));
    check(saved ==
              "[INIT]\r\nX=300\r\nY=200\r\nROP=3342344\r\nFRAME=0\r\nISTOKA=1\r\nWSIZE=0\r\n"
              "IsTop=0\r\nIsCross=1\r\nZOOM=40004\r\nWIDTH=256\r\nHEIGHT=168\r\nINT_TIME=80\r\n"
              "COLOR=255\r\nVK_SPACE=0\r\n",
          "every value written back as it was read:\n%s", saved.c_str());
}

void caseStillCursorThrottle() {
    showPattern(0);
    moveCursor(200, 200);
    Qilo q;
    if (!startQilo(q, makeScratchDir("[INIT]\r\nX=600\r\nY=400\r\nINT_TIME=200\r\n")))
        return;
    View a = viewAroundCursor(q.window, 1, 2, 200, 200);
    check(waitForView(a, 3000) == 0, "the first image");
    // A change under the resting cursor shows at a still render; that render zeroes the count.
    showPattern(1);
    a.patternVariant = 1;
    check(waitForView(a, 5000) == 0, "a change under a resting cursor shows in the end");
    // Moved at once: the next tick renders, and the still spell starts counting from 0.
    moveCursor(220, 230);
    View b = viewAroundCursor(q.window, 1, 2, 220, 230);
    b.patternVariant = 1;
    check(waitForView(b, 1000) == 0, "a moved cursor renders at the next tick");
    DWORD moved = GetTickCount();
    showPattern(0);
    b.patternVariant = 0;
    waitForView(b, 5000);
    DWORD shown = GetTickCount() - moved;
    note("the change under the resting cursor showed after %lu ms (10 ticks are 2000 ms)", shown);
    check(shown >= 1500 && shown <= 3200, "shown at the tenth tick, not before: %lu ms", shown);
    check(closeQilo(q) == 0, "exit code 0");
}

void caseUserResizeSnaps() {
    showPattern();
    moveCursor(700, 600);
    Qilo q;
    std::string dir = makeScratchDir("[INIT]\r\nX=300\r\nY=200\r\nWSIZE=0\r\n");
    if (!startQilo(q, dir))
        return;
    // The frame margin is taken off before snapping: 196 x 132 asked, 192 x 128 kept.
    RECT r = windowRect(q.window);
    check(r.right - r.left == 192 && r.bottom - r.top == 128,
          "with the frame the start snaps the window to 192 x 128, got %ld x %ld", r.right - r.left,
          r.bottom - r.top);
    // Grab the bottom-right corner of the sizing border and pull it out.
    moveCursor(r.right - 2, r.bottom - 2);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    moveCursor(r.right + 10, r.bottom + 10);
    moveCursor(r.right + 20, r.bottom + 15);
    moveCursor(r.right + 35, r.bottom + 21);
    pump(100);
    mouseButton(MOUSEEVENTF_LEFTUP);
    pump(300);
    RECT s = windowRect(q.window);
    // Asked 229 x 151; less the frame 227 x 149; snapped down to a multiple of 4.
    check(s.left == r.left && s.top == r.top, "the corner stays where it was");
    check(s.right - s.left == 224 && s.bottom - s.top == 148, "snapped to 224 x 148, got %ld x %ld",
          s.right - s.left, s.bottom - s.top);
    moveCursor(700, 600);
    View v = viewAroundCursor(q.window, 1, 2, 700, 600);
    int mismatches = waitForView(v, 3000);
    check(mismatches == 0, "the image fills the new size: %d pixels differ", mismatches);
    check(closeQilo(q) == 0, "exit code 0");
    std::string saved = readFileText(settingsPath(dir));
    check(saved.find("WIDTH=224\r\nHEIGHT=148\r\n") != std::string::npos,
          "the new size is saved:\n%s", saved.c_str());
}

void caseSecondCopy() {
    Qilo first;
    if (!startQilo(first, makeScratchDir()))
        return;
    std::string secondDir = makeScratchDir();
    Qilo probe;
    bool started = launchQilo(probe, secondDir, SW_SHOWNORMAL);
    check(started, "the second copy starts");
    int code = waitExit(probe, 5000);
    check(code == 0, "the second copy ends at once with exit code 0, got %d", code);
    check(readFileText(settingsPath(secondDir)).empty(), "the second copy writes no settings");
    check(IsWindow(first.window) && IsWindowVisible(first.window), "the first copy runs on");
    check(closeQilo(first) == 0, "the first copy ends with exit code 0");
    Qilo third;
    check(startQilo(third, makeScratchDir()), "a new copy starts once the first has ended");
    check(closeQilo(third) == 0, "and ends with exit code 0");
}

void caseCloseSavesSettings() {
    Qilo q;
    std::string dir =
        makeScratchDir("[OTHER]\r\nKEEP=me\r\n[INIT]\r\nCOLOR=255\r\nFOREIGN=7\r\nIsCross=5\r\n");
    if (!startQilo(q, dir))
        return;
    check(closeQilo(q) == 0, "WM_CLOSE ends the program with exit code 0");
    std::string saved = readFileText(settingsPath(dir));
    check(saved ==
              "[OTHER]\r\nKEEP=me\r\n[INIT]\r\nCOLOR=255\r\nFOREIGN=7\r\nIsCross=5\r\n"
              "WSIZE=1\r\nX=0\r\nY=0\r\nIsTop=1\r\nZOOM=40003\r\nINT_TIME=60\r\nWIDTH=194\r\n"
              "HEIGHT=130\r\nROP=13369376\r\nFRAME=1\r\nISTOKA=0\r\n",
          "the twelve keys join what the file held:\n%s", saved.c_str());
}
