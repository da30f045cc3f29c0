// Helpers shared by the unit tests.
#pragma once

#include <windows.h>

#include <string>

#include "app/state.h"

// Resets the state record and the globals to what a fresh process holds.
void resetState();

// Loads the defaults a start without a settings file gives: 194 x 130, 2x, frame on.
void setDefaultSettings();

// A memory DC holding a 32-bit top-down DIB section whose pixels can be read directly.
struct PixelSurface {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    DWORD* pixels;  // 0x00RRGGBB
    int width;
    int height;

    PixelSurface(int w, int h);
    ~PixelSurface();
    PixelSurface(const PixelSurface&) = delete;
    PixelSurface& operator=(const PixelSurface&) = delete;

    COLORREF at(int x, int y) const;
    void fill(COLORREF color);
};

// The colour of pattern pixel (x, y): unique for every pixel of a screen up to 4096 x 4096.
COLORREF patternColor(int x, int y);
void paintPattern(PixelSurface& surface);

// A scratch directory under the temporary folder, removed with its files at the end.
struct TempDir {
    std::string path;
    TempDir();
    ~TempDir();
    std::string file(const char* name) const;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);
