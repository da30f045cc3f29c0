// The menus as the user works them: right click, keyboard choice, visible effect.
#include <windows.h>

#include <string>

#include "cases.h"
#include "harness.h"

static const COLORREF kPen = RGB(128, 0, 0);

// Positions of the selectable main-menu entries (separators are skipped by the keyboard).
enum MainItem {
    kAlwaysTop,
    kCross,
    kSizeFixed,
    kInvert,
    kSeeThrough,
    kFrameMenu,
    kZoomMenu,
    kSetupTool,
    kHelp,
    kMinimize,
    kQuit
};

static int penPixelsInColumn(const Capture& c, int x) {
    int n = 0;
    for (int y = 0; y < c.height; ++y)
        n += c.at(x, y) == kPen;
    return n;
}

void caseMenuOpensAtCursor() {
    showPattern();
    Qilo q;
    if (!startQilo(q, makeScratchDir("[INIT]\r\nX=500\r\nY=350\r\n")))
        return;
    clickAt(560, 400, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    if (check(waitForMenu(true), "a right click opens a menu")) {
        RECT m = windowRect(openMenu());
        check(m.left == 560 && m.top == 400, "its top-left corner is at the cursor: (%ld, %ld)",
              m.left, m.top);
        check(m.bottom - m.top > 150, "the main menu's thirteen entries: %ld high",
              m.bottom - m.top);
        pressKey(VK_ESCAPE);
        check(waitForMenu(false), "Escape closes it");
    }
    // The right button released while the left one is held opens nothing.
    moveCursor(560, 400);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    mouseButton(MOUSEEVENTF_RIGHTDOWN);
    mouseButton(MOUSEEVENTF_RIGHTUP);
    pump(300);
    check(openMenu() == nullptr, "no menu with the left button held");
    mouseButton(MOUSEEVENTF_LEFTUP);
    check(closeQilo(q) == 0, "exit code 0");
}

void caseMenuCommands() {
    showPattern();
    moveCursor(300, 300);
    Qilo q;
    std::string dir = makeScratchDir("[INIT]\r\nX=500\r\nY=350\r\nWIDTH=242\r\nHEIGHT=242\r\n");
    if (!startQilo(q, dir))
        return;
    const int mx = 560, my = 420;  // a point on the magnifier for right clicks
    const int px = 300, py = 300;  // where the cursor rests to look at the view

    chooseFromMainMenu(mx, my, kCross);
    moveCursor(px, py);
    pump(300);
    Capture c = captureScreen(windowRect(q.window));
    check(penPixelsInColumn(c, 121) == 240, "the crosshair shows: %d pen pixels in its column",
          penPixelsInColumn(c, 121));
    chooseFromMainMenu(mx, my, kCross);
    moveCursor(px, py);
    pump(300);
    c = captureScreen(windowRect(q.window));
    check(penPixelsInColumn(c, 121) == 0, "and goes again");

    // Every zoom: the image is the source stretched over the 240 x 240 inner area.
    const int factors[] = {1, 0, 2, 3, 4, 5, 6, 7, 8, 16};  // 0 stands for 1.5
    for (int i = 0; i < 10; ++i) {
        chooseFromMainMenu(mx, my, kZoomMenu, i);
        moveCursor(px + i, py);
        pump(300);
        int src = factors[i] ? 240 / factors[i] : 160;
        int srcX = px + i - src / 2, srcY = py - src / 2;
        c = captureScreen(windowRect(q.window));
        int errors = countStretchErrors(c, 1, srcX, srcY, src, src, -1, -1);
        check(errors == 0, "zoom entry %d: the source %d x %d fills the view: %d pixels off", i,
              src, src, errors);
    }
    chooseFromMainMenu(mx, my, kZoomMenu, 2);

    chooseFromMainMenu(mx, my, kInvert);
    moveCursor(px, py);
    View v = viewAroundCursor(q.window, 1, 2, px, py);
    v.inverted = true;
    int mismatches = waitForView(v, 2000);
    check(mismatches == 0, "inverted colours: %d pixels differ", mismatches);
    chooseFromMainMenu(mx, my, kInvert);

    chooseFromMainMenu(mx, my, kAlwaysTop);
    check(!(GetWindowLongA(q.window, GWL_EXSTYLE) & WS_EX_TOPMOST), "no longer always on top");
    chooseFromMainMenu(mx, my, kAlwaysTop);
    check((GetWindowLongA(q.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, "always on top again");

    chooseFromMainMenu(mx, my, kFrameMenu, 0);
    moveCursor(px, py);
    v = viewAroundCursor(q.window, 0, 2, px, py);
    mismatches = waitForView(v, 2000);
    check(mismatches == 0, "without the frame the image reaches the edge: %d differ", mismatches);
    chooseFromMainMenu(mx, my, kFrameMenu, 1);
    RECT r = windowRect(q.window);
    // The black frame hides and shows the window (a flash that redraws the frame).
    POINT centre = {r.left + 100, r.top + 100};
    check(WindowFromPoint(centre) == q.window, "the window is on top after the frame command");
    restackOnTop(q.window);
    // Wine repaints the border of a restacked window; a click (a drag that goes nowhere)
    // redraws the frame as the end of every drag does.
    clickAt(mx, my, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    moveCursor(px, py);
    pump(300);
    c = captureScreen(r);
    check(c.at(0, c.height / 2) == RGB(0, 0, 0) && c.at(c.width / 2, 0) == RGB(0, 0, 0),
          "the black frame is back on the left and top edges");
    mismatches = waitForView(viewAroundCursor(q.window, 1, 2, px, py), 2000);
    check(mismatches == 0, "and the image sits inside it: %d differ", mismatches);

    chooseFromMainMenu(mx, my, kSizeFixed);
    check((GetWindowLongA(q.window, GWL_STYLE) & WS_THICKFRAME) != 0, "a sizing border");

    chooseFromMainMenu(mx, my, kSeeThrough);
    chooseFromMainMenu(r.left + 20, r.top + 20, kQuit);
    int code = waitExit(q, 5000);
    check(code == 0, "the quit entry ends the program with exit code 0, got %d", code);
    std::string saved = readFileText(settingsPath(dir));
    check(saved.find("WSIZE=0\r\n") != std::string::npos &&
              saved.find("IsTop=1\r\n") != std::string::npos &&
              saved.find("ZOOM=40003\r\n") != std::string::npos &&
              saved.find("IsCross=0\r\n") != std::string::npos &&
              saved.find("ROP=13369376\r\n") != std::string::npos &&
              saved.find("FRAME=1\r\n") != std::string::npos &&
              saved.find("ISTOKA=1\r\n") != std::string::npos,
          "the settings carry the choices:\n%s", saved.c_str());
}

void caseHelpAndSetupTool() {
    FakeHelp help;
    help.create();
    Qilo q;
    std::string dir = makeScratchDir("[INIT]\r\nX=500\r\nY=350\r\n");
    // A stand-in set-up tool: this driver itself, which notes its start when named QConf.exe.
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    CopyFileA(self, (dir + "\\QConf.exe").c_str(), FALSE);
    if (!startQilo(q, dir))
        return;
    chooseFromMainMenu(560, 400, kHelp);
    check(waitUntil([&] { return help.requests > 0; }, 3000), "the help viewer gets a request");
    check(help.command == HELP_FORCEFILE, "HELP_FORCEFILE, got %d", help.command);
    check(help.file == "Qilo.hlp", "for Qilo.hlp, got '%s'", help.file.c_str());

    chooseFromMainMenu(560, 400, kSetupTool);
    std::string marker = dir + "\\qconf-started.txt";
    check(waitUntil([&] { return !readFileText(marker).empty(); }, 5000),
          "the set-up tool starts from the program's current directory");
    check(readFileText(marker) == "show=1", "with SW_SHOWNORMAL: %s", readFileText(marker).c_str());
    check(IsWindow(q.window), "the magnifier runs on");
    check(closeQilo(q) == 0, "exit code 0");
    help.destroy();
}

bool runAsSetupToolStandIn() {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string name = self;
    if (name.size() < 9 || lstrcmpiA(name.c_str() + name.size() - 9, "QConf.exe") != 0)
        return false;
    STARTUPINFOA si;
    GetStartupInfoA(&si);
    char text[32];
    wsprintfA(text, "show=%d", (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1);
    HANDLE f =
        CreateFileA("qconf-started.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(f, text, lstrlenA(text), &written, nullptr);
    CloseHandle(f);
    return true;
}
