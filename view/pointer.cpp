#include <windows.h>

#include "view/pointer.h"

#include "common/shared.h"
#include "view/geometry.h"

// IDC_ARROW, for the wide function whatever the build's character set.
static const LPCWSTR kArrow = MAKEINTRESOURCEW(32512);

// A DC holding a 32-bit bitmap of the size, filled with the colour.
static HDC paintedDC(int width,
                     int height,
                     COLORREF fill,
                     HBITMAP* bitmap,
                     HGDIOBJ* old,
                     const DWORD** pixels) {
    DWORD* bits;
    HDC dc = CreateCompatibleDC(nullptr);
    *bitmap = createPixelBuffer(dc, width, height, &bits);
    *old = SelectObject(dc, *bitmap);
    *pixels = bits;
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    return dc;
}

// The pointer's size and hot spot; FALSE when this process cannot read it.
static BOOL readPointer(HCURSOR pointer, SIZE* size, POINT* hotSpot) {
    ICONINFO info;
    if (!pointer || !GetIconInfo(pointer, &info))
        return FALSE;
    BITMAP mask = {};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    // A monochrome pointer keeps its AND and XOR masks one above the other in hbmMask.
    *size = {mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
    *hotSpot = {(LONG)info.xHotspot, (LONG)info.yHotspot};
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return size->cx > 0 && size->cy > 0;
}

// Drawn on black, a pointer pixel shows what it puts on the screen (x); drawn on white, that
// with the kept screen bits flipped (m ^ x, the AND-XOR rule of pointers): the two together
// give the mask m. Exact for every pointer with a mask (inverting ones too); a translucent
// edge of a colour pointer comes out near its look.
void preparePointer(PointerImage* image, HCURSOR pointer) {
    if (image->of == pointer && image->maskDC)
        return;
    freePointer(image);
    SIZE size;
    POINT hotSpot;
    HCURSOR drawn = pointer;
    if (!readPointer(drawn, &size, &hotSpot)) {
        drawn = LoadCursorW(nullptr, kArrow);  // shared: no need to free it
        if (!readPointer(drawn, &size, &hotSpot))
            return;
    }
    image->imageDC = paintedDC(size.cx, size.cy, RGB(0, 0, 0), &image->imageBitmap,
                               &image->oldImage, &image->imageBits);
    image->maskDC = paintedDC(size.cx, size.cy, RGB(255, 255, 255), &image->maskBitmap,
                              &image->oldMask, &image->maskBits);
    DrawIconEx(image->imageDC, 0, 0, drawn, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    DrawIconEx(image->maskDC, 0, 0, drawn, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    BitBlt(image->maskDC, 0, 0, size.cx, size.cy, image->imageDC, 0, 0, SRCINVERT);
    GdiFlush();  // the frames read the pixels
    image->of = pointer;
    image->width = size.cx;
    image->height = size.cy;
    image->hotSpot = hotSpot;
}

void freePointer(PointerImage* image) {
    if (image->maskDC) {
        SelectObject(image->maskDC, image->oldMask);
        DeleteDC(image->maskDC);
        DeleteObject(image->maskBitmap);
    }
    if (image->imageDC) {
        SelectObject(image->imageDC, image->oldImage);
        DeleteDC(image->imageDC);
        DeleteObject(image->imageBitmap);
    }
    *image = PointerImage();
}

// View pixels over screen pixels `count` of the source: as the stretch enlarges the source.
static int enlarged(int count, int viewSize, int sourceSize) {
    return sourceSize > 0 ? (count * viewSize + sourceSize / 2) / sourceSize : count;
}

// Written straight into the back buffer's pixels, clipped to the view inside the frame: two
// stretched blits of the image would cost more than the frame.
void drawPointer(const MagnifierState* state, POINT at) {
    const PointerImage& image = state->surfaces.pointer;
    DWORD* back = state->surfaces.backBits;
    if (!image.maskBits || !back)
        return;
    const View& view = state->view;
    const int f = view.frameWidth, w = view.viewWidth - 2 * f, h = view.viewHeight - 2 * f;
    const POINT spot = viewSpanStartOf(view, at.x, at.y);
    const int left = spot.x - enlarged(image.hotSpot.x, w, view.srcWidth);
    const int top = spot.y - enlarged(image.hotSpot.y, h, view.srcHeight);
    const int width = enlarged(image.width, w, view.srcWidth);
    const int height = enlarged(image.height, h, view.srcHeight);
    if (width <= 0 || height <= 0)
        return;
    GdiFlush();  // the crosshair is drawn before the pixels are written
    const int firstX = clampInt(left, f, f + w), endX = clampInt(left + width, f, f + w);
    const int endY = clampInt(top + height, f, f + h);
    for (int y = clampInt(top, f, f + h); y < endY; ++y) {
        const int row = (y - top) * image.height / height * image.width;
        DWORD* out = back + y * view.viewWidth;
        for (int x = firstX; x < endX; ++x) {
            const int i = row + (x - left) * image.width / width;
            out[x] = (out[x] & image.maskBits[i]) ^ image.imageBits[i];
        }
    }
}
