// The unit tests: the view's geometry, snapping and tick, rendering into memory; the settings
// path, the face a LANGUAGE chooses and the message of a failed save; the menus' labels and
// check marks and the dialog procedure's returns on a live window.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <windows.h>

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <doctest/doctest.h>
#include <wincodec.h>

#include "common/inifile.h"
#include "common/settings.h"
#include "common/texts.h"
#include "res/resource.h"
#include "tests/common/pattern.h"
#include "view/color.h"
#include "view/geometry.h"
#include "view/readout.h"
#include "view/render.h"
#include "window/dialog.h"
#include "window/menus.h"
#include "window/picture.h"
#include "window/placement.h"
#include "window/settings.h"
#include "window/state.h"
#include "window/tick.h"

// A fresh process's state, then loadSettings in a scratch directory whose QILO.INI holds the
// [INIT] keys given as "key=value\0" pairs (no file when null), as the program does at start.
static void loadSettingsFrom(const char* keys) {
    char directory[MAX_PATH], previous[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    lstrcatA(directory, "qilo-unit");
    CreateDirectoryA(directory, nullptr);
    std::string file = std::string(directory) + "\\QILO.INI";
    DeleteFileA(file.c_str());
    if (keys)
        WritePrivateProfileSectionA("INIT", keys, file.c_str());
    magnifier = MagnifierState();
    session = Session();
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(directory);
    loadSettings();
    SetCurrentDirectoryA(previous);
}

using Six = std::array<int, 6>;

TEST_CASE("the source rectangle and crosshair follow the zoom and the view") {
    const struct {
        int zoom, width, height, frame;
        Six source;  // width, height, half width, half height, crosshair x and y
    } rows[] = {
        {kZoom2, 194, 130, 1, {96, 64, 48, 32, 97, 65}},
        {kZoom1_5, 194, 130, 1, {128, 85, 64, 42, 96, 63}},  // crosshair at 3/4 of it
        {kZoom16, 194, 130, 0, {12, 8, 6, 4, 97, 65}},
        {kZoom4, 300, 200, 0, {75, 50, 37, 25, 150, 100}},
        {ID_SIZE_FIXED, 194, 130, 1, {192, 128, 96, 64, 97, 65}},  // no zoom entry: 1:1
    };
    for (const auto& r : rows) {
        MagnifierState& s = magnifier = MagnifierState();
        s.settings.zoomCommand = r.zoom;
        s.view.viewWidth = r.width;
        s.view.viewHeight = r.height;
        s.view.frameWidth = r.frame;
        computeGeometry(s.settings, &s.view);
        CHECK(Six{s.view.srcWidth, s.view.srcHeight, s.view.srcHalfWidth, s.view.srcHalfHeight,
                  s.view.crossX, s.view.crossY} == r.source);
    }
}

TEST_CASE("proposed sizes snap to twice the zoom factor, less the frame, from 50 up") {
    // clang-format off
    const int rows[][5] = {  // factor, frame, held size, proposed, snapped
        {2, 1, 100, 194, 192}, {2, 1, 100, 197, 192},  {2, 1, 100, 198, 196},
        {2, 1, 100, 100, 100},  // the held size stays as it is
        {2, 1, 100, 49, 50},   {2, 1, 100, 0, 50},     {16, 1, 100, 50, 32},  {16, 1, 100, 66, 64},
        {-1, 0, 100, 101, 100}, {-1, 1, 100, 101, 98}, {5, 1, 100, 300, 290}, {7, 0, 100, 50, 42},
        {0, 1, 100, 301, 298}};  // before a zoom entry is selected: the step of 1x
    // clang-format on
    for (const auto& r : rows) {
        magnifier.view.zoomFactor = r[0];
        magnifier.view.frameWidth = r[1];
        magnifier.settings.windowWidth = magnifier.settings.windowHeight = r[2];
        WINDOWPOS pos = {};
        pos.cx = pos.cy = r[3];
        snapWindowSize(&pos);
        CHECK((pos.cx == r[4] && pos.cy == r[4]));
    }
}

TEST_CASE("the edges size the window in a band that grows with the DPI, wider at the corners") {
    const RECT window = {100, 50, 300, 200};
    // clang-format off
    const struct { int dpi, x, y; LRESULT code; } rows[] = {
        {96, 100, 50, HTTOPLEFT},     {96, 111, 50, HTTOPLEFT},   {96, 112, 50, HTTOP},
        {96, 103, 100, HTLEFT},       {96, 104, 100, HTCLIENT},   {96, 200, 53, HTTOP},
        {96, 200, 54, HTCLIENT},      {96, 296, 100, HTRIGHT},    {96, 295, 100, HTCLIENT},
        {96, 299, 188, HTBOTTOMRIGHT}, {96, 296, 187, HTRIGHT},   {96, 288, 196, HTBOTTOMRIGHT},
        {96, 287, 196, HTBOTTOM},     {96, 100, 199, HTBOTTOMLEFT}, {96, 299, 50, HTTOPRIGHT},
        {144, 105, 100, HTLEFT},      {144, 106, 100, HTCLIENT},  {144, 117, 50, HTTOPLEFT},
        {144, 118, 50, HTTOP},        {144, 200, 194, HTBOTTOM},  {144, 200, 193, HTCLIENT},
        {192, 107, 100, HTLEFT},      {192, 108, 100, HTCLIENT},  {192, 300 - 24, 199, HTBOTTOMRIGHT}};
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.dpi);
        CAPTURE(r.x);
        CAPTURE(r.y);
        CHECK(sizingHitTest(window, {r.x, r.y}, r.dpi) == r.code);
    }
}

