// The mouse pointer in the view.
#include "tests/e2e/steps.h"

// Wine reports the pointer of the thread in front. The magnifier in front, the cursor over its
// window once gives it its own; another program in front, that program's, which the magnifier
// cannot draw: the arrow stands in. Without POINTER, the exact view.
E2E_CASE(pointer) {
    run({showPattern(), start("X=20 Y=20 POINTER=1"), moveTo({60, 60}), waitMs(200),
         arrowDrawnAt({500, 400}), userTypesElsewhere(), moveTo({400, 300}), waitMs(200),
         arrowDrawnAt({620, 330}), closeWindow(), start("X=20 Y=20"), viewOf({500, 400}),
         closeWindow()});
}
