#include <windows.h>

#include <string>

#include <doctest/doctest.h>

#include "res/resource.h"
#include "test_support.h"
#include "window/menus.h"

static std::string labelAt(HMENU menu, int position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

static bool isSeparator(HMENU menu, int position) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    return (info.fType & MFT_SEPARATOR) != 0;
}

static bool isChecked(HMENU menu, UINT command) {
    return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

TEST_CASE("the menus are built with their Japanese labels in code page 932") {
    setDefaultSettings();
    buildMenus(&magnifier);
    REQUIRE(GetMenuItemCount(mainMenu) == 13);
    REQUIRE(GetMenuItemCount(frameMenu) == 2);
    REQUIRE(GetMenuItemCount(zoomMenu) == 10);
    REQUIRE(GetMenuItemCount(trayMenu) == 4);

    // The bytes themselves, so that a wrong source or execution character set shows.
    CHECK(labelAt(mainMenu, 0) == "\x8f\xed\x82\xc9\x8e\xe8\x91\x4f");          // 常に手前
    CHECK(labelAt(mainMenu, 1) == "\x8f\x5c\x8e\x9a\x82\xf0\x95\x5c\x8e\xa6");  // 十字を表示
    CHECK(labelAt(mainMenu, 2) == "\x83\x54\x83\x43\x83\x59\x8c\xc5\x92\xe8");  // サイズ固定
    CHECK(labelAt(trayMenu, 1) == "\x8c\xb3\x82\xcc\xbb\xb2\xbd\xde\x82\xc9\x96\xdf\x82\xb7");
    CHECK(labelAt(zoomMenu, 1) == "\x94\x7b\x97\xa6x 1.5");  // 倍率x 1.5
    CHECK(labelAt(zoomMenu, 9) == "\x94\x7b\x97\xa6x16");    // 倍率x16

    const UINT mainIds[] = {
        ID_ALWAYS_TOP, ID_CROSS, ID_SIZE_FIXED, ID_INVERT,    IDOJI_TOKA,  0,   (UINT)-1,
        (UINT)-1,      0,        ID_OPEN_INIT,  ID_OPEN_HELP, ID_MINIMIZE, IDOK};
    for (int i = 0; i < 13; ++i)
        CHECK(GetMenuItemID(mainMenu, i) == mainIds[i]);
    CHECK(isSeparator(mainMenu, 5));
    CHECK(isSeparator(mainMenu, 8));
    CHECK(GetSubMenu(mainMenu, 6) == frameMenu);
    CHECK(GetSubMenu(mainMenu, 7) == zoomMenu);
    CHECK(labelAt(mainMenu, 6) == "\x98\x67\x90\xdd\x92\xe8");          // 枠設定
    CHECK(labelAt(mainMenu, 7) == "\x94\x7b\x97\xa6\x90\xdd\x92\xe8");  // 倍率設定
    const UINT trayIds[] = {ID_OPEN_HELP, ID_RESTORE, 0, IDOK};
    for (int i = 0; i < 4; ++i)
        CHECK(GetMenuItemID(trayMenu, i) == trayIds[i]);
    CHECK(isSeparator(trayMenu, 2));

    // The frame entry of the loaded style is checked; inversion is not.
    CHECK(isChecked(frameMenu, ID_FRAME_BLACK));
    CHECK_FALSE(isChecked(frameMenu, ID_FRAME_NONE));
    CHECK_FALSE(isChecked(mainMenu, ID_INVERT));
    destroyMenus();
}

TEST_CASE("loaded inversion and frame styles set their check marks") {
    setDefaultSettings();
    magnifier.rop = NOTSRCCOPY;
    magnifier.frameStyle = 0;
    buildMenus(&magnifier);
    CHECK(isChecked(mainMenu, ID_INVERT));
    CHECK(isChecked(frameMenu, ID_FRAME_NONE));
    CHECK_FALSE(isChecked(frameMenu, ID_FRAME_BLACK));
    destroyMenus();
    magnifier.frameStyle = 2;
    buildMenus(&magnifier);
    CHECK_FALSE(isChecked(frameMenu, ID_FRAME_NONE));
    CHECK_FALSE(isChecked(frameMenu, ID_FRAME_BLACK));
    destroyMenus();
}
