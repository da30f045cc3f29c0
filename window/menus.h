// The popup menus and the commands they give.
#pragma once

#include <windows.h>

#include "window/state.h"

// The menus as built: the main menu with its frame and zoom submenus, and the notification
// icon's short menu.
extern HMENU mainMenu;
extern HMENU frameMenu;
extern HMENU zoomMenu;
extern HMENU trayMenu;

// Builds the menus in the face in force, checked as the settings say.
void buildMenus(const MagnifierState* state);
void showMainMenu(HWND window);
void showTrayMenu(HWND window);
void destroyMenus();

// The wheel: a notch away from the user selects the next zoom entry, towards the previous one,
// as choosing it does; parts of a notch add up.
void stepZoom(HWND window, int delta);

// The set-up tool for the program at the path given, by its full path: the one beside the
// program, else, unless elevated, the current directory's (a folder any program may write, whose
// QConf.exe would run as administrator without a prompt). FALSE when there is none.
BOOL findSetupTool(wchar_t* path, const wchar_t* program, BOOL elevated);

// WM_COMMAND: runs the command, then shows the check marks and computes the view again.
void runCommand(HWND window, int command);
