#include <windows.h>

#include "window/keys/copy.h"

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

// Clipboard history and clipboard managers hold the clipboard for a moment after each change:
// a quick second copy waits for them a little.
static const int kClipboardTries = 10;
static const DWORD kClipboardTryMs = 10;

static BOOL openClipboardSoon(HWND window) {
    for (int tries = 1; !OpenClipboard(window); ++tries) {
        if (tries == kClipboardTries)
            return FALSE;
        Sleep(kClipboardTryMs);
    }
    return TRUE;
}

// What the clipboard does not take stays the program's to free. A clipboard that stays held
// loses the copy: the user hears it.
void copyReadout(HWND window) {
    if (!magnifier.surfaces.windowDC)
        return;
    if (!openClipboardSoon(window)) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    EmptyClipboard();
    HGLOBAL text = copyColorText(magnifier.view.pointColor);
    if (text && !SetClipboardData(CF_TEXT, text))
        GlobalFree(text);
    HBITMAP bitmap = copyViewBitmap(&magnifier);
    if (!SetClipboardData(CF_BITMAP, bitmap))
        DeleteObject(bitmap);
    CloseClipboard();
}
