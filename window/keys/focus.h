// Following where the user types (FOLLOW_FOCUS): the text caret of the foreground window, else
// the control that has the keyboard focus.
#pragma once

#include <windows.h>

// With FOLLOW_FOCUS on, a thread of its own listens to the focus moving in every other program
// (the accessibility focus event, which also names controls that are no windows) and posts
// each place it finds to the window; without it, does nothing. Asking another program where its
// control is may take long, or forever when that program hangs: the window's thread never waits
// for it.
void startFollowingFocus(HWND window);
void stopFollowingFocus();

// The focused object's window and the centre of its rectangle on the screen, found for the
// focus event that arrived as number `number`.
struct FocusPlace {
    DWORD number;
    HWND window;
    POINT centre;
};
// Hands a place to the window (the focus thread does, once a place is found), unless a newer
// event's place was handed over already: a program slow to answer must not take the view back
// to where the focus was before ...
void postFocusPlace(HWND target, const FocusPlace& place);
// ... and the window takes the newest (on WM_FOCUSPLACE).
void takePostedFocusPlace();

// A point of a window that its program sees in its own units, mapped onto the screen as though
// those were pixels (the window's origin, in pixels, plus the point's offset from it), in true
// pixels: Windows scales a window that is not per-monitor aware from the DPI it gives the
// window to its monitor's, and hands its caret over unscaled. A per-monitor-aware window, or a
// system without the awareness (invalid), is not scaled.
POINT physicalFromLogical(POINT logical,
                          POINT windowOrigin,
                          DPI_AWARENESS awareness,
                          int windowDpi,
                          int monitorDpi);

// Looks where the user types, once a tick (the foreground thread's caret and focus). TRUE when
// that spot moved while the mouse rested: the view then centres on it (session.typingLeads)
// until the mouse moves, drags the window or picks a pixel.
BOOL typingSpotMoved(BOOL mouseMoved);
