// The set-up tool QConf.exe.
#include "tests/e2e/driver.h"

// The set-up tool shows the values as the
// magnifier uses them; OK writes its three keys in place and nothing else; Cancel writes
// nothing. Started from a running magnifier, it restarts the magnifier, which then draws the
// new colour. A magnifier without the tool beside it says so. A key given to two functions,
// or to one and Ctrl+Space while that is on, is refused.
static const char kToolFile[] =
    "[OTHER]\r\nKEEP=me\r\n[INIT]\r\nX=5\r\nCOLOR=-1\r\nVK_SPACE=7\r\n"
    "INT_TIME=99999\r\nFOO=bar\r\nHK_COPY=632\r\n";

static const char kToolWritten[] =
    "[OTHER]\r\nKEEP=me\r\n[INIT]\r\nX=5\r\nCOLOR=16711680\r\n"
    "VK_SPACE=0\r\nINT_TIME=10000\r\nFOO=bar\r\nHK_COPY=0\r\nINFO=1\r\n"
    "HK_FREEZE=630\r\nGRID=1\r\nCOLOR_FORMAT=2\r\nAVERAGE=3\r\n"
    "HK_PICK=592\r\nHK_ANCHOR=0\r\nHK_SAVE=0\r\nSAVE_FOLDER=D:\\shots\r\nFOLLOW_FOCUS=1\r\n"
    "EXCLUDE_SELF=1\r\n";

