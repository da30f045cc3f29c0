// The popup menus and the commands they give.
#pragma once

#include <windows.h>

#include "window/state.h"

// The menus as built: the main menu with its frame, zoom and colour filter submenus, and the
// notification icon's short menu.
extern HMENU mainMenu;
extern HMENU frameMenu;
extern HMENU zoomMenu;
extern HMENU filterMenu;
extern HMENU trayMenu;

// Builds the menus in the face in force, checked as the settings say.
void buildMenus();
void showMainMenu(HWND window);
void showTrayMenu(HWND window);
void destroyMenus();

// Selects the zoom entry that many entries on (back when negative), as choosing it does,
// stopping at the first and the last; an unknown zoom counts as the first.
void stepZoomBy(HWND window, int steps);
// The wheel: a notch away from the user selects the next zoom entry, towards the previous one;
// parts of a notch add up.
void stepZoom(HWND window, int delta);

// WM_COMMAND: changes the setting the entry shows, computes the view again, runs what follows
// the entry, then shows the check marks.
void runCommand(HWND window, int command);
