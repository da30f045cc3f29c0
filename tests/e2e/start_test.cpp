// Starting the magnifier: the first start, every key read and written back, hostile settings,
// the show commands and the session's end.
#include "tests/e2e/steps.h"

// 32 x 32 at least, on the screen.
static Step usableOnScreen() {
    return Step(__func__, "", [] {
        RECT r = windowRect(q.window);
        return r.right > 0 && r.bottom > 0 && r.left < 1024 && r.top < 768 &&
               r.right - r.left >= 32 && r.bottom - r.top >= 32;
    });
}

static const char kEveryKey[] =
    "[OTHER]\r\nKEEP=me\r\n[INIT]\r\nX=300\r\nY=200\r\nROP=3342344\r\nFRAME=0\r\nISTOKA=1\r\n"
    "WSIZE=0\r\nIsTop=0\r\nIsCross=0\r\nZOOM=40004\r\nWIDTH=256\r\nHEIGHT=168\r\n"
    "INT_TIME=80\r\nCOLOR=255\r\nVK_SPACE=0\r\nEXCLUDE_SELF=7\r\nSMOOTH=0\r\nLENS=0\r\nFILTER=7\r\n"
    "FOREIGN=7\r\n"
    "MEMO=\x95\x5c\x8e\xa6\r\n";  // 表示, code page 932

// clang-format off
E2E_CASE(first_start) {
    run({programsCarryVersion(), showPattern(), start(), windowAt({0, 0, 194, 130}),
         is(Visible | Topmost | HotkeyTaken | HighPriority, Sizable | Titled | ThickFrame),
         viewOf({500, 400}), secondCopyEndsAtOnce(), is(Visible), closeWindow(),
         fileIs("WSIZE=1 X=0 Y=0 IsTop=1 ZOOM=40003 INT_TIME=60 IsCross=0 WIDTH=194 "
                            "HEIGHT=130 ROP=13369376 FRAME=1 ISTOKA=0 EXCLUDE_SELF=0 SMOOTH=0 LENS=0 FILTER=0")});
}

// Every key read and written back in place; other sections and keys kept.
E2E_CASE(every_key) {
    run({showPattern(), start(kEveryKey), windowAt({300, 200, 556, 368}),
         is(Sizable, Topmost | HotkeyTaken | ThickFrame), viewOf({600, 500}, kNoFrame | kInverted, 4),
         closeWindow(), fileIs(kEveryKey)});
}

// Show commands with bit 1 or 2 set start hidden in the notification area.
E2E_CASE(show_commands) {
    const struct { int showCommand; bool hidden; } rows[] = {
        {SW_HIDE, false}, {SW_SHOWNORMAL, false}, {SW_SHOWMINIMIZED, true}, {SW_SHOWMAXIMIZED, true},
        {SW_SHOW, true}, {SW_SHOWMINNOACTIVE, true}, {SW_SHOWNA, false}, {SW_RESTORE, false},
        {SW_SHOWDEFAULT, true}, {kNoShowCommand, true}};
    for (const auto& r : rows)
        run({startShown(r.showCommand), waitMs(200), r.hidden ? isNot(Visible) : is(Visible), closeWindow()});
    // A shortcut set to run maximised: its show command replaces the first ShowWindow's. The
    // window's own place and size are kept, also after it was brought back.
    run({startShown(SW_SHOWMAXIMIZED, "X=300 Y=200 WSIZE=0"), isNot(Visible), closeWindow(),
         saved("X=300 Y=200 WIDTH=192 HEIGHT=128"),
         startShown(SW_SHOWMAXIMIZED, "X=300 Y=200 WSIZE=0"), isNot(Visible), ctrlSpace(), is(Visible),
         windowAt({300, 200, 492, 328}), closeWindow(), saved("X=300 Y=200 WIDTH=192 HEIGHT=128")});
}

// At logoff the process is ended without WM_DESTROY, after WM_ENDSESSION.
E2E_CASE(session_end) {
    run({start("X=100 Y=100"), command(ID_CROSS), command(kZoom4), placeAt({345, 210}),
         endSession(), saved("X=345 Y=210 IsCross=1 ZOOM=40004")});
}

// Each start has every key at one hostile value, after a line far longer than any buffer: a
// usable window on the screen, exit code 0, and, when the value is a number, the keys kept as
// they were: those the magnifier does not write, and those it writes back as read (no range
// applies; IsTop, which it takes as a flag, excepted).
E2E_CASE(hostile_settings) {
    const std::string values[] = {"0",  "-1",  "-2147483648", "2147483647", "abc",
                                  " 7", "1e9", "0x40",        "",           std::string(3000, '9')};
    const struct {
        const char* name;
        bool kept;
    } keys[] = {{"WSIZE", true},       {"X", false},        {"Y", false},
                {"IsTop", false},      {"ZOOM", true},      {"COLOR", true},
                {"VK_SPACE", true},    {"INT_TIME", false}, {"IsCross", true},
                {"WIDTH", false},      {"HEIGHT", false},   {"ROP", true},
                {"FRAME", true},       {"ISTOKA", true},    {"INFO", true},
                {"HK_FREEZE", true},   {"HK_COPY", true},   {"LANGUAGE", true},
                {"GRID", true},        {"COLOR_FORMAT", true}, {"AVERAGE", true},
                {"HK_PICK", true},     {"HK_ANCHOR", true}, {"HK_SAVE", true},
                {"SAVE_FOLDER", true}, {"FOLLOW_FOCUS", true}, {"EXCLUDE_SELF", true},
                {"SMOOTH", true},     {"POINTER", true},      {"HK_ZOOM_IN", true},
                {"HK_ZOOM_OUT", true}, {"LENS", true},        {"HK_LENS", true},
                {"FILTER", true}};
    for (const std::string& value : values) {
        bool number = value.find_first_not_of("-0123456789") == std::string::npos &&
                      !value.empty() && value.size() < 12;
        std::string file = "[INIT]\r\n" + std::string(100000, 'X') + "\r\n", kept;
        for (const auto& key : keys) {
            file += key.name + ("=" + value) + "\r\n";
            kept += number && key.kept ? key.name + ("=" + value) + " " : "";
        }
        run({start(file.c_str()), is(Visible), usableOnScreen(), closeWindow(),
             saved(kept.c_str())});
    }
}
