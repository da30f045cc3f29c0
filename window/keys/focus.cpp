#include <windows.h>

#include <oleacc.h>

#include "window/keys/focus.h"

#include "res/resource.h"

#include "window/platform.h"
#include "window/state.h"

static POINT centreOf(const RECT& r) {
    return {r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
}

// Numbers wrap round: a came after b when it is less than half the range ahead of it.
static BOOL newer(DWORD a, DWORD b) {
    return (LONG)(a - b) > 0;
}

// ---- the focus thread -----------------------------------------------------------------------

static HANDLE focusThread;
static DWORD focusThreadId;
static HWND placeTarget;  // the window the thread posts places to
// Every focus event is numbered as it arrives.
static volatile LONG eventsArrived;

// The newest place posted, which the window takes from here.
static SRWLOCK postedLock = SRWLOCK_INIT;
static FocusPlace posted;

// A stop waits this long for the thread to end.
static const DWORD kStopWaitMs = 1000;

// Out of context, the system calls this on the thread that set the hook, between its messages.
// The accessible object's calls ask the focused program and, while they wait, take in further
// events, which may finish first: each event carries the number it arrived with.
static void CALLBACK
onFocusEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    // The newest event wins even when its object cannot be asked: a null window, no place.
    FocusPlace place = {(DWORD)InterlockedIncrement(&eventsArrived), nullptr, {}};
    IAccessible* accessible = nullptr;
    VARIANT item;
    if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &accessible, &item))) {
        long x, y, width, height;
        if (SUCCEEDED(accessible->accLocation(&x, &y, &width, &height, item))) {
            place.window = window;
            place.centre = centreOf({x, y, x + width, y + height});
        }
        VariantClear(&item);
        accessible->Release();
    }
    postFocusPlace(placeTarget, place);
}

static DWORD WINAPI followFocus(void* ready) {
    // The accessible objects are COM objects, asked from this thread's own apartment.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    MSG msg;
    // The thread's message queue, made before the starter may post to it.
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    HWINEVENTHOOK hook = nullptr;
    if (SUCCEEDED(com))
        hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, onFocusEvent, 0, 0,
                               WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    SetEvent(static_cast<HANDLE>(ready));
    // Dispatched: the messages of COM's own window for this apartment.
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    if (hook)
        UnhookWinEvent(hook);
    if (SUCCEEDED(com))
        CoUninitialize();
    return 0;
}

void startFollowingFocus(HWND window) {
    if (!magnifier.settings.followFocus || focusThread)
        return;
    placeTarget = window;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!ready)
        return;
    focusThread = CreateThread(nullptr, 0, followFocus, ready, 0, &focusThreadId);
    if (focusThread) {
        // Until the thread has its hook and its queue, or has ended: neither waits for another
        // program.
        HANDLE either[] = {ready, focusThread};
        WaitForMultipleObjects(2, either, FALSE, INFINITE);
    }
    CloseHandle(ready);
}

void stopFollowingFocus() {
    if (!focusThread)
        return;
    // WM_QUIT, which a modal loop (COM's, while a call waits) leaves for the thread's own loop;
    // another message posted to the thread would be lost in there.
    PostThreadMessageW(focusThreadId, WM_QUIT, 0, 0);
    // A thread held in a call to a program that hangs cannot end now, and the magnifier exits
    // without it: ending the process ends the thread, and the system removes the hook of a thread
    // that ended. Should the call return before that, the place it posts finds no window and the
    // WM_QUIT waiting in its queue ends it.
    WaitForSingleObject(focusThread, kStopWaitMs);
    CloseHandle(focusThread);
    focusThread = nullptr;
}

// ---- the window's side ----------------------------------------------------------------------

// The object the newest focus event named (null: none that could be asked), taken on the
// window's thread.
static HWND focusedWindow;
static POINT focusedCentre;

void postFocusPlace(HWND target, const FocusPlace& place) {
    AcquireSRWLockExclusive(&postedLock);
    // An older event that finished late is dropped: a newer one's place was handed over already.
    BOOL newest = newer(place.number, posted.number);
    if (newest)
        posted = place;
    ReleaseSRWLockExclusive(&postedLock);
    if (newest)
        PostMessageW(target, WM_FOCUSPLACE, 0, 0);
}

void takePostedFocusPlace() {
    // The newest place posted so far: a message that finds one newer than its own takes it at
    // once, and that one's message then changes nothing.
    AcquireSRWLockShared(&postedLock);
    FocusPlace place = posted;
    ReleaseSRWLockShared(&postedLock);
    focusedWindow = place.window;
    focusedCentre = place.centre;
}