TEST_CASE("a number in the settings file reads as the profile functions convert it") {
    // clang-format off
    const std::pair<const wchar_t*, int> rows[] = {
        {L"", 7}, {L"0", 0}, {L"42", 42}, {L"-350", -350}, {L"-32000", -32000}, {L"+5", 5},
        {L" \t-12", -12}, {L"0x40", 64}, {L"0o17", 15}, {L"0b101", 5}, {L"0X40", 0}, {L"1e9", 1},
        {L"12abc", 12}, {L"abc", 0}, {L"-", 0}, {L"2147483647", 2147483647},
        {L"-2147483648", (int)0x80000000u}, {L"4294967295", -1}, {L"4294967296", 0}};
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.second);
        CHECK(parseSettingInt(r.first, 7) == r.second);
    }
}

TEST_CASE("the crosshair shift scales the pushed distance by the zoom") {
    const int rows[][3] = {{-3, -1, -4}, {-1, -1, -1}, {1, -1, 1}, {3, -1, 4},
                           {-5, 4, -20}, {-5, 1, -5},  {-5, 0, -5}};  // distance, factor, shift
    for (const auto& r : rows)
        CHECK(crosshairShift(r[0], r[1]) == r[2]);
}

// A frame's surfaces in memory: a 1024 x 768 "screen" of the pattern, the back buffer and the
// "window"; the settings are the defaults (no crosshair), 2x.
struct MemoryFrame {
    Dib screen{1024, 768}, back{194, 130}, window{194, 130};

    MemoryFrame() {
        screen.fill(0, 0);
        loadSettingsFrom(nullptr);
        magnifier.surfaces.sourceDC = screen.dc;
        magnifier.surfaces.backDC = back.dc;
        magnifier.surfaces.backBits = back.bits;
        magnifier.surfaces.windowDC = window.dc;
        selectZoom(kZoom2, &magnifier.view);
        updateView();
    }
};

TEST_CASE("the tick renders a resting cursor on every tenth tick, a moved one at once") {
    MemoryFrame frame;
    POINT cursor;
    GetCursorPos(&cursor);
    session.lastCursorX = cursor.x;
    session.lastCursorY = cursor.y;
    const char* ticks = "---------R----M-----R";  // - no render, R render, M moved: render
    for (const char* t = ticks; *t; ++t) {
        session.lastCursorY = cursor.y + (*t == 'M');
        CHECK(magnifyTick(nullptr) == (*t != '-'));
    }
    ExpectedView view = {1, 2, magnifier.view.srcX, magnifier.view.srcY, false, 0, -1, -1};
    POINT first;
    CHECK(view.mismatches(frame.window, &first) == 0);
}

