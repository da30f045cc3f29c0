// Times renderFrame on the real surfaces the magnifier draws with (the screen DC, a visible
// window's DC and a back buffer made by openSurfaces) against a bare baseline of the same GDI
// calls with their arguments computed up front, interleaved round by round.
//   qilo_render_bench.exe [ROUNDS [FRAMES]]     default 15 rounds of 40 frames per config
//   qilo_render_bench.exe --count VIEW ZOOM FRAMES [render|baseline]
//     runs FRAMES frames of one config (e.g. 194x130 2 100) after 10 warm-up frames, untimed,
//     between two callgrind client requests that switch counting on and off, for
//     tools/bench-callgrind under valgrind (without valgrind the requests do nothing)
// Prints one row per view size and zoom: milliseconds per frame (median and quartiles over the
// rounds) for each, the ratio of the medians, the median and quartiles of the rounds' own
// ratios, and the GDI objects the renderFrame batches left behind.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef QILO_NO_VALGRIND
#define CALLGRIND_TOGGLE_COLLECT
#else
#include <callgrind.h>
#endif

#include "app/state.h"
#include "res/resource.h"
#include "tests/common/gdi_count.h"
#include "view/geometry.h"
#include "view/render.h"
#include "view/surfaces.h"

namespace {

struct Size {
    int width;
    int height;
};
const Size kSizes[] = {{194, 130}, {386, 258}, {800, 600}, {1280, 720}, {1920, 1080}};

struct Zoom {
    int command;
    const char* label;
};
const Zoom kZooms[] = {{ID_ZOOM_1, "1"},
                       {ID_ZOOM_1_5, "1.5"},
                       {ID_ZOOM_2, "2"},
                       {ID_ZOOM_4, "4"},
                       {ID_ZOOM_16, "16"}};

const COLORREF kPenColor = RGB(128, 0, 0);
const int kWarmUpFrames = 10;

// The arguments renderFrame ends up passing to GDI, computed once.
struct Calls {
    int f, w, h;
    int srcX, srcY, srcW, srcH;
    int cx, cy;
    int isCross;
    DWORD rop;
};

struct Stats {
    double median, q1, q3, min, max;
};

double now(double perMs) {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart / perMs;
}

Stats summarize(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    auto at = [&](double q) {
        double pos = q * (double)(values.size() - 1);
        size_t lo = (size_t)pos;
        size_t hi = std::min(lo + 1, values.size() - 1);
        return values[lo] + (values[hi] - values[lo]) * (pos - (double)lo);
    };
    return {at(0.5), at(0.25), at(0.75), values.front(), values.back()};
}

// "median [first quartile-third quartile]"
std::string spread(const Stats& s) {
    char text[80];
    std::snprintf(text, sizeof text, "%6.3f [%.3f-%.3f]", s.median, s.q1, s.q3);
    return text;
}

// Lets Wine handle the window's messages (and push its surface to X) between timed batches.
void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The source as the tick places it for the cursor at (x, y), clamped onto the screen the way
// renderFrame clamps it, and the crosshair moved by the same distance.
Calls computeCalls(const MagnifierState& s, int x, int y) {
    Calls c;
    c.f = s.frameWidth;
    c.w = s.viewWidth - 2 * c.f;
    c.h = s.viewHeight - 2 * c.f;
    c.srcX = x - s.srcHalfWidth;
    c.srcY = y - s.srcHalfHeight;
    c.srcW = s.srcWidth;
    c.srcH = s.srcHeight;
    c.cx = s.crossX;
    c.cy = s.crossY;
    int maxX = s.screenWidth - s.srcWidth;
    int maxY = s.screenHeight - s.srcHeight;
    if (c.srcX < 0) {
        c.cx += crosshairShift(c.srcX, s.zoomFactor);
        c.srcX = 0;
    }
    if (c.srcX > maxX) {
        c.cx += crosshairShift(c.srcX - maxX, s.zoomFactor);
        c.srcX = maxX;
    }
    if (c.srcY < 0) {
        c.cy += crosshairShift(c.srcY, s.zoomFactor);
        c.srcY = 0;
    }
    if (c.srcY > maxY) {
        c.cy += crosshairShift(c.srcY - maxY, s.zoomFactor);
        c.srcY = maxY;
    }
    c.isCross = s.isCross;
    c.rop = s.rop;
    return c;
}

// The three GDI operations of a frame and nothing else.
void baselineFrame(const Calls& c, HDC source, HDC back, HDC window) {
    StretchBlt(back, c.f, c.f, c.w, c.h, source, c.srcX, c.srcY, c.srcW, c.srcH, SRCCOPY);
    if (c.isCross) {
        MoveToEx(back, c.cx, c.f, nullptr);
        LineTo(back, c.cx, c.f + c.h);
        MoveToEx(back, c.f, c.cy, nullptr);
        LineTo(back, c.f + c.w, c.cy);
    }
    BitBlt(window, c.f, c.f, c.w, c.h, back, c.f, c.f, c.rop);
}

// renderFrame as the tick calls it: the source placed from the cursor, then one frame.
void renderFrames(int frames, int x, int y) {
    for (int i = 0; i < frames; ++i) {
        magnifier.srcX = x - magnifier.srcHalfWidth;
        magnifier.srcY = y - magnifier.srcHalfHeight;
        renderFrame(&magnifier);
    }
}

void baselineFrames(int frames, const Calls& c) {
    HDC source = magnifier.sourceDC;
    HDC back = magnifier.backDC;
    HDC window = magnifier.windowDC;
    for (int i = 0; i < frames; ++i)
        baselineFrame(c, source, back, window);
}

int gdiObjects() {
    return countGdiHandles(GetCurrentProcess(), GetCurrentProcessId());
}

HWND createView(int width, int height) {
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "QiloRenderBench", "",
                                  WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    UpdateWindow(window);
    pumpMessages();
    return window;
}

void registerViewClass() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    windowClass.lpszClassName = "QiloRenderBench";
    RegisterClassA(&windowClass);
}

