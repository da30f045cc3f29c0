// The end-to-end driver: it starts the real programs in scratch directories, shows a pattern
// in which every pixel has its own colour, works the programs with real input and reads back
// what they show. A scenario is a list of steps, each made by a function named for what it does
// or checks; run() carries them out in order and names each failed step and what it expected.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>
#include <wtsapi32.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "bench/gdi_count.h"
#include "common/settings.h"
#include "common/shared.h"
#include "common/texts.h"
#include "res/qconf.h"
#include "res/resource.h"
#include "res/version.h"
#include "tests/common/pattern.h"

// ---- checks and waiting ---------------------------------------------------------------------

// Processes the driver's own messages (its windows must paint) for ms milliseconds.
void pump(DWORD ms);

template <class Fn>
inline bool waitUntil(Fn fn, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); !fn(); pump(20)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
    }
    return true;
}

// ---- the program under test -----------------------------------------------------------------

struct Qilo {
    PROCESS_INFORMATION process;
    HWND window;
};
// ---- the scenarios' steps -------------------------------------------------------------------

// The steps of a scenario: what a step does or checks, and its arguments, made by the
// functions named for what they do (below, "the steps, by name"), which the scenarios are
// written in.
// clang-format off
enum Property { Visible = 1, Topmost = 2, Sizable = 4, Iconic = 8, Titled = 16, HotkeyTaken = 32,
                HighPriority = 64, TaskbarButton = 128, ThickFrame = 256 };
// clang-format on

struct Step {
    bool (*run)(const Step& step);  // the operation: true when it did, or saw, what it should
    int a, b, c, d;
    const char* text = "";
    const char* name = "";  // the function that made it, which a failure names
};

inline Step named(const char* name, Step step) {
    step.name = name;
    return step;
}

// The static text of a message box, the colour dialog's boxes for red, green and blue, and
// the folder browser's prompt.
inline constexpr int kMessageText = 0xFFFF, kRedBox = 706, kGreenBox = 707, kBlueBox = 708,
                     kBrowserPrompt = 0x3742;
inline constexpr COLORREF kPen = RGB(128, 0, 0);
// The main menu's entries by their place among those the keyboard reaches.
// clang-format off
enum { mTop, mCross, mFixed, mInvert, mSeeThrough, mExcludeSelf, mFrame, mZoom, mSetup, mHelp,
       mQuit = 11 };
// clang-format on

// A folder named in characters outside any one code page; the captions of both faces.
inline constexpr wchar_t kUnusualFolder[] = L"Zoë Ω 日本";
inline constexpr const wchar_t* kHelpCaptions[] = {L"ＱＦ拡大鏡 ヘルプ", L"QF Magnifier Help"};
inline constexpr const wchar_t* kToolCaptions[] = {L"ＱＦ拡大鏡 初期設定",
                                                   L"QF Magnifier Settings"};

// ---- what the driver does and reads --------------------------------------------------------

// An icon as Wine's shell32 hands it to the notification area (its platform-independent
// record, followed by the icon's bits).
struct IconRecord {
    DWORD window;
    UINT id, flags, callbackMessage;
    wchar_t tip[128];
    BYTE rest[944 - 272];  // state, balloon texts, version, GUID
    UINT width, height, planes, bitsPerPixel;
};

extern int failures;
// Prints a failed check's message; the case fails when any check failed.
bool check(bool ok, const char* fmt, ...);
extern Dib* pattern;
extern HWND patternWindow;
// The virtual screen, every monitor: left, top, width, height.
int virtualScreen(int i);
// A window of the pattern over every monitor, above every window that is not topmost.
void paintPattern(int variant);
RECT windowRect(HWND window);

