// The help entry.
#include "tests/e2e/driver.h"

// The help entry without a help file: one help window, while the view goes on; with one: the
// help program.
// clang-format off
void caseHelp() {
    run({showPattern(), start("X=20 Y=20"),
         chooseFromMenu(mHelp), helpWindows(1), shows(IDC_HELP_TEXT, "QILO.INI"), viewOf(150, 650, 1, 2),
         chooseFromMenu(mHelp), helpWindows(1), click(IDOK), helpWindows(0),
         folderNamed("Qilo.hlp"), chooseFromMenu(mHelp), helpWindows(1), click(IDOK),  // no help file
         // Windows since Vista has no WinHelp: the program's own help, also beside a help file.
         helpFileAndProgram(), chooseFromMenu(mHelp), helpWindows(1, 0), click(IDOK), closeWindow(),
         windowsBeforeVista(true), startAgain(), chooseFromMenu(mHelp), helpWindows(0, 1), closeWindow(),
         windowsBeforeVista(false)});
}
