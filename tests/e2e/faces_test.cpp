// Both faces and folders named outside the code page.
#include "tests/e2e/steps.h"

// Both faces: with LANGUAGE ja or en that face, without either (or with another value) the
// Windows language's; the magnifier titled, with its help and the set-up tool open.
E2E_CASE(faces) {
    const Language system = face;
    const struct {
        const char* settings;
        Language face;
    } rows[] = {{"X=20 Y=20", system},
                {"X=20 Y=20 LANGUAGE=ja", kJapanese},
                {"X=20 Y=20 LANGUAGE=en", kEnglish},
                {"X=20 Y=20 LANGUAGE=de", system}};
    for (const auto& r : rows) {
        face = r.face;
        run({shellAnswering(FALSE), start(r.settings), iconAsAsked(), command(ID_OPEN_HELP),
             helpWindows(1), toolHere(), everyTextInFace(), click(IDCANCEL), toolEnds(),
             closeWindow(), noShell()});
    }
    face = system;
}

// Settings survive a folder named outside the code page: read, written, and edited by the
// set-up tool, which restarts the magnifier that lives there. A settings file that cannot be
// written is told, by the magnifier at its end (not at the session's end, which must not
// wait) and by the tool, which then stays open; the tool closes no magnifier for a save that
// cannot succeed.
// clang-format off
E2E_CASE(folders) {
    run({showPattern(), start("X=123 Y=145 IsCross=1", kCopiesInUnusualFolder), windowAt({123, 145, 317, 275}),
         command(kZoom4), closeWindow(), saved("X=123 Y=145 IsCross=1 ZOOM=40004"),
         startAgain(), windowAt({123, 145, 317, 275}), chooseFromMenu(MainMenu::Settings), toolFromMagnifier(), click(IDC_COLOR_BUTTON),
         typeInto(kBlueBox, "255"), click(IDOK), click(IDOK), toolEnds(),
         restartedWithPen(RGB(128, 0, 255)), closeWindow(), saved("X=123 COLOR=16711808 ZOOM=40004")});
    run({start("X=50 Y=60"), folderNamed("QILO.INI"), closeWithoutWaiting(), magnifierTellsSaveFailed(ERROR_ACCESS_DENIED),
         toolHere(), click(IDOK), toolTellsSaveFailed(ERROR_ACCESS_DENIED), click(IDCANCEL), toolEnds(),
         start(), folderNamed("QILO.INI"), chooseFromMenu(MainMenu::Settings), toolFromMagnifier(), click(IDOK), toolTellsSaveFailed(ERROR_ACCESS_DENIED),
         is(Visible), click(IDCANCEL), toolEnds(), endSession()});
}
