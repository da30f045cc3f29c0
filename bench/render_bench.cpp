// Times renderFrame on the surfaces the magnifier draws with (the screen DC, a visible window's
// DC and the back buffer, all made by openSurfaces) against a bare baseline of the same GDI
// calls with their arguments computed up front, interleaved round by round.
//   qilo_render_bench.exe [ROUNDS [FRAMES]]     default 15 rounds of 40 frames per config
//   qilo_render_bench.exe --count WxH ZOOM FRAMES
//           render|baseline|readout|grid|smooth|pointer|halftone|filter|resting|following|moving|
//           lens|lensresting
//       runs the frames of one config between two callgrind client requests that switch its
//       counting on and off (tools/bench count); without valgrind they do nothing. halftone is
//       the baseline with GDI's HALFTONE stretch mode. moving, lens and lensresting run the
//       ticks with the cursor moving a pixel each tick, with LENS on, and at rest with it. resting
//       and following run the timer's ticks with the cursor at rest instead (a frame every tenth),
//       following with FOLLOW_FOCUS on (tools/bench ticks).
//   qilo_render_bench.exe --caret SECONDS
//       a window in front with a caret, where a user would type, for that long
// Prints a row per view size and zoom: milliseconds per frame for each (median and quartiles
// over the rounds), the median of the rounds' own ratios (both batches of a round run within
// milliseconds of each other), and the most GDI objects a batch of renderFrame left behind.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef QILO_CALLGRIND
#include <callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

#include "bench/gdi_count.h"
#include "view/geometry.h"
#include "view/render.h"
#include "window/state.h"
#include "window/frame/surfaces.h"
#include "window/frame/tick.h"
#include "window/frame/view.h"
#include "window/place/lens.h"

namespace {

const SIZE kSizes[] = {{194, 130}, {386, 258}, {800, 600}, {1280, 720}, {1920, 1080}};
const struct {
    int command;
    const char* label;
} kZooms[] = {{kZoom1, "1"}, {kZoom1_5, "1.5"}, {kZoom2, "2"},
              {kZoom4, "4"}, {kZoom8, "8"},     {kZoom16, "16"}};
const int kWarmUpFrames = 10;

double nowMs() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return 1000.0 * (double)t.QuadPart / (double)f.QuadPart;
}

// The q-quantile of the values, interpolated.
double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    double at = q * (double)(v.size() - 1);
    size_t lo = (size_t)at, hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (at - (double)lo);
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// renderFrame as the tick calls it: the source placed round the cursor, then one frame (with
// POINTER on, the pointer looked up and drawn).
void renderFrames(int frames, POINT cursor) {
    for (int i = 0; i < frames; ++i) {
        magnifier.view.srcX = cursor.x - magnifier.view.srcHalfWidth;
        magnifier.view.srcY = cursor.y - magnifier.view.srcHalfHeight;
        // The readout's point moves as under a moving cursor, so that its digits change.
        magnifier.view.pointX = cursor.x + i % 13;
        magnifier.view.pointY = cursor.y + i % 11;
        FrameParts parts = framePartsNow(TRUE);
        parts.pointer = magnifier.settings.pointer && pointerToDraw(&parts.cursor);
        renderFrame(&magnifier, parts);
    }
}

// The three GDI operations of a frame and nothing else, with the arguments renderFrame ended
// up with (one frame of it has run before, which clamped the source and left it in the state).
void baselineFrames(int frames, int cx, int cy) {
    const MagnifierState& s = magnifier;
    int f = s.view.frameWidth, w = s.view.viewWidth - 2 * f, h = s.view.viewHeight - 2 * f;
    for (int i = 0; i < frames; ++i) {
        StretchBlt(s.surfaces.backDC, f, f, w, h, s.surfaces.sourceDC, s.view.srcX, s.view.srcY,
                   s.view.srcWidth, s.view.srcHeight, SRCCOPY);
        MoveToEx(s.surfaces.backDC, cx, f, nullptr);
        LineTo(s.surfaces.backDC, cx, f + h);
        MoveToEx(s.surfaces.backDC, f, cy, nullptr);
        LineTo(s.surfaces.backDC, f + w, cy);
        BitBlt(s.surfaces.windowDC, f, f, w, h, s.surfaces.backDC, f, f, (DWORD)s.settings.rop);
    }
}

int gdiObjects() {
    return countGdiHandles(GetCurrentProcess(), GetCurrentProcessId());
}

