#include <windows.h>

#include <string>

#include <doctest/doctest.h>

#include "app/settings.h"
#include "res/resource.h"
#include "test_support.h"
#include "view/geometry.h"
#include "view/surfaces.h"
#include "window/dialog.h"
#include "window/menus.h"

static void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The real magnifier window, made from its template with its dialog procedure, at the
// default settings (or the ones a test sets up before opening it); its settings go to a
// scratch file.
struct LiveWindow {
    TempDir dir;
    HWND window = nullptr;

    explicit LiveWindow(void (*adjust)() = nullptr) {
        setDefaultSettings();
        magnifier.hotkeyEnabled = 0;  // the hot key belongs to the end-to-end tests
        magnifier.windowX = 200;
        magnifier.windowY = 150;
        lstrcpyA(magnifier.iniPath, dir.file("QILO.INI").c_str());
        if (adjust)
            adjust();
        window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAGNIFIER),
                                    nullptr, magnifierDialogProc, 0);
        REQUIRE(window != nullptr);
        ShowWindow(window, SW_SHOW);
        computeGeometry(&magnifier);
        pumpMessages();  // the always-on-top command posted at initialisation
    }
    ~LiveWindow() {
        if (IsWindow(window))
            DestroyWindow(window);
        pumpMessages();
    }
    void command(int id) {
        SendMessageA(window, WM_COMMAND, id, 0);
    }
    bool checked(HMENU menu, UINT id) const {
        return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    LONG style() const {
        return GetWindowLongA(window, GWL_STYLE);
    }
    RECT rect() const {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    }
};

