#include <windows.h>

#include <oleacc.h>

#include "window/focus.h"

#include "window/state.h"

static HWINEVENTHOOK focusHook;
// The object the last focus event named: its window, and its rectangle's centre on the screen.
static HWND focusedWindow;
static POINT focusedCentre;
// The foreground thread's caret and focus at the last look, and whether a focus event came
// since: the spot is looked for again only when one of them changed, so that a resting tick
// costs the one query.
static GUITHREADINFO lastLook;
static BOOL focusEventCame;

static POINT centreOf(const RECT& r) {
    return {r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
}

// Out of context, the system calls this on the magnifier's thread, between its messages.
static void CALLBACK
onFocusEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT item;
    if (FAILED(AccessibleObjectFromEvent(window, object, child, &accessible, &item)))
        return;
    long x, y, width, height;
    if (SUCCEEDED(accessible->accLocation(&x, &y, &width, &height, item))) {
        focusedWindow = window;
        focusedCentre = centreOf({x, y, x + width, y + height});
        focusEventCame = TRUE;
    }
    VariantClear(&item);
    accessible->Release();
}

void startFollowingFocus() {
    if (!magnifier.settings.followFocus || focusHook)
        return;
    // The accessible objects are COM objects; the thread stays in its apartment until it ends.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    focusHook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, onFocusEvent, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

void stopFollowingFocus() {
    if (focusHook)
        UnhookWinEvent(focusHook);
    focusHook = nullptr;
}

static BOOL lookChanged(const GUITHREADINFO& info) {
    BOOL changed = focusEventCame || info.hwndCaret != lastLook.hwndCaret ||
                   info.hwndFocus != lastLook.hwndFocus ||
                   !EqualRect(&info.rcCaret, &lastLook.rcCaret);
    lastLook = info;
    focusEventCame = FALSE;
    return changed;
}

// Where the user types in the foreground window: the centre of the caret, else of the focused
// object the focus event named, in screen pixels.
static BOOL findTypingSpot(GUITHREADINFO info, POINT* spot) {
    if (info.hwndCaret) {
        MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&info.rcCaret), 2);
        *spot = centreOf(info.rcCaret);
        return TRUE;
    }
    if (!info.hwndFocus || info.hwndFocus != focusedWindow)
        return FALSE;
    *spot = focusedCentre;
    return TRUE;
}

BOOL typingSpotMoved(BOOL mouseMoved) {
    GUITHREADINFO info;
    info.cbSize = sizeof info;
    POINT spot;
    // Thread 0: the foreground window's.
    BOOL seen = GetGUIThreadInfo(0, &info) && lookChanged(info) && findTypingSpot(info, &spot);
    BOOL moved =
        seen && session.typingKnown && (spot.x != session.typingX || spot.y != session.typingY);
    if (seen) {
        session.typingKnown = 1;
        session.typingX = spot.x;
        session.typingY = spot.y;
    }
    // Pick mode moves the mouse itself; a drag moves the window under it.
    if (mouseMoved || session.dragging || magnifier.loupe.picking) {
        session.typingLeads = 0;
        return FALSE;
    }
    if (moved)
        session.typingLeads = 1;
    return moved;
}
