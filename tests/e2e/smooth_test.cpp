// Smooth scaling, from the file and from the menu.
#include "tests/e2e/steps.h"

// Round (256, 300) the pattern's red falls from 255 to 0: blended with SMOOTH on, exact blocks
// after the menu turns it off, and the choice saved.
E2E_CASE(smooth) {
    run({showPattern(), start("X=300 Y=250 SMOOTH=1 ZOOM=40004"), blendedAcross({256, 300}, 4),
         chooseFromMenu(MainMenu::SmoothScaling), viewOf({256, 300}, kPlainView, 4),
         chooseFromMenu(MainMenu::SmoothScaling), blendedAcross({256, 301}, 4), closeWindow(),
         saved("SMOOTH=1"), start("X=300 Y=250 SMOOTH=1"), chooseFromMenu(MainMenu::SmoothScaling),
         closeWindow(), saved("SMOOTH=0")});
}
