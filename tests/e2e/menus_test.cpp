// The main menu, opened by a real right click and worked from the keyboard.
#include "tests/e2e/driver.h"

void caseMenus() {
    run({showPattern(), start("X=500 Y=350 WIDTH=242 HEIGHT=242"), rightClick(560, 420),
         menuAt(560, 420, 211), press(VK_ESCAPE), mouse(kLeftDown), rightClick(560, 420), noMenu(),
         mouse(kLeftUp), chooseFromMenu(mCross), viewOf(300, 300, 1, 2, "cross"),
         chooseFromMenu(mCross), viewOf(300, 300, 1, 2),
         // Every zoom: the source, 1x to 16x, stretched over the 240 x 240 inner area.
         chooseFromMenu(mZoom, 1), stretched(240, 300, 300), chooseFromMenu(mZoom, 2),
         stretched(160, 301, 300), chooseFromMenu(mZoom, 3), stretched(120, 302, 300),
         chooseFromMenu(mZoom, 4), stretched(80, 303, 300), chooseFromMenu(mZoom, 5),
         stretched(60, 304, 300), chooseFromMenu(mZoom, 6), stretched(48, 305, 300),
         chooseFromMenu(mZoom, 7), stretched(40, 306, 300), chooseFromMenu(mZoom, 8),
         stretched(34, 307, 300), chooseFromMenu(mZoom, 9), stretched(30, 308, 300),
         chooseFromMenu(mZoom, 10), stretched(15, 309, 300), chooseFromMenu(mZoom, 3),
         chooseFromMenu(mInvert), viewOf(300, 300, 1, 2, "inverted"), chooseFromMenu(mInvert),
         chooseFromMenu(mTop), is(0, Topmost), chooseFromMenu(mTop), is(Topmost),
         chooseFromMenu(mFixed), is(Sizable, ThickFrame),
         // With a loose size the frame takes the window again: 242 + 2 asked, 240 snapped.
         chooseFromMenu(mFrame, 1), viewOf(300, 300, 0, 2),
         // The black frame flashes the window, which Wine can leave below; a click (a drag
         // that goes nowhere) draws the frame again, as the end of every drag does.
         chooseFromMenu(mFrame, 2), restack(), drag(560, 420, 0, 0),
         viewOf(300, 300, 1, 2, "framed"), chooseFromMenu(mSeeThrough),
         chooseFromMenu(mExcludeSelf), chooseFromMenu(mQuit),
         closeWindow(),  // ended already: WM_CLOSE finds no window
         saved("WSIZE=0 IsTop=1 ZOOM=40003 IsCross=0 WIDTH=240 ROP=13369376 FRAME=1 ISTOKA=1 "
               "EXCLUDE_SELF=1"),
         // Wine refuses to leave a window out of captures: the entry follows the user all the same.
         start("EXCLUDE_SELF=1"), chooseFromMenu(mExcludeSelf), closeWindow(),
         saved("EXCLUDE_SELF=0")});
}
