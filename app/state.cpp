#include <windows.h>

#include "app/state.h"

MagnifierState magnifier;

HANDLE instanceEvent;
HICON trayIcon;
int trayIconAdded;
int hiddenInTray;
int dragging;
int lastCursorX;
int lastCursorY;
int stillTicks;
int renderBusy;
int frozen;
int wheelDelta;
UINT_PTR timerId;
HMENU mainMenu;
HMENU frameMenu;
HMENU zoomMenu;
HMENU trayMenu;
HBITMAP snapshotBitmap;
HGDIOBJ oldPen;
PAINTSTRUCT paintStruct;
