// Runs the view code's frames natively on Linux against the stand-in GDI of bench/standin, for
// counting instructions under callgrind (tools/bench-callgrind). What it counts is the view
// code plus the stand-in's pixel work on memory buffers, not Wine's or Windows' GDI.
//   qilo_frame_count VIEW ZOOM FRAMES [render|tick-moving|tick-resting]
//     VIEW    outer view size, e.g. 194x130
//     ZOOM    1, 1.5, 2, 3, 4, 5, 6, 7, 8 or 16
//     render        renderFrame with the source placed from the cursor, as the tick does
//     tick-moving   magnifyTick with the cursor somewhere new at every tick
//     tick-resting  magnifyTick with the cursor still (one render in ten ticks)
// The frames run inside qilo_measured_frames(), so that callgrind can count only them
// (--toggle-collect=qilo_measured_frames). Prints the stand-in's calls per frame and a checksum
// of the window's pixels.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/state.h"
#include "bench/standin/gdi.h"
#include "res/resource.h"
#include "view/geometry.h"
#include "view/render.h"

// The tick hides a window that went to the notification area; never the case here.
void hideOrMinimize(HWND, UINT_PTR) {}

namespace {

enum Mode { kRender, kTickMoving, kTickResting };

const struct {
    const char* label;
    int command;
} kZooms[] = {{"1", ID_ZOOM_1}, {"1.5", ID_ZOOM_1_5}, {"2", ID_ZOOM_2}, {"3", ID_ZOOM_3},
              {"4", ID_ZOOM_4}, {"5", ID_ZOOM_5},     {"6", ID_ZOOM_6}, {"7", ID_ZOOM_7},
              {"8", ID_ZOOM_8}, {"16", ID_ZOOM_16}};

}  // namespace

// The measured loop; not inlined, so that callgrind sees it by name.
extern "C" __attribute__((noinline)) int qilo_measured_frames(int frames, int mode) {
    int rendered = 0;
    const int x = standInScreenWidth / 2;
    const int y = standInScreenHeight / 2;
    for (int i = 0; i < frames; ++i) {
        if (mode == kRender) {
            magnifier.srcX = x - magnifier.srcHalfWidth;
            magnifier.srcY = y - magnifier.srcHalfHeight;
            renderFrame(&magnifier);
            ++rendered;
        } else {
            if (mode == kTickMoving) {
                // A small square walk round the centre: a new position at every tick.
                standInCursor.x = x - 10 + i % 20;
                standInCursor.y = y - 10 + (i / 20) % 20;
            }
            rendered += magnifyTick(nullptr) ? 1 : 0;
        }
    }
    return rendered;
}

int main(int argc, char** argv) {
    int viewW = 0, viewH = 0;
    if (argc < 4 || std::sscanf(argv[1], "%dx%d", &viewW, &viewH) != 2 || viewW < 8 || viewH < 8) {
        std::fprintf(stderr,
                     "usage: qilo_frame_count VIEW ZOOM FRAMES [render|tick-moving|"
                     "tick-resting]\n");
        return 2;
    }
    int command = 0;
    for (const auto& zoom : kZooms) {
        if (std::strcmp(zoom.label, argv[2]) == 0)
            command = zoom.command;
    }
    int frames = std::atoi(argv[3]);
    std::string modeName = argc > 4 ? argv[4] : "render";
    Mode mode = modeName == "tick-moving"    ? kTickMoving
                : modeName == "tick-resting" ? kTickResting
                : modeName == "render"       ? kRender
                                             : (Mode)-1;
    if (!command || frames < 1 || mode == (Mode)-1) {
        std::fprintf(stderr, "qilo_frame_count: bad zoom, frame count or mode\n");
        return 2;
    }

    // The screen: every pixel its own colour.
    static StandInSurface screen, back, window;
    makeSurface(&screen, standInScreenWidth, standInScreenHeight);
    for (int py = 0; py < screen.height; ++py) {
        for (int px = 0; px < screen.width; ++px)
            screen.pixels[(size_t)py * (size_t)screen.width + (size_t)px] =
                (uint32_t)(py * screen.width + px) & 0x00FFFFFFu;
    }
    makeSurface(&back, viewW, viewH);
    makeSurface(&window, viewW, viewH);
    back.penColor = 0x00000080u;  // the default COLOR 128 as a pixel: RGB(128, 0, 0)

    // The state as the program has it at its defaults, with the chosen size and zoom.
    magnifier = MagnifierState();
    magnifier.viewWidth = viewW;
    magnifier.viewHeight = viewH;
    magnifier.frameStyle = 1;
    magnifier.frameWidth = 1;
    magnifier.isCross = 1;
    magnifier.rop = SRCCOPY;
    magnifier.intervalMs = 60;
    magnifier.zoomCommand = command;
    magnifier.zoomFactor = findZoomEntry(command)->factor;
    computeGeometry(&magnifier);
    magnifier.sourceDC = &screen;
    magnifier.backDC = &back;
    magnifier.windowDC = &window;
    standInCursor.x = screen.width / 2;
    standInCursor.y = screen.height / 2;
    lastCursorX = -1;
    lastCursorY = -1;

    StandInCalls before = standInCalls;
    int rendered = qilo_measured_frames(frames, mode);
    StandInCalls after = standInCalls;

    uint64_t checksum = 1469598103934665603ull;
    for (uint32_t pixel : window.pixels)
        checksum = (checksum ^ pixel) * 1099511628211ull;
    std::printf("view %dx%d zoom %s mode %s: %d calls, %d renders; source %dx%d\n", viewW, viewH,
                argv[2], modeName.c_str(), frames, rendered, magnifier.srcWidth,
                magnifier.srcHeight);
    std::printf(
        "stand-in calls per call: StretchBlt %.2f BitBlt %.2f MoveToEx %.2f LineTo %.2f "
        "GetCursorPos %.2f\n",
        (double)(after.stretchBlt - before.stretchBlt) / frames,
        (double)(after.bitBlt - before.bitBlt) / frames,
        (double)(after.moveToEx - before.moveToEx) / frames,
        (double)(after.lineTo - before.lineTo) / frames,
        (double)(after.getCursorPos - before.getCursorPos) / frames);
    std::printf("window checksum %016llx\n", (unsigned long long)checksum);
    return 0;
}