POINT physicalFromLogical(POINT logical,
                          POINT windowOrigin,
                          DPI_AWARENESS awareness,
                          int windowDpi,
                          int monitorDpi) {
    BOOL scaled = awareness == DPI_AWARENESS_UNAWARE || awareness == DPI_AWARENESS_SYSTEM_AWARE;
    if (!scaled || windowDpi <= 0 || monitorDpi <= 0)
        return logical;
    return {windowOrigin.x + MulDiv(logical.x - windowOrigin.x, monitorDpi, windowDpi),
            windowOrigin.y + MulDiv(logical.y - windowOrigin.y, monitorDpi, windowDpi)};
}

// How a window is scaled (Windows 10 1607 and later) and a monitor's DPI (8.1 and later),
// looked up once, on the window's thread.
struct DpiFunctions {
    DPI_AWARENESS_CONTEXT(WINAPI* windowContext)(HWND);
    DPI_AWARENESS(WINAPI* awarenessOf)(DPI_AWARENESS_CONTEXT);
    UINT(WINAPI* windowDpi)(HWND);
    HRESULT(WINAPI* monitorDpi)(HMONITOR, int, UINT*, UINT*);
};

static const DpiFunctions& dpiFunctions() {
    static DpiFunctions found;
    static BOOL looked;
    if (!looked) {
        looked = TRUE;
        HMODULE user = GetModuleHandleW(L"user32.dll");
        // Only from the system folder, and kept: it is asked every tick.
        HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        found.windowContext =
            systemFunction<decltype(found.windowContext)>(user, "GetWindowDpiAwarenessContext");
        found.awarenessOf = systemFunction<decltype(found.awarenessOf)>(
            user, "GetAwarenessFromDpiAwarenessContext");
        found.windowDpi = systemFunction<decltype(found.windowDpi)>(user, "GetDpiForWindow");
        found.monitorDpi = systemFunction<decltype(found.monitorDpi)>(shcore, "GetDpiForMonitor");
    }
    return found;
}

// The caret's rectangle (in its window's client coordinates) on the screen, in true pixels.
// This process is per-monitor aware: the window's origin comes in true pixels, the caret in the
// units its program sees.
static RECT caretOnScreen(HWND window, RECT caret) {
    POINT origin = {0, 0};
    MapWindowPoints(window, nullptr, &origin, 1);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&caret), 2);
    const DpiFunctions& f = dpiFunctions();
    // Without the awareness functions Windows scales no window.
    if (!f.windowContext || !f.awarenessOf || !f.windowDpi || !f.monitorDpi)
        return caret;
    DPI_AWARENESS awareness = f.awarenessOf(f.windowContext(window));
    // A per-monitor-aware window's caret is in true pixels already: no monitor is asked.
    if (awareness != DPI_AWARENESS_UNAWARE && awareness != DPI_AWARENESS_SYSTEM_AWARE)
        return caret;
    const int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI, the DPI Windows scales windows to
    UINT monitorDpi, unused;
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (FAILED(f.monitorDpi(monitor, kEffectiveDpi, &monitorDpi, &unused)))
        return caret;
    int windowDpi = (int)f.windowDpi(window);
    POINT topLeft =
        physicalFromLogical({caret.left, caret.top}, origin, awareness, windowDpi, (int)monitorDpi);
    POINT bottomRight = physicalFromLogical({caret.right, caret.bottom}, origin, awareness,
                                            windowDpi, (int)monitorDpi);
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// Where the user types in the foreground window (thread 0: the foreground window's): the
// centre of the caret, else of the focused object the newest focus event named, in screen
// pixels.
static BOOL findTypingSpot(POINT* spot) {
    GUITHREADINFO info;
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(0, &info))
        return FALSE;
    if (info.hwndCaret) {
        *spot = centreOf(caretOnScreen(info.hwndCaret, info.rcCaret));
        return TRUE;
    }
    *spot = focusedCentre;
    return info.hwndFocus && info.hwndFocus == focusedWindow;
}

BOOL typingSpotMoved(BOOL mouseMoved) {
    POINT spot;
    BOOL seen = findTypingSpot(&spot);
    BOOL moved =
        seen && session.typingKnown && (spot.x != session.typingX || spot.y != session.typingY);
    if (seen) {
        session.typingKnown = seen;
        session.typingX = spot.x;
        session.typingY = spot.y;
    }
    // Pick mode moves the mouse itself; a drag moves the window under it.
    BOOL mouseLeads = mouseMoved || session.dragging || magnifier.loupe.picking;
    session.typingLeads = !mouseLeads && (moved || session.typingLeads);
    return !mouseLeads && moved;
}
