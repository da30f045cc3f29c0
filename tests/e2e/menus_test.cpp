// The main menu, opened by a real right click and worked from the keyboard.
#include "tests/e2e/steps.h"

E2E_CASE(menus) {
    run({showPattern(), start("X=500 Y=350 WIDTH=242 HEIGHT=242"), rightClick({560, 420}),
         menuAt({560, 420}, 287), press(VK_ESCAPE), mouse(kLeftDown), rightClick({560, 420}),
         noMenu(), mouse(kLeftUp), chooseFromMenu(MainMenu::Crosshair),
         viewOf({300, 300}, kCrosshair), chooseFromMenu(MainMenu::Crosshair), viewOf({300, 300})});
    // Every zoom: the source, 1x to 16x, stretched over the 240 x 240 inner area, round a
    // cursor a pixel further right each time.
    const struct {
        ZoomMenu entry;
        int source;
    } zooms[] = {{ZoomMenu::x1, 240}, {ZoomMenu::x1_5, 160}, {ZoomMenu::x2, 120},
                 {ZoomMenu::x3, 80},  {ZoomMenu::x4, 60},    {ZoomMenu::x5, 48},
                 {ZoomMenu::x6, 40},  {ZoomMenu::x7, 34},    {ZoomMenu::x8, 30},
                 {ZoomMenu::x16, 15}};
    LONG x = 300;
    for (const auto& zoom : zooms)
        run({chooseFromMenu(zoom.entry), stretched(zoom.source, {x++, 300})});
    run({chooseFromMenu(ZoomMenu::x2), chooseFromMenu(MainMenu::InvertColors),
         viewOf({300, 300}, kInverted), chooseFromMenu(MainMenu::InvertColors),
         chooseFromMenu(MainMenu::AlwaysOnTop), isNot(Topmost),
         chooseFromMenu(MainMenu::AlwaysOnTop), is(Topmost), chooseFromMenu(MainMenu::FixedSize),
         is(Sizable, ThickFrame),
         // With a loose size the frame takes the window again: 242 + 2 asked, 240 snapped.
         chooseFromMenu(FrameMenu::NoFrame), viewOf({300, 300}, kNoFrame),
         // The black frame flashes the window, which Wine can leave below; a click (a drag
         // that goes nowhere) draws the frame again, as the end of every drag does.
         chooseFromMenu(FrameMenu::BlackFrame), restack(), drag({560, 420}, {0, 0}),
         viewOf({300, 300}, kBlackFrame), chooseFromMenu(MainMenu::MagnifyWhileDragging),
         chooseFromMenu(MainMenu::LeaveOutOwnWindow), chooseFromMenu(MainMenu::Exit),
         closeWindow(),  // ended already: WM_CLOSE finds no window
         saved("WSIZE=0 IsTop=1 ZOOM=40003 IsCross=0 WIDTH=240 ROP=13369376 FRAME=1 ISTOKA=1 "
               "EXCLUDE_SELF=1"),
         // Wine refuses to leave a window out of captures: the entry follows the user all the same.
         start("EXCLUDE_SELF=1"), chooseFromMenu(MainMenu::LeaveOutOwnWindow), closeWindow(),
         saved("EXCLUDE_SELF=0")});
}