TEST_CASE("a colour in each format, as the readout and the copy write it") {
    // clang-format off
    const struct { COLORREF color; const char* text[4]; } rows[] = {  // hex, rgb, hsl, decimal
        {RGB(255, 0, 0),     {"#FF0000", "rgb(255, 0, 0)", "hsl(0, 100%, 50%)", "255, 0, 0"}},
        {RGB(18, 52, 86),    {"#123456", "rgb(18, 52, 86)", "hsl(210, 65%, 20%)", "18, 52, 86"}},
        {RGB(200, 100, 150), {"#C86496", "rgb(200, 100, 150)", "hsl(330, 48%, 59%)", "200, 100, 150"}},
        {RGB(255, 255, 0),   {"#FFFF00", "rgb(255, 255, 0)", "hsl(60, 100%, 50%)", "255, 255, 0"}},
        {RGB(128, 128, 128), {"#808080", "rgb(128, 128, 128)", "hsl(0, 0%, 50%)", "128, 128, 128"}},
        {RGB(255, 255, 255), {"#FFFFFF", "rgb(255, 255, 255)", "hsl(0, 0%, 100%)", "255, 255, 255"}}};
    // clang-format on
    for (const auto& r : rows) {
        for (int format : {kHexColor, kRgbColor, kHslColor, kDecimalColor}) {
            char text[kColorTextSize];
            CHECK(formatColor(text, r.color, format) == lstrlenA(r.text[format]));
            CHECK(std::string(text) == r.text[format]);
        }
    }
}

TEST_CASE("the readout's lines: pick mode, averaging, and the measure from an anchor") {
    // clang-format off
    const struct {
        int picking, average, anchored, anchorX, anchorY;
        COLORREF anchorColor, color;
        const char* lines;  // joined by '|'
    } rows[] = {
        {0, 1, 0, 0, 0, 0, RGB(1, 2, 3), "300, 200 #010203"},
        {1, 1, 0, 0, 0, 0, RGB(1, 2, 3), "300, 200 #010203|PICK"},
        {0, 3, 0, 0, 0, 0, RGB(1, 2, 3), "300, 200 #010203|avg 3x3"},
        {1, 4, 0, 0, 0, 0, RGB(1, 2, 3), "300, 200 #010203|PICK avg 5x5"},
        {0, 1, 1, 297, 196, RGB(0, 0, 0), RGB(255, 255, 255), "300, 200 #FFFFFF|+3, +4 5.00px 21.00:1"},
        {0, 1, 1, 310, 201, RGB(255, 255, 255), RGB(119, 119, 119), "300, 200 #777777|-10, -1 10.05px 4.48:1"},
        {1, 3, 1, 300, 200, RGB(255, 255, 0), RGB(0, 0, 255), "300, 200 #0000FF|PICK avg 3x3|+0, +0 0.00px 8.00:1"},
        {0, 1, 1, 0, 0, RGB(255, 0, 0), RGB(255, 255, 255), "300, 200 #FFFFFF|+300, +200 360.56px 4.00:1"}};
    // clang-format on
    for (const auto& r : rows) {
        MagnifierState& s = magnifier = MagnifierState();
        s.settings.averageSize = r.average;
        s.loupe = {r.picking, r.anchored, r.anchorX, r.anchorY, r.anchorColor};
        s.view.pointX = 300, s.view.pointY = 200, s.view.pointColor = r.color;
        char lines[kReadoutLines][kReadoutLineLength];
        std::string joined;
        for (int i = 0, count = readoutText(&s, lines); i < count; ++i)
            joined += (i ? "|" : "") + std::string(lines[i]);
        CHECK(joined == r.lines);
    }
}

