#include <windows.h>

#include <oleacc.h>

#include "window/focus.h"

#include "window/state.h"

static HWINEVENTHOOK focusHook;
// The object the last focus event named: its window, and its rectangle's centre on the screen.
static HWND focusedWindow;
static POINT focusedCentre;

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
    }
    VariantClear(&item);
    accessible->Release();
}

void startFollowingFocus() {
    if (!magnifier.settings.followFocus)
        return;
    // The accessible objects are COM objects; the thread stays in its apartment until it ends.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    focusHook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, onFocusEvent, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

void stopFollowingFocus() {
    UnhookWinEvent(focusHook);  // none: refused, harmlessly
}

// Where the user types in the foreground window (thread 0: the foreground window's): the
// centre of the caret, else of the focused object the focus event named, in screen pixels.
static BOOL findTypingSpot(POINT* spot) {
    GUITHREADINFO info;
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(0, &info))
        return FALSE;
    if (info.hwndCaret) {
        MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&info.rcCaret), 2);
        *spot = centreOf(info.rcCaret);
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
