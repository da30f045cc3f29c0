// Resource and command identifiers, shared by the resource script and the code.
#pragma once

#define IDI_APP 101  // the file's own icon group (16 to 48 pixels)
#define IDD_MAGNIFIER 105
#define IDD_HELP 106  // the program's own help, when there is no help file
#define IDC_HELP_TEXT 1001
#define IDI_TRAY 107  // the notification-area icon

// Command ids of the menu entries. IDOK (1) quits; IDCANCEL (2) arrives from WM_CLOSE. The
// zoom entries' ids are the ZOOM values of the settings file (common/settings.h): 40003 to
// 40006 and 40019 to 40024.
#define ID_ALWAYS_TOP 40001
#define ID_SIZE_FIXED 40007
#define ID_CROSS 40009
#define ID_MINIMIZE 40010
#define ID_RESTORE 40011
#define ID_OPEN_HELP 40012
#define ID_INVERT 40013
#define ID_FRAME_NONE 40014
#define ID_FRAME_BLACK 40015
#define IDOJI_TOKA 40018
#define ID_OPEN_INIT 40025
#define ID_EXCLUDE_SELF 40026
#define ID_SMOOTH 40027
#define ID_LENS 40028
#define ID_FILTER_NONE 40030  // the colour filters, in the order of their FILTER values
#define ID_FILTER_GREYSCALE 40031
#define ID_FILTER_PROTANOPIA 40032
#define ID_FILTER_DEUTERANOPIA 40033
#define ID_FILTER_TRITANOPIA 40034

// The notification icon's callback message, in the application's range: WM_USER itself is
// DM_GETDEFID on a dialog.
#define WM_TRAYNOTIFY (WM_APP + 1)
// Posted when the window, minimised with a taskbar button for want of an icon, is restored.
#define WM_DROPTASKBARBUTTON (WM_APP + 2)
// Posted by the focus thread when a newer place of the focus is ready (window/keys/focus.cpp).
#define WM_FOCUSPLACE (WM_APP + 3)
