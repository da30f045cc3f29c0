// Following where the user types: when the caret's moves lead the view, and when the mouse does.
#include <windows.h>

#include "tests/unit/support.h"
#include "window/focus.h"

TEST_CASE("the caret leads the view when it moves while the mouse rests, drags and picks nothing") {
    const struct {
        const char* what;
        int caretX;
        BOOL mouseMoved;
        int dragging, picking;
        BOOL moved;
        int leads;
    } rows[] = {
        {"first seen", 10, FALSE, 0, 0, FALSE, 0},    {"moved", 20, FALSE, 0, 0, TRUE, 1},
        {"resting", 20, FALSE, 0, 0, FALSE, 1},       {"mouse moved", 30, TRUE, 0, 0, FALSE, 0},
        {"both resting", 30, FALSE, 0, 0, FALSE, 0},  {"while dragging", 40, FALSE, 1, 0, FALSE, 0},
        {"while picking", 50, FALSE, 0, 1, FALSE, 0}, {"moved again", 60, FALSE, 0, 0, TRUE, 1},
        {"caret gone", -1, FALSE, 0, 0, FALSE, 1},  // the view stays where the caret was
    };
    loadSettingsFrom("FOLLOW_FOCUS=1\0");
    // A window of this program in front, with a caret 2 x 10 pixels.
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 50,
                                  nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    CreateCaret(window, nullptr, 2, 10);
    for (const auto& row : rows) {
        INFO(row.what);
        if (row.caretX < 0)
            DestroyCaret();
        SetCaretPos(row.caretX, 5);
        session.dragging = row.dragging;
        magnifier.loupe.picking = row.picking;
        CHECK(typingSpotMoved(row.mouseMoved) == row.moved);
        CHECK(session.typingLeads == row.leads);
    }
    CHECK(session.typingX == 100 + 60 + 1);  // the caret's centre on the screen
    CHECK(session.typingY == 100 + 5 + 5);
    DestroyWindow(window);
}
