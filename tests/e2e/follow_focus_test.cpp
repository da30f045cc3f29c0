// The view follows where the user types in another program, and the mouse takes it back.
#include "tests/e2e/steps.h"

// clang-format off
E2E_CASE(follow_focus) {
    run({showPattern(), start("X=20 Y=20 INFO=1 FOLLOW_FOCUS=1"), moveTo({300, 200}),
         readoutHereOf({300, 200}), userTypesElsewhere(),
         typingGoesOnThere(), readoutAtCaret(), typingGoesOnThere(), readoutAtCaret(),
         press(VK_LEFT), readoutAtCaret(),
         focusOnButton(), readoutAtButton(), focusedButtonMoves(), readoutAtButton(),
         // Of two focus events close together, the second's place wins.
         focusFlitsToBoxAndBack(), readoutAtButton(),
         moveTo({310, 210}), readoutHereOf({310, 210}), waitMs(700), readoutHereOf({310, 210}),
         // A program that hangs once it has the focus holds up neither the view nor the end.
         hangsWhileMouseMovesTo({320, 220}), closeWhileHung(),
         // Off, typing leaves the view on the mouse.
         start("X=20 Y=20 INFO=1"), moveTo({300, 200}), userTypesElsewhere(), typingGoesOnThere(),
         focusOnButton(), waitMs(700), readoutHereOf({300, 200}), closeWindow()});
}
// clang-format on