// What a window shows on the screen now.
struct Capture : Dib {
    explicit Capture(HWND window) : Capture(windowRect(window)) {}
    explicit Capture(RECT r) : Dib(r.right - r.left, r.bottom - r.top) {
        HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
};

// Waits until the window shows the view; the last count of differing pixels.
int waitForView(HWND window, const ExpectedView& view, DWORD timeoutMs = 3000);
extern std::wstring qiloPath;
std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);
void writeFileText(const std::wstring& path, const std::string& text);
std::string readFileText(const std::wstring& path);
// The folder of the programs under test, with the separator.
std::wstring buildFolder();
// A new scratch directory (with folder: a folder of that name in it), with QILO.INI holding
// the text given (none when empty).
std::wstring makeScratchDir(const std::string& settings, const wchar_t* folder = nullptr);
// The exit code once the process ends; after the time-out it is ended, with -1.
// Starts Qilo.exe (or the program given) in the directory with the show command (-1: none, which
// gives SW_SHOWDEFAULT); startQilo also waits for its window.
// clang-format off
bool launchQilo(Qilo& q, const std::wstring& dir, int showCommand, const std::wstring& exe = qiloPath);
bool startQilo(Qilo& q, const std::wstring& dir, int showCommand, const std::wstring& exe = qiloPath);
// clang-format on
int waitExit(Qilo& q, DWORD timeoutMs = 10000);
void send(std::vector<INPUT> inputs);
void moveCursor(int x, int y);
void mouseButton(DWORD flags);
INPUT key(WORD vk, DWORD flags);
// Presses a key down, lets it up, or both.
void pressKey(WORD vk, bool down = true, bool up = true);
void keyCombo(WORD modifier, WORD vk);
// The open menu's window (the top one of a menu and its submenu), or null.
HWND openMenu();
bool waitForMenu(bool open, DWORD timeoutMs = 3000);
extern Qilo q;  // the program of the scenario, and its directory
extern std::wstring dir;
extern Language face;  // the face the scenario's programs show
extern HWND shell;  // the stand-in notification area: its answer, the icons added, changed, removed
extern LRESULT shellAnswer;
extern int iconAdds, iconChanges, iconDeletes;
extern IconRecord lastIconAdded;
// The last icon added is the magnifier's: its window, id 1, its callback message, the face's
// tip and an image of the size the shell asks for.
bool iconAddedAsAsked();
// A stand-in shell window that answers `answer` to every request (-1: none).
void standInShell(LRESULT answer);
extern Qilo tool;  // the set-up tool
extern HWND typingWindow, typingBox, typingButton;
void startTyping();
// The centre of the text box's caret, or of the button, on the screen.
POINT typingSpot(bool caret);
// A key typed now reaches the text box: the text grows by one character.
bool typingGoesOn();
// The dialog the user faces: a dialog the tool or the magnifier owns, else the tool.
HWND frontDialog();
// A window's text as UTF-8, asked for as UTF-16: a character lost on the way shows.
std::string windowText(HWND window);
std::string controlText(int id);
// The top-level window of a process that has the property given (the magnifier's, or the
// tool's title).
HWND findWindowOf(Qilo& p, const wchar_t* title);
int helpWindows();
// The control has the keyboard focus in its dialog's thread.
bool controlFocused(HWND dialog, int id);
// The help's close button has the focus (the text, focused, would open all selected).
bool helpButtonFocused();
std::string colorText(COLORREF c);
// The readout label of pattern pixel (x, y) as the view must show it, black on white with two
// pixels round the text, in a corner inside the frame; below, the lines given ('|' between).
// With more null, the label's position alone, of a pixel anywhere.
bool readoutShown(const Dib& view, int x, int y, bool right, bool bottom, const char* more);
// In this program, which ignores the quit command: the magnifier's event and a window that
// says it is the magnifier's (1), the event alone, as while a magnifier starts (2); neither (0).
bool stubbornMagnifier(int there);
// The PNG files in the folder; with plain, those named without a number.
int picturesIn(const std::wstring& folder, bool plain = false);
// Puts a one-byte file under each name (plain, then " (2)" up to " (numbers)") a picture
// saved in each of the next seconds would take.
void takePictureNames(const std::wstring& folder, int seconds, int numbers);
bool clipboardHolds(const std::string& text);
// Opens the clipboard in another thread and holds it for ms milliseconds, as clipboard
// history does after each change; true once it is held.
bool holdClipboardFor(DWORD ms);
// Sizable: the window's bottom-right corner sizes it.
int properties();
// "K=V K=V" as a settings file; a text that starts with "[" is the file itself.
std::string settingsText(const char* text);
// Pen pixels on the inner part of a column and of a row of the window (-1: none).
int penPixels(const Dib& c, COLORREF pen, int column, int row);
// Inner pixels of a framed square view farther than a pixel from where a stretch of the
// source (srcX, srcY, size x size) puts them: the pattern's colour tells where one came from.
int stretchErrors(const Dib& c, int srcX, int srcY, int size);
// Every pixel of the window's top row and left column is black (the right and bottom edges
// are drawn a frame's width outside the window).
bool blackTopAndLeft(const Capture& c, int w, int h);
// The view round the cursor at an integer zoom, unclamped; see View.
bool checkView(const Step& s, RECT r, const char* text);
// The programs of a start in dir, laid out as Start's b says; the magnifier's path, or empty
// when a copy failed.
std::wstring placePrograms(int layout);
// The file a running program was started from.
std::string imageOf(const Qilo& p);
// Japanese on a Japanese Windows (code page 932), English on any other.
Language systemFace();
HWND messageBoxOf(DWORD processId);
// See SaveFailed.
bool saveFailureTold(const Qilo& p, DWORD error);
// What a check of a text found against what it expected, shown when they differ.
bool sameText(const char* what, const std::string& found, const std::string& expected);
// See Face. The texts users see are spelled out here; the help and the note above the tool's
// buttons, too long for that, are the program's own, read back through the windows.
bool checkFace();
// Both programs' version resources hold this build's version and their own file names.
bool carryVersion();
// Runs the steps in order; a failed step is reported with what the program shows then.
void run(std::initializer_list<Step> steps);

