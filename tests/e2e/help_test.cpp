// The help entry.
#include "tests/e2e/steps.h"

// The help entry: one help window at a time, while the view goes on.
// clang-format off
E2E_CASE(help) {
    run({showPattern(), start("X=20 Y=20"),
         chooseFromMenu(MainMenu::Help), helpWindows(1), shows(IDC_HELP_TEXT, "QILO.INI"), viewOf({150, 650}),
         chooseFromMenu(MainMenu::Help), helpWindows(1), click(IDOK), helpWindows(0), closeWindow()});
}
