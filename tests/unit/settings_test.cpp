#include <windows.h>

#include <string.h>

#include <string>

#include <doctest/doctest.h>

#include "app/settings.h"
#include "res/resource.h"
#include "test_support.h"

TEST_CASE("the settings path joins the directory and the file name by its last character") {
    char path[MAX_PATH];
    SUBCASE("a drive root already ends in a separator") {
        CHECK(buildSettingsPath(path, "C:\\", 932));
        CHECK(std::string(path) == "C:\\QILO.INI");
    }
    SUBCASE("a folder gets one") {
        CHECK(buildSettingsPath(path, "C:\\WORK", 932));
        CHECK(std::string(path) == "C:\\WORK\\QILO.INI");
    }
    SUBCASE("a double-byte character whose trail byte is 0x5C is no separator") {
        // "C:\表" and "C:\ソ": both characters end in the byte 0x5C.
        CHECK(buildSettingsPath(path, "C:\\\x95\x5c", 932));
        CHECK(std::string(path) == "C:\\\x95\x5c\\QILO.INI");
        CHECK(buildSettingsPath(path, "C:\\\x83\x5c", 932));
        CHECK(std::string(path) == "C:\\\x83\x5c\\QILO.INI");
    }
    SUBCASE("a real backslash after a double-byte character is one") {
        CHECK(buildSettingsPath(path, "C:\\\x95\x5c\\", 932));
        CHECK(std::string(path) == "C:\\\x95\x5c\\QILO.INI");
    }
    SUBCASE("a directory that leaves no room for the name is not truncated into another file") {
        std::string longDir = "C:\\" + std::string(250, 'a');
        CHECK_FALSE(buildSettingsPath(path, longDir.c_str(), 932));
        CHECK(std::string(path) == ".\\QILO.INI");
        // The longest directory that still fits.
        std::string fits = "C:\\" + std::string(MAX_PATH - 1 - 9 - 3, 'b');
        CHECK(buildSettingsPath(path, fits.c_str(), 932));
        CHECK(strlen(path) == MAX_PATH - 1);
    }
}

// Runs loadSettings with the given current directory and settings text (none when null).
static void loadFrom(const TempDir& dir, const char* text) {
    if (text)
        writeFile(dir.file("QILO.INI"), text);
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(dir.path.c_str());
    resetState();
    loadSettings();
    SetCurrentDirectoryA(previous);
}

TEST_CASE("a start without a settings file takes the defaults") {
    TempDir dir;
    loadFrom(dir, nullptr);
    CHECK(std::string(magnifier.iniPath) == dir.file("QILO.INI"));
    CHECK(magnifier.windowX == 0);
    CHECK(magnifier.windowY == 0);
    CHECK(windowWidth == 194);
    CHECK(windowHeight == 130);
    CHECK(magnifier.viewWidth == 194);
    CHECK(magnifier.viewHeight == 130);
    CHECK(magnifier.rop == SRCCOPY);
    CHECK(magnifier.frameStyle == 1);
    CHECK(magnifier.frameWidth == 1);
    CHECK(magnifier.seeThroughDrag == 0);
    CHECK(magnifier.sizeFixed == 1);
    CHECK(magnifier.isTop == 1);
    CHECK(magnifier.isCross == 0);
    CHECK(magnifier.zoomCommand == ID_ZOOM_2);
    CHECK(magnifier.intervalMs == 60);
    CHECK(magnifier.penColor == RGB(128, 0, 0));
    CHECK(magnifier.hotkeyEnabled == 1);
    CHECK(GetPriorityClass(GetCurrentProcess()) == HIGH_PRIORITY_CLASS);
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
}

