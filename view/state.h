// The records a frame is drawn from and into, one for each lifetime: the saved settings
// (common/settings.h), the view derived from them and the window's size, the surfaces the
// window layer opens for the window, and what the loupe's keys have set.
#pragma once

#include <windows.h>

#include "common/settings.h"

// Derived from the settings and the window's size, computed again on every change; and the
// point the last frame marked.
struct View {
    int viewWidth;  // outer width the geometry and back buffer are computed from
    int viewHeight;
    int frameWidth;  // 1 when frameStyle is not 0
    int zoomFactor;  // 1..8 or 16; -1 stands for 1.5; 0 until a zoom entry is selected
    int crossX;      // crosshair in window coordinates for an unclamped source
    int crossY;
    int srcX;  // the magnified screen area
    int srcY;
    int srcWidth;
    int srcHeight;
    int srcHalfWidth;
    int srcHalfHeight;
    RECT monitor;               // the whole monitor under the cursor, which the source is kept on
    int monitorDpi;             // its DPI, 96 at 100 % (0: not known), looked up with it
    BOOL monitorAdvancedColor;  // HDR or wide colour on it: the colour read is approximate
    int pointX;                 // the screen point the crosshair marks in the last frame
    int pointY;
    COLORREF pointColor;  // its colour, read when the readout or the copy key is on
};

// The readout's label: a bitmap holding the glyphs of the printable ASCII characters in its last
// row and the text rows a frame composes from them, with the DC and the font that drew them.
// The position, a colour too long for its row, tags, the measure, a distance too long for its row.
static const int kReadoutLines = 5;
static const int kLabelCells = 32;  // cells of a text row
struct ReadoutLabel {
    HDC dc;  // null while there is no label
    HFONT font;
    HBITMAP bitmap;
    DWORD* bits;  // 32-bit, top-down
    int stride;
    int padding;    // white round the text
    int cellWidth;  // the fixed-pitch font's character cell
    int cellHeight;
    char composed[kReadoutLines][kLabelCells];  // the characters the text cells hold now
};

// A 32-bit top-down DIB section of the size for the DC, and its pixels: the screen's own
// format, which costs the frame's blits nothing more, and pixels a pass can write.
inline HBITMAP createPixelBuffer(HDC dc, int width, int height, DWORD** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(bits), nullptr, 0);
}

// The mouse pointer's image as the view draws it, prepared when the pointer changes: the
// pointer drawn on black (what it puts on the screen where its mask clears it) and the mask
// (what of the screen it keeps, found from the pointer drawn on white), at its own size.
struct PointerImage {
    HCURSOR of;  // the pointer the image is of; null: none prepared
    HDC maskDC;
    HDC imageDC;
    HBITMAP maskBitmap;
    HBITMAP imageBitmap;
    HGDIOBJ oldMask;
    HGDIOBJ oldImage;
    const DWORD* maskBits;  // 32-bit, top-down
    const DWORD* imageBits;
    int width;
    int height;
    POINT hotSpot;
};

// The DCs a frame is drawn with, opened and closed together.
struct Surfaces {
    HDC sourceDC;  // the screen DC, or the snapshot DC during a see-through drag
    HDC windowDC;  // null while the surfaces are closed
    HDC backDC;
    HBITMAP backBitmap;  // 32-bit, top-down, the view's size
    DWORD* backBits;     // its pixels, which the grid is written into
    HGDIOBJ oldPen;      // the back buffer's pen before the crosshair's
    int holdsFrame;      // a frame to show again: none in a new buffer or after a hide
    // A source lent instead of the screen (a see-through drag's picture), over a reopening of
    // the surfaces; its lender makes and frees it.
    HDC lentSourceDC;
    ReadoutLabel label;  // made with the surfaces while the readout is in use
    // While smoothing or filtering: the source read 1:1 in a DIB of the view's width and two rows
    // more than its height, for the pass's rows.
    HDC smoothDC;
    HBITMAP smoothBitmap;
    DWORD* smoothBits;
    PointerImage pointer;  // while the pointer is drawn into the view
};

// What the loupe's keys have set, while the window lives.
struct Loupe {
    int picking;   // pick mode: the arrow keys move the cursor
    int anchored;  // an anchor is set, the readout measures from it
    int anchorX;   // the anchor's screen pixel and its colour when it was set
    int anchorY;
    COLORREF anchorColor;
};

struct MagnifierState {
    Settings settings;
    View view;
    Surfaces surfaces;
    Loupe loupe;
};
