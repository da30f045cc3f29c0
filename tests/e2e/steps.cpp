// The steps carried out, and a scenario run.
#include "tests/e2e/driver.h"

// clang-format off
bool runStep(const Step& s) {
    HWND w = q.window;
    RECT r = windowRect(w);
    const char* text = s.text ? s.text : "";
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    switch (s.op) {
        case Start: {
            static std::wstring exe;
            if (s.b != 3) {
                dir = makeScratchDir(settingsText(text), s.b == 2 ? kUnusualFolder : nullptr);
                exe = placePrograms(s.b);
            }
            return !exe.empty() && startQilo(q, dir, SW_SHOWNORMAL, exe);
        }
        case ToolFrom: return toolImage() == narrow(dir) + "\\" + text;
        case KeyInto:
            SetForegroundWindow(frontDialog());
            PostMessageW(frontDialog(), WM_NEXTDLGCTL, (WPARAM)GetDlgItem(frontDialog(), s.a), TRUE);
            pump(200);
            if (s.c)
                keyCombo(s.c, s.b);
            else
                pressKey(s.b);
            return runStep({Wait, 200});
        case Choose: return SendDlgItemMessageW(frontDialog(), s.a, CB_SETCURSEL, s.b, 0) == s.b;
        case Chosen: return SendDlgItemMessageW(frontDialog(), s.a, CB_GETCURSEL, 0, 0) == s.b;
        case HotkeyIs: {
            int shown = (int)(SendDlgItemMessageW(frontDialog(), s.a, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
            if (shown != s.b)
                printf("  the key control shows 0x%X\n", shown);
            return shown == s.b;
        }
        case StartShown: dir = makeScratchDir(settingsText(text)); return startQilo(q, dir, s.a);
        case HitTest: return SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(s.a, s.b)) == s.c;
        case Typing: startTyping(); return GetFocus() == typingBox;
        case Typed: return typingGoesOn();
        case InFront:
            return waitUntil([&] { return WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) == w; }, 2000);
        case ShellAnswer: shellAnswer = s.a; return true;
        case OldWindows: return pretendOldWindows(s.a);
        case SessionChange: PostMessageA(w, WM_WTSSESSION_CHANGE, s.a, 0); return runStep({Wait, 200});
        case SecondCopy: {
            Qilo second;
            std::wstring other = makeScratchDir("");
            return launchQilo(second, other, SW_SHOWNORMAL) && waitExit(second, 5000) == 0 &&
                   readFileText(other + L"\\QILO.INI").empty();
        }
        case Pattern: paintPattern(s.a); return true;
        case Move: moveCursor(s.a, s.b); return true;
        case Mouse: mouseButton(s.a); return true;
        case Drag:
            runStep({Move, s.a, s.b});
            mouseButton(MOUSEEVENTF_LEFTDOWN);
            runStep({Move, s.a + s.c / 2, s.b + s.d / 2});
            runStep({Move, s.a + s.c, s.b + s.d});
            mouseButton(MOUSEEVENTF_LEFTUP);
            return runStep({Wait, 300});
        case RightClick:
            moveCursor(s.a, s.b);
            mouseButton(MOUSEEVENTF_RIGHTDOWN);
            return runStep({Mouse, MOUSEEVENTF_RIGHTUP});
        case Key: pressKey(s.a, s.b != 2, s.b != 1); return true;
        case CtrlSpace: keyCombo(VK_CONTROL, VK_SPACE); return true;
        case Keys: keyCombo(s.a, s.b); return runStep({Wait, 200});
        case Wheel: {
            INPUT in = {INPUT_MOUSE};
            in.mi.dwFlags = MOUSEEVENTF_WHEEL;
            in.mi.mouseData = (DWORD)s.a;
            send({in});
            return runStep({Wait, 200});
        }
        case Menu:
            if (!runStep({RightClick, (int)r.left + 20, (int)r.top + 20}) || !waitForMenu(true))
                return false;
            for (int i = 0; i <= s.a + s.b; ++i)
                pressKey(i == s.a + 1 ? VK_RIGHT : VK_DOWN);  // down to the entry, into its submenu
            pressKey(VK_RETURN);
            return waitForMenu(false) && runStep({Wait, 250});
        case Tray: PostMessageA(w, WM_TRAYNOTIFY, 1, s.a); return runStep({Wait, 300});
        case Restore: PostMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0); return runStep({Wait, 300});
        case Command: SendMessageA(w, WM_COMMAND, s.a, 0); return true;
        case Place: return SetWindowPos(w, nullptr, s.a, s.b, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        case Display: {
            DEVMODEA mode = {};
            mode.dmSize = sizeof mode;
            mode.dmPelsWidth = s.a;
            mode.dmPelsHeight = s.b;
            mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
            return ChangeDisplaySettingsA(s.a ? &mode : nullptr, s.a ? CDS_FULLSCREEN : 0) == 0;
        }
        case EndSession: {  // nothing may wait for the user now: a program that does fails
            DWORD_PTR result;
            bool answered = SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, 0, 5000, &result) &&
                            SendMessageTimeoutW(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, 0, 5000, &result);
            TerminateProcess(q.process.hProcess, 0);
            return waitExit(q) == 0 && answered;
        }
        case Shell: standInShell(s.a); return true;
        case ShellBack: return PostMessageA(w, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        case Restack:
            SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
            SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, keep);
            return runStep({Wait, 100});
        case Wait: pump(s.a); return true;
        case Close: PostMessageA(w, WM_CLOSE, 0, 0); return s.a || waitExit(q) == 0;
        case Unwritable:  // a folder where the file should be
            DeleteFileW((dir + L"\\" + widen(text)).c_str());
            return CreateDirectoryW((dir + L"\\" + widen(text)).c_str(), nullptr);
        case SaveFailed: return saveFailureTold(s.a ? tool : q, s.b) && (s.a || waitExit(q) == 0);
        case Face: return checkFace();
        case Tool:
            dir = s.a ? dir : makeScratchDir(settingsText(text));
            tool = Qilo();
            if (s.a < 2 && !launchQilo(tool, dir, SW_SHOWNORMAL, buildFolder() + L"QConf.exe"))
                return false;
            return waitUntil([&] { return IsWindowVisible(findWindowOf(tool, kToolCaptions[face])) ||
                                           IsWindowVisible(findWindowOf(tool, kToolCaptions[!face])); }, 5000);
        case Type:
            if (!s.text)
                SendDlgItemMessageA(frontDialog(), s.a, HKM_SETHOTKEY, s.b, 0);
            return !s.text || SetDlgItemTextW(frontDialog(), s.a, widen(text).c_str());
        case Click: PostMessageA(GetDlgItem(frontDialog(), s.a), BM_CLICK, 0, 0); return runStep({Wait, 300});
        case ToolGone: tool.window = nullptr; return waitExit(tool, 5000) == 0;
        case HelpFile: standInHelpProgram(); return true;
        case Rect: return r.left == s.a && r.top == s.b && r.right == s.c && r.bottom == s.d;
        case OnScreen: return r.right > 0 && r.bottom > 0 && r.left < 1024 && r.top < 768 &&
                              r.right - r.left >= 32 && r.bottom - r.top >= 32;
        case Is: return waitUntil([&] { return (properties() & (s.a | s.b)) == s.a; }, 2000);
        case View: return checkView(s, r, text);
        case Source:
            return waitForView(w, {1, 2, s.a, s.b, false, 0, s.c, s.d}) == 0 &&
                   (s.c < 0 || penPixels(Capture(w), kPen, s.c, s.d) == r.right - r.left + r.bottom - r.top - 4);
        case Stretch:
            moveCursor(s.b, s.c);
            return waitUntil([&] { return !stretchErrors(Capture(w), s.b - s.a / 2, s.c - s.a / 2, s.a); }, 1500);
        case MenuAt:
            r = waitForMenu(true) ? windowRect(openMenu()) : RECT{};
            return r.left == s.a && r.top == s.b && abs(r.bottom - r.top - s.c) < 40;
        case NoMenu: return !waitForMenu(true, 300);
        case IconAdds: return waitUntil([&] { return iconAdds == s.a; }, 2000);
        case IconAsAsked: return waitUntil(iconAddedAsAsked, 2000);
        case IconsRemoved: return waitUntil([&] { return iconDeletes == s.a; }, 2000);
        case Saved: {
            std::istringstream lines(text);
            for (std::string line; lines >> line;) {
                if (readFileText(dir + L"\\QILO.INI").find("\n" + line + "\r") == std::string::npos)
                    return false;
            }
            return true;
        }
        case File: return readFileText(dir + L"\\QILO.INI") == settingsText(text);
        case Shows:
            return waitUntil([&] { return *text ? controlText(s.a).find(text) != std::string::npos
                                                : (int)IsDlgButtonChecked(frontDialog(), s.a) == s.b; }, 2000);
        case ReadoutHere: return waitUntil([&] { return readoutShown(Capture(w), s.a, s.b, false, false, text); }, 2000);
        case Readout:
            moveCursor(s.a, s.b);
            return waitUntil([&] { return readoutShown(Capture(w), s.a, s.b, s.c, s.d, text); }, 2000);
        case Swatch: {
            RECT swatch = windowRect(GetDlgItem(tool.window, IDC_COLOR_SWATCH));
            POINT middle = {(swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2};
            return waitUntil([&] { return Capture(RECT{middle.x, middle.y, middle.x + 1, middle.y + 1}).at(0, 0) == (COLORREF)s.a; }, 2000);
        }
        case Clipboard: return waitUntil([&] { return clipboardHolds(*text ? text : colorText(patternColor(s.a, s.b))); }, 2000);
        case CursorAt: return waitUntil([&] { POINT p; return GetCursorPos(&p) && p.x == s.a && p.y == s.b; }, 2000);
        case KeyFree:
            return waitUntil([&] {
                bool free = RegisterHotKey(nullptr, 0x7100, s.b, s.a);
                UnregisterHotKey(nullptr, 0x7100);
                return free == (s.c != 0);
            }, 2000);
        case Stubborn: return stubbornMagnifier(s.a);
        case MoveAway:  // over what an earlier run in a directory of the same name left
            return MoveFileExW((dir + L"\\" + widen(text)).c_str(), (dir + L"\\" + widen(text) + L".gone").c_str(),
                               MOVEFILE_REPLACE_EXISTING);
        case TakeNames: takePictureNames(dir + L"\\" + widen(text), s.a); return true;
        case Pictures: return waitUntil([&] { return picturesIn(dir + L"\\" + widen(text)) == s.a; }, 3000);
        case Help: return waitUntil([&] { return helpWindows() == s.a && helpRequests == s.b && (s.a == 0 || helpButtonFocused()); }, 2000);
        case Restarted:
            if (waitExit(q) != 0 || !waitUntil([&] { return findWindowOf(q = Qilo(), nullptr) != nullptr; }, 10000))
                return false;
            moveCursor(500, 400);
            return waitUntil([&] { Capture c(q.window); return penPixels(c, s.a, c.width / 2, c.height / 2) == c.width + c.height - 4; }, 3000);
    }
    return false;
}
// clang-format on

// Runs the steps in order; a failed step is reported with what the program shows then.
void run(std::initializer_list<Step> steps) {
    int number = 0;
    for (const Step& s : steps) {
        ++number;
        if (!check(runStep(s), "step %d, %s: %d %d %d %d \"%s\"", number, s.name ? s.name : "?",
                   s.a, s.b, s.c, s.d, s.text ? s.text : "")) {
            RECT r = windowRect(q.window);
            printf("  the window: (%ld, %ld)-(%ld, %ld), properties %d; the settings:\n%s\n",
                   r.left, r.top, r.right, r.bottom, properties(),
                   readFileText(dir + L"\\QILO.INI").c_str());
        }
    }
}