// The state of one config, as in the timed runs, on a fresh view window.
HWND openConfig(int width, int height, int zoomCommand) {
    HWND window = createView(width, height);
    magnifier = MagnifierState();
    magnifier.viewWidth = width;
    magnifier.viewHeight = height;
    magnifier.penColor = kPenColor;
    magnifier.frameStyle = 1;
    magnifier.frameWidth = 1;
    magnifier.isCross = 1;
    magnifier.rop = SRCCOPY;
    openSurfaces(window, &magnifier);
    magnifier.zoomCommand = zoomCommand;
    magnifier.zoomFactor = findZoomEntry(zoomCommand)->factor;
    computeGeometry(&magnifier);
    return window;
}

// --count VIEW ZOOM FRAMES [render|baseline]: only the frames are counted by callgrind.
int countFrames(int argc, char** argv) {
    int width = 0, height = 0;
    const Zoom* zoom = nullptr;
    if (argc >= 5 && std::sscanf(argv[2], "%dx%d", &width, &height) == 2) {
        for (const Zoom& z : kZooms) {
            if (std::strcmp(z.label, argv[3]) == 0)
                zoom = &z;
        }
    }
    int frames = argc >= 5 ? std::atoi(argv[4]) : 0;
    bool baseline = argc >= 6 && std::strcmp(argv[5], "baseline") == 0;
    if (!zoom || width < 8 || height < 8 || frames < 1 ||
        (argc >= 6 && !baseline && std::strcmp(argv[5], "render") != 0)) {
        std::fprintf(stderr,
                     "usage: qilo_render_bench --count VIEW ZOOM FRAMES "
                     "[render|baseline]\n");
        return 2;
    }
    registerViewClass();
    HWND window = openConfig(width, height, zoom->command);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
    POINT cursor;
    GetCursorPos(&cursor);
    Calls calls = computeCalls(magnifier, cursor.x, cursor.y);
    renderFrames(kWarmUpFrames, cursor.x, cursor.y);
    baselineFrames(kWarmUpFrames, calls);
    pumpMessages();
    CALLGRIND_TOGGLE_COLLECT;
    if (baseline)
        baselineFrames(frames, calls);
    else
        renderFrames(frames, cursor.x, cursor.y);
    CALLGRIND_TOGGLE_COLLECT;
    pumpMessages();
    std::printf("%s: %d frames of %dx%d x%s, source %dx%d at (%d, %d)\n",
                baseline ? "baseline" : "renderFrame", frames, width, height, zoom->label,
                magnifier.srcWidth, magnifier.srcHeight, calls.srcX, calls.srcY);
    closeSurfaces(window, &magnifier);
    DestroyWindow(window);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--count") == 0)
        return countFrames(argc, argv);
    int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    int frames = argc > 2 ? std::atoi(argv[2]) : 40;
    if (rounds < 3 || frames < 1) {
        std::fprintf(stderr, "usage: qilo_render_bench [ROUNDS>=3 [FRAMES>=1]]\n");
        return 2;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double perMs = (double)frequency.QuadPart / 1000.0;

    registerViewClass();

    int screenW = GetSystemMetrics(SM_CXSCREEN);
    int screenH = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    std::printf(
        "screen %dx%d, %d bits; %d rounds of %d frames per config after %d warm-up "
        "frames\n\n",
        screenW, screenH, bits, rounds, frames, kWarmUpFrames);
    std::printf("%-14s | %-25s | %-25s | %-5s | %-19s | %s\n", "", "renderFrame ms/frame",
                "baseline ms/frame", "ratio", "paired ratio", "GDI objects");
    std::printf("%-9s %4s | %-25s | %-25s | %-5s | %-19s | %s\n", "view", "zoom",
                "median [quartiles]", "median [quartiles]", "of", "median [quartiles]",
                "made by renderFrame");
    std::printf("%-9s %4s | %-25s | %-25s | %-5s | %-19s |\n", "", "", "", "", "medns",
                "over the rounds");
    std::printf("%s\n", std::string(125, '-').c_str());

    int worstGdiDelta = 0;
    bool argumentsMatch = true;
    for (const Size& size : kSizes) {
        if (size.width > screenW || size.height > screenH) {
            std::printf("%4dx%-4d  skipped: larger than the screen\n", size.width, size.height);
            continue;
        }
        HWND window = createView(size.width, size.height);
        magnifier = MagnifierState();
        magnifier.viewWidth = size.width;
        magnifier.viewHeight = size.height;
        magnifier.penColor = kPenColor;
        magnifier.frameStyle = 1;
        magnifier.frameWidth = 1;
        magnifier.isCross = 1;
        magnifier.rop = SRCCOPY;
        openSurfaces(window, &magnifier);

        for (const Zoom& zoom : kZooms) {
            magnifier.zoomCommand = zoom.command;
            magnifier.zoomFactor = findZoomEntry(zoom.command)->factor;
            computeGeometry(&magnifier);
            SetCursorPos(screenW / 2, screenH / 2);
            POINT cursor;
            GetCursorPos(&cursor);
            Calls calls = computeCalls(magnifier, cursor.x, cursor.y);

            renderFrames(kWarmUpFrames, cursor.x, cursor.y);
            baselineFrames(kWarmUpFrames, calls);
            pumpMessages();
            // The baseline must make exactly the calls renderFrame makes.
            if (magnifier.srcX != calls.srcX || magnifier.srcY != calls.srcY)
                argumentsMatch = false;

            std::vector<double> render, baseline;
            int gdiDelta = 0;
            for (int round = 0; round < rounds; ++round) {
                // Alternate which goes first, so that neither always follows the other.
                for (int turn = 0; turn < 2; ++turn) {
                    bool renderTurn = (turn == 0) == (round % 2 == 0);
                    if (renderTurn) {
                        int before = gdiObjects();
                        double t0 = now(perMs);
                        renderFrames(frames, cursor.x, cursor.y);
                        double t1 = now(perMs);
                        int after = gdiObjects();
                        render.push_back((t1 - t0) / frames);
                        if (std::abs(after - before) > std::abs(gdiDelta))
                            gdiDelta = after - before;
                    } else {
                        double t0 = now(perMs);
                        baselineFrames(frames, calls);
                        double t1 = now(perMs);
                        baseline.push_back((t1 - t0) / frames);
                    }
                    pumpMessages();
                }
            }
            // Each round's two batches ran back to back, so their ratio is little moved by
            // load that comes and goes on the machine.
            std::vector<double> ratios;
            for (size_t i = 0; i < render.size(); ++i)
                ratios.push_back(render[i] / baseline[i]);
            Stats r = summarize(render);
            Stats b = summarize(baseline);
            Stats p = summarize(ratios);
            std::printf("%4dx%-4d %4s | %-25s | %-25s | %5.3f | %-19s | %+d per %d frames\n",
                        size.width, size.height, zoom.label, spread(r).c_str(), spread(b).c_str(),
                        r.median / b.median, spread(p).c_str(), gdiDelta, frames);
            std::fflush(stdout);
            if (std::abs(gdiDelta) > std::abs(worstGdiDelta))
                worstGdiDelta = gdiDelta;
        }
        closeSurfaces(window, &magnifier);
        DestroyWindow(window);
        pumpMessages();
    }
    std::printf("\nGDI objects left behind by a batch of renderFrame calls: %d (worst batch)\n",
                worstGdiDelta);
    std::printf("baseline arguments equal renderFrame's: %s\n", argumentsMatch ? "yes" : "NO");
    return argumentsMatch ? 0 : 1;
}
