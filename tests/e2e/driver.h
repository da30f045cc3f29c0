// The end-to-end driver: it starts the real programs in scratch directories, shows a pattern
// in which every pixel has its own colour, works the programs with real input and reads back
// what they show. A scenario is a list of steps, each made by a function named for what it does
// or checks (steps.h); run() carries them out in order and names each failed step and what it
// expected.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <wtsapi32.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>

#include "common/settings.h"  // the zoom commands
#include "common/shared.h"
#include "common/texts.h"
#include "res/qconf.h"
#include "res/resource.h"
#include "res/version.h"
#include "tests/common/pattern.h"

// ---- checks, waiting and the steps ----------------------------------------------------------

extern int failures;
// Prints a failed check's message; the case fails when any check failed.
bool check(bool ok, const char* fmt, ...);
// Processes the driver's own messages (its windows must paint) for ms milliseconds.
void pump(DWORD ms);
// A pause for the programs to act; true.
bool settle(DWORD ms);

template <class Fn>
inline bool waitUntil(Fn fn, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); !fn(); pump(20)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
    }
    return true;
}

// A step: the function that made it and its arguments, which a failure names and shows, and
// what it does or checks, true when it did or saw what it should. A check that may take the
// programs a moment is tried again until it holds, for patienceMs at most.
struct Step {
    const char* name;
    std::string arguments;
    DWORD patienceMs;
    std::function<bool()> run;

    Step(const char* name, std::string arguments, std::function<bool()> run)
        : Step(name, std::move(arguments), 0, std::move(run)) {}
    Step(const char* name, std::string arguments, DWORD patienceMs, std::function<bool()> run)
        : name(name),
          arguments(std::move(arguments)),
          patienceMs(patienceMs),
          run(std::move(run)) {}
};

// A step's arguments as a failure shows them.
std::string shown(int number);
std::string shown(const char* text);
std::string shown(POINT point);
std::string shown(RECT rect);
template <class Enum, std::enable_if_t<std::is_enum_v<Enum>, int> = 0>
std::string shown(Enum value) {
    return shown((int)value);
}
template <class First, class Second, class... Rest>
std::string shown(First first, Second second, Rest... rest) {
    return shown(first) + ", " + shown(second, rest...);
}

// Runs the steps in order; a failed step is reported with what the program shows then.
void run(std::initializer_list<Step> steps);

// A case, in the file of its feature, under the name the suite runs it by:
// E2E_CASE(first_start) { run({...}); }. It enters itself in the driver's list as it is made.
bool addCase(const char* name, void (*run)());
#define E2E_CASE(name)                                            \
    static void case_##name();                                    \
    static const bool added_##name = addCase(#name, case_##name); \
    static void case_##name()

// ---- the programs and the means the files share ---------------------------------------------

struct Qilo {
    PROCESS_INFORMATION process;
    HWND window;
};
extern std::wstring qiloPath;
extern Qilo q;            // the magnifier of the scenario
extern Qilo tool;         // the set-up tool
extern std::wstring dir;  // the scenario's directory
extern Language face;     // the face the scenario's programs show
// Japanese on a Japanese Windows (code page 932), English on any other.
Language systemFace();
// The captions of the set-up tool's window in both faces.
inline constexpr const wchar_t* kToolCaptions[] = {L"ＱＦ拡大鏡 初期設定",
                                                   L"QF Magnifier Settings"};

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);
void writeFileText(const std::wstring& path, const std::string& text);
std::string readFileText(const std::wstring& path);
// The folder of the programs under test, with the separator.
std::wstring buildFolder();
// The exit code once the process ends; after the time-out it is ended, with -1.
int waitExit(Qilo& p, DWORD timeoutMs = 10000);
// Input as the user gives it; true when the system took it.
bool moveCursor(POINT to);
bool mouseButton(DWORD flags);  // MOUSEEVENTF_
bool pressKey(WORD vk, bool down = true, bool up = true);
bool keyCombo(WORD modifier, WORD vk);
bool waitForMenu(bool open, DWORD timeoutMs = 3000);
RECT windowRect(HWND window);
RECT virtualScreen();  // every monitor
// The dialog the user faces: a dialog the tool or the magnifier owns, else the tool.
HWND frontDialog();
std::string controlText(int id);  // of the front dialog
// The top-level window of a process that has the property given (the magnifier's, or the
// tool's title).
HWND findWindowOf(Qilo& p, const wchar_t* title);
// The control has the keyboard focus in its dialog's thread.
bool controlFocused(HWND dialog, int id);
// Whether another program can register the key (MOD_ modifiers) now.
bool keyIsFree(WORD vk, UINT modifiers);
// The window's Property bits now.
int properties();

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
int waitForView(const ExpectedView& view);

// A corner of the view.
enum Corner { kTopLeft, kTopRight, kBottomLeft, kBottomRight };
// The readout label of pattern pixel `pixel` as the view must show it, black on white with two
// pixels round the text, in the corner inside the frame; below, the lines given ('|' between).
// With more null, the label's position alone, of a pixel anywhere.
bool readoutShown(const Dib& view, POINT pixel, Corner corner, const char* more);