// A visible window of the size with the surfaces the program opens for it, in the state the
// program has with a crosshair and the frame.
HWND openView(SIZE size) {
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "QiloRenderBench", "",
                                  WS_POPUP | WS_VISIBLE, 0, 0, size.cx, size.cy, nullptr, nullptr,
                                  nullptr, nullptr);
    pumpMessages();
    magnifier = MagnifierState();
    magnifier.view.viewWidth = size.cx;
    magnifier.view.viewHeight = size.cy;
    magnifier.settings.penColor = RGB(128, 0, 0);
    magnifier.settings.frameStyle = magnifier.view.frameWidth = magnifier.settings.isCross = 1;
    magnifier.settings.rop = SRCCOPY;
    openSurfaces(window, &magnifier);
    return window;
}

void setZoom(int command) {
    magnifier.settings.zoomCommand = command;
    magnifier.view.zoomFactor = findZoomEntry(command)->factor;
    computeGeometry(magnifier.settings, &magnifier.view);
    POINT cursor;  // the source stays on the monitor under the cursor, as the program keeps it
    GetCursorPos(&cursor);
    findMonitor(cursor, &magnifier.view.monitor);
}

int ticksDone;
// For the lens's ticks: the cursor moved a pixel before each tick, and the window carried
// beside the source after each frame, as the program's timer does.
bool movingCursor, carryingLens;
POINT tickCursor;

LRESULT CALLBACK tickingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER)
        return DefWindowProcA(window, message, wParam, lParam);
    if (movingCursor)
        SetCursorPos(tickCursor.x + ticksDone % 2, tickCursor.y);
    if (magnifyTick(window) && carryingLens)
        carryLens(window);
    ++ticksDone;
    return 0;
}

// Ticks of a resting cursor as the program has them, each a timer message taken and handled;
// following: FOLLOW_FOCUS on (with another program's caret in front: --caret).
void restingTicks(HWND window, int ticks, bool following) {
    magnifier.settings.followFocus = following;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tickingProc));
    SetTimer(window, 1, USER_TIMER_MINIMUM, nullptr);
    MSG msg;
    for (ticksDone = 0; ticksDone < ticks && GetMessageA(&msg, nullptr, 0, 0);)
        DispatchMessageA(&msg);
    KillTimer(window, 1);
}

