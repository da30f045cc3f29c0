// The end-to-end harness: starts the real Qilo.exe, shows a pattern under it, moves the
// cursor, reads the screen back and checks what a user would see.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// ---- checks -------------------------------------------------------------------------------
// Records a failed check with its message; the case fails when any check failed.
bool check(bool ok, const char* fmt, ...);
int failedChecks();
void note(const char* fmt, ...);

// ---- the pattern under the magnifier --------------------------------------------------------
// Colour of pattern pixel (x, y) with the given variant: unique for every pixel of a screen
// up to 4096 x 4096 within one variant, and different between variants at every pixel.
COLORREF patternColor(int x, int y, int variant = 0);
// A full-screen window painted with the pattern, below the magnifier.
void showPattern(int variant = 0);
void hidePattern();
// Puts the pattern window above every window that is not topmost.
void raisePattern();
// Has Wine restack a topmost window's X window over the others, where the system's z-order
// already has it: after a quick hide and show Wine can leave it below.
void restackOnTop(HWND window);
// Processes the driver's own messages for a while (the pattern window must paint).
void pump(DWORD ms);

// ---- the screen -----------------------------------------------------------------------------
struct Capture {
    int left, top, width, height;
    std::vector<DWORD> pixels;        // 0x00RRGGBB, top-down
    COLORREF at(int x, int y) const;  // window-relative
};
Capture captureScreen(const RECT& rect);
int screenWidth();
int screenHeight();

// Expected image of a magnifier at an integer zoom, window-relative.
struct View {
    RECT window;     // outer rectangle on the screen
    int frame;       // frame margin
    int zoom;        // integer factor
    int srcX, srcY;  // source top-left on the screen
    bool inverted;
    int patternVariant;
};
// The view a magnifier window shows at an integer zoom with the cursor at (cursorX, cursorY),
// its source unclamped.
View viewAroundCursor(HWND window, int frame, int zoom, int cursorX, int cursorY);
// Counts the inner pixels that differ from the expected image (crosshair pixels excluded
// when crossX/crossY are given, >= 0).
int countMismatches(const Capture& capture, const View& view, int crossX = -1, int crossY = -1);
struct Mismatch {
    int x, y;
    COLORREF want, got;
};
extern Mismatch lastMismatch;
void saveScreenOnFailure();  // the first difference of the last count
// Waits until the screen shows the view (up to timeoutMs); returns the last mismatch count.
int waitForView(const View& view, DWORD timeoutMs, int crossX = -1, int crossY = -1);

// ---- the program under test -----------------------------------------------------------------
struct Qilo {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
    std::string directory;
};
// A new empty scratch directory; the settings file is written there when text is given.
std::string makeScratchDir(const char* settings = nullptr);
std::string settingsPath(const std::string& dir);
std::string readFileText(const std::string& path);
void setQiloPath(const char* path);
const char* qiloPath();
// Starts Qilo.exe in dir with the show command, without waiting for anything.
bool launchQilo(Qilo& q, const std::string& dir, int showCommand);
// Starts Qilo.exe in dir without a show command (the program then gets SW_SHOWDEFAULT).
bool startQiloDefaultShow(Qilo& q, const std::string& dir);
// Starts Qilo.exe in dir with the show command; finds its window.
bool startQilo(Qilo& q, const std::string& dir, WORD showCommand = SW_SHOWNORMAL);
// Asks the window to close and waits for the process; returns its exit code, or -1.
int closeQilo(Qilo& q, DWORD timeoutMs = 10000);
// Waits for the process to end; returns its exit code or -1 on timeout.
int waitExit(Qilo& q, DWORD timeoutMs);
void killQilo(Qilo& q);
RECT windowRect(HWND window);
// Waits until fn() holds (polling every 20 ms while pumping messages).
template <class Fn>
bool waitUntil(Fn fn, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (fn())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        pump(20);
    }
}

// ---- input ------------------------------------------------------------------------------------
void moveCursor(int x, int y);  // real mouse input, absolute
void mouseButton(DWORD flags);  // MOUSEEVENTF_LEFTDOWN and the like
void keyCombo(WORD modifier, WORD key);
void pressKey(WORD key);
// A click of a button at a screen point: MOUSEEVENTF_LEFTDOWN/UP or RIGHTDOWN/UP.
void clickAt(int x, int y, DWORD down, DWORD up);

// ---- menus ------------------------------------------------------------------------------------
// The open popup menu window (class #32768), or null.
HWND openMenu();
bool waitForMenu(bool open, DWORD timeoutMs = 3000);
// Opens the main menu by a right click at (x, y) and chooses the entry at the given position
// among the selectable entries (separators do not count) with the keyboard; with subItem >= 0
// the entry is a submenu and subItem is the position in it.
void chooseFromMainMenu(int x, int y, int item, int subItem = -1);

// ---- decoding the pattern ---------------------------------------------------------------------
// The screen point whose pattern colour (variant 0) this is.
POINT patternPoint(COLORREF c);
// Counts inner pixels whose pattern point is more than one pixel away from where a stretch
// of the source (srcX, srcY, srcW x srcH) over the inner area puts it.
int countStretchErrors(const Capture& c,
                       int frame,
                       int srcX,
                       int srcY,
                       int srcW,
                       int srcH,
                       int crossX,
                       int crossY);

// ---- stand-ins for the shell and the help viewer ---------------------------------------------
// A window of class Shell_TrayWnd that answers the shell's icon requests with `answer` and
// counts the adds it sees for a window.
struct FakeTray {
    HWND window = nullptr;
    LRESULT answer = 0;
    int adds = 0;
    HWND lastOwner = nullptr;
    void create(LRESULT answerWith);
    void destroy();
};
// A window of class MS_WINHELP that records the last help request.
struct FakeHelp {
    HWND window = nullptr;
    int requests = 0;
    int command = -1;
    std::string file;
    void create();
    void destroy();
};

// ---- the program's resources ----------------------------------------------------------------
// GDI objects the process owns (from Wine's shared handle table), or -1.
int gdiObjects(const Qilo& q);
