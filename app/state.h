// The magnifier's one state record and the plain globals beside it.
#pragma once

#include <windows.h>

// All settings, derived geometry and GDI handles of the magnifier. Every flag is an int:
// set means not 0.
struct MagnifierState {
    int isTop;           // window stays above non-topmost windows (IsTop)
    int isCross;         // draw the crosshair (IsCross)
    int sizeFixed;       // no sizing border, size changes ignored (WSIZE)
    int seeThroughDrag;  // magnify a snapshot of what lies beneath while dragging (ISTOKA)
    int hotkeyEnabled;   // register Ctrl+Space at start (VK_SPACE)
    int windowX;         // outer left edge, screen coordinates (X)
    int windowY;         // outer top edge (Y)
    int viewWidth;       // outer width the geometry and back buffer are computed from
    int viewHeight;
    int crossX;  // crosshair in window coordinates for an unclamped source
    int crossY;
    int srcX;  // the magnified screen area
    int srcY;
    int srcWidth;
    int srcHeight;
    int zoomCommand;  // the zoom command in force (ZOOM)
    int zoomFactor;   // 1..8 or 16; -1 stands for 1.5; 0 until a zoom entry is selected
    int srcHalfWidth;
    int srcHalfHeight;
    int dragOffsetX;  // cursor minus window corner at the press
    int dragOffsetY;
    RECT monitor;    // the whole monitor under the cursor, which the source is kept on
    int intervalMs;  // period of timer 1 (INT_TIME)
    wchar_t iniPath[MAX_PATH];
    HDC sourceDC;  // the screen DC, or the snapshot DC during a see-through drag
    HDC windowDC;  // null while the drawing surfaces are closed
    HDC backDC;
    HBITMAP backBitmap;
    COLORREF penColor;  // crosshair pen (COLOR)
    DWORD rop;          // final blit: SRCCOPY, or NOTSRCCOPY when inverted (ROP)
    int frameStyle;     // 0 no frame, 1 black frame (FRAME)
    int frameWidth;     // 1 when frameStyle is not 0
    int showInfo;       // the readout of position and colour in the view (INFO)
    int freezeHotkey;   // global hot keys as stored (HK_FREEZE, HK_COPY), 0 for none
    int copyHotkey;
    int pointX;  // the screen point the crosshair marks in the last frame
    int pointY;
    COLORREF pointColor;  // its colour, read when the readout or the copy key is on
};

extern MagnifierState magnifier;

extern int windowWidth;  // the outer size the window is held at (WIDTH, HEIGHT)
extern int windowHeight;
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
