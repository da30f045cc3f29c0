// The wheel, the readout and copy, freeze, and the label at 144 DPI.
#include "tests/e2e/steps.h"

// Another program's clipboard history: the clipboard held open for a moment after a change.
static DWORD clipboardHoldMs;
static HANDLE clipboardOpened;
static BOOL clipboardHeld;

static DWORD WINAPI holdClipboard(void*) {
    clipboardHeld = OpenClipboard(nullptr);
    SetEvent(clipboardOpened);
    Sleep(clipboardHoldMs);
    if (clipboardHeld)
        CloseClipboard();
    return 0;
}

// Opens the clipboard in another thread and holds it for ms milliseconds, as clipboard history
// does after each change; true once it is held.
static Step clipboardHeldFor(int ms) {
    return Step(__func__, shown(ms), [=] {
        clipboardHoldMs = ms;
        clipboardOpened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        HANDLE holder = CreateThread(nullptr, 0, holdClipboard, nullptr, 0, nullptr);
        bool held =
            holder && WaitForSingleObject(clipboardOpened, 2000) == WAIT_OBJECT_0 && clipboardHeld;
        if (holder)
            CloseHandle(holder);
        CloseHandle(clipboardOpened);
        return held;
    });
}

// The wheel steps the zoom (the 240 x 240 view's source: 120 at 2x, 80 at 3x, 15 at 16x),
// parts of a notch adding up, and stops at the ends.
// clang-format off
E2E_CASE(wheel) {
    run({showPattern(), start("X=300 Y=250 WIDTH=242 HEIGHT=242 WSIZE=0"),
         moveTo({400, 350}), wheel(120), stretched(80, {700, 300}),
         moveTo({400, 350}), wheel(-120), wheel(-60), stretched(120, {701, 300}),
         moveTo({400, 350}), wheel(-60), stretched(160, {702, 300}),
         moveTo({400, 350}), wheel(60), wheel(60), stretched(120, {703, 300}),
         moveTo({400, 350}), wheel(-60), wheel(120), stretched(80, {705, 300}),  // a turn back starts afresh
         moveTo({400, 350}), wheel(12 * 120), stretched(15, {704, 300}),
         closeWindow(), saved("ZOOM=40006 WIDTH=240")});
}

// The readout shows the pixel under the cursor in the corner away from the crosshair; copy
// (Ctrl+F9 here) puts its colour on the clipboard, also while another program holds it for a
// moment.
E2E_CASE(readout) {
    run({showPattern(), start("X=20 Y=20 INFO=1 IsCross=1 HK_COPY=632"),
         readoutOf({500, 400}), readoutOf({801, 123}), readoutOf({3, 5}, kBottomRight),
         pressWith(VK_CONTROL, VK_F9), clipboardHoldsColorOf({3, 5}), readoutOf({801, 123}),
         clipboardHeldFor(50), pressWith(VK_CONTROL, VK_F9), clipboardHoldsColorOf({801, 123}),
         readoutOf({40, 300}, kTopRight),  // the crosshair pushed left of the middle, above a third
         closeWindow(), start("X=20 Y=20 INFO=1 ZOOM=40024"), readoutOf({500, 400}), closeWindow()});
}

// Freeze (Ctrl+F8 here) holds the view while the screen changes, until pressed again or hidden.
E2E_CASE(freeze) {
    run({showPattern(), start("X=20 Y=20 HK_FREEZE=631"), viewOf({500, 400}),
         pressWith(VK_CONTROL, VK_F8), showSecondPattern(), waitMs(300), viewOf({500, 400}),
         pressWith(VK_CONTROL, VK_F8), viewOf({500, 400}, kSecondPattern),
         // The surfaces opened again (the z-order applied) end a freeze with the old image.
         pressWith(VK_CONTROL, VK_F8), showPattern(), command(ID_ALWAYS_TOP), command(ID_ALWAYS_TOP),
         viewOf({500, 400}), showSecondPattern(), viewOf({500, 400}, kSecondPattern),
         pressWith(VK_CONTROL, VK_F8), ctrlSpace(), ctrlSpace(), showPattern(), viewOf({500, 400}),
         closeWindow()});
}

// The height of the readout's label, the white box in the view's top-left corner inside the
// frame, with the cursor in the middle of the view.
static int labelHeight(const Dib& view) {
    int height = 0;
    while (1 + height < view.height && view.at(1, 1 + height) == RGB(255, 255, 255))
        ++height;
    return height;
}

// At 144 DPI (run by tools/hidpi) the readout's label is about 1.5 times as tall as the 16
// pixels it has at 96. With an anchor (Ctrl+F3 here) 300 right of and 200 above the cursor, the
// measure "+300, +200 360.56px 4.00:1" leaves no room for "240.37dip" (150 %): a third row.
E2E_CASE(dpi) {
    int height = 0, measured = 0;
    // The icon, too, is loaded at the size the shell asks for at this DPI.
    run({showPattern(), shellAnswering(TRUE), start("X=20 Y=20 WIDTH=386 HEIGHT=258 INFO=1"),
         iconAsAsked(), moveTo({500, 400}), waitMs(500)});
    waitUntil([&] { return (height = labelHeight(Capture(q.window))) >= 22; }, 3000);
    printf("  the label is %d pixels high\n", height);
    check(height >= 22 && height <= 26, "the label is about 1.5 x 16 pixels high");
    run({closeWindow(), noShell(), start("X=20 Y=20 WIDTH=386 HEIGHT=258 INFO=1 HK_ANCHOR=626"),
         moveTo({450, 300}), pressWith(VK_CONTROL, VK_F3), moveTo({750, 500}), waitMs(500)});
    waitUntil([&] { return (measured = labelHeight(Capture(q.window))) > 2 * height; }, 3000);
    printf("  with the measure, the label is %d pixels high\n", measured);
    check(measured > 2 * height && measured < 3 * height, "three rows: the logical distance its own");
    run({closeWindow()});
}
