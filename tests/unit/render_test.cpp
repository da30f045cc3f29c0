#include <windows.h>

#include <doctest/doctest.h>

#include "res/resource.h"
#include "test_support.h"
#include "view/geometry.h"
#include "view/render.h"

static const int kScreenW = 1024;
static const int kScreenH = 768;
static const COLORREF kUntouched = RGB(1, 2, 3);
static const COLORREF kPen = RGB(128, 0, 0);

// The surfaces of one frame in memory: a patterned "screen", the back buffer with the pen,
// and a "window" that starts filled with kUntouched.
struct Frame {
    PixelSurface screen{kScreenW, kScreenH};
    PixelSurface back;
    PixelSurface window;
    HPEN pen;
    HGDIOBJ previousPen;

    Frame(int zoom, int width, int height, int frame) : back(width, height), window(width, height) {
        setDefaultSettings();
        magnifier.zoomCommand = zoom;
        magnifier.viewWidth = width;
        magnifier.viewHeight = height;
        magnifier.frameWidth = frame;
        magnifier.frameStyle = frame;
        magnifier.zoomFactor = findZoomEntry(zoom)->factor;
        computeGeometry(&magnifier);
        magnifier.screenWidth = kScreenW;
        magnifier.screenHeight = kScreenH;
        paintPattern(screen);
        window.fill(kUntouched);
        pen = CreatePen(PS_SOLID, 1, kPen);
        previousPen = SelectObject(back.dc, pen);
        magnifier.sourceDC = screen.dc;
        magnifier.backDC = back.dc;
        magnifier.windowDC = window.dc;
    }
    ~Frame() {
        SelectObject(back.dc, previousPen);
        DeleteObject(pen);
    }

    // Renders with the cursor at (x, y), as the tick places the source.
    void renderAt(int x, int y) {
        magnifier.srcX = x - magnifier.srcHalfWidth;
        magnifier.srcY = y - magnifier.srcHalfHeight;
        renderFrame(&magnifier);
    }

    // The columns of the inner area in which row y holds the pen colour.
    int penColumn(int y) const {
        for (int x = 0; x < window.width; ++x) {
            if (window.at(x, y) == kPen)
                return x;
        }
        return -1;
    }
    int penRow(int x) const {
        for (int y = 0; y < window.height; ++y) {
            if (window.at(x, y) == kPen)
                return y;
        }
        return -1;
    }
};

static int countMismatches(const Frame& frame, int zoom, int srcX, int srcY, bool inverted) {
    int f = magnifier.frameWidth;
    int mismatches = 0;
    for (int y = f; y < frame.window.height - f; ++y) {
        for (int x = f; x < frame.window.width - f; ++x) {
            COLORREF want = patternColor(srcX + (x - f) / zoom, srcY + (y - f) / zoom);
            if (inverted)
                want = RGB(255 - GetRValue(want), 255 - GetGValue(want), 255 - GetBValue(want));
            if (frame.window.at(x, y) != want)
                ++mismatches;
        }
    }
    return mismatches;
}

TEST_CASE("a frame stretches the source pixel for pixel inside the frame margin") {
    Frame frame(ID_ZOOM_2, 194, 130, 1);
    frame.renderAt(300, 400);
    CHECK(magnifier.srcX == 252);
    CHECK(magnifier.srcY == 368);
    CHECK(countMismatches(frame, 2, 252, 368, false) == 0);
    SUBCASE("the outermost rows and columns belong to the frame and are not touched") {
        for (int x = 0; x < 194; ++x) {
            CHECK(frame.window.at(x, 0) == kUntouched);
            CHECK(frame.window.at(x, 129) == kUntouched);
        }
        for (int y = 0; y < 130; ++y) {
            CHECK(frame.window.at(0, y) == kUntouched);
            CHECK(frame.window.at(193, y) == kUntouched);
        }
    }
}