void caseSetupTool() {
    RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_F7);
    // clang-format off
    run({toolInNewFolder(kToolFile), hotkeyShows(IDC_COPY_KEY, 632),
         swatchShows(RGB(255, 255, 255)), keyInto(IDC_FREEZE_KEY, VK_F6),
         hotkeyShows(IDC_FREEZE_KEY, 0x275),  // Ctrl added
         keyInto(IDC_FREEZE_KEY, VK_F9, VK_SHIFT), hotkeyShows(IDC_FREEZE_KEY, 0x278),  // Ctrl, not Shift alone
         keyInto(IDC_FREEZE_KEY, VK_F6), hotkeyShows(IDC_FREEZE_KEY, 0x275),
         keyInto(IDC_COPY_KEY, VK_F7), shows(kMessageText, "ほかのプログラム"), click(IDOK),  // said when chosen
         shows(IDC_INTERVAL, "10000"), checkedIs(IDC_HOTKEY, 1), shows(IDC_OK_NOTE, "QILO.INI"),
         typeInto(IDC_INTERVAL, "9"), click(IDOK), shows(kMessageText, "10 から 10000 ミリ秒"),
         click(IDOK), readyToTypeOver(IDC_INTERVAL),  // refused, the tool stays
         typeInto(IDC_INTERVAL, "10000"), click(IDC_HOTKEY), click(IDC_COLOR_BUTTON),
         typeInto(kRedBox, "0"), typeInto(kGreenBox, "0"), typeInto(kBlueBox, "255"), click(IDOK),
         swatchShows(RGB(0, 0, 255)), click(IDC_INFO), hotkeyInto(IDC_COPY_KEY, 0),
         hotkeyInto(IDC_FREEZE_KEY, 0x276),  // Ctrl+F7, held here
         click(IDC_GRID), click(IDC_FOLLOW_FOCUS), click(IDC_EXCLUDE_SELF), chooseItem(IDC_COLOR_FORMAT, 2), chooseItem(IDC_AVERAGE, 1),
         hotkeyInto(IDC_PICK_KEY, 0x250), hotkeyInto(IDC_SAVE_KEY, 0x276), click(IDOK),
         shows(kMessageText, "ほかの機能"), click(IDOK),  // the freeze key's
         hotkeyInto(IDC_SAVE_KEY, 0), typeInto(IDC_SAVE_FOLDER, "c:\\WINDOWS\\SYSTEM32"),
         click(IDC_BROWSE), waitMs(1000), shows(kBrowserPrompt, "画像を入れるフォルダー"), click(IDOK),
         shows(IDC_SAVE_FOLDER, "C:\\windows\\system32"),  // starts at the folder shown, and its choice is shown
         click(IDC_BROWSE), waitMs(1000), press(VK_HOME), click(IDOK), shows(IDC_SAVE_FOLDER, "Desktop"),  // moved there
         typeInto(IDC_SAVE_FOLDER, "D:\\Zoë"), click(IDOK), shows(kMessageText, "保存できない文字"),
         click(IDOK),  // not in code page 932
         typeInto(IDC_SAVE_FOLDER, "D:\\shots"), click(IDOK), shows(kMessageText, "ほかのプログラム"),
         click(IDOK), shows(IDC_SAVE_FOLDER, "shots"),  // stays open once told
         click(IDOK), toolEnds(), fileIs(kToolWritten), toolHere(),
         typeInto(IDC_INTERVAL, "500"), click(IDC_HOTKEY), click(IDCANCEL), toolEnds(), fileIs(kToolWritten)});
    // clang-format on
    // The language: Automatic, 日本語, English; a choice is written in place, Automatic
    // removes the key.
    // The readout and the loupe's settings shown as read (an even AVERAGE as the next size up)
    // and written in place.
    // clang-format off
    run({toolInNewFolder("[INIT]\r\nLANGUAGE=ja\r\nX=5\r\nVK_SPACE=0\r\nGRID=1\r\nINFO=1\r\nAVERAGE=4\r\n"
                         "COLOR_FORMAT=3\r\nSAVE_FOLDER=D:\\x\r\nFOLLOW_FOCUS=1\r\nEXCLUDE_SELF=1\r\n"),
         chosen(IDC_LANGUAGE, 1), checkedIs(IDC_HOTKEY, 0), checkedIs(IDC_GRID, 1),
         checkedIs(IDC_INFO, 1), checkedIs(IDC_FOLLOW_FOCUS, 1), checkedIs(IDC_EXCLUDE_SELF, 1), chosen(IDC_COLOR_FORMAT, 3), chosen(IDC_AVERAGE, 2),
         click(IDC_FOLLOW_FOCUS), click(IDC_EXCLUDE_SELF),  // both turned off
         shows(IDC_SAVE_FOLDER, "D:\\x"), click(IDC_HOTKEY), hotkeyInto(IDC_SAVE_KEY, 0x220),
         click(IDOK), shows(kMessageText, "ほかの機能"),  // Ctrl+Space
         click(IDOK), hotkeyInto(IDC_SAVE_KEY, 0), chooseItem(IDC_LANGUAGE, 2), click(IDOK),
         toolEnds(),
         fileIs("[INIT]\r\nLANGUAGE=en\r\nX=5\r\nVK_SPACE=1\r\nGRID=1\r\nINFO=1\r\nAVERAGE=5\r\nCOLOR_FORMAT=3\r\n"
                "SAVE_FOLDER=D:\\x\r\nFOLLOW_FOCUS=0\r\nEXCLUDE_SELF=0\r\nCOLOR=128\r\nINT_TIME=60\r\nHK_FREEZE=0\r\nHK_COPY=0\r\nHK_PICK=0\r\n"
                "HK_ANCHOR=0\r\nHK_SAVE=0\r\n"),
         toolHere(), chosen(IDC_LANGUAGE, 2), chooseItem(IDC_LANGUAGE, 0), click(IDOK), toolEnds(),
         fileIs("[INIT]\r\nX=5\r\nVK_SPACE=1\r\nGRID=1\r\nINFO=1\r\nAVERAGE=5\r\nCOLOR_FORMAT=3\r\n"
                "SAVE_FOLDER=D:\\x\r\nFOLLOW_FOCUS=0\r\nEXCLUDE_SELF=0\r\nCOLOR=128\r\nINT_TIME=60\r\nHK_FREEZE=0\r\nHK_COPY=0\r\nHK_PICK=0\r\n"
                "HK_ANCHOR=0\r\nHK_SAVE=0\r\n")});
    // clang-format on
    // A magnifier that holds its event without a window (starting or ending): the file saved
    // for its next start, which is said; a failed save told, the tool staying open.
    // The tool looks for the window for 2 s first.
    run({magnifierWithoutWindow(), toolInNewFolder(""), click(IDOK), waitMs(2000),
         shows(kMessageText, "次の起動から"), click(IDOK), toolEnds(), saved("INT_TIME=60"),
         toolHere(), folderNamed("QILO.INI"), click(IDOK), toolTellsSaveFailed(ERROR_ACCESS_DENIED),
         click(IDCANCEL), toolEnds(), stubbornMagnifierGone()});
    // The magnifier's file gone while it ran: closed and saved, it cannot start again, which
    // is told.
    run({startAlone("X=20 Y=20"), moveAway("Alone.exe"), toolHere(), click(IDOK),
         shows(kMessageText, "起動し直せません"), click(IDOK), toolEnds()});
    // The copy key the running magnifier holds is no key another program holds.
    run({showPattern(), start("X=20 Y=20 IsCross=1 HK_COPY=632"), chooseFromMenu(mSetup),
         toolFromMagnifier(), shows(IDC_OK_NOTE, "動作中"), click(IDC_COLOR_BUTTON),
         typeInto(kBlueBox, "255"), click(IDOK), click(IDOK), toolEnds(),
         restartedWithPen(RGB(128, 0, 255)), closeWindow(), saved("X=20 Y=20 COLOR=16711808"),
         startAlone(), chooseFromMenu(mSetup), shows(kMessageText, "QConf.exe"), click(IDOK),
         is(Visible), closeWindow(),
         // The tool beside the magnifier, not one planted in the start folder; that one only
         // when there is none beside it and the magnifier is not elevated. Wine runs every
         // program elevated: none is started (the unit tests take the other side).
         startWithToolsBesideAndPlanted(), chooseFromMenu(mSetup), toolFromMagnifier(),
         toolStartedBeside(true), click(IDCANCEL), toolEnds(), closeWindow(),
         startWithPlantedToolOnly(), chooseFromMenu(mSetup), shows(kMessageText, "QConf.exe"),
         click(IDOK), closeWindow()});
    // A magnifier that does not quit within 10 s: told, nothing saved (no file made), the tool
    // stays open; back in front after the magnifier ended in the background, it says it no
    // longer runs.
    run({stubbornMagnifierRuns(), toolInNewFolder(""), click(IDOK), waitMs(10500),
         shows(kMessageText, "終了できません"), click(IDOK), shows(IDC_OK_NOTE, "動作中"),
         userTypesElsewhere(), stubbornMagnifierGone(), toolInFront(),
         shows(IDC_OK_NOTE, "QILO.INI"), click(IDCANCEL), toolEnds(), noFile()});
}
