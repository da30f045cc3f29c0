// The window's sizing: the edges that size it, and the new sizes snapped to the zoom.
#pragma once

#include <windows.h>

// The band along the edges that sizes the window, at 96 DPI; near the corners, both ways.
static const int kSizingEdgeAt96 = 4, kSizingCornerAt96 = 12;
// What the point of a window at that DPI is: an edge or corner that sizes it (HTLEFT ...
// HTBOTTOMRIGHT), or HTCLIENT, which drags it.
LRESULT sizingHitTest(RECT window, POINT point, int dpi);
// WM_NCHITTEST: a window whose size is not fixed is sized at its edges. The compositor of
// Windows 10 and 11 would draw a sizing border (WS_THICKFRAME) of a window without a caption
// as a white strip and clear bands, so the window keeps its thin border and answers this.
// FALSE leaves the message to the system.
BOOL answerSizingHitTest(HWND window, POINT point);
// WM_WINDOWPOSCHANGING: a new size the program sets snaps to the zoom. The user's sizing is
// snapped in WM_SIZING instead, and passes here as it is.
void snapWindowSize(WINDOWPOS* pos);
// WM_ENTERSIZEMOVE and WM_EXITSIZEMOVE: the system's sizing loop starts and ends.
void startUserSizing(HWND window);
void endUserSizing();
// WM_SIZING: the rectangle the user drags to, snapped from the edge dragged (WMSZ_...).
void snapUserSizing(int edge, RECT* rect);