TEST_CASE("every integer zoom replicates pixels exactly") {
    for (int zoom : {ID_ZOOM_1, ID_ZOOM_3, ID_ZOOM_4, ID_ZOOM_5, ID_ZOOM_7, ID_ZOOM_16}) {
        // An inner size that the factor divides, so that every source pixel fills a square.
        int factor = findZoomEntry(zoom)->factor;
        Frame frame(zoom, 30 * factor + 2, 20 * factor + 2, 1);
        frame.renderAt(500, 300);
        CHECK(countMismatches(frame, factor, magnifier.srcX, magnifier.srcY, false) == 0);
    }
}

TEST_CASE("without the frame the image covers the whole window") {
    Frame frame(ID_ZOOM_4, 200, 100, 0);
    magnifier.isCross = 1;
    frame.renderAt(500, 300);
    CHECK(frame.window.at(0, 0) != kUntouched);
    CHECK(frame.window.at(199, 99) != kUntouched);
    // The crosshair runs from edge to edge.
    CHECK(frame.window.at(100, 0) == kPen);
    CHECK(frame.window.at(100, 99) == kPen);
    CHECK(frame.window.at(0, 50) == kPen);
    CHECK(frame.window.at(199, 50) == kPen);
}

TEST_CASE("the crosshair is drawn in the pen colour across the inner area") {
    Frame frame(ID_ZOOM_2, 194, 130, 1);
    frame.screen.fill(RGB(255, 255, 255));
    magnifier.isCross = 5;  // any non-zero value draws it
    frame.renderAt(300, 400);
    for (int y = 1; y < 129; ++y)
        CHECK(frame.window.at(97, y) == kPen);
    for (int x = 1; x < 193; ++x)
        CHECK(frame.window.at(x, 65) == kPen);
    CHECK(frame.window.at(96, 30) == RGB(255, 255, 255));
    CHECK(frame.window.at(97, 0) == kUntouched);
    SUBCASE("and not at all when it is off") {
        magnifier.isCross = 0;
        frame.renderAt(300, 400);
        CHECK(frame.penColumn(30) == -1);
    }
}

TEST_CASE("at the screen's edges the source is clamped and the crosshair follows the cursor") {
    Frame frame(ID_ZOOM_2, 194, 130, 1);
    frame.screen.fill(RGB(255, 255, 255));
    magnifier.isCross = 1;
    SUBCASE("top-left corner") {
        frame.renderAt(0, 0);
        CHECK(magnifier.srcX == 0);
        CHECK(magnifier.srcY == 0);
        CHECK(frame.penColumn(60) == 1);
        CHECK(frame.penRow(60) == 1);
    }
    SUBCASE("bottom-right pixel") {
        frame.renderAt(kScreenW - 1, kScreenH - 1);
        CHECK(magnifier.srcX == kScreenW - 96);
        CHECK(magnifier.srcY == kScreenH - 64);
        CHECK(frame.penColumn(60) == 97 + 2 * 47);
        CHECK(frame.penRow(60) == 65 + 2 * 31);
    }
    SUBCASE("right of the primary screen only the horizontal line is seen") {
        frame.renderAt(kScreenW + 300, 400);
        CHECK(magnifier.srcX == kScreenW - 96);
        CHECK(frame.penColumn(30) == -1);
        CHECK(frame.penRow(60) == 65);
    }
    SUBCASE("the clamped image is the screen's edge") {
        frame.screen.fill(RGB(0, 0, 0));
        paintPattern(frame.screen);
        magnifier.isCross = 0;
        frame.renderAt(3, kScreenH - 2);
        CHECK(countMismatches(frame, 2, 0, kScreenH - 64, false) == 0);
    }
}

TEST_CASE("a source wider than the screen takes both clamps") {
    Frame frame(ID_ZOOM_1, 1200, 100, 0);
    frame.renderAt(500, 300);
    CHECK(magnifier.srcX == kScreenW - 1200);
    CHECK(magnifier.srcY == 300 - 50);
}

