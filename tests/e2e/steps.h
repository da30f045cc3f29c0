// The steps the features' scenarios share, by name, each made by a function named for what it
// does or checks; the cases list them and run() carries them out (the driver's means:
// driver.h). A step one feature alone uses is in that feature's file, unless it works with what
// a harness file keeps (the pattern, the stand-in shell, the typing window, the programs).
#pragma once

#include "tests/e2e/driver.h"

inline Step waitMs(int ms) {
    return Step(__func__, shown(ms), [=] { return settle(ms); });
}

// Where a start puts the programs.
enum Layout {
    kBuiltPrograms,  // the ones built, both in the build folder
    kAloneCopy,      // a copy of the magnifier, Alone.exe, alone in the directory
    // Copies of both in the directory, named outside the Japanese and the Western code page.
    kCopiesInUnusualFolder,
    // Both in the directory's folder bin, its path 250 characters long with the last backslash,
    // and another set-up tool in the directory.
    kToolsBesideAndPlanted,
    kPlantedToolOnly,  // the magnifier alone in bin, a set-up tool in the directory only
};
// A start in a new scratch directory whose QILO.INI holds the settings ("K=V K=V", or the
// whole file when they begin with "["; none when empty); the window shown normally.
Step start(const char* settings = "", Layout layout = kBuiltPrograms);
Step startAgain();  // the same magnifier in the last directory
// With a show command, or kNoShowCommand, which gives SW_SHOWDEFAULT.
inline constexpr int kNoShowCommand = -1;
Step startShown(int showCommand, const char* settings = "");
// Another start in another directory ends at once with exit code 0 and writes nothing.
Step secondCopyEndsAtOnce();
// The pattern over every monitor, above every window that is not topmost; the second differs
// from the first at every pixel.
Step showPattern();
Step showSecondPattern();
// Instead of the pattern, a band the screen's height, wider than a view's source: pure red from
// x 250 to 500, black elsewhere.
Step showRedBand();
inline constexpr POINT kInRed = {375, 400};

// Input.
inline constexpr DWORD kLeftDown = MOUSEEVENTF_LEFTDOWN, kLeftUp = MOUSEEVENTF_LEFTUP;

inline Step moveTo(POINT cursor) {
    return Step(__func__, shown(cursor), [=] { return moveCursor(cursor); });
}

inline Step mouse(DWORD buttonFlags) {
    return Step(__func__, shown(buttonFlags), [=] { return mouseButton(buttonFlags); });
}

Step drag(POINT from, POINT by);
Step rightClick(POINT at);

inline Step press(WORD vk) {
    return Step(__func__, shown(vk), [=] { return pressKey(vk); });
}

inline Step holdDown(WORD vk) {
    return Step(__func__, shown(vk), [=] { return pressKey(vk, true, false); });
}

inline Step letUp(WORD vk) {
    return Step(__func__, shown(vk), [=] { return pressKey(vk, false, true); });
}

inline Step ctrlSpace() {
    return Step(__func__, "", [] { return keyCombo(VK_CONTROL, VK_SPACE); });
}

inline Step pressWith(WORD modifier, WORD vk) {
    return Step(__func__, shown(modifier, vk),
                [=] { return keyCombo(modifier, vk) && settle(200); });
}

Step wheel(int delta);  // 120 a notch, away from the user
// The main menu's entries by their place among those the keyboard reaches, and the entries
// of its submenus.
enum class MainMenu {
    AlwaysOnTop,
    Crosshair,
    FixedSize,
    InvertColors,
    MagnifyWhileDragging,
    LeaveOutOwnWindow,
    SmoothScaling,
    MoveWithCursor,
    Frame,
    Zoom,
    ColorFilter,
    Settings,
    Help,
    Minimize,
    Exit
};
enum class FrameMenu { NoFrame = 1, BlackFrame };
enum class ZoomMenu { x1 = 1, x1_5, x2, x3, x4, x5, x6, x7, x8, x16 };
// The notification icon's own menu, on a hidden window's icon.
enum class TrayMenu { Help, Restore, MoveWithCursor, Exit };
enum class FilterMenu { None = 1, Greyscale, Protanopia, Deuteranopia, Tritanopia };
// A right click on the window, then the entry chosen with the keyboard.
Step chooseFromMenu(MainMenu entry);
Step chooseFromMenu(FrameMenu entry);
Step chooseFromMenu(ZoomMenu entry);
// A right click on the notification icon (the main menu on a shown window, the icon's own on a
// hidden one), then the entry chosen with the keyboard.
Step chooseFromIconMenu(MainMenu entry);
Step chooseFromIconMenu(TrayMenu entry);
Step chooseFromMenu(FilterMenu entry);

