// Following where the user types (FOLLOW_FOCUS): the text caret of the foreground window, else
// the control that has the keyboard focus.
#pragma once

#include <windows.h>

// With FOLLOW_FOCUS on, listens to the focus moving in every other program (the accessibility
// focus event, which also names controls that are no windows); without it, does nothing.
void startFollowingFocus();
void stopFollowingFocus();

// Looks where the user types, once a tick (the foreground thread's caret and focus). TRUE when
// that spot moved while the mouse rested: the view then centres on it (session.typingLeads)
// until the mouse moves, drags the window or picks a pixel.
BOOL typingSpotMoved(BOOL mouseMoved);