TEST_CASE("initialisation applies the loaded settings through the posted command") {
    LiveWindow live;
    CHECK(magnifier.isTop == 1);
    CHECK(live.checked(mainMenu, ID_ALWAYS_TOP));
    CHECK((GetWindowLongA(live.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    CHECK(magnifier.zoomFactor == 2);
    CHECK(live.checked(zoomMenu, ID_ZOOM_2));
    CHECK(live.checked(mainMenu, ID_SIZE_FIXED));
    CHECK((live.style() & WS_THICKFRAME) == 0);
    CHECK(magnifier.windowDC != nullptr);
    CHECK(timerId != 0);
}

static void looseSizeWithCross() {
    magnifier.sizeFixed = 0;
    magnifier.isCross = 5;
    magnifier.isTop = 0;
}

TEST_CASE("each flag command flips its flag and its check mark") {
    LiveWindow live(looseSizeWithCross);
    CHECK(magnifier.isTop == 0);
    CHECK_FALSE(live.checked(mainMenu, ID_ALWAYS_TOP));
    CHECK(live.checked(mainMenu, ID_CROSS));

    live.command(ID_CROSS);  // 5 counts as set: it becomes 0
    CHECK(magnifier.isCross == 0);
    CHECK_FALSE(live.checked(mainMenu, ID_CROSS));
    live.command(ID_CROSS);
    CHECK(magnifier.isCross == 1);
    CHECK(live.checked(mainMenu, ID_CROSS));

    live.command(IDOJI_TOKA);
    CHECK(magnifier.seeThroughDrag == 1);
    CHECK(live.checked(mainMenu, IDOJI_TOKA));

    CHECK((live.style() & WS_THICKFRAME) != 0);
    live.command(ID_SIZE_FIXED);
    CHECK(magnifier.sizeFixed == 1);
    CHECK(live.checked(mainMenu, ID_SIZE_FIXED));
    CHECK((live.style() & WS_THICKFRAME) == 0);

    live.command(ID_INVERT);
    CHECK(magnifier.rop == NOTSRCCOPY);
    CHECK(live.checked(mainMenu, ID_INVERT));
    live.command(ID_INVERT);
    CHECK(magnifier.rop == SRCCOPY);
    CHECK_FALSE(live.checked(mainMenu, ID_INVERT));

    live.command(ID_ALWAYS_TOP);
    CHECK(magnifier.isTop == 1);
    CHECK(live.checked(mainMenu, ID_ALWAYS_TOP));
    CHECK((GetWindowLongA(live.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    live.command(ID_ALWAYS_TOP);
    CHECK(magnifier.isTop == 0);
    CHECK_FALSE(live.checked(mainMenu, ID_ALWAYS_TOP));
    CHECK((GetWindowLongA(live.window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
}

TEST_CASE("an inversion value that is no raster operation becomes SRCCOPY") {
    LiveWindow live([] { magnifier.rop = 12345; });
    CHECK_FALSE(live.checked(mainMenu, ID_INVERT));
    live.command(ID_INVERT);
    CHECK(magnifier.rop == SRCCOPY);
}

TEST_CASE("zoom commands change the zoom, not the window") {
    LiveWindow live;
    RECT before = live.rect();
    HDC backBefore = magnifier.backDC;
    for (const ZoomEntry& entry : zoomTable) {
        live.command(entry.command);
        CHECK(magnifier.zoomCommand == entry.command);
        CHECK(magnifier.zoomFactor == entry.factor);
        CHECK(live.checked(zoomMenu, entry.command));
    }
    live.command(ID_ZOOM_4);
    CHECK(magnifier.srcWidth == (194 - 2) / 4);
    CHECK(magnifier.srcHeight == (130 - 2) / 4);
    RECT after = live.rect();
    CHECK(EqualRect(&before, &after));
    CHECK(magnifier.backDC == backBefore);
}

TEST_CASE("the frame commands set the margin and, with a loose size, retake the window") {
    SUBCASE("fixed size: only the margin and the marks") {
        LiveWindow live;
        RECT before = live.rect();
        live.command(ID_FRAME_NONE);
        CHECK(magnifier.frameStyle == 0);
        CHECK(magnifier.frameWidth == 0);
        CHECK(live.checked(frameMenu, ID_FRAME_NONE));
        CHECK_FALSE(live.checked(frameMenu, ID_FRAME_BLACK));
        CHECK(magnifier.srcWidth == 194 / 2);
        RECT after = live.rect();
        CHECK(EqualRect(&before, &after));
        live.command(ID_FRAME_BLACK);
        CHECK(magnifier.frameStyle == 1);
        CHECK(magnifier.frameWidth == 1);
        CHECK(live.checked(frameMenu, ID_FRAME_BLACK));
        CHECK_FALSE(live.checked(frameMenu, ID_FRAME_NONE));
    }
    SUBCASE("loose size: the window rectangle is taken over again") {
        LiveWindow live([] { magnifier.sizeFixed = 0; });
        // The start already snapped the framed window: 196 x 132 asked, 192 x 128 kept.
        CHECK(windowWidth == 192);
        CHECK(windowHeight == 128);
        live.command(ID_FRAME_NONE);
        RECT r = live.rect();
        CHECK(r.right - r.left == 192);
        CHECK(magnifier.viewWidth == 192);
        CHECK(magnifier.windowX == 200);
        CHECK(magnifier.windowY == 150);
    }
}

TEST_CASE("an id without an entry changes nothing but recomputes the geometry") {
    LiveWindow live;
    magnifier.srcWidth = 0;
    CHECK(magnifierDialogProc(live.window, WM_COMMAND, 40016, 0) == TRUE);
    CHECK(magnifier.srcWidth == 96);
    CHECK(IsWindow(live.window));
}

TEST_CASE("hiding and restoring without a notification icon") {
    LiveWindow live;
    trayIconAdded = 0;
    live.command(ID_MINIMIZE);
    CHECK(IsIconic(live.window));
    CHECK(hiddenInTray == 0);
    live.command(ID_RESTORE);
    CHECK_FALSE(IsIconic(live.window));
    CHECK(IsWindowVisible(live.window));
}

TEST_CASE("hiding to the notification icon stops the timer; restoring starts it") {
    LiveWindow live;
    trayIconAdded = 1;
    live.command(ID_MINIMIZE);
    CHECK_FALSE(IsWindowVisible(live.window));
    CHECK(hiddenInTray == 1);
    // A hidden window's timer is gone: killing it again fails.
    CHECK_FALSE(KillTimer(live.window, kMagnifyTimer));
    live.command(ID_RESTORE);
    CHECK(IsWindowVisible(live.window));
    CHECK(hiddenInTray == 0);
    CHECK(timerId != 0);
    CHECK((GetWindowLongA(live.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    CHECK(live.checked(mainMenu, ID_ALWAYS_TOP));
    trayIconAdded = 0;
}

TEST_CASE("restoring a window that is not always on top leaves it below the topmost band") {
    LiveWindow live([] { magnifier.isTop = 0; });
    trayIconAdded = 1;
    live.command(ID_MINIMIZE);
    live.command(ID_RESTORE);
    CHECK((GetWindowLongA(live.window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
    CHECK_FALSE(live.checked(mainMenu, ID_ALWAYS_TOP));
    trayIconAdded = 0;
}

TEST_CASE("quitting saves the settings and posts the quit with exit code 0") {
    LiveWindow live;
    live.command(ID_CROSS);
    live.command(IDOK);
    CHECK_FALSE(IsWindow(live.window));
    MSG msg;
    CHECK(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    CHECK(msg.wParam == 0);
    std::string saved = readFile(live.dir.file("QILO.INI"));
    CHECK(saved.find("IsCross=1\r\n") != std::string::npos);
    CHECK(saved.find("X=200\r\nY=150\r\n") != std::string::npos);
}

static bool isLiveDC(HDC dc) {
    DWORD type = GetObjectType(dc);
    return type == OBJ_DC || type == OBJ_MEMDC;
}

TEST_CASE("a see-through drag's snapshot lives from the press to the release") {
    LiveWindow live([] {
        magnifier.seeThroughDrag = 1;
        magnifier.sizeFixed = 0;
    });
    HDC screenBefore = magnifier.sourceDC;
    SendMessageA(live.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    CHECK(dragging == 1);
    REQUIRE(snapshotDC != nullptr);
    CHECK(magnifier.sourceDC == snapshotDC);
    CHECK(GetObjectType(snapshotDC) == OBJ_MEMDC);
    CHECK_FALSE(isLiveDC(screenBefore));  // the screen DC it replaced is gone
    HDC firstSnapshot = snapshotDC;
    HBITMAP firstBitmap = snapshotBitmap;
    BITMAP info;
    REQUIRE(GetObjectA(firstBitmap, sizeof info, &info));
    CHECK(info.bmWidth == GetSystemMetrics(SM_CXSCREEN));
    CHECK(info.bmHeight == GetSystemMetrics(SM_CYSCREEN));

    SUBCASE("commands that reopen the surfaces keep the snapshot as the source") {
        live.command(ID_FRAME_NONE);  // loose size: applyWindowRect reopens the surfaces
        CHECK(magnifier.sourceDC == snapshotDC);
        live.command(IDOJI_TOKA);  // see-through off in the middle of the drag
        SendMessageA(live.window, WM_LBUTTONUP, 0, 0);
        CHECK(snapshotDC == nullptr);
        CHECK_FALSE(isLiveDC(firstSnapshot));
        CHECK(GetObjectType(firstBitmap) == 0);
        CHECK(GetObjectType(magnifier.sourceDC) == OBJ_DC);
    }
    SUBCASE("a second press replaces the snapshot and frees the first") {
        SendMessageA(live.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        CHECK(snapshotDC != nullptr);
        CHECK(GetObjectType(firstBitmap) == 0);
        SendMessageA(live.window, WM_LBUTTONUP, 0, 0);
        CHECK(snapshotDC == nullptr);
        CHECK(GetObjectType(magnifier.sourceDC) == OBJ_DC);
    }
    SUBCASE("losing the capture ends the drag") {
        ReleaseCapture();
        CHECK(dragging == 0);
        CHECK(snapshotDC == nullptr);
        CHECK(GetObjectType(firstBitmap) == 0);
        CHECK(GetObjectType(magnifier.sourceDC) == OBJ_DC);
    }
    SUBCASE("closing the window in the middle of the drag frees it") {
        live.command(IDOK);
        CHECK(snapshotDC == nullptr);
        CHECK(GetObjectType(firstBitmap) == 0);
    }
    dragging = 0;
}

TEST_CASE("a plain drag moves the window with the cursor and keeps the grab point") {
    LiveWindow live;
    SetCursorPos(250, 180);
    SendMessageA(live.window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    CHECK(magnifier.dragOffsetX == 50);
    CHECK(magnifier.dragOffsetY == 30);
    CHECK(snapshotDC == nullptr);
    CHECK(GetCapture() == live.window);
    SetCursorPos(400, 300);
    SendMessageA(live.window, WM_MOUSEMOVE, MK_LBUTTON, 0);
    RECT r = live.rect();
    CHECK(r.left == 350);
    CHECK(r.top == 270);
    CHECK(r.right - r.left == 194);
    SendMessageA(live.window, WM_LBUTTONUP, 0, 0);
    CHECK(dragging == 0);
    CHECK(GetCapture() == nullptr);
    SetCursorPos(500, 400);
    SendMessageA(live.window, WM_MOUSEMOVE, 0, 0);
    RECT still = live.rect();
    CHECK(EqualRect(&r, &still));
}

TEST_CASE("the dispatch returns what each message calls for") {
    LiveWindow live;
    HWND w = live.window;
    CHECK(magnifierDialogProc(w, WM_MOUSEMOVE, 0, 0) == TRUE);
    CHECK(magnifierDialogProc(w, WM_LBUTTONUP, 0, 0) == TRUE);
    CHECK(magnifierDialogProc(w, WM_HOTKEY, 7, 0) == TRUE);
    CHECK(magnifierDialogProc(w, WM_TRAYNOTIFY, 1, WM_MOUSEMOVE) == TRUE);
    CHECK(magnifierDialogProc(w, WM_PAINT, 0, 0) == FALSE);
    CHECK(magnifierDialogProc(w, WM_CLOSE, 0, 0) == FALSE);
    CHECK(magnifierDialogProc(w, WM_KEYDOWN, VK_ESCAPE, 0) == FALSE);
    // A tick while hidden renders nothing and hides again.
    hiddenInTray = 1;
    trayIconAdded = 1;
    CHECK(magnifierDialogProc(w, WM_TIMER, 1, 0) == FALSE);
    CHECK_FALSE(IsWindowVisible(w));
    hiddenInTray = 0;
    trayIconAdded = 0;
}

TEST_CASE("a change of display resolution reaches the clamping at once") {
    LiveWindow live;
    magnifier.screenWidth = 1;  // as if the screen had been another size so far
    magnifier.screenHeight = 1;
    CHECK(magnifierDialogProc(live.window, WM_DISPLAYCHANGE, 32, 0) == TRUE);
    CHECK(magnifier.screenWidth == GetSystemMetrics(SM_CXSCREEN));
    CHECK(magnifier.screenHeight == GetSystemMetrics(SM_CYSCREEN));
}

TEST_CASE("the settings are written when the session ends, since no WM_DESTROY follows") {
    LiveWindow live;
    live.command(ID_CROSS);
    SetWindowPos(live.window, nullptr, 321, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(live.window, WM_ENDSESSION, FALSE, 0);
    CHECK(readFile(live.dir.file("QILO.INI")).empty());
    SendMessageA(live.window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    std::string saved = readFile(live.dir.file("QILO.INI"));
    CHECK(saved.find("X=321\r\nY=123\r\n") != std::string::npos);
    CHECK(saved.find("IsCross=1\r\n") != std::string::npos);
    CHECK(IsWindow(live.window));
}
