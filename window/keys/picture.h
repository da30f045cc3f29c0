// The save key: the view as shown, as a PNG file named with the date and time.
#pragma once

#include <windows.h>

// Saves into SAVE_FOLDER, or the user's Pictures folder; a failure is told in a message.
void saveViewAsPicture(HWND window);

// Writes the bitmap into a new PNG file through the system's imaging component; S_OK or the
// failure (a file begun is removed).
HRESULT writePng(HBITMAP bitmap, const wchar_t* path);