TEST_CASE("the crosshair shift scales the pushed distance by the zoom") {
    CHECK(crosshairShift(-3, -1) == -4);
    CHECK(crosshairShift(-1, -1) == -1);
    CHECK(crosshairShift(1, -1) == 1);
    CHECK(crosshairShift(3, -1) == 4);
    CHECK(crosshairShift(-5, 4) == -20);
    CHECK(crosshairShift(-5, 0) == -5);
    SUBCASE("at 1.5x on the screen") {
        Frame frame(ID_ZOOM_1_5, 194, 130, 1);
        frame.screen.fill(RGB(255, 255, 255));
        magnifier.isCross = 1;
        // The source is pushed by 3 pixels to the right: the crosshair moves 4 to the left.
        frame.renderAt(magnifier.srcHalfWidth - 3, 400);
        CHECK(frame.penColumn(20) == magnifier.crossX - 4);
        frame.renderAt(magnifier.srcHalfWidth - 1, 400);
        CHECK(frame.penColumn(20) == magnifier.crossX - 1);
    }
}

TEST_CASE("inversion shows image and crosshair inverted together") {
    Frame frame(ID_ZOOM_2, 194, 130, 1);
    magnifier.rop = NOTSRCCOPY;
    frame.renderAt(300, 400);
    CHECK(countMismatches(frame, 2, 252, 368, true) == 0);
    magnifier.isCross = 1;
    frame.renderAt(300, 400);
    CHECK(frame.window.at(97, 20) == RGB(127, 255, 255));
}

TEST_CASE("the tick renders a resting cursor on every tenth tick only") {
    Frame frame(ID_ZOOM_2, 194, 130, 1);
    POINT cursor;
    GetCursorPos(&cursor);
    lastCursorX = cursor.x;
    lastCursorY = cursor.y;
    for (int i = 1; i < kStillTickPeriod; ++i)
        CHECK(magnifyTick(nullptr) == FALSE);
    CHECK(magnifyTick(nullptr) == TRUE);
    CHECK(stillTicks == 0);
    SUBCASE("the count carries over a move") {
        for (int i = 0; i < 4; ++i)
            magnifyTick(nullptr);
        lastCursorX = cursor.x + 1;  // as if the cursor had moved since the last render
        CHECK(magnifyTick(nullptr) == TRUE);
        CHECK(stillTicks == 4);
        for (int i = 0; i < 5; ++i)
            CHECK(magnifyTick(nullptr) == FALSE);
        CHECK(magnifyTick(nullptr) == TRUE);
    }
    SUBCASE("a drag renders every tick") {
        dragging = 1;
        CHECK(magnifyTick(nullptr) == TRUE);
        CHECK(magnifyTick(nullptr) == TRUE);
        dragging = 0;
    }
    SUBCASE("a render still running is not entered again") {
        lastCursorX = cursor.x + 1;
        renderBusy = 1;
        CHECK(magnifyTick(nullptr) == FALSE);
        CHECK(lastCursorX == cursor.x + 1);
        renderBusy = 0;
    }
}

TEST_CASE("a see-through drag centres the source on the window and never clamps it") {
    Frame frame(ID_ZOOM_2, 194, 130, 1);
    magnifier.seeThroughDrag = 1;
    dragging = 1;
    magnifier.windowX = 100;
    magnifier.windowY = 50;
    CHECK(magnifyTick(nullptr) == TRUE);
    CHECK(magnifier.srcX == 149);
    CHECK(magnifier.srcY == 83);
    CHECK(countMismatches(frame, 2, 149, 83, false) == 0);
    frame.screen.fill(RGB(255, 255, 255));
    magnifier.isCross = 1;
    magnifier.windowX = -150;
    magnifyTick(nullptr);
    CHECK(magnifier.srcX == -150 + 97 - 48);
    CHECK(frame.penColumn(20) == 97);
    dragging = 0;
}
