// Checks countGdiHandles against objects this program creates and deletes itself, in its own
// process and in a child process. Prints each step and exits 1 on the first wrong count.
//   qilo_gdi_count_check.exe
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "tests/common/gdi_count.h"

static const int kObjects = 25;
static int failures = 0;

static void expect(const char* what, int before, int after, int wantDelta) {
    bool ok = before >= 0 && after - before == wantDelta;
    std::printf("%-44s %5d -> %5d (%+d, want %+d) %s\n", what, before, after, after - before,
                wantDelta, ok ? "ok" : "WRONG");
    if (!ok)
        ++failures;
}

static int selfCount() {
    return countGdiHandles(GetCurrentProcess(), GetCurrentProcessId());
}

// Checks that this process's count moved by wantDelta since *count, and takes the new count.
static void step(const char* what, int* count, int wantDelta) {
    int after = selfCount();
    expect(what, *count, after, wantDelta);
    *count = after;
}

static void checkOwnProcess() {
    HDC screen = GetDC(nullptr);
    int base = selfCount();

    int before = base;
    std::vector<HGDIOBJ> pens;
    for (int i = 0; i < kObjects; ++i)
        pens.push_back(CreatePen(PS_SOLID, 1, RGB(i, 0, 0)));
    step("pens created", &before, kObjects);

    std::vector<HGDIOBJ> bitmaps;
    for (int i = 0; i < kObjects; ++i)
        bitmaps.push_back(CreateCompatibleBitmap(screen, 16 + i, 16));
    step("bitmaps created", &before, kObjects);

    std::vector<HDC> dcs;
    for (int i = 0; i < kObjects; ++i)
        dcs.push_back(CreateCompatibleDC(screen));
    step("memory DCs created", &before, kObjects);

    // Selecting objects into DCs creates nothing.
    for (int i = 0; i < kObjects; ++i) {
        SelectObject(dcs[i], bitmaps[i]);
        SelectObject(dcs[i], pens[i]);
    }
    step("objects selected into the DCs", &before, 0);

    for (HDC dc : dcs)
        DeleteDC(dc);
    step("memory DCs deleted", &before, -kObjects);
    for (HGDIOBJ object : bitmaps)
        DeleteObject(object);
    for (HGDIOBJ object : pens)
        DeleteObject(object);
    step("bitmaps and pens deleted", &before, -2 * kObjects);
    expect("back where it started", base, before, 0);
    ReleaseDC(nullptr, screen);
}

// The child: creates kObjects brushes once `go` is set, then sets `done` and waits for `quit`.
static int runChild(const char* go, const char* done, const char* quit) {
    HANDLE goEvent = OpenEventA(SYNCHRONIZE, FALSE, go);
    HANDLE doneEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, done);
    HANDLE quitEvent = OpenEventA(SYNCHRONIZE, FALSE, quit);
    if (!goEvent || !doneEvent || !quitEvent)
        return 2;
    SetEvent(doneEvent);  // started: the parent takes its first count now
    WaitForSingleObject(goEvent, INFINITE);
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < kObjects; ++i)
        brushes.push_back(CreateSolidBrush(RGB(0, i, 0)));
    SetEvent(doneEvent);
    WaitForSingleObject(quitEvent, INFINITE);
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    return 0;
}

static void checkChildProcess() {
    char go[64], done[64], quit[64];
    DWORD self = GetCurrentProcessId();
    std::snprintf(go, sizeof go, "qilo-gdi-check-go-%lu", (unsigned long)self);
    std::snprintf(done, sizeof done, "qilo-gdi-check-done-%lu", (unsigned long)self);
    std::snprintf(quit, sizeof quit, "qilo-gdi-check-quit-%lu", (unsigned long)self);
    HANDLE goEvent = CreateEventA(nullptr, FALSE, FALSE, go);
    HANDLE doneEvent = CreateEventA(nullptr, FALSE, FALSE, done);
    HANDLE quitEvent = CreateEventA(nullptr, TRUE, FALSE, quit);

    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    char commandLine[3 * MAX_PATH];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\" child %s %s %s", exe, go, done, quit);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
        std::printf("cannot start the child process\n");
        ++failures;
        return;
    }
    HANDLE waits[2] = {doneEvent, child.hProcess};
    if (WaitForMultipleObjects(2, waits, FALSE, 10000) != WAIT_OBJECT_0) {
        std::printf("the child process did not start\n");
        ++failures;
        return;
    }
    int before = countGdiHandles(child.hProcess, child.dwProcessId);
    SetEvent(goEvent);
    if (WaitForMultipleObjects(2, waits, FALSE, 10000) != WAIT_OBJECT_0) {
        std::printf("the child process did not create its brushes\n");
        ++failures;
        return;
    }
    int after = countGdiHandles(child.hProcess, child.dwProcessId);
    expect("brushes created by a child process", before, after, kObjects);
    // The parent's own objects are not counted for the child, nor the child's for us.
    int own = selfCount();
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    expect("child's count after the parent makes a pen", after,
           countGdiHandles(child.hProcess, child.dwProcessId), 0);
    expect("parent's count after its pen", own, selfCount(), 1);
    DeleteObject(pen);
    SetEvent(quitEvent);
    WaitForSingleObject(child.hProcess, 10000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
}

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "child") == 0)
        return runChild(argv[2], argv[3], argv[4]);
    std::printf("GDI objects of this process at start: %d\n", selfCount());
    checkOwnProcess();
    checkChildProcess();
    std::printf("%s\n", failures ? "FAILED" : "all counts as expected");
    return failures ? 1 : 0;
}