// ---- the steps, by name --------------------------------------------------------------------

// The operations of more than a line (steps.cpp).
// clang-format off
bool stepStart(const Step&), stepSecondCopy(const Step&), stepDrag(const Step&),
    stepRightClick(const Step&), stepKeyInto(const Step&), stepWheel(const Step&),
    stepMenu(const Step&), stepDisplay(const Step&), stepEndSession(const Step&),
    stepRestack(const Step&), stepClose(const Step&), stepTool(const Step&), stepType(const Step&),
    stepHotkeyIs(const Step&), stepRect(const Step&), stepOnScreen(const Step&),
    stepInFront(const Step&), stepSource(const Step&), stepStretch(const Step&),
    stepMenuAt(const Step&), stepSaved(const Step&), stepShows(const Step&),
    stepReadout(const Step&), stepSwatch(const Step&), stepClipboard(const Step&),
    stepKeyFree(const Step&), stepHelp(const Step&), stepSaveFailed(const Step&),
    stepRestarted(const Step&), stepReadoutAtTyping(const Step&);
// The operations of a line.
inline bool stepKey(const Step& s) { pressKey(s.a, s.b != 2, s.b != 1); return true; }
inline bool stepShell(const Step& s) { standInShell(s.a); return true; }
inline bool stepStubborn(const Step& s) { return stubbornMagnifier(s.a); }
inline bool stepMoveAway(const Step& s) { std::wstring file = dir + L"\\" + widen(s.text); return MoveFileExW(file.c_str(), (file + L".gone").c_str(), MOVEFILE_REPLACE_EXISTING) != 0; }
inline bool stepUnwritable(const Step& s) { std::wstring file = dir + L"\\" + widen(s.text); DeleteFileW(file.c_str()); return CreateDirectoryW(file.c_str(), nullptr) != 0; }
// clang-format on
// A pause for the programs to act; true.
inline bool settle(DWORD ms) {
    pump(ms);
    return true;
}

// clang-format off

