#include <windows.h>

#include <string.h>

#include <doctest/doctest.h>

#include "test_support.h"

#include "res/resource.h"
#include "view/surfaces.h"

void resetState() {
    memset(&magnifier, 0, sizeof magnifier);
    windowWidth = windowHeight = 0;
    trayIconAdded = hiddenInTray = dragging = 0;
    lastCursorX = lastCursorY = stillTicks = renderBusy = 0;
    timerId = 0;
    mainMenu = frameMenu = zoomMenu = trayMenu = nullptr;
    snapshotBitmap = nullptr;
    snapshotDC = nullptr;
    oldPen = nullptr;
}

void setDefaultSettings() {
    resetState();
    magnifier.rop = SRCCOPY;
    magnifier.frameStyle = 1;
    magnifier.frameWidth = 1;
    magnifier.sizeFixed = 1;
    magnifier.isTop = 1;
    magnifier.zoomCommand = ID_ZOOM_2;
    windowWidth = magnifier.viewWidth = 194;
    windowHeight = magnifier.viewHeight = 130;
    magnifier.intervalMs = 60;
    magnifier.penColor = RGB(128, 0, 0);
    magnifier.hotkeyEnabled = 1;
}

PixelSurface::PixelSurface(int w, int h) : width(w), height(h) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<DWORD*>(bits);
    previous = SelectObject(dc, bitmap);
}

PixelSurface::~PixelSurface() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

COLORREF PixelSurface::at(int x, int y) const {
    GdiFlush();
    DWORD p = pixels[y * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void PixelSurface::fill(COLORREF color) {
    GdiFlush();
    DWORD p = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = p;
}

COLORREF patternColor(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, ((x >> 8) & 0x0F) | (((y >> 8) & 0x0F) << 4));
}

void paintPattern(PixelSurface& surface) {
    GdiFlush();
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            COLORREF c = patternColor(x, y);
            surface.pixels[y * surface.width + x] =
                (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
}

TempDir::TempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char name[MAX_PATH];
    static int counter;
    wsprintfA(name, "%squnit%lu_%d", base, GetCurrentProcessId(), ++counter);
    path = name;
    CreateDirectoryA(path.c_str(), nullptr);
}

TempDir::~TempDir() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((path + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

std::string TempDir::file(const char* name) const {
    return path + "\\" + name;
}

std::string readFile(const std::string& path) {
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

void writeFile(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), (DWORD)text.size(), &written, nullptr);
    CloseHandle(file);
}
