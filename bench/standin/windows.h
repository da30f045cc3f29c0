// A stand-in for the few Win32 types and calls that the view code (view/geometry.cpp,
// view/render.cpp) and the state record use, so that they build natively on Linux for
// instruction counting under callgrind (bench/frame_count.cpp, tools/bench-callgrind).
// The drawing calls are implemented by bench/standin/gdi.cpp on plain memory buffers; they are
// not Wine's or Windows' GDI.
#pragma once

#include <cstdint>

typedef int BOOL;
typedef unsigned int UINT;
typedef uintptr_t UINT_PTR;
typedef intptr_t LPARAM;
typedef uintptr_t WPARAM;
typedef uint32_t DWORD;
typedef uint32_t COLORREF;
typedef unsigned char BYTE;
typedef void* HANDLE;
typedef void* HWND;
typedef void* HICON;
typedef void* HMENU;
typedef void* HGDIOBJ;
typedef void* HBITMAP;
struct StandInSurface;
typedef StandInSurface* HDC;

#define TRUE 1
#define FALSE 0
#define MAX_PATH 260
#define SRCCOPY 0x00CC0020u
#define NOTSRCCOPY 0x00330008u
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define MF_BYCOMMAND 0x0000u
#define MF_UNCHECKED 0x0000u
#define MF_CHECKED 0x0008u
#define RGB(r, g, b) \
    ((COLORREF)(((BYTE)(r) | ((uint32_t)(BYTE)(g) << 8)) | ((uint32_t)(BYTE)(b) << 16)))

struct POINT {
    long x;
    long y;
};
struct RECT {
    long left, top, right, bottom;
};
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
struct WINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x, y, cx, cy;
    UINT flags;
};

int GetSystemMetrics(int index);
DWORD CheckMenuItem(HMENU menu, UINT id, UINT check);
BOOL GetCursorPos(POINT* point);
BOOL StretchBlt(HDC dest,
                int x,
                int y,
                int w,
                int h,
                HDC src,
                int sx,
                int sy,
                int sw,
                int sh,
                DWORD rop);
BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop);
BOOL MoveToEx(HDC dc, int x, int y, POINT* old);
BOOL LineTo(HDC dc, int x, int y);