// --count WxH ZOOM FRAMES render|baseline|readout|grid|smooth|pointer|halftone|resting|following
// (renderFrame with the readout, the pixel grid, smoothing or the pointer on; ticks)
int countFrames(char** argv) {
    SIZE size = {};
    int command = 0, frames = std::atoi(argv[4]);
    std::sscanf(argv[2], "%ldx%ld", &size.cx, &size.cy);
    for (const auto& zoom : kZooms)
        command = std::strcmp(zoom.label, argv[3]) ? command : zoom.command;
    if (!command || frames < 1 || size.cx < 8 || size.cy < 8)
        return 2;
    HWND window = openView(size);
    setZoom(command);
    POINT cursor = {GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
    // The readout's label and the smoothing buffer are made with the surfaces.
    closeSurfaces(window, &magnifier);
    Settings& s = magnifier.settings;
    s.showInfo = std::strcmp(argv[5], "readout") == 0;
    s.grid = std::strcmp(argv[5], "grid") == 0;
    s.smooth = std::strcmp(argv[5], "smooth") == 0;
    s.pointer = std::strcmp(argv[5], "pointer") == 0;
    s.filter = std::strcmp(argv[5], "filter") == 0 ? kDeuteranopia : kNoFilter;
    openSurfaces(window, &magnifier);
    if (s.pointer) {
        // A pointer to draw: Wine gives the pointer of the thread in front, this one.
        SetForegroundWindow(window);
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));  // IDC_ARROW
    }
    if (std::strcmp(argv[5], "halftone") == 0) {  // GDI's own interpolation, for comparison
        SetStretchBltMode(magnifier.surfaces.backDC, HALFTONE);
        SetBrushOrgEx(magnifier.surfaces.backDC, 0, 0, nullptr);
    }
    renderFrames(kWarmUpFrames, cursor);
    baselineFrames(kWarmUpFrames, magnifier.view.crossX, magnifier.view.crossY);
    // moving: the cursor a pixel further each tick; lens: LENS on (lensresting: at rest).
    movingCursor = std::strcmp(argv[5], "moving") == 0 || std::strcmp(argv[5], "lens") == 0;
    carryingLens = std::strcmp(argv[5], "lens") == 0 || std::strcmp(argv[5], "lensresting") == 0;
    session.lensOn = carryingLens;
    tickCursor = cursor;
    bool ticking = std::strcmp(argv[5], "resting") == 0 || std::strcmp(argv[5], "following") == 0 ||
                   movingCursor || carryingLens;
    if (ticking)
        restingTicks(window, kWarmUpFrames, argv[5][0] == 'f');
    CALLGRIND_TOGGLE_COLLECT;
    if (ticking)
        restingTicks(window, frames, argv[5][0] == 'f');
    else if (std::strcmp(argv[5], "baseline") != 0 && std::strcmp(argv[5], "halftone") != 0)
        renderFrames(frames, cursor);
    else
        baselineFrames(frames, magnifier.view.crossX, magnifier.view.crossY);
    CALLGRIND_TOGGLE_COLLECT;
    closeSurfaces(window, &magnifier);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "QiloRenderBench";
    RegisterClassA(&wc);
    if (argc == 3 && std::strcmp(argv[1], "--caret") == 0) {
        HWND window = openView({300, 60});
        SetForegroundWindow(window);
        CreateCaret(window, nullptr, 2, 16);
        SetCaretPos(40, 20);
        for (DWORD end = GetTickCount() + 1000 * std::atoi(argv[2]); GetTickCount() < end;
             Sleep(50))
            pumpMessages();
        return 0;
    }
    if (argc == 6 && std::strcmp(argv[1], "--count") == 0)
        return countFrames(argv);
    int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    int frames = argc > 2 ? std::atoi(argv[2]) : 40;
    if (rounds < 3 || frames < 1) {
        std::fprintf(stderr, "usage: qilo_render_bench [ROUNDS>=3 [FRAMES>=1]]\n");
        return 2;
    }
    int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    std::printf("screen %dx%d; %d rounds of %d frames per config after %d warm-up frames\n\n",
                screenW, screenH, rounds, frames, kWarmUpFrames);
    std::printf(
        "view      zoom | renderFrame ms [quartiles] | baseline ms [quartiles]    | "
        "paired ratio | GDI objects\n");
    int worstGdi = 0;
    for (const SIZE& size : kSizes) {
        if (size.cx > screenW || size.cy > screenH)
            continue;
        HWND window = openView(size);
        for (const auto& zoom : kZooms) {
            setZoom(zoom.command);
            POINT cursor = {screenW / 2, screenH / 2};
            renderFrames(kWarmUpFrames, cursor);
            // The crosshair where renderFrame drew it: the middle, as the source is not clamped
            // at the screen's centre.
            int cx = magnifier.view.crossX, cy = magnifier.view.crossY;
            baselineFrames(kWarmUpFrames, cx, cy);
            std::vector<double> render, baseline, ratios;
            int gdi = 0;
            for (int round = 0; round < rounds; ++round) {
                // Alternately first, so that neither always follows the other.
                for (int turn = 0; turn < 2; ++turn) {
                    int before = gdiObjects();
                    double start = nowMs();
                    if ((turn == 0) == (round % 2 == 0))
                        renderFrames(frames, cursor);
                    else
                        baselineFrames(frames, cx, cy);
                    double perFrame = (nowMs() - start) / frames;
                    if ((turn == 0) == (round % 2 == 0)) {
                        render.push_back(perFrame);
                        gdi = std::max(gdi, std::abs(gdiObjects() - before));
                    } else {
                        baseline.push_back(perFrame);
                    }
                    pumpMessages();
                }
                ratios.push_back(render.back() / baseline.back());
            }
            std::printf(
                "%4ldx%-4ld %4s | %7.3f [%.3f-%.3f]     | %7.3f [%.3f-%.3f]     | "
                "%12.3f | %+d per %d frames\n",
                size.cx, size.cy, zoom.label, quantile(render, 0.5), quantile(render, 0.25),
                quantile(render, 0.75), quantile(baseline, 0.5), quantile(baseline, 0.25),
                quantile(baseline, 0.75), quantile(ratios, 0.5), gdi, frames);
            std::fflush(stdout);
            worstGdi = std::max(worstGdi, gdi);
        }
        closeSurfaces(window, &magnifier);
        DestroyWindow(window);
        pumpMessages();
    }
    std::printf("\nGDI objects left behind by a batch of renderFrame calls: %d at most\n",
                worstGdi);
    return worstGdi == 0 ? 0 : 1;
}