// Actions. A start is in a new scratch directory whose QILO.INI holds the settings ("K=V K=V",
// or the whole file when they begin with "["; none when empty).
inline Step start(const char* settings = "") { return named("start", {stepStart, 0, 0, 0, 0, settings}); }
// A copy of Qilo.exe alone in the directory.
inline Step startAlone(const char* settings = "") { return named("startAlone", {stepStart, 0, 1, 0, 0, settings}); }
// A directory named outside the Japanese and the Western code page, with both programs in it.
inline Step startInUnusualFolder(const char* settings = "") { return named("startInUnusualFolder", {stepStart, 0, 2, 0, 0, settings}); }
inline Step startAgain() { return named("startAgain", {stepStart, 0, 3}); }  // in the last directory
// Both programs in the directory's folder bin, its path 250 characters long with the last
// backslash, and another set-up tool in the directory.
inline Step startWithToolsBesideAndPlanted() { return named("startWithToolsBesideAndPlanted", {stepStart, 0, 4}); }
// The magnifier alone in bin, a set-up tool in the directory only.
inline Step startWithPlantedToolOnly() { return named("startWithPlantedToolOnly", {stepStart, 0, 5}); }
// With a show command (-1: none, which gives SW_SHOWDEFAULT).
inline Step startShown(int showCommand, const char* settings = "") { return named("startShown", {[](const Step& s) { dir = makeScratchDir(settingsText(s.text)); return startQilo(q, dir, s.a); }, showCommand, 0, 0, 0, settings}); }
// Another start in another directory ends at once with exit code 0 and writes nothing.
inline Step secondCopyEndsAtOnce() { return named("secondCopyEndsAtOnce", {stepSecondCopy}); }
inline Step showPattern(int variant = 0) { return named("showPattern", {[](const Step& s) { paintPattern(s.a); return true; }, variant}); }
inline Step moveTo(int x, int y) { return named("moveTo", {[](const Step& s) { moveCursor(s.a, s.b); return true; }, x, y}); }
inline Step mouse(DWORD buttonFlags) { return named("mouse", {[](const Step& s) { mouseButton(s.a); return true; }, (int)buttonFlags}); }  // MOUSEEVENTF_
inline Step drag(int fromX, int fromY, int byX, int byY) { return named("drag", {stepDrag, fromX, fromY, byX, byY}); }
inline Step rightClick(int x, int y) { return named("rightClick", {stepRightClick, x, y}); }
inline Step press(WORD vk) { return named("press", {stepKey, vk, 0}); }
inline Step holdDown(WORD vk) { return named("holdDown", {stepKey, vk, 1}); }
inline Step letUp(WORD vk) { return named("letUp", {stepKey, vk, 2}); }
inline Step ctrlSpace() { return named("ctrlSpace", {[](const Step&) { keyCombo(VK_CONTROL, VK_SPACE); return true; }}); }
inline Step pressWith(WORD modifier, WORD vk) { return named("pressWith", {[](const Step& s) { keyCombo(s.a, s.b); return settle(200); }, modifier, vk}); }
inline Step wheel(int delta) { return named("wheel", {stepWheel, delta}); }  // 120 a notch, away from the user
// A right click on the window, then the entry chosen with the keyboard, and in its submenu
// the subentry (1 the first).
inline Step chooseFromMenu(int entry, int subentry = 0) { return named("chooseFromMenu", {stepMenu, entry, subentry}); }
inline Step iconMouse(UINT mouseMessage) { return named("iconMouse", {[](const Step& s) { PostMessageA(q.window, WM_TRAYNOTIFY, 1, s.a); return settle(300); }, (int)mouseMessage}); }
inline Step restoreFromTaskbar() { return named("restoreFromTaskbar", {[](const Step&) { PostMessageA(q.window, WM_SYSCOMMAND, SC_RESTORE, 0); return settle(300); }}); }  // SC_RESTORE, as the taskbar sends
inline Step command(int id) { return named("command", {[](const Step& s) { SendMessageA(q.window, WM_COMMAND, s.a, 0); return true; }, id}); }  // sent as WM_COMMAND
inline Step placeAt(int x, int y) { return named("placeAt", {[](const Step& s) { return SetWindowPos(q.window, nullptr, s.a, s.b, 0, 0, SWP_NOSIZE | SWP_NOZORDER) != 0; }, x, y}); }  // by another program
inline Step displayMode(int width, int height) { return named("displayMode", {stepDisplay, width, height}); }
inline Step defaultDisplayMode() { return named("defaultDisplayMode", {stepDisplay}); }
// Logoff: WM_QUERYENDSESSION and WM_ENDSESSION, each answered at once, then the process ends.
inline Step endSession() { return named("endSession", {stepEndSession}); }
// A stand-in notification area that answers each request so (TRUE, FALSE); none.
inline Step shellAnswering(LRESULT answer) { return named("shellAnswering", {stepShell, (int)answer}); }
inline Step noShell() { return named("noShell", {stepShell, -1}); }
inline Step shellAnnouncesItself() { return named("shellAnnouncesItself", {[](const Step&) { return PostMessageA(q.window, RegisterWindowMessageA("TaskbarCreated"), 0, 0) != 0; }}); }  // "TaskbarCreated"
inline Step shellNowAnswering(LRESULT answer) { return named("shellNowAnswering", {[](const Step& s) { shellAnswer = s.a; return true; }, (int)answer}); }  // the same shell
inline Step userTypesElsewhere() { return named("userTypesElsewhere", {[](const Step&) { startTyping(); return GetFocus() == typingBox; }}); }  // in a text box of another program
inline Step focusOnButton() { return named("focusOnButton", {[](const Step&) { SetFocus(typingButton); return settle(200); }}); }  // of the typing window
// The focused button moves and says the focus is on it, as a control that is no window does.
inline Step focusedButtonMoves() { return named("focusedButtonMoves", {[](const Step&) { MoveWindow(typingButton, 150, 50, 100, 30, TRUE); NotifyWinEvent(EVENT_OBJECT_FOCUS, typingButton, OBJID_CLIENT, CHILDID_SELF); return settle(200); }}); }
inline Step typingGoesOnThere() { return named("typingGoesOnThere", {[](const Step&) { return typingGoesOn(); }}); }
// The magnifier is the window seen at its own centre, in front of every other.
inline Step inFront() { return named("inFront", {stepInFront}); }
inline Step scaleChange() { return named("scaleChange", {[](const Step&) { PostMessageA(q.window, WM_DPICHANGED, MAKEWPARAM(144, 144), 0); return settle(300); }}); }  // WM_DPICHANGED
inline Step sessionChange(int change) { return named("sessionChange", {[](const Step& s) { PostMessageA(q.window, WM_WTSSESSION_CHANGE, s.a, 0); return settle(200); }, change}); }  // WTS_SESSION_LOCK ...
inline Step restack() { return named("restack", {stepRestack}); }  // Wine puts the topmost window's X window on top
inline Step waitMs(int ms) { return named("waitMs", {[](const Step& s) { return settle(s.a); }, ms}); }
inline Step closeWindow() { return named("closeWindow", {stepClose}); }  // WM_CLOSE, and the end with exit code 0
inline Step closeWithoutWaiting() { return named("closeWithoutWaiting", {stepClose, 1}); }
// The set-up tool's window: started in a new directory with the file given, in the scenario's
// directory, or by the magnifier.
inline Step toolInNewFolder(const char* settings) { return named("toolInNewFolder", {stepTool, 0, 0, 0, 0, settings}); }
inline Step toolHere() { return named("toolHere", {stepTool, 1}); }
inline Step toolFromMagnifier() { return named("toolFromMagnifier", {stepTool, 2}); }
// The front dialog's control (the tool, the magnifier or their open popup).
inline Step typeInto(int control, const char* text) { return named("typeInto", {stepType, control, 0, 0, 0, text}); }
inline Step hotkeyInto(int control, int hotkey) { return named("hotkeyInto", {stepType, control, hotkey, 1}); }
inline Step keyInto(int control, WORD vk, WORD modifier = 0) { return named("keyInto", {stepKeyInto, control, vk, modifier}); }
inline Step chooseItem(int control, int item) { return named("chooseItem", {[](const Step& s) { return SendDlgItemMessageW(frontDialog(), s.a, CB_SETCURSEL, s.b, 0) == s.b; }, control, item}); }
inline Step click(int control) { return named("click", {[](const Step& s) { PostMessageA(GetDlgItem(frontDialog(), s.a), BM_CLICK, 0, 0); return settle(300); }, control}); }
inline Step toolEnds() { return named("toolEnds", {[](const Step&) { tool.window = nullptr; return waitExit(tool, 5000) == 0; }}); }  // with exit code 0
inline Step toolInFront() { return named("toolInFront", {[](const Step&) { return SetForegroundWindow(tool.window) && settle(300); }}); }  // as the user brings it
inline Step noCapture() { return named("noCapture", {[](const Step&) { return waitUntil([] { GUITHREADINFO t = {sizeof t}; return GetGUIThreadInfo(GetWindowThreadProcessId(q.window, nullptr), &t) && !t.hwndCapture; }, 1000); }}); }  // the mouse is free for other windows again
// A magnifier that never quits (this program, with the magnifier's event and window); none.
inline Step stubbornMagnifierRuns() { return named("stubbornMagnifierRuns", {stepStubborn, 1}); }
inline Step stubbornMagnifierGone() { return named("stubbornMagnifierGone", {stepStubborn, 0}); }
inline Step magnifierWithoutWindow() { return named("magnifierWithoutWindow", {stepStubborn, 2}); }
// The file in the scenario's directory renamed, as while a program it holds runs.
inline Step moveAway(const char* file) { return named("moveAway", {stepMoveAway, 0, 0, 0, 0, file}); }
inline Step folderNamed(const char* name) { return named("folderNamed", {stepUnwritable, 0, 0, 0, 0, name}); }  // no file there

