// The help entry: the help file when there is one, else the program's own help window.
#pragma once

#include <windows.h>

// Opens the help; a help window already open is brought to the front, not opened twice.
void openHelp(HWND window);

// Lets the open help window handle its keyboard (Tab, Enter, Esc); TRUE when it took msg.
BOOL isHelpMessage(MSG* msg);