// A frame at the zoom round (500, 300) over a screen of one colour but for the patch of 5 x 5
// whose middle is the cursor, at (500, 300) or at the view's left edge; the settings as given.
struct FlatFrame : MemoryFrame {
    FlatFrame(int zoomCommand,
              const char* patch,
              int grid = 0,
              int averageSize = 1,
              bool atLeftEdge = false,
              int viewHeight = 130,
              int frameWidth = 1) {
        screen.fill(RGB(90, 120, 150));
        magnifier.view.viewHeight = viewHeight;
        magnifier.view.frameWidth = frameWidth;
        magnifier.settings.showInfo = 1;
        magnifier.settings.grid = grid;
        magnifier.settings.averageSize = averageSize;
        magnifier.settings.zoomCommand = zoomCommand;
        selectZoom(zoomCommand, &magnifier.view);
        updateView();
        View& v = magnifier.view;
        v.srcX = 500 - v.srcHalfWidth, v.srcY = 300 - v.srcHalfHeight;
        v.pointX = atLeftEdge ? v.srcX : 500, v.pointY = 300;
        v.monitor = {0, 0, 1024, 768};
        for (int i = 0; patch[i]; ++i)  // black and white read the same either way round
            screen.bits[(298 + i / 5) * screen.width + v.pointX - 2 + i % 5] =
                patch[i] == 'b' ? 0 : 0xFFFFFF;
        renderFrame(&magnifier, TRUE);
    }
};

TEST_CASE("the colour read is the mean of the AVERAGE square round the cursor") {
    const char* blackInWhite =
        "wwwww"
        "wwwww"
        "wwbww"
        "wwwww"
        "wwwww";
    const struct {
        int average;
        bool atLeftEdge;  // the square's left column is outside the view
        COLORREF mean;
    } rows[] = {{1, false, RGB(0, 0, 0)},
                {2, false, RGB(227, 227, 227)},  // 8 of 9 white: 226.7
                {3, false, RGB(227, 227, 227)},
                {5, false, RGB(245, 245, 245)},  // 24 of 25: 244.8
                {3, true, RGB(213, 213, 213)}};  // 5 of the 6 shown: 212.5
    for (const auto& r : rows) {
        FlatFrame frame(kZoom4, blackInWhite, 0, r.average, r.atLeftEdge);
        CHECK(magnifier.view.pointColor == r.mean);
    }
}

TEST_CASE("the grid lines every source pixel from 6x up in black and white, none below") {
    for (int zoom : {kZoom5, kZoom6, kZoom8, kZoom16}) {
        FlatFrame frame(zoom, "", 1);
        int factor = magnifier.view.zoomFactor, f = magnifier.view.frameWidth;
        auto isLine = [](COLORREF c) { return c == 0 || c == 0xFFFFFF; };
        // Along a row through the first source row, and down a column through the last source
        // column, both away from the cursor: the lines where they belong, nothing else.
        int lines = 0, wrong = 0, down = 0, firstRow = 0;
        for (int x = f; x < 194 - f; ++x) {
            COLORREF c = frame.window.at(x, f + 2);
            bool onLine = factor >= 6 && x > f && (x - f) % factor == 0;
            lines += onLine;
            wrong += onLine ? !isLine(c) : c != RGB(90, 120, 150);
        }
        for (int y = f; y < 130 - f; ++y) {
            COLORREF c = frame.window.at(194 - f - 3, y);
            firstRow = firstRow || !isLine(c) ? firstRow : y;
            down += isLine(c);
            wrong += !isLine(c) && c != RGB(90, 120, 150);
        }
        CHECK_MESSAGE(wrong == 0, factor);
        CHECK(lines == (factor >= 6 ? 192 / factor - 1 : 0));
        CHECK(down == (factor >= 6 ? magnifier.view.srcHeight - 1 : 0));
        // Down a line, and along one, black and white take turns.
        if (factor >= 6)
            CHECK((frame.window.at(f + factor, 10) != frame.window.at(f + factor, 11) &&
                   frame.window.at(150, firstRow) != frame.window.at(151, firstRow)));
    }
    // An odd inner height without a frame: the vertical lines still reach the last row.
    FlatFrame odd(kZoom8, "", 1, 1, false, 129, 0);
    int firstLine = 1;
    while (firstLine < 194 && odd.window.at(firstLine, 0) == RGB(90, 120, 150))
        ++firstLine;
    CHECK(odd.window.at(firstLine, 128) != RGB(90, 120, 150));
}

