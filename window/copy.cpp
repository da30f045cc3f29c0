#include <windows.h>

#include "window/copy.h"

#include "view/color.h"
#include "view/readout.h"
#include "window/state.h"

static HGLOBAL copyColorText(COLORREF color) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, kColorTextSize);
    char* text = memory ? static_cast<char*>(GlobalLock(memory)) : nullptr;
    if (!text)
        return memory;
    formatColor(text, color, magnifier.settings.colorFormat);
    GlobalUnlock(memory);
    return memory;
}

// What the clipboard does not take stays the program's to free.
void copyReadout(HWND window) {
    if (!magnifier.surfaces.windowDC || !OpenClipboard(window))
        return;
    EmptyClipboard();
    HGLOBAL text = copyColorText(magnifier.view.pointColor);
    if (text && !SetClipboardData(CF_TEXT, text))
        GlobalFree(text);
    HBITMAP bitmap = copyViewBitmap(&magnifier);
    if (!SetClipboardData(CF_BITMAP, bitmap))
        DeleteObject(bitmap);
    CloseClipboard();
}
