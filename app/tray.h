// The notification icon, hiding to it and restoring from it, and the Ctrl+Space hot key.
#pragma once

#include <windows.h>

// The icon id and the hot key id.
static const UINT kTrayIconId = 1;
static const int kHotkeyId = 0;
static const int kFreezeHotkeyId = 1;
static const int kCopyHotkeyId = 2;

// Adds the notification icon; on failure titles the window so that it can be found when
// minimised. Sets trayIconAdded.
void addTrayIcon(HWND window);
// Loads the icon at the size the shell asks for (into trayIcon, freeing the one before).
void loadTrayIcon();
// The icon loaded again (the DPI has changed) and shown.
void updateTrayIcon(HWND window);
void removeTrayIcon(HWND window);
// Ctrl+Space, and the freeze and copy keys when set; a key another program holds is skipped.
void registerHotkey(HWND window);

void hideOrMinimize(HWND window, UINT_PTR timer);
void restoreWindow(HWND window);
void toggleHidden(HWND window);
// WM_DROPTASKBARBUTTON: a window restored from its taskbar button is a tool window again.
void dropTaskbarButton(HWND window);

// WM_TRAYNOTIFY: the mouse message on the icon is in lParam.
void onTrayMouse(HWND window, LPARAM mouseMessage);
// The shell has restarted (the registered "TaskbarCreated" message): add the icon, also when
// it could not be added before.
void onTaskbarCreated(HWND window);