// Checks.
inline Step windowAt(int left, int top, int right, int bottom) { return named("windowAt", {stepRect, left, top, right, bottom}); }
inline Step usableOnScreen() { return named("usableOnScreen", {stepOnScreen}); }  // 32 x 32 at least, on the screen
// Every property of has holds and none of hasNot (Property bits).
inline Step is(int has, int hasNot = 0) { return named("is", {[](const Step& s) { return waitUntil([&] { return (properties() & (s.a | s.b)) == s.a; }, 2000); }, has, hasNot}); }
inline Step hitTestIs(int x, int y, int code) { return named("hitTestIs", {[](const Step& s) { return SendMessageA(q.window, WM_NCHITTEST, 0, MAKELPARAM(s.a, s.b)) == s.c; }, x, y, code}); }  // WM_NCHITTEST
// The view round the cursor at (x, y), frame and zoom as given; what: "inverted", "second"
// (the pattern's variant 1), "cross" (the crosshair in the middle), "framed".
inline Step viewOf(int x, int y, int frame, int zoom, const char* what = "") { return named("viewOf", {[](const Step& s) { return checkView(s, windowRect(q.window), s.text); }, frame, zoom, x, y, what}); }
// 2x and framed: the view of (x, y) with the default pen's crosshair at (crossX, crossY)
// (-1: none).
inline Step sourceAt(int x, int y, int crossX, int crossY) { return named("sourceAt", {stepSource, x, y, crossX, crossY}); }
// The framed square view is a size x size source round the cursor, put at (x, y).
inline Step stretched(int size, int x, int y) { return named("stretched", {stepStretch, size, x, y}); }
inline Step menuAt(int x, int y, int height) { return named("menuAt", {stepMenuAt, x, y, height}); }  // +-40 high
inline Step noMenu() { return named("noMenu", {[](const Step&) { return !waitForMenu(true, 300); }}); }
inline Step iconsAdded(int count) { return named("iconsAdded", {[](const Step& s) { return waitUntil([&] { return iconAdds == s.a; }, 2000); }, count}); }  // since the stand-in came
inline Step iconAsAsked() { return named("iconAsAsked", {[](const Step&) { return waitUntil(iconAddedAsAsked, 2000); }}); }  // its window, id, message, tip and size
inline Step iconsChanged(int count) { return named("iconsChanged", {[](const Step& s) { return waitUntil([&] { return iconChanges == s.a; }, 2000); }, count}); }  // the magnifier's
inline Step iconsRemoved(int count) { return named("iconsRemoved", {[](const Step& s) { return waitUntil([&] { return iconDeletes == s.a; }, 2000); }, count}); }
inline Step saved(const char* lines) { return named("saved", {stepSaved, 0, 0, 0, 0, lines}); }  // "K=V K=V"
inline Step fileIs(const char* text) { return named("fileIs", {[](const Step& s) { return readFileText(dir + L"\\QILO.INI") == settingsText(s.text); }, 0, 0, 0, 0, text}); }
inline Step noFile() { return named("noFile", {[](const Step&) { return GetFileAttributesW((dir + L"\\QILO.INI").c_str()) == INVALID_FILE_ATTRIBUTES; }}); }
inline Step shows(int control, const char* text) { return named("shows", {stepShows, control, 0, 0, 0, text}); }
inline Step readyToTypeOver(int control) { return named("readyToTypeOver", {[](const Step& s) { return waitUntil([&] { return controlFocused(frontDialog(), s.a) && SendDlgItemMessageW(frontDialog(), s.a, EM_GETSEL, 0, 0) == MAKELONG(0, SendDlgItemMessageW(frontDialog(), s.a, WM_GETTEXTLENGTH, 0, 0)); }, 2000); }, control}); }  // focused, all selected
inline Step checkedIs(int control, int state) { return named("checkedIs", {stepShows, control, state}); }
inline Step chosen(int control, int item) { return named("chosen", {[](const Step& s) { return SendDlgItemMessageW(frontDialog(), s.a, CB_GETCURSEL, 0, 0) == s.b; }, control, item}); }
inline Step hotkeyShows(int control, int hotkey) { return named("hotkeyShows", {stepHotkeyIs, control, hotkey}); }
// How many help windows are open (one has its close button focused).
inline Step helpWindows(int open) { return named("helpWindows", {stepHelp, open}); }
// The set-up tool was started from beside the magnifier, or else from the start directory.
inline Step toolStartedBeside(bool beside) { return named("toolStartedBeside", {[](const Step& s) { std::string qilo = imageOf(q); return imageOf(tool) == (s.a ? qilo.substr(0, qilo.rfind('\\')) : narrow(dir)) + "\\QConf.exe"; }, beside}); }
// The magnifier has ended with exit code 0, and a new one draws the crosshair in this colour.
inline Step restartedWithPen(COLORREF pen) { return named("restartedWithPen", {stepRestarted, (int)pen}); }
// The label of the pattern pixel at (x, y) in the view's corner.
enum Corner { kTopLeft, kTopRight, kBottomLeft, kBottomRight };
inline Step readoutOf(int x, int y, Corner corner = kTopLeft, const char* more = "") { return named("readoutOf", {stepReadout, x, y, corner & 1, corner >> 1, more}); }
// The same in the top left corner, the cursor left where it is.
inline Step readoutHereOf(int x, int y) { return named("readoutHereOf", {[](const Step& s) { return waitUntil([&] { return readoutShown(Capture(q.window), s.a, s.b, false, false, ""); }, 2000); }, x, y, 0, 0, ""}); }
// The label in the top left corner reads the centre of the typing window's caret, or its button.
inline Step readoutAtCaret() { return named("readoutAtCaret", {stepReadoutAtTyping, 1}); }
inline Step readoutAtButton() { return named("readoutAtButton", {stepReadoutAtTyping, 0}); }
// The tool's colour swatch shows the colour.
inline Step swatchShows(COLORREF color) { return named("swatchShows", {stepSwatch, (int)color}); }
inline Step clipboardHoldsColorOf(int x, int y) { return named("clipboardHoldsColorOf", {stepClipboard, x, y}); }
inline Step clipboardHeldFor(int ms) { return named("clipboardHeldFor", {[](const Step& s) { return holdClipboardFor(s.a); }, ms}); }  // by another program, from now on
inline Step invalidated() { return named("invalidated", {[](const Step&) { return InvalidateRect(q.window, nullptr, TRUE) != 0; }}); }  // by another program, as a desktop without composition does when the window is uncovered
inline Step clipboardHoldsText(const char* text) { return named("clipboardHoldsText", {stepClipboard, 0, 0, 0, 0, text}); }
inline Step cursorAt(int x, int y) { return named("cursorAt", {[](const Step& s) { return waitUntil([&] { POINT p; return GetCursorPos(&p) && p.x == s.a && p.y == s.b; }, 2000); }, x, y}); }
// Whether another program can register the key (MOD_ modifiers) now.
inline Step keyFree(WORD vk, UINT modifiers = 0) { return named("keyFree", {stepKeyFree, vk, (int)modifiers, 1}); }
inline Step keyTaken(WORD vk, UINT modifiers = 0) { return named("keyTaken", {stepKeyFree, vk, (int)modifiers, 0}); }
// How many PNG files the scenario's directory's folder holds (named without a number).
inline Step picturesSaved(const char* folder, int count, bool plain = false) { return named("picturesSaved", {[](const Step& s) { return waitUntil([&] { return picturesIn(dir + L"\\" + widen(s.text), s.b) == s.a; }, 3000); }, count, plain, 0, 0, folder}); }
// The names pictures saved in the folder in the next seconds would take are taken.
inline Step pictureNamesTaken(const char* folder, int seconds, int numbers = 1) { return named("pictureNamesTaken", {[](const Step& s) { takePictureNames(dir + L"\\" + widen(s.text), s.a, s.b); return true; }, seconds, numbers, 0, 0, folder}); }
// The file's path and the system's text for the error in a message box, whose OK is clicked;
// the magnifier then ends with exit code 0, the tool stays open.
inline Step magnifierTellsSaveFailed(DWORD error) { return named("magnifierTellsSaveFailed", {stepSaveFailed, 0, (int)error}); }
inline Step toolTellsSaveFailed(DWORD error) { return named("toolTellsSaveFailed", {stepSaveFailed, 1, (int)error}); }
// Every text of the magnifier (titled, without an icon), its help and the tool is the face's.
inline Step everyTextInFace() { return named("everyTextInFace", {[](const Step&) { return checkFace(); }}); }
inline Step programsCarryVersion() { return named("programsCarryVersion", {[](const Step&) { return carryVersion(); }}); }
// The focused button moves without a word, then two focus events one right after the other,
// the text box's and the button's (at its new place), as a program that moves the focus on at
// once raises them.
inline Step focusFlitsToBoxAndBack() { return named("focusFlitsToBoxAndBack", {[](const Step&) { MoveWindow(typingButton, 190, 50, 100, 30, TRUE); NotifyWinEvent(EVENT_OBJECT_FOCUS, typingBox, OBJID_CLIENT, CHILDID_SELF); NotifyWinEvent(EVENT_OBJECT_FOCUS, typingButton, OBJID_CLIENT, CHILDID_SELF); return settle(200); }}); }
// The typing window takes the focus and then hangs (this program handles no message, until a
// step that waits): meanwhile the view follows the mouse to (x, y), read from the screen alone.
inline Step hangsWhileMouseMovesTo(int x, int y) { return named("hangsWhileMouseMovesTo", {[](const Step& s) { SetFocus(typingBox); SetFocus(typingButton); Sleep(100); SetCursorPos(s.a, s.b); bool followed = false; for (DWORD start = GetTickCount(); !followed && GetTickCount() - start < 2000; Sleep(20)) followed = readoutShown(Capture(q.window), s.a, s.b, false, false, ""); return followed; }, x, y}); }
// Still hung, WM_CLOSE: the magnifier ends with exit code 0 all the same, within 5 seconds.
inline Step closeWhileHung() { return named("closeWhileHung", {[](const Step&) { PostMessageA(q.window, WM_CLOSE, 0, 0); bool ended = WaitForSingleObject(q.process.hProcess, 5000) == WAIT_OBJECT_0; return waitExit(q) == 0 && ended; }}); }
// clang-format on

inline constexpr int kLeftDown = MOUSEEVENTF_LEFTDOWN, kLeftUp = MOUSEEVENTF_LEFTUP;
