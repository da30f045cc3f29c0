// The popup menus and the commands they give.
#pragma once

#include <windows.h>

#include "app/state.h"

void buildMenus(MagnifierState* state);
void showMainMenu(HWND window);
void showTrayMenu(HWND window);
void destroyMenus();

// Sets or clears the check mark of an entry of the main menu.
void setMainMenuCheck(UINT command, BOOL checked);

// The wheel: a notch away from the user selects the next zoom entry, towards the previous one,
// as choosing it does; parts of a notch add up.
void stepZoom(HWND window, int delta);

// WM_COMMAND: runs the command, then recomputes the geometry.
void runCommand(HWND window, int command);
