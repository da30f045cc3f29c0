// Hiding and restoring: the notification icon, Ctrl+Space, and no notification area.
#include "tests/e2e/steps.h"

// The window seen at its own centre, in front of every other.
static Step inFront() {
    return Step(__func__, "", 2000, [] {
        RECT r = windowRect(q.window);
        return WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) == q.window;
    });
}

E2E_CASE(tray) {
    run({showPattern(), start("X=400 Y=300"), iconMouse(WM_LBUTTONDOWN), isNot(Visible),
         iconMouse(WM_LBUTTONDBLCLK), iconMouse(WM_LBUTTONUP), iconMouse(WM_MOUSEMOVE),
         isNot(Visible), iconMouse(WM_LBUTTONDOWN), is(Visible | Topmost),
         windowAt({400, 300, 594, 430}), viewOf({700, 500}),
         // On a hidden window's icon the right button opens the short menu, whose second
         // entry restores; on a shown one's, the main menu, which a click elsewhere closes.
         iconMouse(WM_LBUTTONDOWN), iconMouse(WM_RBUTTONDOWN), menuAt({700, 500}, 83),
         isNot(Visible), press(VK_DOWN), press(VK_DOWN), press(VK_RETURN), is(Visible),
         moveTo({700, 420}), iconMouse(WM_RBUTTONDOWN), menuAt({700, 420}, 287),
         drag({100, 650}, {0, 0}), noMenu(), iconMouse(WM_LBUTTONDOWN), closeWindow(),
         // Not always on top, under the window the user types in: restored, it comes in front
         // and is still not on top, and the user types on where he did.
         start("X=650 Y=580 IsTop=0"), userTypesElsewhere(), iconMouse(WM_LBUTTONDOWN),
         iconMouse(WM_LBUTTONDOWN), is(Visible, Topmost), windowAt({650, 580, 844, 710}), inFront(),
         typingGoesOnThere(), closeWindow()});
}

E2E_CASE(hotkey) {
    run({start("X=321 Y=234"), ctrlSpace(), isNot(Visible), ctrlSpace(), is(Visible), ctrlSpace(),
         isNot(Visible), closeWindow(), saved("X=321 Y=234"),
         // Hidden and brought back while the user types elsewhere: the keys go on going there.
         start("X=321 Y=234"), userTypesElsewhere(), ctrlSpace(), isNot(Visible), ctrlSpace(),
         is(Visible | Topmost), typingGoesOnThere(), closeWindow(), start("VK_SPACE=0"),
         ctrlSpace(), waitMs(300), is(Visible, HotkeyTaken), closeWindow()});
    // Another program holds Ctrl+Space: the magnifier runs without it, silently.
    RegisterHotKey(nullptr, 1, MOD_CONTROL, VK_SPACE);
    run({start(), ctrlSpace(), waitMs(300), is(Visible), closeWindow()});
}

// No notification area (the shell refuses the icon): hiding minimises. Then the shell comes
// back: a new notification area, and the message that announces it. At a change of scale the
// icon is made again and the view drawn on; the icon is removed before it is added again, and
// at the end.
E2E_CASE(shell) {
    run({shellAnswering(FALSE), start(), iconsAdded(1), is(Titled, TaskbarButton), ctrlSpace(),
         is(Iconic | TaskbarButton), ctrlSpace(), waitMs(300), is(Iconic), closeWindow(),
         // Refused at the start and accepted when the shell announces itself: hiding hides.
         showPattern(), shellAnswering(FALSE), start("X=400 Y=300 VK_SPACE=0"),
         command(ID_MINIMIZE), is(Iconic | TaskbarButton), restoreFromTaskbar(),
         is(Visible, Iconic | TaskbarButton), restack(), viewOf({700, 500}), shellAnswering(TRUE),
         shellAnnouncesItself(), iconsAdded(1), command(ID_MINIMIZE), isNot(Visible | Iconic),
         iconMouse(WM_LBUTTONDOWN), is(Visible | Topmost, TaskbarButton), closeWindow(),
         shellAnswering(FALSE), startShown(SW_SHOWMINIMIZED), is(Iconic), ctrlSpace(),
         is(Visible, Iconic | TaskbarButton), closeWindow(),
         // Started minimised to a shell that is late with the icon: once it is there, hidden to it.
         shellAnswering(FALSE), startShown(SW_SHOWMINIMIZED), is(Iconic), shellNowAnswering(TRUE),
         waitMs(1500), isNot(Visible), iconMouse(WM_LBUTTONDOWN), is(Visible, Iconic),
         closeWindow(), noShell(), start(), shellAnswering(TRUE), shellAnnouncesItself(),
         iconsAdded(1), iconAsAsked(), scaleChange(), iconsChanged(1), viewOf({600, 450}),
         closeWindow(), iconsRemoved(2), noShell()});
    // Minimised and restored three times, the window keeps its size; quit while minimised,
    // it saves its place and size, not the minimised window's.
    // clang-format off
    run({shellAnswering(FALSE), start("X=300 Y=200 WSIZE=0 VK_SPACE=0"),
         windowAt({300, 200, 492, 328}), command(ID_MINIMIZE), is(Iconic), restoreFromTaskbar(),
         is(Visible, Iconic), command(ID_MINIMIZE), is(Iconic), restoreFromTaskbar(),
         is(Visible, Iconic), command(ID_MINIMIZE), is(Iconic), restoreFromTaskbar(),
         is(Visible, Iconic), windowAt({300, 200, 492, 328}), command(ID_MINIMIZE), is(Iconic),
         closeWindow(), saved("X=300 Y=200 WIDTH=192 HEIGHT=128"), noShell()});
    // clang-format on
    // A shell too busy to answer in time may have added the icon all the same: asked again,
    // it has it, and hiding hides to it.
    run({shellAnswering(FALSE), start(), iconsAdded(1), shellNowAnswering(TRUE), waitMs(1500),
         command(ID_MINIMIZE), isNot(Visible | Iconic), iconMouse(WM_LBUTTONDOWN),
         is(Visible, Titled), closeWindow(),
         // Minimised by the user before the icon came: it stays on its taskbar button.
         shellAnswering(FALSE), start(), command(ID_MINIMIZE), shellNowAnswering(TRUE),
         waitMs(1500), is(Visible | Iconic | TaskbarButton), closeWindow(),
         // Refused every time, the icon is asked for five times more, once a second, then no more.
         shellAnswering(FALSE), start(), waitMs(6500), iconsAdded(6), waitMs(1500), iconsAdded(6),
         closeWindow(), noShell()});
}
