// Following where the user types: when the caret's moves lead the view, and when the mouse does;
// a scaled program's caret; the newest focus event; the focus thread.
#include <windows.h>

#include <tlhelp32.h>

#include "tests/unit/support.h"
#include "window/keys/focus.h"

TEST_CASE("the caret leads the view when it moves while the mouse rests, drags and picks nothing") {
    const struct {
        const char* what;
        int caretX;
        BOOL mouseMoved;
        int dragging, picking;
        BOOL moved;
        int leads;
    } rows[] = {
        {"first seen", 10, FALSE, 0, 0, FALSE, 0},    {"moved", 20, FALSE, 0, 0, TRUE, 1},
        {"resting", 20, FALSE, 0, 0, FALSE, 1},       {"mouse moved", 30, TRUE, 0, 0, FALSE, 0},
        {"both resting", 30, FALSE, 0, 0, FALSE, 0},  {"while dragging", 40, FALSE, 1, 0, FALSE, 0},
        {"while picking", 50, FALSE, 0, 1, FALSE, 0}, {"moved again", 60, FALSE, 0, 0, TRUE, 1},
        {"caret gone", -1, FALSE, 0, 0, FALSE, 1},  // the view stays where the caret was
    };
    loadSettingsFrom("FOLLOW_FOCUS=1\0");
    // A window of this program in front, with a caret 2 x 10 pixels.
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 50,
                                  nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    CreateCaret(window, nullptr, 2, 10);
    for (const auto& row : rows) {
        INFO(std::string(row.what));
        if (row.caretX < 0)
            DestroyCaret();
        SetCaretPos(row.caretX, 5);
        session.dragging = row.dragging;
        magnifier.loupe.picking = row.picking;
        CHECK(typingSpotMoved(row.mouseMoved) == row.moved);
        CHECK(session.typingLeads == row.leads);
    }
    CHECK(session.typingX == 100 + 60 + 1);  // the caret's centre on the screen
    CHECK(session.typingY == 100 + 5 + 5);
    DestroyWindow(window);
}

TEST_CASE("a caret Windows scales is found where it shows, in true pixels") {
    // The caret's window has its client area's origin at (1000, 500) on the screen; the caret,
    // mapped from the units its program sees as though they were pixels.
    const POINT origin = {1000, 500};
    // clang-format off
    const struct {
        const char* what;
        DPI_AWARENESS awareness;
        int windowDpi, monitorDpi;
        POINT logical, physical;
    } rows[] = {
        {"unaware, on 150 %",                 DPI_AWARENESS_UNAWARE,           96, 144, {1030, 520}, {1045, 530}},
        {"system aware at 150 %, on 100 %",   DPI_AWARENESS_SYSTEM_AWARE,     144,  96, {1030, 520}, {1020, 513}},
        {"system aware at 125 %, on 175 %",   DPI_AWARENESS_SYSTEM_AWARE,     120, 168, {1030, 520}, {1042, 528}},
        {"left of the origin (right to left)", DPI_AWARENESS_UNAWARE,          96, 144, {970, 520},  {955, 530}},
        {"per-monitor aware: true pixels",    DPI_AWARENESS_PER_MONITOR_AWARE, 96, 144, {1030, 520}, {1030, 520}},
        {"before Windows 10 1607: unscaled",  DPI_AWARENESS_INVALID,           96, 144, {1030, 520}, {1030, 520}},
        {"the window's DPI unknown",          DPI_AWARENESS_UNAWARE,            0, 144, {1030, 520}, {1030, 520}},
    };
    // clang-format on
    for (const auto& row : rows) {
        INFO(std::string(row.what));
        POINT found =
            physicalFromLogical(row.logical, origin, row.awareness, row.windowDpi, row.monitorDpi);
        CHECK(found.x == row.physical.x);
        CHECK(found.y == row.physical.y);
    }
}

TEST_CASE("the newest focus event's place is taken, whichever finished last") {
    // Numbers far from the fresh process's, and past the point where they wrap round.
    const DWORD base = 0x7FFFFF00;
    const struct {
        const char* what;
        DWORD number;
        int centreX;
        int viewX;  // where the view then finds the focus
    } rows[] = {
        {"first", base + 1, 110, 110},
        {"newer", base + 3, 130, 130},
        {"older, finished late", base + 2, 120, 130},
        {"newer again", base + 4, 140, 140},
        {"far on", 0xF0000000, 150, 150},
        {"wrapped round", 0x10, 160, 160},
        {"before the wrap, finished late", 0xF0000001, 170, 160},
    };
    loadSettingsFrom("FOLLOW_FOCUS=1\0");
    // A window of this program in front, its button focused: no caret.
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 50,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 5, 5, 100, 30, window,
                                  nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    SetFocus(button);
    for (const auto& row : rows) {
        INFO(std::string(row.what));
        postFocusPlace(window, {row.number, button, {row.centreX, 300}});
        // The dialog's WM_FOCUSPLACE.
        for (MSG msg; PeekMessageW(&msg, window, WM_FOCUSPLACE, WM_FOCUSPLACE, PM_REMOVE);)
            takePostedFocusPlace();
        typingSpotMoved(FALSE);
        CHECK(session.typingKnown);
        CHECK(session.typingX == row.viewX);
    }
    DestroyWindow(window);
}

// The threads of this process now.
static int threadsRunning() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry;
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

TEST_CASE("following the focus runs a thread of its own, which ends when it stops") {
    const struct {
        const char* settings;
        int threads;  // while following
    } rows[] = {
        {"FOLLOW_FOCUS=0\0", 0},
        {"FOLLOW_FOCUS=1\0", 1},
    };
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    for (const auto& row : rows) {
        INFO(std::string(row.settings));
        loadSettingsFrom(row.settings);
        int before = threadsRunning();
        startFollowingFocus(window);
        CHECK(threadsRunning() == before + row.threads);
        DWORD start = GetTickCount();
        stopFollowingFocus();
        CHECK(GetTickCount() - start < 500);  // ended, not given up on
        CHECK(threadsRunning() == before);
    }
    DestroyWindow(window);
}
