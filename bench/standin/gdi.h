// The memory surfaces behind the stand-in HDC and the counters of the stand-in's calls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

struct StandInSurface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, row after row
    int penX = 0;
    int penY = 0;
    uint32_t penColor = 0;
};

struct StandInCalls {
    long stretchBlt = 0;
    long bitBlt = 0;
    long moveToEx = 0;
    long lineTo = 0;
    long getCursorPos = 0;
    long getSystemMetrics = 0;
    long checkMenuItem = 0;
};

extern StandInCalls standInCalls;
// What GetSystemMetrics and GetCursorPos answer.
extern int standInScreenWidth;
extern int standInScreenHeight;
extern POINT standInCursor;

void makeSurface(StandInSurface* surface, int width, int height);
