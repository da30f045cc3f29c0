// The set-up tool QConf.exe.
#include "tests/e2e/steps.h"

#include <psapi.h>

// In the front dialog: focused; focused, all selected.
static Step focusedIs(int control) {
    return Step(__func__, shown(control), 2000,
                [=] { return controlFocused(frontDialog(), control); });
}

static Step readyToTypeOver(int control) {
    return Step(__func__, shown(control), 2000, [=] {
        HWND d = frontDialog();
        LRESULT length = SendDlgItemMessageW(d, control, WM_GETTEXTLENGTH, 0, 0);
        return controlFocused(d, control) &&
               SendDlgItemMessageW(d, control, EM_GETSEL, 0, 0) == MAKELONG(0, length);
    });
}

static Step hotkeyShows(int control, int hotkey) {
    return Step(__func__, shown(control, hotkey), [=] {
        int key = (int)(SendDlgItemMessageW(frontDialog(), control, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
        if (key != hotkey)
            printf("  the key control shows 0x%X\n", key);
        return key == hotkey;
    });
}

// The tool's colour swatch.
static Step swatchShows(COLORREF color) {
    return Step(__func__, shown(color), 2000, [=] {
        RECT swatch = windowRect(GetDlgItem(tool.window, IDC_COLOR_SWATCH));
        POINT middle = {(swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2};
        return Capture(RECT{middle.x, middle.y, middle.x + 1, middle.y + 1}).at(0, 0) == color;
    });
}

// The file a running program was started from.
static std::string imageOf(const Qilo& p) {
    wchar_t path[MAX_PATH] = L"";
    HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, p.process.dwProcessId);
    GetModuleFileNameExW(process, nullptr, path, MAX_PATH);
    CloseHandle(process);
    return narrow(path);
}

static Step toolStartedBesideMagnifier() {
    return Step(__func__, "", [] {
        std::string qilo = imageOf(q);
        return imageOf(tool) == qilo.substr(0, qilo.rfind('\\')) + "\\QConf.exe";
    });
}

static Step hotkeyInto(int control, int hotkey) {
    return Step(__func__, shown(control, hotkey), [=] {
        SendDlgItemMessageA(frontDialog(), control, HKM_SETHOTKEY, hotkey, 0);
        return true;
    });
}

static Step keyInto(int control, WORD vk, WORD modifier = 0) {
    return Step(__func__, shown(control, vk, modifier), [=] {
        SetForegroundWindow(frontDialog());
        PostMessageW(frontDialog(), WM_NEXTDLGCTL, (WPARAM)GetDlgItem(frontDialog(), control),
                     TRUE);
        pump(200);
        return (modifier ? keyCombo(modifier, vk) : pressKey(vk)) && settle(200);
    });
}

static Step noFile() {
    return Step(__func__, "", [] {
        return GetFileAttributesW((dir + L"\\QILO.INI").c_str()) == INVALID_FILE_ATTRIBUTES;
    });
}

// A file in the scenario's directory renamed, as while a program it holds runs.
static Step moveAway(const char* file) {
    return Step(__func__, shown(file), [=] {
        std::wstring path = dir + L"\\" + widen(file);
        return MoveFileExW(path.c_str(), (path + L".gone").c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    });
}

// In this program, which ignores the quit command: the magnifier's event, and with it, when
// asked, a window that says it is the magnifier's; true once they are there, or gone.
static bool stubbornMagnifier(bool event, bool window) {
    static HANDLE held;
    static HWND shownWindow;
    DestroyWindow(shownWindow);  // none the first time: harmless
    CloseHandle(held);
    shownWindow =
        window ? CreateWindowW(L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)
               : nullptr;
    held = event ? CreateEventW(nullptr, TRUE, FALSE, kInstanceEventName) : nullptr;
    return !event ||
           (held && (!window || (shownWindow &&
                                 SetPropW(shownWindow, kMagnifierWindowProperty, shownWindow))));
}

// A magnifier that never quits (this program, with the magnifier's event and window), one
// that has its event alone, as while it starts; none.
static Step stubbornMagnifierRuns() {
    return Step(__func__, "", [] { return stubbornMagnifier(true, true); });
}

static Step magnifierWithoutWindow() {
    return Step(__func__, "", [] { return stubbornMagnifier(true, false); });
}

static Step stubbornMagnifierGone() {
    return Step(__func__, "", [] { return stubbornMagnifier(false, false); });
}

// A file with a section of another program's, a key the tool does not know, and values out of
// range (COLOR's unused bits, INT_TIME) or not 1 (VK_SPACE).
static const char kToolFile[] =
    "[OTHER]\r\nKEEP=me\r\n[INIT]\r\nX=5\r\nCOLOR=-1\r\nVK_SPACE=7\r\n"
    "INT_TIME=99999\r\nFOO=bar\r\nHK_COPY=632\r\n";

// The same after OK: the tool's keys in place, those it lacked added, the rest kept.
static const char kToolWritten[] =
    "[OTHER]\r\nKEEP=me\r\n[INIT]\r\nX=5\r\nCOLOR=16777215\r\nVK_SPACE=0\r\nINT_TIME=10000\r\n"
    "FOO=bar\r\nHK_COPY=0\r\nINFO=1\r\nHK_FREEZE=629\r\nGRID=1\r\nCOLOR_FORMAT=4\r\nAVERAGE=3\r\n"
    "HK_PICK=592\r\nHK_ANCHOR=0\r\nHK_SAVE=0\r\nSAVE_FOLDER=D:\\shots\r\nFOLLOW_FOCUS=1\r\n"
    "EXCLUDE_SELF=1\r\nSMOOTH=0\r\nPOINTER=1\r\nHK_ZOOM_IN=624\r\nHK_ZOOM_OUT=625\r\nLENS=1\r\nHK_"
    "LENS=634\r\n"
    "FILTER=2\r\n";

// The colour dialog is up (its box for red is there), which can take longer than a click's pause.
static Step colorDialogOpen() {
    return Step(__func__, "", 3000, [] { return GetDlgItem(frontDialog(), kRedBox) != nullptr; });
}

// The keyboard focus on a control of the tool, as a Tab or a click puts it.
static Step focusOn(int control) {
    return Step(__func__, shown(control), [=] {
        HWND d = frontDialog();
        return PostMessageW(d, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(d, control), TRUE) && settle(300);
    });
}

// One behaviour a row, each from a folder of its own. Ctrl+F7 (0x276, 630) is held here, by
// another program as the tool sees it.
E2E_CASE(setup_tool) {
    RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_F7);
    const struct {
        const char* behaviour;
        std::initializer_list<Step> steps;
    } rows[] = {
        // clang-format off
        {"shows the values as the magnifier uses them", {toolInNewFolder("COLOR=-1 VK_SPACE=7 INT_TIME=99999 HK_COPY=632 "
             "LANGUAGE=ja GRID=1 INFO=1 AVERAGE=4 COLOR_FORMAT=9 SAVE_FOLDER=D:\\x FOLLOW_FOCUS=1 EXCLUDE_SELF=1 SMOOTH=5 POINTER=1 "
             "HK_ZOOM_IN=626 HK_ZOOM_OUT=627 LENS=2 HK_LENS=634 FILTER=3"),
         hotkeyShows(IDC_COPY_KEY, 632), swatchShows(RGB(255, 255, 255)), shows(IDC_INTERVAL, "10000"), checkedIs(IDC_HOTKEY, 1),
         hotkeyShows(IDC_ZOOM_IN_KEY, 626), hotkeyShows(IDC_ZOOM_OUT_KEY, 627), chosen(IDC_FILTER, 3),
         chosen(IDC_LANGUAGE, 1), checkedIs(IDC_GRID, 1), checkedIs(IDC_INFO, 1), checkedIs(IDC_FOLLOW_FOCUS, 1),
         checkedIs(IDC_EXCLUDE_SELF, 1), checkedIs(IDC_SMOOTH, 1), checkedIs(IDC_POINTER, 1), checkedIs(IDC_LENS, 1),
         hotkeyShows(IDC_LENS_KEY, 634), chosen(IDC_COLOR_FORMAT, 5), chosen(IDC_AVERAGE, 2),  // past the last format as the last, an even size as the next up
         shows(IDC_SAVE_FOLDER, "D:\\x"), shows(IDC_OK_NOTE, "QILO.INI"), click(IDCANCEL), toolEnds()}},
        {"Cancel writes nothing", {toolInNewFolder(kToolFile), typeInto(IDC_INTERVAL, "500"), click(IDC_HOTKEY),
         click(IDCANCEL), toolEnds(), fileIs(kToolFile)}},
        {"OK writes in place, keeping the rest", {toolInNewFolder(kToolFile), click(IDC_HOTKEY), click(IDC_INFO),
         hotkeyInto(IDC_COPY_KEY, 0), hotkeyInto(IDC_FREEZE_KEY, 0x275), click(IDC_GRID), click(IDC_FOLLOW_FOCUS),
         click(IDC_EXCLUDE_SELF), click(IDC_POINTER), click(IDC_LENS), hotkeyInto(IDC_LENS_KEY, 0x27A), chooseItem(IDC_COLOR_FORMAT, 4),
         chooseItem(IDC_AVERAGE, 1), hotkeyInto(IDC_PICK_KEY, 0x250), hotkeyInto(IDC_ZOOM_IN_KEY, 0x270),
         hotkeyInto(IDC_ZOOM_OUT_KEY, 0x271), chooseItem(IDC_FILTER, 2), typeInto(IDC_SAVE_FOLDER, "D:\\shots"), click(IDOK), toolEnds(),
         fileIs(kToolWritten)}},
        {"OK writes boxes turned off, a language and an unknown filter in place, adds keys", {toolInNewFolder("LANGUAGE=ja X=5 VK_SPACE=0 GRID=1 "
             "INFO=1 AVERAGE=4 COLOR_FORMAT=3 SAVE_FOLDER=D:\\x FOLLOW_FOCUS=1 EXCLUDE_SELF=1 SMOOTH=1 POINTER=1 LENS=1 HK_LENS=634 "
             "FILTER=7"), chosen(IDC_FILTER, 0), click(IDC_HOTKEY), click(IDC_GRID), click(IDC_INFO), click(IDC_FOLLOW_FOCUS), click(IDC_EXCLUDE_SELF),
         click(IDC_SMOOTH), click(IDC_POINTER), click(IDC_LENS), hotkeyInto(IDC_LENS_KEY, 0),
         chooseItem(IDC_LANGUAGE, 2), click(IDOK), toolEnds(), fileIs("LANGUAGE=en X=5 VK_SPACE=1 GRID=0 INFO=0 AVERAGE=5 "
             "COLOR_FORMAT=3 SAVE_FOLDER=D:\\x FOLLOW_FOCUS=0 EXCLUDE_SELF=0 SMOOTH=0 POINTER=0 LENS=0 HK_LENS=0 FILTER=7 COLOR=128 "
             "INT_TIME=60 HK_FREEZE=0 HK_COPY=0 HK_PICK=0 HK_ANCHOR=0 HK_SAVE=0 HK_ZOOM_IN=0 HK_ZOOM_OUT=0")}},
        {"English read back, Automatic removes the key", {toolInNewFolder("LANGUAGE=en X=5"), chosen(IDC_LANGUAGE, 2),
         chooseItem(IDC_LANGUAGE, 0), click(IDOK), toolEnds(), fileIs("X=5 COLOR=128 VK_SPACE=1 INT_TIME=60 INFO=0 "
             "HK_FREEZE=0 HK_COPY=0 GRID=0 COLOR_FORMAT=0 AVERAGE=1 HK_PICK=0 HK_ANCHOR=0 HK_SAVE=0 SAVE_FOLDER= "
             "FOLLOW_FOCUS=0 EXCLUDE_SELF=0 SMOOTH=0 POINTER=0 HK_ZOOM_IN=0 HK_ZOOM_OUT=0 LENS=0 HK_LENS=0 FILTER=0")}},
        {"the colour chosen is shown and written", {toolInNewFolder(""), click(IDC_COLOR_BUTTON), colorDialogOpen(),
         typeInto(kRedBox, "0"), typeInto(kGreenBox, "0"), typeInto(kBlueBox, "255"), click(IDOK),
         swatchShows(RGB(0, 0, 255)), click(IDOK), toolEnds(), saved("COLOR=16711680")}},
        {"a key without Ctrl or Alt gets Ctrl", {toolInNewFolder(""), keyInto(IDC_FREEZE_KEY, VK_F6),
         hotkeyShows(IDC_FREEZE_KEY, 0x275), keyInto(IDC_FREEZE_KEY, VK_F9, VK_SHIFT), hotkeyShows(IDC_FREEZE_KEY, 0x278),
         click(IDCANCEL), toolEnds()}},
        {"a held key is said when chosen", {toolInNewFolder(""), keyInto(IDC_COPY_KEY, VK_F7),
         shows(kMessageText, "ほかのプログラム"), click(IDOK), click(IDCANCEL), toolEnds()}},
        // As keys another program holds seldom reach the control.
        {"a held key is said once at OK, the tool staying open", {toolInNewFolder(""), hotkeyInto(IDC_FREEZE_KEY, 0x276),
         click(IDOK), shows(kMessageText, "ほかのプログラム"), click(IDOK), hotkeyShows(IDC_FREEZE_KEY, 0x276), click(IDOK),
         toolEnds(), saved("HK_FREEZE=630")}},
        {"a key given twice is refused before it is said held", {toolInNewFolder(""), hotkeyInto(IDC_FREEZE_KEY, 0x276),
         hotkeyInto(IDC_SAVE_KEY, 0x276), click(IDOK), shows(kMessageText, "ほかの機能"), click(IDOK), click(IDCANCEL),
         toolEnds()}},
        {"Ctrl+Space turned on is a key given", {toolInNewFolder("VK_SPACE=0"), checkedIs(IDC_HOTKEY, 0),
         click(IDC_HOTKEY), hotkeyInto(IDC_SAVE_KEY, 0x220), click(IDOK), shows(kMessageText, "ほかの機能"), click(IDOK),
         click(IDCANCEL), toolEnds()}},
        {"a period out of range is refused", {toolInNewFolder(""), typeInto(IDC_INTERVAL, "9"), click(IDOK),
         shows(kMessageText, "10 から 10000 ミリ秒"), click(IDOK), readyToTypeOver(IDC_INTERVAL), click(IDCANCEL),
         toolEnds()}},
        {"a folder outside code page 932 is refused", {toolInNewFolder(""), typeInto(IDC_SAVE_FOLDER, "D:\\Zoë"),
         click(IDOK), shows(kMessageText, "保存できない文字"), click(IDOK), click(IDCANCEL), toolEnds()}},
        {"the browser starts at the folder shown, its choice shown", {toolInNewFolder(""),
         typeInto(IDC_SAVE_FOLDER, "c:\\WINDOWS\\SYSTEM32"), click(IDC_BROWSE), waitMs(1000),
         shows(kBrowserPrompt, "画像を入れるフォルダー"), click(IDOK), shows(IDC_SAVE_FOLDER, "C:\\windows\\system32"),
         click(IDC_BROWSE), waitMs(1000), press(VK_HOME), click(IDOK), shows(IDC_SAVE_FOLDER, "Desktop"), click(IDCANCEL),
         toolEnds()}},
        // A magnifier starting or ending holds its event without a window; the tool looks for
        // the window for 2 s.
        {"no window: saved for the next start, which is said", {magnifierWithoutWindow(), toolInNewFolder(""),
         click(IDOK), waitMs(2000), shows(kMessageText, "次の起動から"), click(IDOK), toolEnds(), saved("INT_TIME=60"),
         stubbornMagnifierGone()}},
        {"no window: a failed save told, the tool staying open", {magnifierWithoutWindow(), toolInNewFolder(""),
         folderNamed("QILO.INI"), click(IDOK), toolTellsSaveFailed(ERROR_ACCESS_DENIED), click(IDCANCEL), toolEnds(),
         stubbornMagnifierGone()}},
        {"its file gone, the magnifier cannot start again: said", {start("X=20 Y=20", kAloneCopy), moveAway("Alone.exe"),
         toolHere(), click(IDOK), shows(kMessageText, "起動し直せません"), click(IDOK), toolEnds()}},
        {"a running magnifier restarts with the colour; its keys no conflict", {showPattern(),
         start("X=20 Y=20 IsCross=1 HK_COPY=632"), chooseFromMenu(MainMenu::Settings), toolFromMagnifier(), shows(IDC_OK_NOTE, "動作中"),
         click(IDC_COLOR_BUTTON), colorDialogOpen(), typeInto(kBlueBox, "255"), click(IDOK), click(IDOK), toolEnds(),
         restartedWithPen(RGB(128, 0, 255)), closeWindow(), saved("X=20 Y=20 COLOR=16711808")}},
        {"a magnifier without the tool beside it says so", {start("", kAloneCopy), chooseFromMenu(MainMenu::Settings),
         shows(kMessageText, "QConf.exe"), click(IDOK), is(Visible), closeWindow()}},
        {"the tool beside the magnifier is started, not one planted", {start("", kToolsBesideAndPlanted),
         chooseFromMenu(MainMenu::Settings), toolFromMagnifier(), toolStartedBesideMagnifier(), click(IDCANCEL), toolEnds(), closeWindow()}},
        // Only one not elevated starts a planted tool: Wine runs every program elevated (the
        // unit tests take the other side).
        {"an elevated magnifier starts no planted tool", {start("", kPlantedToolOnly), chooseFromMenu(MainMenu::Settings),
         shows(kMessageText, "QConf.exe"), click(IDOK), closeWindow()}},
        {"a magnifier that will not quit in 10 s: told, no file, tool open", {stubbornMagnifierRuns(), toolInNewFolder(""),
         click(IDOK), waitMs(10500), shows(kMessageText, "終了できません"), click(IDOK), shows(IDC_OK_NOTE, "動作中"),
         click(IDCANCEL), toolEnds(), noFile(), stubbornMagnifierGone()}},
        {"back in front, the focus is on the control the user left", {toolInNewFolder(""), toolInFront(),
         focusOn(IDC_INTERVAL), focusedIs(IDC_INTERVAL), userTypesElsewhere(), toolInFront(), focusedIs(IDC_INTERVAL),
         click(IDCANCEL), toolEnds()}},
        {"back in front, the note says the magnifier has ended", {stubbornMagnifierRuns(), toolInNewFolder(""),
         toolInFront(), userTypesElsewhere(), stubbornMagnifierGone(), toolInFront(), shows(IDC_OK_NOTE, "QILO.INI"),
         click(IDCANCEL), toolEnds()}},
        // clang-format on
    };
    for (const auto& r : rows) {
        printf("- %s\n", r.behaviour);
        run(r.steps);
    }
}