// Messages other programs send the magnifier.
inline Step iconMouse(UINT mouseMessage) {  // from its notification icon
    return Step(__func__, shown(mouseMessage), [=] {
        return PostMessageA(q.window, WM_TRAYNOTIFY, 1, mouseMessage) && settle(300);
    });
}

inline Step restoreFromTaskbar() {  // SC_RESTORE, as the taskbar sends
    return Step(__func__, "",
                [] { return PostMessageA(q.window, WM_SYSCOMMAND, SC_RESTORE, 0) && settle(300); });
}

Step command(int id);  // sent as WM_COMMAND

inline Step placeAt(POINT topLeft) {
    return Step(__func__, shown(topLeft), [=] {
        return SetWindowPos(q.window, nullptr, topLeft.x, topLeft.y, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER);
    });
}

inline Step scaleChange() {  // WM_DPICHANGED
    return Step(__func__, "", [] {
        return PostMessageA(q.window, WM_DPICHANGED, MAKEWPARAM(144, 144), 0) && settle(300);
    });
}

inline Step sessionChange(int change) {  // WTS_SESSION_LOCK ...
    return Step(__func__, shown(change), [=] {
        return PostMessageA(q.window, WM_WTSSESSION_CHANGE, change, 0) && settle(200);
    });
}

// As a desktop without composition does when the window is uncovered.
inline Step invalidated() {
    return Step(__func__, "", [] { return InvalidateRect(q.window, nullptr, TRUE) != 0; });
}

Step restack();  // Wine puts the topmost window's X window on top
// Logoff: WM_QUERYENDSESSION and WM_ENDSESSION, each answered at once, then the process ends.
Step endSession();
Step closeWindow();  // WM_CLOSE, and the end with exit code 0

inline Step closeWithoutWaiting() {
    return Step(__func__, "", [] { return PostMessageA(q.window, WM_CLOSE, 0, 0) != 0; });
}

// The set-up tool's window: started in a new directory with the file given, in the scenario's
// directory, or by the magnifier.
Step toolInNewFolder(const char* settings);
Step toolHere();
Step toolFromMagnifier();
Step toolEnds();  // with exit code 0

inline Step toolInFront() {  // as the user brings it
    return Step(__func__, "", [] { return SetForegroundWindow(tool.window) && settle(300); });
}

// The front dialog's control (the tool, the magnifier or their open popup).
inline Step typeInto(int control, const char* text) {
    return Step(__func__, shown(control, text),
                [=] { return SetDlgItemTextW(frontDialog(), control, widen(text).c_str()) != 0; });
}

inline Step chooseItem(int control, int item) {
    return Step(__func__, shown(control, item), [=] {
        return SendDlgItemMessageW(frontDialog(), control, CB_SETCURSEL, item, 0) == item;
    });
}

inline Step click(int control) {
    return Step(__func__, shown(control), [=] {
        return PostMessageA(GetDlgItem(frontDialog(), control), BM_CLICK, 0, 0) && settle(300);
    });
}

// A folder in a file's place, in the scenario's directory.
Step folderNamed(const char* name);

// The other programs the driver plays. A stand-in notification area that answers each request
// so (TRUE, FALSE); none.
Step shellAnswering(LRESULT answer);
Step noShell();

inline Step shellAnnouncesItself() {  // "TaskbarCreated"
    return Step(__func__, "", [] {
        return PostMessageA(q.window, RegisterWindowMessageA("TaskbarCreated"), 0, 0) != 0;
    });
}

Step shellNowAnswering(LRESULT answer);  // the same shell
// A window of another program where the user types: the focus in its text box; on its button;
// the focused button moving and saying the focus is on it, as a control that is no window does.
Step userTypesElsewhere();
Step focusOnButton();
Step focusedButtonMoves();
// The focused button moves without a word, then two focus events one right after the other,
// the text box's and the button's (at its new place), as a program that moves the focus on at
// once raises them.
Step focusFlitsToBoxAndBack();
// The typing window takes the focus and then hangs (this program handles no message, until a
// step that waits): meanwhile the view follows the mouse there, read from the screen alone.
Step hangsWhileMouseMovesTo(POINT cursor);
// Still hung, WM_CLOSE: the magnifier ends with exit code 0 all the same, within 5 seconds.
Step closeWhileHung();

