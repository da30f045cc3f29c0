// The menus' check marks and labels, and which set-up tool the settings entry starts.
#include <windows.h>

#include <string>
#include "common/hotkeys.h"
#include "common/texts.h"
#include "tests/unit/support.h"
#include "window/dialog/menus.h"

TEST_CASE("the menus' check marks follow the loaded settings and every command") {
    {
        LiveWindow loaded(
            "ROP=3342344\0FRAME=0\0ZOOM=40020\0IsTop=0\0ISTOKA=1\0WSIZE=0\0"
            "EXCLUDE_SELF=2\0LENS=3\0");
        CHECK(checkMarks() == "ISXLlN x3");
    }
    {
        LiveWindow loaded("FRAME=2\0");  // a frame style of 2 checks neither frame entry
        CHECK(checkMarks() == "TF x2");
    }
    LiveWindow live("IsCross=5\0");  // any value but 0 counts as set
    // clang-format off
    const std::pair<UINT, const char*> rows[] = {
        {0, "TCFB x2"},               {ID_CROSS, "TFB x2"},          {ID_CROSS, "TCFB x2"},
        {IDOJI_TOKA, "TCFSB x2"},     {ID_SIZE_FIXED, "TCSB x2"},    {ID_INVERT, "TCISB x2"},
        {ID_ALWAYS_TOP, "CISB x2"},   {ID_FRAME_NONE, "CISN x2"},    {kZoom1_5, "CISN x-1"},
        {40016, "CISN x-1"},          {kZoom16, "CISN x16"},      {ID_FRAME_BLACK, "CISB x16"},
        {ID_CROSS, "ISB x16"},        {ID_INVERT, "SB x16"},         {ID_ALWAYS_TOP, "TSB x16"},
        {ID_EXCLUDE_SELF, "TSXB x16"}, {ID_EXCLUDE_SELF, "TSB x16"},  {ID_LENS, "TSLlB x16"},
        {ID_LENS, "TSB x16"}};
    // clang-format on
    for (const auto& r : rows) {
        if (r.first)
            SendMessageA(live.window, WM_COMMAND, r.first, 0);
        CHECK(checkMarks() == r.second);
    }
}

// The filter entries' marks, "-" for none.
static std::string filterMarks() {
    std::string marks;
    for (UINT id = ID_FILTER_NONE; id <= ID_FILTER_TRITANOPIA; ++id) {
        if (GetMenuState(filterMenu, id, MF_BYCOMMAND) & MF_CHECKED)
            marks += std::to_string(id - ID_FILTER_NONE);
    }
    return marks.empty() ? "-" : marks;
}

TEST_CASE("the filter menu marks the filter in force, and none for a value of no filter") {
    const struct {
        const char* keys;
        UINT command;  // 0: none
        const char* marks;
    } rows[] = {{"FILTER=3\0", 0, "3"},
                {"FILTER=9\0", 0, "-"},
                {"FILTER=9\0", ID_FILTER_GREYSCALE, "1"},
                {"FILTER=4\0", ID_FILTER_NONE, "0"}};
    for (const auto& r : rows) {
        LiveWindow live(r.keys);
        if (r.command)
            SendMessageA(live.window, WM_COMMAND, r.command, 0);
        CHECK(filterMarks() == r.marks);
    }
}

// The hot-key id of the table's row for an action.
static int hotkeyIdOf(HotkeyAction action) {
    for (const Hotkey& row : kHotkeys) {
        if (row.action == action)
            return row.id;
    }
    return -1;
}

TEST_CASE("a zoom key moves the zoom menu's check mark one entry; an unknown zoom counts as 1x") {
    const struct {
        const char* keys;
        HotkeyAction action;
        const char* marks;
    } rows[] = {{"ZOOM=40003\0", kZoomIn, "TFB x3"},
                {"ZOOM=40003\0", kZoomOut, "TFB x-1"},
                {"ZOOM=12345\0", kZoomIn, "TFB x-1"},
                {"ZOOM=12345\0", kZoomOut, "TFB x1"}};
    for (const auto& r : rows) {
        LiveWindow live(r.keys);
        SendMessageA(live.window, WM_HOTKEY, hotkeyIdOf(r.action), 0);
        CHECK(checkMarks() == r.marks);
    }
}

// Every label of the five menus, read back as UTF-16: a character lost on the way fails.
static std::wstring menuLabels() {
    std::wstring labels;
    for (HMENU menu : {mainMenu, frameMenu, zoomMenu, filterMenu, trayMenu}) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = L"";
            GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
            labels += std::wstring(text) + L"|";
        }
        labels += L"\n";
    }
    return labels;
}

TEST_CASE("the menus carry the labels of the face LANGUAGE chooses") {
    // clang-format off
    const std::pair<const char*, const wchar_t*> rows[] = {
        {"LANGUAGE=ja\0",
         L"常に手前|十字を表示|サイズ固定|色反転|ドラック時も拡大|自分を映さない|なめらかに拡大|カーソルに付いて動く||枠設定|倍率設定|色フィルター||"
         L"初期設定ツール|ヘルプ|最小化|終了|\n"
         L"枠無し|黒枠|\n"
         L"倍率x 1|倍率x 1.5|倍率x 2|倍率x 3|倍率x 4|倍率x 5|倍率x 6|倍率x 7|倍率x 8|倍率x16|\n"
         L"なし|グレースケール|1 型 (赤)|2 型 (緑)|3 型 (青)|\n"
         L"ヘルプ|元のｻｲｽﾞに戻す|カーソルに付いて動く||終了|\n"},
        {"LANGUAGE=en\0",
         L"Always on Top|Show Crosshair|Fixed Size|Invert Colors|Magnify While Dragging|Leave Out Own Window|Smooth Scaling|"
         L"Move With Cursor||Frame|Zoom|Color Filter||"
         L"Settings...|Help|Minimize|Exit|\n"
         L"No Frame|Black Frame|\n"
         L"1x|1.5x|2x|3x|4x|5x|6x|7x|8x|16x|\n"
         L"None|Grayscale|Protanopia|Deuteranopia|Tritanopia|\n"
         L"Help|Restore|Move With Cursor||Exit|\n"}};
    // clang-format on
    for (const auto& r : rows) {
        LiveWindow live(r.first);
        CHECK(menuLabels() == r.second);
    }
    setLanguage(kJapanese);
}