TEST_CASE("the pixel under the cursor is framed black outside, white inside, at 8x") {
    FlatFrame frame(kZoom8, "", 1);
    const View& v = magnifier.view;
    int left = v.frameWidth + 8 * (v.pointX - v.srcX), top = v.frameWidth + 8 * (v.pointY - v.srcY);
    const struct {
        int x, y;
        COLORREF color;
    } rows[] = {{left, top, 0},
                {left + 8, top + 8, 0},
                {left + 7, top, 0},
                {left, top + 7, 0},
                {left + 1, top + 1, 0xFFFFFF},
                {left + 7, top + 4, 0xFFFFFF},
                {left + 4, top + 4, RGB(90, 120, 150)}};
    for (const auto& r : rows)
        CHECK(frame.window.at(r.x, r.y) == r.color);
}

// The pixels of a PNG file, through the system's imaging component; empty when it cannot be read.
static std::vector<DWORD> readPng(const wchar_t* path, UINT* width, UINT* height) {
    std::vector<DWORD> pixels;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICBitmapSource* converted = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, (void**)&factory)) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame, &converted)) &&
        SUCCEEDED(converted->GetSize(width, height))) {
        pixels.resize(*width * *height);
        converted->CopyPixels(nullptr, *width * 4, pixels.size() * 4, (BYTE*)pixels.data());
    }
    for (IUnknown* held :
         {(IUnknown*)converted, (IUnknown*)frame, (IUnknown*)decoder, (IUnknown*)factory})
        if (held)
            held->Release();
    CoUninitialize();
    return pixels;
}

TEST_CASE("a view saved as PNG loads back with the view's size and pixels") {
    FlatFrame frame(kZoom8, "bwbwbwbwbwbwbwbwbwbwbwbwb", 1);
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, path);
    lstrcatW(path, L"qilo-unit-表.png");
    HBITMAP view = copyViewBitmap(&magnifier);
    REQUIRE(writePng(view, path) == S_OK);
    DeleteObject(view);
    UINT width = 0, height = 0;
    std::vector<DWORD> pixels = readPng(path, &width, &height);
    DeleteFileW(path);
    REQUIRE((width == 192 && height == 128));
    int differing = 0;
    for (UINT i = 0; i < pixels.size(); ++i)
        differing += (pixels[i] & 0xFFFFFF) !=
                     (frame.back.bits[(1 + i / 192) * 194 + 1 + i % 192] & 0xFFFFFF);
    CHECK(differing == 0);
}

// Points this program's import of a user32 function at a replacement while it lives, so that
// a test can have a system call fail as it does on some desktops.
struct ImportPatch {
    void** slot = nullptr;
    void* original = nullptr;

    ImportPatch(const char* name, void* replacement) {
        void* target =
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name));
        BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        DWORD imports =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); d->Name; ++d) {
            for (auto** entry = reinterpret_cast<void**>(base + d->FirstThunk); *entry; ++entry)
                slot = *entry == target ? entry : slot;
        }
        set(replacement);
    }
    ~ImportPatch() {
        set(original);
    }
    void set(void* value) {
        DWORD protection;
        if (!slot || !VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection))
            return;
        original = original ? original : *slot;
        *slot = value;
        VirtualProtect(slot, sizeof *slot, protection, &protection);
    }
};

// GetCursorPos on the secure desktop (a UAC prompt, the lock screen).
static BOOL WINAPI cursorUnreadable(POINT*) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

