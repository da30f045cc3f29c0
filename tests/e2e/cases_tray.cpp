// The notification icon, hiding and restoring, the hot key and the show commands.
#include <windows.h>

#include <string>

#include "cases.h"
#include "harness.h"

static void trayClick(HWND window, LPARAM mouseMessage) {
    // Posted: a right click runs a menu loop inside the handler.
    PostMessageA(window, WM_USER, 1, mouseMessage);
    pump(300);
}

static bool isTopmost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void caseTrayCallbacks() {
    showPattern();
    Qilo q;
    if (!startQilo(q, makeScratchDir("[INIT]\r\nX=400\r\nY=300\r\n")))
        return;
    HWND w = q.window;
    trayClick(w, WM_LBUTTONDOWN);
    check(!IsWindowVisible(w), "a left click on the icon hides the window");
    trayClick(w, WM_LBUTTONDBLCLK);
    trayClick(w, WM_LBUTTONUP);
    trayClick(w, WM_MOUSEMOVE);
    check(!IsWindowVisible(w), "double clicks, button-ups and moves do nothing");
    trayClick(w, WM_LBUTTONDOWN);
    check(IsWindowVisible(w) && isTopmost(w), "the next left click restores it, on top");
    RECT r = windowRect(w);
    check(r.left == 400 && r.top == 300, "at its place: (%ld, %ld)", r.left, r.top);

    moveCursor(700, 500);
    check(waitForView(viewAroundCursor(w, 1, 2, 700, 500), 2000) == 0, "and magnifies again");

    trayClick(w, WM_LBUTTONDOWN);
    trayClick(w, WM_RBUTTONDOWN);
    check(waitForMenu(true), "a right click on the icon of a hidden window opens a menu");
    HWND menu = openMenu();
    RECT m = windowRect(menu);
    check(m.left == 700 && m.top == 500, "at the cursor: (%ld, %ld)", m.left, m.top);
    check(m.bottom - m.top < 120, "the four-entry tray menu: %ld high", m.bottom - m.top);
    check(!IsWindowVisible(w), "the window stays hidden");
    pressKey(VK_ESCAPE);
    waitForMenu(false);

    trayClick(w, WM_LBUTTONDOWN);
    check(IsWindowVisible(w), "restored");
    trayClick(w, WM_RBUTTONDOWN);
    check(waitForMenu(true), "a right click on the icon of a shown window opens the main menu");
    m = windowRect(openMenu());
    check(m.bottom - m.top > 150, "the main menu: %ld high", m.bottom - m.top);
    pressKey(VK_ESCAPE);
    waitForMenu(false);

    // The tray menu's restore entry.
    trayClick(w, WM_LBUTTONDOWN);
    trayClick(w, WM_RBUTTONDOWN);
    if (check(waitForMenu(true), "the tray menu opens")) {
        pressKey(VK_DOWN);
        pressKey(VK_DOWN);
        pressKey(VK_RETURN);
        waitForMenu(false);
        pump(200);
        check(IsWindowVisible(w), "its restore entry brings the window back");
    }
    // A click elsewhere closes a menu opened from the icon.
    trayClick(w, WM_LBUTTONDOWN);
    trayClick(w, WM_RBUTTONDOWN);
    if (waitForMenu(true)) {
        clickAt(100, 650, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        check(waitForMenu(false), "a click elsewhere closes the tray menu");
    }
    check(closeQilo(q) == 0, "quitting while hidden ends with exit code 0");
}

static int hotkeysSeen;

static LRESULT CALLBACK countHotkeys(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_HOTKEY)
        ++hotkeysSeen;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void caseHotkeyToggles() {
    showPattern();
    Qilo q;
    std::string dir = makeScratchDir("[INIT]\r\nX=321\r\nY=234\r\n");
    if (!startQilo(q, dir))
        return;
    keyCombo(VK_CONTROL, VK_SPACE);
    check(waitUntil([&] { return !IsWindowVisible(q.window); }, 2000), "Ctrl+Space hides");
    keyCombo(VK_CONTROL, VK_SPACE);
    check(waitUntil([&] { return IsWindowVisible(q.window) != FALSE; }, 2000),
          "Ctrl+Space brings it back");
    keyCombo(VK_CONTROL, VK_SPACE);
    check(waitUntil([&] { return !IsWindowVisible(q.window); }, 2000), "and hides again");
    check(closeQilo(q) == 0, "quitting while hidden: exit code 0");
    std::string saved = readFileText(settingsPath(dir));
    check(saved.find("X=321\r\nY=234\r\n") != std::string::npos,
          "the hidden window's position is saved:\n%s", saved.c_str());

    Qilo off;
    if (!startQilo(off, makeScratchDir("[INIT]\r\nVK_SPACE=0\r\n")))
        return;
    keyCombo(VK_CONTROL, VK_SPACE);
    pump(300);
    check(IsWindowVisible(off.window) != FALSE, "with VK_SPACE=0 Ctrl+Space does nothing");
    check(closeQilo(off) == 0, "exit code 0");

    // Another program holds Ctrl+Space: the magnifier runs without it, silently.
    HWND holder = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(holder, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countHotkeys));
    if (!check(RegisterHotKey(holder, 1, MOD_CONTROL, VK_SPACE) != FALSE,
               "the driver takes Ctrl+Space"))
        return;
    Qilo held;
    if (startQilo(held, makeScratchDir())) {
        keyCombo(VK_CONTROL, VK_SPACE);
        check(waitUntil([] { return hotkeysSeen > 0; }, 2000),
              "the key goes to the program that holds it");
        check(IsWindowVisible(held.window) != FALSE, "the magnifier stays as it was");
        check(closeQilo(held) == 0, "and ends normally with exit code 0");
    }
    UnregisterHotKey(holder, 1);
    DestroyWindow(holder);
}

