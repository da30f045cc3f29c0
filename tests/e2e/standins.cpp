// The other programs the driver plays for more than one feature, with their steps: the
// notification area and a program the user types in.
#include "tests/e2e/steps.h"

#include <shellapi.h>

// ---- the notification area ------------------------------------------------------------------

// An icon as Wine's shell32 hands it to the notification area (its platform-independent
// record, followed by the icon's bits).
struct IconRecord {
    DWORD window;
    UINT id, flags, callbackMessage;
    wchar_t tip[128];
    BYTE rest[944 - 272];  // state, balloon texts, version, GUID
    UINT width, height, planes, bitsPerPixel;
};

// The stand-in notification area: its answer, the icons added, changed, removed.
static HWND shell;
static LRESULT shellAnswer;
static int iconAdds, iconChanges, iconDeletes;
static IconRecord lastIconAdded;

static LRESULT CALLBACK shellProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COPYDATA)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    const COPYDATASTRUCT* data = reinterpret_cast<COPYDATASTRUCT*>(lParam);
    iconDeletes += data->dwData == NIM_DELETE;
    iconChanges += data->dwData == NIM_MODIFY &&
                   static_cast<IconRecord*>(data->lpData)->window == (DWORD)(UINT_PTR)q.window;
    if (data->dwData == NIM_ADD && data->cbData >= sizeof lastIconAdded) {
        ++iconAdds;
        memcpy(&lastIconAdded, data->lpData, sizeof lastIconAdded);
    }
    return shellAnswer;
}

// A stand-in shell window that answers `answer` to every request (-1: none); true once it is
// there, or gone.
static bool standInShell(LRESULT answer) {
    WNDCLASSA wc = {0, shellProc};
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    DestroyWindow(shell);
    shell = nullptr;
    shellAnswer = answer;
    iconAdds = iconChanges = iconDeletes = 0;
    lastIconAdded = IconRecord();
    // Topmost, so that it is found before the shell's own window of the class.
    if (answer >= 0)
        shell = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP, 0,
                                0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    return answer < 0 || shell;
}

Step shellAnswering(LRESULT answer) {
    return Step(__func__, shown(answer), [=] { return standInShell(answer); });
}

Step noShell() {
    return Step(__func__, "", [] { return standInShell(-1); });
}

Step shellNowAnswering(LRESULT answer) {
    return Step(__func__, shown(answer), [=] {
        shellAnswer = answer;
        return true;
    });
}

Step iconsAdded(int count) {
    return Step(__func__, shown(count), 2000, [=] { return iconAdds == count; });
}

Step iconsChanged(int count) {
    return Step(__func__, shown(count), 2000, [=] { return iconChanges == count; });
}

Step iconsRemoved(int count) {
    return Step(__func__, shown(count), 2000, [=] { return iconDeletes == count; });
}

// The last icon added is the magnifier's: its window, id 1, its callback message, the face's
// tip and an image of the size the shell asks for.
Step iconAsAsked() {
    return Step(__func__, "", 2000, [] {
        const IconRecord& icon = lastIconAdded;
        return icon.window == (DWORD)(UINT_PTR)q.window && icon.id == 1 &&
               icon.callbackMessage == WM_TRAYNOTIFY &&
               std::wstring(icon.tip) == (face == kJapanese ? L"ＱＦ拡大鏡" : L"QF Magnifier") &&
               (int)icon.width == GetSystemMetrics(SM_CXSMICON) &&
               (int)icon.height == GetSystemMetrics(SM_CYSMICON);
    });
}

// ---- a program the user types in ------------------------------------------------------------

// A window of another program with a text box, where the user types, and a button.
static HWND typingWindow, typingBox, typingButton;

Step userTypesElsewhere() {
    return Step(__func__, "", [] {
        DestroyWindow(typingWindow);
        typingWindow = CreateWindowExA(0, "STATIC", "typing", WS_POPUP | WS_VISIBLE | WS_BORDER,
                                       600, 600, 300, 90, nullptr, nullptr, nullptr, nullptr);
        typingBox = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 280, 40,
                                    typingWindow, nullptr, nullptr, nullptr);
        typingButton = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 5, 50, 100, 30,
                                       typingWindow, nullptr, nullptr, nullptr);
        SetForegroundWindow(typingWindow);
        SetFocus(typingBox);
        pump(300);
        return GetFocus() == typingBox;
    });
}

Step focusOnButton() {
    return Step(__func__, "", [] {
        SetFocus(typingButton);
        return settle(200);
    });
}

Step focusedButtonMoves() {
    return Step(__func__, "", [] {
        MoveWindow(typingButton, 150, 50, 100, 30, TRUE);
        NotifyWinEvent(EVENT_OBJECT_FOCUS, typingButton, OBJID_CLIENT, CHILDID_SELF);
        return settle(200);
    });
}

Step focusFlitsToBoxAndBack() {
    return Step(__func__, "", [] {
        MoveWindow(typingButton, 190, 50, 100, 30, TRUE);
        NotifyWinEvent(EVENT_OBJECT_FOCUS, typingBox, OBJID_CLIENT, CHILDID_SELF);
        NotifyWinEvent(EVENT_OBJECT_FOCUS, typingButton, OBJID_CLIENT, CHILDID_SELF);
        return settle(200);
    });
}

// The text grows by one character, and the typing window stays in front.
Step typingGoesOnThere() {
    return Step(__func__, "", [] {
        int before = GetWindowTextLengthA(typingBox);
        pressKey('Q');
        bool typed = waitUntil([&] { return GetWindowTextLengthA(typingBox) == before + 1; }, 1000);
        HWND front = GetForegroundWindow();
        if (!typed || front != typingWindow)
            printf("  typed: %d -> %d characters, the foreground %p, the typing window %p\n",
                   before, GetWindowTextLengthA(typingBox), (void*)front, (void*)typingWindow);
        return typed && front == typingWindow;
    });
}

// The centre of the text box's caret, or of the button, on the screen, read by the label.
static bool readoutAtTyping(bool caret) {
    GUITHREADINFO info = {sizeof info};
    RECT r = windowRect(typingButton);
    if (caret && GetGUIThreadInfo(GetCurrentThreadId(), &info) && info.hwndCaret)
        MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&info.rcCaret), 2);
    r = caret ? info.rcCaret : r;
    POINT spot = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    bool read =
        waitUntil([&] { return readoutShown(Capture(q.window), spot, kTopLeft, nullptr); }, 2000);
    return check(read, "the label reads %ld, %ld", spot.x, spot.y);
}

Step readoutAtCaret() {
    return Step(__func__, "", [] { return readoutAtTyping(true); });
}

Step readoutAtButton() {
    return Step(__func__, "", [] { return readoutAtTyping(false); });
}

Step hangsWhileMouseMovesTo(POINT cursor) {
    return Step(__func__, shown(cursor), [=] {
        SetFocus(typingBox);
        SetFocus(typingButton);
        Sleep(100);
        SetCursorPos(cursor.x, cursor.y);
        bool followed = false;
        for (DWORD start = GetTickCount(); !followed && GetTickCount() - start < 2000; Sleep(20))
            followed = readoutShown(Capture(q.window), cursor, kTopLeft, "");
        return followed;
    });
}

Step closeWhileHung() {
    return Step(__func__, "", [] {
        PostMessageA(q.window, WM_CLOSE, 0, 0);
        bool ended = WaitForSingleObject(q.process.hProcess, 5000) == WAIT_OBJECT_0;
        return waitExit(q) == 0 && ended;
    });
}