TEST_CASE("a tick whose cursor cannot be read draws nothing and keeps the last frame") {
    MemoryFrame frame;
    CHECK(magnifyTick(nullptr));  // the cursor moved from (0, 0): a frame
    frame.screen.fill(0, 1);      // then the screen changes
    {
        ImportPatch patch("GetCursorPos", reinterpret_cast<void*>(cursorUnreadable));
        REQUIRE(patch.slot);
        for (int tick = 0; tick < 12; ++tick) {
            session.lastCursorX = -1;  // a cursor that moves would render at once
            CHECK_FALSE(magnifyTick(nullptr));
        }
    }
    ExpectedView before = {1, 2, magnifier.view.srcX, magnifier.view.srcY, false, 0, -1, -1};
    POINT first;
    CHECK(before.mismatches(frame.window, &first) == 0);
}

TEST_CASE("both icons hold an image for every size the shell asks for from 100 % to 200 %") {
    for (int id : {IDI_APP, IDI_TRAY}) {
        HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));
        REQUIRE(found);
        const BYTE* group = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
        std::string sizes;
        for (int i = 0; i < *reinterpret_cast<const WORD*>(group + 4); ++i)
            sizes += std::to_string(group[6 + 14 * i]) + " ";  // each entry's width
        CHECK(sizes == "16 20 24 32 48 ");
    }
}

TEST_CASE("the settings path joins directory and name at its last character, never truncated") {
    const std::wstring fits(MAX_PATH - 1 - 9 - 3, L'b');  // the longest directory that fits
    // clang-format off
    const struct { std::wstring directory, path; } rows[] = {
        {L"C:\\", L"C:\\QILO.INI"},                {L"C:\\WORK", L"C:\\WORK\\QILO.INI"},
        {L"C:\\表", L"C:\\表\\QILO.INI"},          {L"C:\\Zoë Ω 日本\\", L"C:\\Zoë Ω 日本\\QILO.INI"},
        {L"C:\\" + fits, L"C:\\" + fits + L"\\QILO.INI"},
        {L"C:\\" + fits + L"b", L".\\QILO.INI"},  // one longer: no longer fits
        {L"C:\\" + std::wstring(250, L'a'), L".\\QILO.INI"}};  // too long: the same file, relative
    // clang-format on
    for (const auto& r : rows) {
        wchar_t path[MAX_PATH];
        CHECK(buildSettingsPath(path, r.directory.c_str()) == (r.path[0] != L'.'));
        CHECK(path == r.path);
    }
}

TEST_CASE("the README's table of keys is the settings table: order, defaults, ranges, writers") {
    std::ifstream file(QILO_SOURCE_DIR "/README.md", std::ios::binary);
    const std::string readme((std::istreambuf_iterator<char>(file)), {});
    size_t previous = 0;
    for (int i = 0; i < kSettingKeyCount; ++i) {
        const SettingKey& key = kSettingKeys[i];
        const SettingRange& r = key.range;
        std::string name(key.name, key.name + lstrlenW(key.name)), value, range = "any";
        value = key.form == kNumber ? std::to_string(key.defaultValue) : "none";
        if (key.form != kNumber)
            range = key.form == kText ? "a folder" : "`ja`, `en`";
        else if (r.low <= r.high)
            range = std::to_string(r.low) + "\xE2\x80\x93" + std::to_string(r.high);  // an en dash
        const char* writers[] = {"", "Qilo at exit |", "QConf on OK",
                                 "Qilo at exit, QConf on OK |"};
        size_t row = readme.find("\n| `" + name + "` | " + value + " | " + range);  // in order
        CHECK_MESSAGE((row != std::string::npos && row > previous), name);
        CHECK_MESSAGE(
            readme.substr(row, readme.find('\n', row + 1) - row).find(writers[key.writers]) !=
                std::string::npos,
            name);
        previous = row;
    }
}

TEST_CASE("LANGUAGE chooses the face; without ja or en the user's display language does") {
    const LANGID japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    const LANGID chinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
    // clang-format off
    const struct { const wchar_t* setting; LANGID user; Language face; } rows[] = {
        {L"ja", english, kJapanese}, {L"en", japanese, kEnglish},  {L"EN", japanese, kEnglish},
        {L"", japanese, kJapanese},  {L"", english, kEnglish},     {L"", chinese, kEnglish},
        {L"fr", japanese, kJapanese}, {L"jap", english, kEnglish}, {L"en ", japanese, kJapanese}};
    // clang-format on
    for (const auto& r : rows)
        CHECK(languageFor(namedLanguage(r.setting), r.user) == r.face);
}

