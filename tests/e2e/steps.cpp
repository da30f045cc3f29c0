// The operations of the steps that take more than a line (the others are written where their
// steps are made, in driver.h), and a scenario run.
#include "tests/e2e/driver.h"

// clang-format off
bool stepStart(const Step& s) {
    static std::wstring exe;
    if (s.b != 3) {
        dir = makeScratchDir(settingsText(s.text), s.b == 2 ? kUnusualFolder : nullptr);
        exe = placePrograms(s.b);
    }
    return !exe.empty() && startQilo(q, dir, SW_SHOWNORMAL, exe);
}

bool stepSecondCopy(const Step&) {
    Qilo second;
    std::wstring other = makeScratchDir("");
    return launchQilo(second, other, SW_SHOWNORMAL) && waitExit(second, 5000) == 0 &&
           readFileText(other + L"\\QILO.INI").empty();
}

bool stepDrag(const Step& s) {
    moveCursor(s.a, s.b);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    moveCursor(s.a + s.c / 2, s.b + s.d / 2);
    moveCursor(s.a + s.c, s.b + s.d);
    mouseButton(MOUSEEVENTF_LEFTUP);
    return settle(300);
}

bool stepRightClick(const Step& s) {
    moveCursor(s.a, s.b);
    mouseButton(MOUSEEVENTF_RIGHTDOWN);
    mouseButton(MOUSEEVENTF_RIGHTUP);
    return true;
}

bool stepKeyInto(const Step& s) {
    SetForegroundWindow(frontDialog());
    PostMessageW(frontDialog(), WM_NEXTDLGCTL, (WPARAM)GetDlgItem(frontDialog(), s.a), TRUE);
    pump(200);
    s.c ? keyCombo(s.c, s.b) : pressKey(s.b);
    return settle(200);
}

bool stepWheel(const Step& s) {
    INPUT in = {INPUT_MOUSE};
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    in.mi.mouseData = (DWORD)s.a;
    send({in});
    return settle(200);
}

bool stepMenu(const Step& s) {
    RECT r = windowRect(q.window);
    if (!stepRightClick({nullptr, (int)r.left + 20, (int)r.top + 20}) || !waitForMenu(true))
        return false;
    for (int i = 0; i <= s.a + s.b; ++i)
        pressKey(i == s.a + 1 ? VK_RIGHT : VK_DOWN);  // down to the entry, into its submenu
    pressKey(VK_RETURN);
    return waitForMenu(false) && settle(250);
}

bool stepDisplay(const Step& s) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = s.a;
    mode.dmPelsHeight = s.b;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(s.a ? &mode : nullptr, s.a ? CDS_FULLSCREEN : 0) == 0;
}

// Nothing may wait for the user now: a program that does fails.
bool stepEndSession(const Step&) {
    DWORD_PTR result;
    bool answered = SendMessageTimeoutW(q.window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, 0, 5000, &result) &&
                    SendMessageTimeoutW(q.window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, 0, 5000, &result);
    TerminateProcess(q.process.hProcess, 0);
    return waitExit(q) == 0 && answered;
}

