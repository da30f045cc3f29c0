// The magnifier's one state record and the plain globals beside it.
#pragma once

#include <windows.h>

#include "common/settings.h"

// The settings, derived geometry and GDI handles of the magnifier.
struct MagnifierState : Settings {
    int viewWidth;  // outer width the geometry and back buffer are computed from
    int viewHeight;
    int crossX;  // crosshair in window coordinates for an unclamped source
    int crossY;
    int srcX;  // the magnified screen area
    int srcY;
    int srcWidth;
    int srcHeight;
    int zoomFactor;  // 1..8 or 16; -1 stands for 1.5; 0 until a zoom entry is selected
    int srcHalfWidth;
    int srcHalfHeight;
    int dragOffsetX;  // cursor minus window corner at the press
    int dragOffsetY;
    RECT monitor;  // the whole monitor under the cursor, which the source is kept on
    wchar_t iniPath[MAX_PATH];
    HDC sourceDC;  // the screen DC, or the snapshot DC during a see-through drag
    HDC windowDC;  // null while the drawing surfaces are closed
    HDC backDC;
    HBITMAP backBitmap;
    int frameWidth;  // 1 when frameStyle is not 0
    int pointX;      // the screen point the crosshair marks in the last frame
    int pointY;
    COLORREF pointColor;  // its colour, read when the readout or the copy key is on
};

extern MagnifierState magnifier;

extern HANDLE instanceEvent;
extern HICON trayIcon;
extern int trayIconAdded;
extern int hiddenInTray;
extern int dragging;
extern int lastCursorX;
extern int lastCursorY;
extern int stillTicks;
extern int renderBusy;
extern int frozen;      // the view holds its last image
extern int wheelDelta;  // wheel movement not yet a whole notch
extern UINT_PTR timerId;
extern HMENU mainMenu;
extern HMENU frameMenu;
extern HMENU zoomMenu;
extern HMENU trayMenu;
extern HBITMAP snapshotBitmap;
extern HGDIOBJ oldPen;
extern PAINTSTRUCT paintStruct;