// Checks of the window.
Step windowAt(RECT rect);
enum Property {
    Visible = 1,
    Topmost = 2,
    Sizable = 4,  // the bottom-right corner sizes it
    Iconic = 8,
    Titled = 16,
    HotkeyTaken = 32,
    HighPriority = 64,
    TaskbarButton = 128,
    ThickFrame = 256
};

// Every Property of has holds and none of hasNot.
inline Step is(int has, int hasNot = 0) {
    return Step(__func__, shown(has, hasNot), 2000,
                [=] { return (properties() & (has | hasNot)) == has; });
}

inline Step isNot(int hasNot) {
    return Step(__func__, shown(hasNot), 2000, [=] { return (properties() & hasNot) == 0; });
}

inline Step hitTestIs(POINT at, int code) {  // WM_NCHITTEST
    return Step(__func__, shown(at, code), [=] {
        return SendMessageA(q.window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) == code;
    });
}

Step menuAt(POINT topLeft, int height);  // +-40 high
// A click and a wheel notch at the window's centre reach the pattern's window beneath it.
Step inputPassesThrough();

inline Step noMenu() {
    return Step(__func__, "", [] { return !waitForMenu(true, 300); });
}

// The view round the cursor at an integer zoom in a frame of one pixel, as the looks say.
enum ViewLooks {
    kPlainView = 0,
    kNoFrame = 1,
    kInverted = 2,
    kSecondPattern = 4,
    kCrosshair = 8,  // the default pen's in the middle
    kBlackFrame = 16,
};
Step viewOf(POINT cursor, int looks = kPlainView, int zoom = 2);
// 2x and framed: the view of the source from `source`, with the default pen's crosshair at
// cross.
inline constexpr POINT kNoCrosshair = {-1, -1};
Step sourceAt(POINT source, POINT cross);
// The framed square view is a size x size source round the cursor, put there.
Step stretched(int size, POINT cursor);
// The label of a pattern pixel in the view's corner: with the cursor put there; the cursor
// left where it is; at the centre of the typing window's caret, or of its button.
Step readoutOf(POINT pixel, Corner corner = kTopLeft, const char* more = "");

inline Step readoutHereOf(POINT pixel) {
    return Step(__func__, shown(pixel), 2000,
                [=] { return readoutShown(Capture(q.window), pixel, kTopLeft, ""); });
}

Step readoutAtCaret();
Step readoutAtButton();
Step cursorAt(POINT at);
// The magnifier has ended with exit code 0, and a new one draws the crosshair in this colour.
Step restartedWithPen(COLORREF pen);

// Checks of the notification icon, the clipboard and the typing window.
Step iconsAdded(int count);  // since the stand-in came
Step iconsChanged(int count);
Step iconsRemoved(int count);
Step iconAsAsked();  // its window, id, message, tip and size
Step clipboardHoldsColorOf(POINT pixel);
Step clipboardHoldsText(const char* text);
Step typingGoesOnThere();  // a key typed now reaches the text box

// Checks of the files.
Step saved(const char* lines);  // "K=V K=V" among QILO.INI's lines
Step fileIs(const char* text);

// Checks of the dialogs: the front dialog's control (the tool, the magnifier or their open
// popup). The static text of a message box, the colour dialog's boxes for red, green and blue,
// and the folder browser's prompt.
inline constexpr int kMessageText = 0xFFFF, kRedBox = 706, kGreenBox = 707, kBlueBox = 708,
                     kBrowserPrompt = 0x3742;

inline Step shows(int control, const char* text) {
    return Step(__func__, shown(control, text), 2000,
                [=] { return controlText(control).find(text) != std::string::npos; });
}

inline Step checkedIs(int control, int state) {
    return Step(__func__, shown(control, state), 2000,
                [=] { return (int)IsDlgButtonChecked(frontDialog(), control) == state; });
}

inline Step chosen(int control, int item) {
    return Step(__func__, shown(control, item), [=] {
        return SendDlgItemMessageW(frontDialog(), control, CB_GETCURSEL, 0, 0) == item;
    });
}

// How many help windows are open (one has its close button focused).
Step helpWindows(int open);
// The file's path and the system's text for the error in a message box, whose OK is clicked;
// the magnifier then ends with exit code 0, the tool stays open.
Step magnifierTellsSaveFailed(DWORD error);
Step toolTellsSaveFailed(DWORD error);
// Every text of the magnifier (titled, without an icon), its help and the tool is the face's.
Step everyTextInFace();
// Both programs' version resources hold this build's version and their own file names.
Step programsCarryVersion();