void caseShowCommands() {
    struct Start {
        int show;  // -1: no STARTF_USESHOWWINDOW, which gives SW_SHOWDEFAULT
        bool hidden;
    } starts[] = {{SW_HIDE, false},         {SW_SHOWNORMAL, false},
                  {SW_SHOWMINIMIZED, true}, {SW_SHOWMAXIMIZED, true},
                  {SW_SHOW, true},          {SW_SHOWMINNOACTIVE, true},
                  {SW_SHOWNA, false},       {SW_RESTORE, false},
                  {SW_SHOWDEFAULT, true},   {-1, true}};
    for (const Start& s : starts) {
        Qilo q;
        std::string dir = makeScratchDir();
        bool started = s.show < 0 ? startQiloDefaultShow(q, dir) : startQilo(q, dir, (WORD)s.show);
        if (!started)
            continue;
        pump(400);
        bool visible = IsWindowVisible(q.window) != FALSE;
        check(visible != s.hidden, "show command %d: %s after the first tick", s.show,
              visible ? "visible" : "hidden");
        check(closeQilo(q) == 0, "show command %d: exit code 0", s.show);
    }
}

void caseNoNotificationIcon() {
    FakeTray tray;
    tray.create(0);
    showPattern();
    Qilo q;
    if (!startQilo(q, makeScratchDir("[INIT]\r\nX=400\r\nY=300\r\n"))) {
        tray.destroy();
        return;
    }
    check(tray.adds == 1, "the program asked once for its icon: %d", tray.adds);
    char title[32] = {};
    GetWindowTextA(q.window, title, sizeof title);
    check(std::string(title) == " \x82\x70\x82\x65\x8a\x67\x91\xe5\x8b\xbe",
          "refused, the window is titled with its name");
    keyCombo(VK_CONTROL, VK_SPACE);
    check(waitUntil([&] { return IsIconic(q.window) != FALSE; }, 2000),
          "Ctrl+Space minimises instead of hiding");
    keyCombo(VK_CONTROL, VK_SPACE);
    pump(300);
    check(IsIconic(q.window) != FALSE, "and does not bring it back");
    check(closeQilo(q) == 0, "exit code 0");

    Qilo hidden;
    if (startQilo(hidden, makeScratchDir(), SW_SHOWMINIMIZED)) {
        check(waitUntil([&] { return IsIconic(hidden.window) != FALSE; }, 2000),
              "a hidden start without an icon minimises at the first tick");
        keyCombo(VK_CONTROL, VK_SPACE);
        check(waitUntil([&] { return !IsIconic(hidden.window) && IsWindowVisible(hidden.window); },
                        2000),
              "Ctrl+Space restores it");
        check(closeQilo(hidden) == 0, "exit code 0");
    }
    tray.destroy();
}

void caseShellRestartAddsIcon() {
    Qilo q;
    if (!startQilo(q, makeScratchDir()))
        return;
    // The shell comes back: a new tray window, and the broadcast that announces it.
    FakeTray tray;
    tray.create(1);
    PostMessageA(q.window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    check(waitUntil([&] { return tray.adds > 0; }, 2000), "the icon is added again");
    check(tray.lastOwner == q.window, "for the magnifier's window");
    check(closeQilo(q) == 0, "exit code 0");
    tray.destroy();
}