TEST_CASE("a failed save names the file and the system's reason in the face in force") {
    const DWORD unknown = 0x2000ABCD;  // no system text: its number instead
    wchar_t reason[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   ERROR_ACCESS_DENIED, 0, reason, 512, nullptr);
    // clang-format off
    const struct { Language face; DWORD error; std::wstring expected; } rows[] = {
        {kEnglish, ERROR_ACCESS_DENIED, std::wstring(L"The settings could not be saved.\n\nC:\\Zoë Ω 日本\\QILO.INI\n\n") + reason},
        {kJapanese, unknown, L"設定を保存できませんでした。\n\nC:\\Zoë Ω 日本\\QILO.INI\n\nエラー 536914893"},
        {kEnglish, unknown, L"The settings could not be saved.\n\nC:\\Zoë Ω 日本\\QILO.INI\n\nError 536914893"}};
    // clang-format on
    for (const auto& r : rows) {
        setLanguage(r.face);
        wchar_t message[1024];
        describeSaveFailure(message, 1024, L"C:\\Zoë Ω 日本\\QILO.INI", r.error);
        CHECK(message == r.expected);
    }
    setLanguage(kJapanese);
}

TEST_CASE("sizes and periods that would break the program are brought into range") {
    using Five = std::array<int, 5>;  // width, height, the view's width and height, period
    const std::pair<const char*, Five> rows[] = {
        {"WIDTH=0\0HEIGHT=2147483647\0INT_TIME=-1\0", {32, 8192, 32, 8192, 10}},
        {"WIDTH=-5\0HEIGHT=-2147483648\0INT_TIME=2147483647\0", {32, 32, 32, 32, 10000}}};
    for (const auto& r : rows) {
        loadSettingsFrom(r.first);
        CHECK(Five{magnifier.settings.windowWidth, magnifier.settings.windowHeight,
                   magnifier.view.viewWidth, magnifier.view.viewHeight,
                   magnifier.settings.intervalMs} == r.second);
    }
}

// The real magnifier window, made from its template with its dialog procedure, with the
// settings given; it registers no hot key.
struct LiveWindow {
    HWND window;

    explicit LiveWindow(const char* keys) {
        loadSettingsFrom(keys);
        magnifier.settings.hotkeyEnabled = 0;
        window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAGNIFIER),
                                    nullptr, magnifierDialogProc, 0);
        ShowWindow(window, SW_SHOW);
        updateView();
        pump();  // the always-on-top command posted at initialisation
    }
    ~LiveWindow() {
        DestroyWindow(window);
        pump();
    }
    static void pump() {
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&msg);
    }
};

// The check marks as initials: T always on top, C crosshair, F fixed size, I inverted,
// S see-through, N no frame, B black frame, then the zoom entry's factor.
static std::string checkMarks() {
    const UINT ids[] = {ID_ALWAYS_TOP, ID_CROSS,      ID_SIZE_FIXED, ID_INVERT,
                        IDOJI_TOKA,    ID_FRAME_NONE, ID_FRAME_BLACK};
    std::string marks;
    for (int i = 0; i < 7; ++i) {
        if (GetMenuState(i < 5 ? mainMenu : frameMenu, ids[i], MF_BYCOMMAND) & MF_CHECKED)
            marks += "TCFISNB"[i];
    }
    for (const ZoomEntry& e : zoomTable) {
        if (GetMenuState(zoomMenu, e.command, MF_BYCOMMAND) & MF_CHECKED)
            marks += " x" + std::to_string(e.factor);
    }
    return marks;
}

