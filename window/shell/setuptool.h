// The settings entry: the set-up tool QConf.exe, started beside the magnifier.
#pragma once

#include <windows.h>

// The set-up tool for the program at the path given, by its full path: the one beside the
// program, else, unless elevated, the current directory's (a folder any program may write, whose
// QConf.exe would run as administrator without a prompt). FALSE when there is none.
BOOL findSetupTool(wchar_t* path, const wchar_t* program, BOOL elevated);
// Starts the tool in the magnifier's current directory, or says that there is none.
void openSetupTool(HWND window);
