#include <windows.h>

#include <doctest/doctest.h>

#include "res/resource.h"
#include "test_support.h"
#include "view/geometry.h"
#include "window/menus.h"

static void geometryFor(int zoom, int width, int height, int frame) {
    resetState();
    magnifier.zoomCommand = zoom;
    magnifier.viewWidth = width;
    magnifier.viewHeight = height;
    magnifier.frameWidth = frame;
    computeGeometry(&magnifier);
}

static void checkGeometry(int srcW, int srcH, int halfW, int halfH, int crossX, int crossY) {
    CHECK(magnifier.srcWidth == srcW);
    CHECK(magnifier.srcHeight == srcH);
    CHECK(magnifier.srcHalfWidth == halfW);
    CHECK(magnifier.srcHalfHeight == halfH);
    CHECK(magnifier.crossX == crossX);
    CHECK(magnifier.crossY == crossY);
}

TEST_CASE("the source rectangle and crosshair follow the zoom and the view") {
    SUBCASE("2x with the frame") {
        geometryFor(ID_ZOOM_2, 194, 130, 1);
        checkGeometry(96, 64, 48, 32, 97, 65);
    }
    SUBCASE("1.5x puts the crosshair at three quarters of the source") {
        geometryFor(ID_ZOOM_1_5, 194, 130, 1);
        checkGeometry(128, 85, 64, 42, 96, 63);
    }
    SUBCASE("3x") {
        geometryFor(ID_ZOOM_3, 194, 130, 1);
        checkGeometry(64, 42, 32, 21, 97, 65);
    }
    SUBCASE("16x without the frame") {
        geometryFor(ID_ZOOM_16, 194, 130, 0);
        checkGeometry(12, 8, 6, 4, 97, 65);
    }
    SUBCASE("a ZOOM value that is no zoom entry stretches 1:1") {
        geometryFor(ID_SIZE_FIXED, 194, 130, 1);
        checkGeometry(192, 128, 96, 64, 97, 65);
    }
    SUBCASE("the screen size is read on every call") {
        geometryFor(ID_ZOOM_4, 300, 200, 0);
        CHECK(magnifier.screenWidth == GetSystemMetrics(SM_CXSCREEN));
        CHECK(magnifier.screenHeight == GetSystemMetrics(SM_CYSCREEN));
        checkGeometry(75, 50, 37, 25, 150, 100);
    }
}

TEST_CASE("1.5x matches the double-precision products for every width") {
    for (int inner = 0; inner <= 8192; ++inner) {
        geometryFor(ID_ZOOM_1_5, inner, inner, 0);
        volatile double product = inner * 0.6666666666666666;
        REQUIRE(magnifier.srcWidth == (int)product);
        volatile double cross = magnifier.srcWidth * 0.75;
        REQUIRE(magnifier.crossX == (int)cross);
    }
}

static int snapWidth(int zoomFactor, int frame, int held, int proposed) {
    magnifier.zoomFactor = zoomFactor;
    magnifier.frameWidth = frame;
    windowWidth = held;
    windowHeight = 1000;
    WINDOWPOS pos = {};
    pos.cx = proposed;
    pos.cy = 1000;
    snapWindowSize(&pos);
    CHECK(pos.cy == 1000);
    return pos.cx;
}

TEST_CASE("proposed sizes snap to twice the zoom factor with a floor of 50") {
    resetState();
    CHECK(snapWidth(2, 1, 100, 194) == 192);
    CHECK(snapWidth(2, 1, 100, 195) == 192);
    CHECK(snapWidth(2, 1, 100, 197) == 192);
    CHECK(snapWidth(2, 1, 100, 198) == 196);
    CHECK(snapWidth(2, 1, 100, 100) == 100);
    CHECK(snapWidth(2, 1, 100, 49) == 50);
    CHECK(snapWidth(2, 1, 100, 0) == 50);
    CHECK(snapWidth(-1, 0, 100, 101) == 100);
    CHECK(snapWidth(-1, 1, 100, 101) == 98);
    CHECK(snapWidth(16, 1, 100, 49) == 50);
    CHECK(snapWidth(16, 1, 100, 50) == 32);
    CHECK(snapWidth(16, 1, 100, 65) == 32);
    CHECK(snapWidth(16, 1, 100, 66) == 64);
    CHECK(snapWidth(7, 0, 100, 50) == 42);
    CHECK(snapWidth(5, 1, 100, 300) == 290);
    SUBCASE("before any zoom entry is selected the step is that of 1x") {
        CHECK(snapWidth(0, 0, 100, 101) == 100);
        CHECK(snapWidth(0, 1, 100, 301) == 298);
    }
    SUBCASE("width and height snap independently") {
        magnifier.zoomFactor = 4;
        magnifier.frameWidth = 0;
        windowWidth = 120;
        windowHeight = 80;
        WINDOWPOS pos = {};
        pos.cx = 120;
        pos.cy = 101;
        snapWindowSize(&pos);
        CHECK(pos.cx == 120);
        CHECK(pos.cy == 96);
    }
}

static int checkedZoomEntries(int* checkedId) {
    int count = 0;
    for (const ZoomEntry& e : zoomTable) {
        if (GetMenuState(zoomMenu, e.command, MF_BYCOMMAND) & MF_CHECKED) {
            ++count;
            *checkedId = e.command;
        }
    }
    return count;
}

TEST_CASE("selectZoom checks exactly one zoom entry and sets the factor") {
    setDefaultSettings();
    buildMenus(&magnifier);
    int checked = 0;
    selectZoom(ID_ZOOM_1_5, &magnifier);
    CHECK(magnifier.zoomFactor == -1);
    CHECK(checkedZoomEntries(&checked) == 1);
    CHECK(checked == ID_ZOOM_1_5);
    for (const ZoomEntry& e : zoomTable) {
        selectZoom(e.command, &magnifier);
        CHECK(magnifier.zoomFactor == e.factor);
        CHECK(checkedZoomEntries(&checked) == 1);
        CHECK(checked == e.command);
    }
    SUBCASE("an id that is no zoom entry changes nothing") {
        selectZoom(ID_ZOOM_3, &magnifier);
        selectZoom(ID_SIZE_FIXED, &magnifier);
        CHECK(magnifier.zoomFactor == 3);
        CHECK(checkedZoomEntries(&checked) == 1);
        CHECK(checked == ID_ZOOM_3);
        // zoomCommand is the caller's to set.
        CHECK(magnifier.zoomCommand == ID_ZOOM_2);
    }
    destroyMenus();
}