TEST_CASE("the menus' check marks follow the loaded settings and every command") {
    {
        LiveWindow loaded("ROP=3342344\0FRAME=0\0ZOOM=40020\0IsTop=0\0ISTOKA=1\0WSIZE=0\0");
        CHECK(checkMarks() == "ISN x3");
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
        {ID_CROSS, "ISB x16"},        {ID_INVERT, "SB x16"},         {ID_ALWAYS_TOP, "TSB x16"}};
    // clang-format on
    for (const auto& r : rows) {
        if (r.first)
            SendMessageA(live.window, WM_COMMAND, r.first, 0);
        CHECK(checkMarks() == r.second);
    }
}

// Every label of the four menus, read back as UTF-16: a character lost on the way fails.
static std::wstring menuLabels() {
    std::wstring labels;
    for (HMENU menu : {mainMenu, frameMenu, zoomMenu, trayMenu}) {
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
         L"常に手前|十字を表示|サイズ固定|色反転|ドラック時も拡大||枠設定|倍率設定||初期設定ツール|ヘルプ|最小化|終了|\n"
         L"枠無し|黒枠|\n"
         L"倍率x 1|倍率x 1.5|倍率x 2|倍率x 3|倍率x 4|倍率x 5|倍率x 6|倍率x 7|倍率x 8|倍率x16|\n"
         L"ヘルプ|元のｻｲｽﾞに戻す||終了|\n"},
        {"LANGUAGE=en\0",
         L"Always on Top|Show Crosshair|Fixed Size|Invert Colors|Magnify While Dragging||Frame|Zoom||"
         L"Settings...|Help|Minimize|Exit|\n"
         L"No Frame|Black Frame|\n"
         L"1x|1.5x|2x|3x|4x|5x|6x|7x|8x|16x|\n"
         L"Help|Restore||Exit|\n"}};
    // clang-format on
    for (const auto& r : rows) {
        LiveWindow live(r.first);
        CHECK(menuLabels() == r.second);
    }
    setLanguage(kJapanese);
}

TEST_CASE("the dialog procedure returns TRUE for what it handles, FALSE for the rest") {
    LiveWindow live(nullptr);
    WINDOWPOS pos = {live.window, nullptr, 0, 0, 194, 130, SWP_NOMOVE};
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    // clang-format off
    const struct { UINT message; WPARAM wParam; LPARAM lParam; INT_PTR result; } rows[] = {
        {WM_WINDOWPOSCHANGING, 0, (LPARAM)&pos, TRUE}, {WM_SIZE, SIZE_RESTORED, 0, TRUE},
        {WM_COMMAND, 40016, 0, TRUE},      {WM_LBUTTONDOWN, MK_LBUTTON, 0, TRUE},
        {WM_MOUSEMOVE, MK_LBUTTON, 0, TRUE},  {WM_CAPTURECHANGED, 0, 0, TRUE},
        {WM_LBUTTONUP, 0, 0, TRUE},        {WM_RBUTTONUP, MK_LBUTTON, 0, TRUE},  // no menu
        {WM_HOTKEY, 7, 0, TRUE},           {WM_TRAYNOTIFY, 1, WM_MOUSEMOVE, TRUE},
        {WM_ENDSESSION, FALSE, 0, TRUE},   {WM_DISPLAYCHANGE, 32, 0, TRUE}, {WM_DPICHANGED, 0, 0, TRUE},
        {WM_DROPTASKBARBUTTON, 0, 0, TRUE},
        {taskbarCreated, 0, 0, FALSE},     {WM_PAINT, 0, 0, FALSE},  {WM_CLOSE, 0, 0, FALSE}};
    // clang-format on
    for (const auto& r : rows)
        CHECK(magnifierDialogProc(live.window, r.message, r.wParam, r.lParam) == r.result);
    session.trayIconAdded = 1;  // hidden in the notification area, the window has no timer
    SendMessageA(live.window, WM_COMMAND, ID_MINIMIZE, 0);
    CHECK_FALSE(KillTimer(live.window, 1));
    // Restored, it ticks again, always on top as before, with the menus saying so.
    SendMessageA(live.window, WM_COMMAND, ID_RESTORE, 0);
    CHECK(checkMarks() == "TFB x2");
    CHECK(KillTimer(live.window, 1));
}
