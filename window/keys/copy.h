// The copy key: the marked pixel's colour and the view, on the clipboard.
#pragma once

#include <windows.h>

// Puts the colour as text in the format chosen (COLOR_FORMAT) and the view as shown on the
// clipboard.
void copyReadout(HWND window);