TEST_CASE("every key is read as written") {
    TempDir dir;
    loadFrom(dir,
             "[INIT]\r\nX=-40\r\nY=300\r\nROP=3342344\r\nFRAME=2\r\nISTOKA=1\r\nWSIZE=0\r\n"
             "IsTop=0\r\nIsCross=5\r\nZOOM=40024\r\nWIDTH=300\r\nHEIGHT=220\r\nINT_TIME=100\r\n"
             "COLOR=65280\r\nVK_SPACE=0\r\n");
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    CHECK(magnifier.windowX == -40);
    CHECK(magnifier.windowY == 300);
    CHECK(magnifier.rop == NOTSRCCOPY);
    CHECK(magnifier.frameStyle == 2);
    CHECK(magnifier.frameWidth == 1);
    CHECK(magnifier.seeThroughDrag == 1);
    CHECK(magnifier.sizeFixed == 0);
    CHECK(magnifier.isTop == 0);
    CHECK(magnifier.isCross == 5);
    CHECK(magnifier.zoomCommand == ID_ZOOM_1_5);
    CHECK(windowWidth == 300);
    CHECK(windowHeight == 220);
    CHECK(magnifier.viewWidth == 300);
    CHECK(magnifier.viewHeight == 220);
    CHECK(magnifier.intervalMs == 100);
    CHECK(magnifier.penColor == RGB(0, 255, 0));
    CHECK(magnifier.hotkeyEnabled == 0);
}

TEST_CASE("values that would break the program are brought into range") {
    TempDir dir;
    SUBCASE("sizes") {
        loadFrom(dir, "[INIT]\r\nWIDTH=2147483647\r\nHEIGHT=0\r\n");
        CHECK(windowWidth == 8192);
        CHECK(windowHeight == 32);
        CHECK(magnifier.viewWidth == 8192);
        CHECK(magnifier.viewHeight == 32);
        loadFrom(dir, "[INIT]\r\nWIDTH=-5\r\nHEIGHT=-2147483648\r\n");
        CHECK(windowWidth == 32);
        CHECK(windowHeight == 32);
    }
    SUBCASE("timer periods") {
        loadFrom(dir, "[INIT]\r\nINT_TIME=-1\r\n");
        CHECK(magnifier.intervalMs == USER_TIMER_MINIMUM);
        loadFrom(dir, "[INIT]\r\nINT_TIME=2147483647\r\n");
        CHECK(magnifier.intervalMs == 10000);
    }
    SUBCASE("a position no monitor shows moves onto the nearest one") {
        loadFrom(dir, "[INIT]\r\nX=2147483647\r\nY=-2147483648\r\n");
        RECT rect = {magnifier.windowX, magnifier.windowY, magnifier.windowX + windowWidth,
                     magnifier.windowY + windowHeight};
        CHECK(MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr);
        CHECK(magnifier.windowX == GetSystemMetrics(SM_CXSCREEN) - 194);
        CHECK(magnifier.windowY == 0);
    }
    SUBCASE("a window partly on the screen stays where it was put") {
        loadFrom(dir, "[INIT]\r\nX=-100\r\nY=-50\r\n");
        CHECK(magnifier.windowX == -100);
        CHECK(magnifier.windowY == -50);
    }
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
}

TEST_CASE("saveSettings writes the twelve keys in order and keeps the others") {
    TempDir dir;
    loadFrom(dir, "[INIT]\r\nCOLOR=255\r\nVK_SPACE=0\r\nX=12\r\n");
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    magnifier.windowY = -7;
    magnifier.rop = NOTSRCCOPY;
    magnifier.isCross = 1;
    saveSettings();
    std::string text = readFile(dir.file("QILO.INI"));
    CHECK(text ==
          "[INIT]\r\nCOLOR=255\r\nVK_SPACE=0\r\nX=12\r\nWSIZE=1\r\nY=-7\r\nIsTop=1\r\n"
          "ZOOM=40003\r\nINT_TIME=60\r\nIsCross=1\r\nWIDTH=194\r\nHEIGHT=130\r\n"
          "ROP=3342344\r\nFRAME=1\r\nISTOKA=0\r\n");
}

TEST_CASE("a fresh settings file holds the twelve keys in the order they are written") {
    TempDir dir;
    loadFrom(dir, nullptr);
    SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    saveSettings();
    CHECK(readFile(dir.file("QILO.INI")) ==
          "[INIT]\r\nWSIZE=1\r\nX=0\r\nY=0\r\nIsTop=1\r\nZOOM=40003\r\nINT_TIME=60\r\n"
          "IsCross=0\r\nWIDTH=194\r\nHEIGHT=130\r\nROP=13369376\r\nFRAME=1\r\nISTOKA=0\r\n");
}
