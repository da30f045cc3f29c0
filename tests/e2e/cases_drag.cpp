// Dragging the window, with and without magnifying what lies beneath, and its resources.
#include <windows.h>

#include <string>

#include "cases.h"
#include "harness.h"

static View centreView(const RECT& r, int variant) {
    // 2x with the frame: the source is centred on the window.
    View v = {};
    v.window = r;
    v.frame = 1;
    v.zoom = 2;
    int w = r.right - r.left, h = r.bottom - r.top;
    v.srcX = r.left + w / 2 - (w - 2) / 2 / 2;
    v.srcY = r.top + h / 2 - (h - 2) / 2 / 2;
    v.patternVariant = variant;
    return v;
}

void caseDragKeepsGrabPoint() {
    showPattern();
    Qilo q;
    std::string dir = makeScratchDir("[INIT]\r\nX=300\r\nY=250\r\n");
    if (!startQilo(q, dir))
        return;
    moveCursor(350, 300);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    moveCursor(380, 320);
    moveCursor(450, 360);
    moveCursor(600, 420);
    pump(100);
    RECT r = windowRect(q.window);
    check(r.left == 550 && r.top == 370, "the grab point stays under the cursor: (%ld, %ld)",
          r.left, r.top);
    check(r.right - r.left == 194 && r.bottom - r.top == 130, "the size is kept");
    mouseButton(MOUSEEVENTF_LEFTUP);
    moveCursor(650, 450);
    pump(100);
    RECT after = windowRect(q.window);
    check(EqualRect(&r, &after) != FALSE, "after the release the window stays put");
    // Partly off the screen is allowed.
    moveCursor(560, 380);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    moveCursor(screenWidth() - 5, 380);
    mouseButton(MOUSEEVENTF_LEFTUP);
    r = windowRect(q.window);
    check(r.right > screenWidth(), "the window may be dragged partly off the screen");
    check(closeQilo(q) == 0, "exit code 0");
    std::string saved = readFileText(settingsPath(dir));
    char want[64];
    wsprintfA(want, "X=%ld\r\nY=%ld\r\n", r.left, r.top);
    check(saved.find(want) != std::string::npos, "the new position is saved:\n%s", saved.c_str());
}

void caseSeeThroughDrag() {
    showPattern(0);
    Qilo q;
    if (!startQilo(q, makeScratchDir("[INIT]\r\nX=300\r\nY=250\r\nISTOKA=1\r\n")))
        return;
    moveCursor(350, 300);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    pump(300);
    POINT p;
    GetCursorPos(&p);
    check(p.x == 350 && p.y == 300, "the cursor is back on the pressed point: (%ld, %ld)", p.x,
          p.y);
    moveCursor(420, 360);
    moveCursor(500, 400);
    pump(150);
    RECT r = windowRect(q.window);
    check(r.left == 450 && r.top == 350, "the window follows: (%ld, %ld)", r.left, r.top);
    int mismatches = waitForView(centreView(r, 0), 2000);
    check(mismatches == 0, "the view shows what lies beneath the window: %d differ", mismatches);
    // The snapshot was taken at the press: a change on the screen does not show meanwhile.
    showPattern(1);
    moveCursor(501, 400);
    moveCursor(500, 400);
    pump(400);
    mismatches = countMismatches(captureScreen(r), centreView(r, 0));
    check(mismatches == 0, "during the drag the view keeps the snapshot: %d differ", mismatches);
    mouseButton(MOUSEEVENTF_LEFTUP);
    moveCursor(150, 150);
    View live = viewAroundCursor(q.window, 1, 2, 150, 150);
    live.patternVariant = 1;
    mismatches = waitForView(live, 2000);
    check(mismatches == 0, "after the release the live screen shows again: %d differ", mismatches);
    check(closeQilo(q) == 0, "exit code 0");
}

void caseLostCaptureEndsDrag() {
    showPattern();
    Qilo q;
    if (!startQilo(q, makeScratchDir("[INIT]\r\nX=300\r\nY=250\r\n")))
        return;
    // Left button held, then a right click with Shift: the menu opens in the middle of the
    // drag and takes the capture, so the left button's release never reaches the window.
    moveCursor(350, 300);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    moveCursor(360, 310);
    INPUT shift = {};
    shift.type = INPUT_KEYBOARD;
    shift.ki.wVk = VK_SHIFT;
    SendInput(1, &shift, sizeof shift);
    mouseButton(MOUSEEVENTF_RIGHTDOWN);
    mouseButton(MOUSEEVENTF_RIGHTUP);
    check(waitForMenu(true), "the menu opens with Shift held");
    shift.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &shift, sizeof shift);
    pressKey(VK_ESCAPE);
    waitForMenu(false);
    mouseButton(MOUSEEVENTF_LEFTUP);
    RECT before = windowRect(q.window);
    moveCursor(400, 330);
    moveCursor(420, 340);
    pump(200);
    RECT after = windowRect(q.window);
    check(EqualRect(&before, &after) != FALSE,
          "with no button held the window no longer follows the cursor: (%ld, %ld) -> (%ld, %ld)",
          before.left, before.top, after.left, after.top);
    check(closeQilo(q) == 0, "exit code 0");
}

// Rounds of a plain drag, a see-through drag, a frame command, a resize, the z-order both
// ways and a hide and restore, sent straight to the window so that a hundred of them take
// seconds.
static void workTheProgram(HWND w, int rounds) {
    for (int i = 0; i < rounds; ++i) {
        SetCursorPos(320 + i % 7, 270);
        SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, 0);
        SendMessageA(w, WM_LBUTTONUP, 0, 0);
        SendMessageA(w, WM_COMMAND, 40018, 0);  // see-through on
        SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, 0);
        SendMessageA(w, WM_LBUTTONUP, 0, 0);
        SendMessageA(w, WM_COMMAND, 40018, 0);  // and off
        SendMessageA(w, WM_COMMAND, i % 2 ? 40015 : 40014, 0);
        SetWindowPos(w, nullptr, 0, 0, 200 + (i % 5) * 10, 140 + (i % 3) * 10,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(w, WM_COMMAND, 40001, 0);  // z-order off and on again
        SendMessageA(w, WM_COMMAND, 40001, 0);
        SendMessageA(w, WM_HOTKEY, 0, 0);  // hide and restore
        SendMessageA(w, WM_HOTKEY, 0, 0);
        pump(5);
    }
}

void caseNoGdiLeaks() {
    showPattern();
    Qilo q;
    if (!startQilo(q, makeScratchDir("[INIT]\r\nX=300\r\nY=250\r\nWSIZE=0\r\n")))
        return;
    HWND w = q.window;
    // One round first: objects the system makes once, on first use, are not a leak.
    workTheProgram(w, 1);
    pump(300);
    int before = gdiObjects(q);
    if (!check(before > 0, "the GDI objects can be counted: %d", before))
        return killQilo(q);
    workTheProgram(w, 50);
    int half = gdiObjects(q);
    workTheProgram(w, 50);
    SendMessageA(w, WM_COMMAND, 40015, 0);
    pump(300);
    int after = gdiObjects(q);
    note("GDI objects: %d before, %d after 50 rounds, %d after 100", before, half, after);
    check(after == before, "no GDI object is left behind: %d before, %d after", before, after);
    check(closeQilo(q) == 0, "exit code 0");
}