bool stepRestack(const Step&) {
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(q.window, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    SetWindowPos(q.window, HWND_TOPMOST, 0, 0, 0, 0, keep);
    return settle(100);
}

bool stepClose(const Step& s) {
    PostMessageA(q.window, WM_CLOSE, 0, 0);
    return s.a || waitExit(q) == 0;
}

bool stepTool(const Step& s) {
    dir = s.a ? dir : makeScratchDir(settingsText(s.text));
    tool = Qilo();
    if (s.a < 2 && !launchQilo(tool, dir, SW_SHOWNORMAL, buildFolder() + L"QConf.exe"))
        return false;
    return waitUntil([&] { return IsWindowVisible(findWindowOf(tool, kToolCaptions[face])) ||
                                   IsWindowVisible(findWindowOf(tool, kToolCaptions[!face])); }, 5000);
}

// With c, the hot key b into a hot-key control; else the text.
bool stepType(const Step& s) {
    if (s.c)
        SendDlgItemMessageA(frontDialog(), s.a, HKM_SETHOTKEY, s.b, 0);
    return s.c || SetDlgItemTextW(frontDialog(), s.a, widen(s.text).c_str());
}

bool stepHotkeyIs(const Step& s) {
    int shown = (int)(SendDlgItemMessageW(frontDialog(), s.a, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
    if (shown != s.b)
        printf("  the key control shows 0x%X\n", shown);
    return shown == s.b;
}

bool stepRect(const Step& s) {
    RECT r = windowRect(q.window);
    return r.left == s.a && r.top == s.b && r.right == s.c && r.bottom == s.d;
}

bool stepOnScreen(const Step&) {
    RECT r = windowRect(q.window);
    return r.right > 0 && r.bottom > 0 && r.left < 1024 && r.top < 768 && r.right - r.left >= 32 &&
           r.bottom - r.top >= 32;
}

bool stepInFront(const Step&) {
    RECT r = windowRect(q.window);
    return waitUntil([&] { return WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) == q.window; }, 2000);
}

bool stepSource(const Step& s) {
    RECT r = windowRect(q.window);
    return waitForView(q.window, {1, 2, s.a, s.b, false, 0, s.c, s.d}) == 0 &&
           (s.c < 0 || penPixels(Capture(q.window), kPen, s.c, s.d) == r.right - r.left + r.bottom - r.top - 4);
}

bool stepStretch(const Step& s) {
    moveCursor(s.b, s.c);
    return waitUntil([&] { return !stretchErrors(Capture(q.window), s.b - s.a / 2, s.c - s.a / 2, s.a); }, 1500);
}

bool stepMenuAt(const Step& s) {
    RECT r = waitForMenu(true) ? windowRect(openMenu()) : RECT{};
    return r.left == s.a && r.top == s.b && abs(r.bottom - r.top - s.c) < 40;
}

bool stepSaved(const Step& s) {
    std::istringstream lines(s.text);
    for (std::string line; lines >> line;)
        if (readFileText(dir + L"\\QILO.INI").find("\n" + line + "\r") == std::string::npos)
            return false;
    return true;
}

bool stepShows(const Step& s) {
    return waitUntil([&] { return *s.text ? controlText(s.a).find(s.text) != std::string::npos
                                          : (int)IsDlgButtonChecked(frontDialog(), s.a) == s.b; }, 2000);
}

bool stepReadout(const Step& s) {
    moveCursor(s.a, s.b);
    return waitUntil([&] { return readoutShown(Capture(q.window), s.a, s.b, s.c, s.d, s.text); }, 2000);
}

bool stepReadoutAtTyping(const Step& s) {
    POINT spot = typingSpot(s.a);
    bool shown = waitUntil([&] { return readoutShown(Capture(q.window), spot.x, spot.y, false, false, nullptr); }, 2000);
    return check(shown, "the label reads %d, %d", (int)spot.x, (int)spot.y);
}

bool stepSwatch(const Step& s) {
    RECT swatch = windowRect(GetDlgItem(tool.window, IDC_COLOR_SWATCH));
    POINT middle = {(swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2};
    return waitUntil([&] { return Capture(RECT{middle.x, middle.y, middle.x + 1, middle.y + 1}).at(0, 0) == (COLORREF)s.a; }, 2000);
}

bool stepClipboard(const Step& s) {
    return waitUntil([&] { return clipboardHolds(*s.text ? s.text : colorText(patternColor(s.a, s.b))); }, 2000);
}

bool stepKeyFree(const Step& s) {
    return waitUntil([&] {
        bool free = RegisterHotKey(nullptr, 0x7100, s.b, s.a);
        UnregisterHotKey(nullptr, 0x7100);
        return free == (s.c != 0);
    }, 2000);
}

bool stepHelp(const Step& s) {
    return waitUntil([&] { return helpWindows() == s.a && (s.a == 0 || helpButtonFocused()); }, 2000);
}

bool stepSaveFailed(const Step& s) {
    return saveFailureTold(s.a ? tool : q, s.b) && (s.a || waitExit(q) == 0);
}

bool stepRestarted(const Step& s) {
    if (waitExit(q) != 0 || !waitUntil([&] { return findWindowOf(q = Qilo(), nullptr) != nullptr; }, 10000))
        return false;
    stepRestack(s);  // Wine may leave the new window's X window under the pattern's
    moveCursor(500, 400);
    return waitUntil([&] { Capture c(q.window); return penPixels(c, s.a, c.width / 2, c.height / 2) == c.width + c.height - 4; }, 3000);
}
// clang-format on

// Runs the steps in order; a failed step is reported with what the program shows then.
void run(std::initializer_list<Step> steps) {
    int number = 0;
    for (const Step& s : steps) {
        ++number;
        if (!check(s.run(s), "step %d, %s: %d %d %d %d \"%s\"", number, s.name, s.a, s.b, s.c, s.d,
                   s.text)) {
            RECT r = windowRect(q.window);
            printf("  the window: (%ld, %ld)-(%ld, %ld), properties %d; the settings:\n%s\n",
                   r.left, r.top, r.right, r.bottom, properties(),
                   readFileText(dir + L"\\QILO.INI").c_str());
        }
    }
}
