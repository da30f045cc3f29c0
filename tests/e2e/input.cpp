// Real mouse and keyboard input as the user gives it, the menus worked from the keyboard, and
// the messages other programs and the system send the magnifier.
#include "tests/e2e/steps.h"

#include <vector>

static bool send(std::vector<INPUT> inputs) {
    bool taken = SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT)) == inputs.size();
    pump(40);
    return taken;
}

bool moveCursor(POINT to) {
    const RECT screen = virtualScreen();
    const int width = screen.right - screen.left, height = screen.bottom - screen.top;
    INPUT in = {INPUT_MOUSE};
    // Rounded up, so that the absolute position lands on the pixel asked for.
    in.mi.dx = ((to.x - screen.left) * 65536 + width - 1) / width;
    in.mi.dy = ((to.y - screen.top) * 65536 + height - 1) / height;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    return send({in});
}

bool mouseButton(DWORD flags) {
    INPUT in = {INPUT_MOUSE};
    in.mi.dwFlags = flags;
    return send({in});
}

static INPUT key(WORD vk, DWORD flags) {
    INPUT in = {INPUT_KEYBOARD};
    in.ki.wVk = vk;
    in.ki.dwFlags = flags;
    return in;
}

// Presses a key down, lets it up, or both.
bool pressKey(WORD vk, bool down, bool up) {
    return (!down || send({key(vk, 0)})) && (!up || send({key(vk, KEYEVENTF_KEYUP)}));
}

bool keyCombo(WORD modifier, WORD vk) {
    return send(
        {key(modifier, 0), key(vk, 0), key(vk, KEYEVENTF_KEYUP), key(modifier, KEYEVENTF_KEYUP)});
}

bool waitForMenu(bool open, DWORD timeoutMs) {
    return waitUntil([&] { return (IsWindowVisible(FindWindowA("#32768", nullptr)) != 0) == open; },
                     timeoutMs);
}

Step drag(POINT from, POINT by) {
    return Step(__func__, shown(from, by), [=] {
        bool dragged = moveCursor(from) && mouseButton(MOUSEEVENTF_LEFTDOWN) &&
                       moveCursor({from.x + by.x / 2, from.y + by.y / 2}) &&
                       moveCursor({from.x + by.x, from.y + by.y});
        return mouseButton(MOUSEEVENTF_LEFTUP) && dragged && settle(300);  // let up always
    });
}

Step rightClick(POINT at) {
    return Step(__func__, shown(at), [=] {
        return moveCursor(at) && mouseButton(MOUSEEVENTF_RIGHTDOWN) &&
               mouseButton(MOUSEEVENTF_RIGHTUP);
    });
}

Step wheel(int delta) {
    return Step(__func__, shown(delta), [=] {
        INPUT in = {INPUT_MOUSE};
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = (DWORD)delta;
        return send({in}) && settle(200);
    });
}

// A right click on the window, then the keyboard down to the entry, into its submenu (the
// subentry 1 the first) and Enter.
static bool chooseWithKeys(MainMenu entry, int subentry) {
    RECT r = windowRect(q.window);
    if (!rightClick({r.left + 20, r.top + 20}).run() || !waitForMenu(true))
        return false;
    for (int i = 0; i <= (int)entry + subentry; ++i)
        pressKey(i == (int)entry + 1 ? VK_RIGHT : VK_DOWN);
    pressKey(VK_RETURN);
    return waitForMenu(false) && settle(250);
}

Step chooseFromMenu(MainMenu entry) {
    return Step(__func__, shown(entry), [=] { return chooseWithKeys(entry, 0); });
}

Step chooseFromMenu(FrameMenu entry) {
    return Step(__func__, shown(entry),
                [=] { return chooseWithKeys(MainMenu::Frame, (int)entry); });
}

Step chooseFromMenu(ZoomMenu entry) {
    return Step(__func__, shown(entry), [=] { return chooseWithKeys(MainMenu::Zoom, (int)entry); });
}

static bool chooseFromIcon(int entry) {
    if (!PostMessageA(q.window, WM_TRAYNOTIFY, 1, WM_RBUTTONDOWN) || !waitForMenu(true))
        return false;
    for (int i = 0; i <= entry; ++i)
        pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    return waitForMenu(false) && settle(250);
}

Step chooseFromIconMenu(MainMenu entry) {
    return Step(__func__, shown(entry), [=] { return chooseFromIcon((int)entry); });
}

Step chooseFromIconMenu(TrayMenu entry) {
    return Step(__func__, shown(entry), [=] { return chooseFromIcon((int)entry); });
}

Step chooseFromMenu(FilterMenu entry) {
    return Step(__func__, shown(entry),
                [=] { return chooseWithKeys(MainMenu::ColorFilter, (int)entry); });
}

Step command(int id) {
    return Step(__func__, shown(id), [=] {
        SendMessageA(q.window, WM_COMMAND, id, 0);
        return true;
    });
}

Step restack() {
    return Step(__func__, "", [] {
        const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
        SetWindowPos(q.window, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
        SetWindowPos(q.window, HWND_TOPMOST, 0, 0, 0, 0, keep);
        return settle(100);
    });
}
