#include <windows.h>

#include "window/frame/surfaces.h"

#include "view/filter.h"
#include "view/pointer.h"
#include "view/readout.h"
#include "window/frame/view.h"
#include "window/keys/loupe.h"
#include "window/platform.h"

// The screen DC addresses the screen as the system does, with its origin at the primary
// monitor's corner on every system; one made with CreateDC("DISPLAY") may start at the
// virtual screen's corner instead.
HDC openScreenDC() {
    return GetDC(nullptr);
}

void closeScreenDC(HDC dc) {
    ReleaseDC(nullptr, dc);
}

void openSurfaces(HWND window, MagnifierState* state) {
    Surfaces& s = state->surfaces;
    if (s.windowDC)
        return;
    s.sourceDC = s.lentSourceDC ? s.lentSourceDC : openScreenDC();
    s.windowDC = GetWindowDC(window);
    s.backDC = CreateCompatibleDC(s.windowDC);
    const View& view = state->view;
    s.backBitmap = createPixelBuffer(s.backDC, view.viewWidth, view.viewHeight, &s.backBits);
    SelectObject(s.backDC, s.backBitmap);
    if (state->settings.smooth ||
        filterTag(state->settings.filter)) {  // two rows more for the pass
        s.smoothDC = CreateCompatibleDC(s.windowDC);
        s.smoothBitmap =
            createPixelBuffer(s.smoothDC, view.viewWidth, view.viewHeight + 2, &s.smoothBits);
        SelectObject(s.smoothDC, s.smoothBitmap);
    }
    s.oldPen = SelectObject(s.backDC, CreatePen(PS_SOLID, 1, state->settings.penColor));
    s.holdsFrame = 0;
    if (readoutInUse())
        openReadout(state, windowDpi(window));
}

void closeSurfaces(HWND window, MagnifierState* state) {
    Surfaces& s = state->surfaces;
    closeReadout(state);
    endFreeze();  // the held image goes with the back buffer
    if (s.backDC) {
        DeleteObject(SelectObject(s.backDC, s.oldPen));
        DeleteDC(s.backDC);
    }
    if (s.backBitmap)
        DeleteObject(s.backBitmap);
    if (s.smoothDC)
        DeleteDC(s.smoothDC);
    if (s.smoothBitmap)
        DeleteObject(s.smoothBitmap);
    freePointer(&s.pointer);

    if (s.sourceDC && s.sourceDC != s.lentSourceDC)
        closeScreenDC(s.sourceDC);
    if (s.windowDC)
        ReleaseDC(window, s.windowDC);
    // Cleared so that a second close can never free a handle that has been reused since.
    s.backDC = nullptr;
    s.backBitmap = nullptr;
    s.backBits = nullptr;
    s.smoothDC = nullptr;
    s.smoothBitmap = nullptr;
    s.smoothBits = nullptr;
    s.sourceDC = nullptr;
    s.windowDC = nullptr;
}

void reopenSurfaces(HWND window) {
    closeSurfaces(window, &magnifier);
    openSurfaces(window, &magnifier);
}

BOOL pointerToDraw(POINT* at) {
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    // Hidden (also suppressed, under touch or a pen) or set to none: nothing to draw.
    if (!GetCursorInfo(&info) || !(info.flags & CURSOR_SHOWING) || !info.hCursor)
        return FALSE;
    preparePointer(&magnifier.surfaces.pointer, info.hCursor);
    *at = info.ptScreenPos;
    return magnifier.surfaces.pointer.maskDC != nullptr;
}

void lendSource(HDC source) {
    Surfaces& s = magnifier.surfaces;
    if (s.sourceDC && s.sourceDC != s.lentSourceDC)
        closeScreenDC(s.sourceDC);
    s.lentSourceDC = source;
    s.sourceDC = source;
}

// The surfaces may have been closed meanwhile; open ones read the screen again.
void giveSourceBack() {
    Surfaces& s = magnifier.surfaces;
    BOOL sourceWasLent = s.sourceDC && s.sourceDC == s.lentSourceDC;
    s.lentSourceDC = nullptr;
    if (sourceWasLent)
        s.sourceDC = openScreenDC();
}

void forgetShownFrame() {
    magnifier.surfaces.holdsFrame = 0;
}
