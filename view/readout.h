// The readout: the screen position and colour of the pixel the crosshair marks, with the pick
// mode, the averaging and the measure from an anchor when they are on, shown in a label in the
// view's corner farthest from the crosshair; and what the copy and save keys take.
#pragma once

#include <windows.h>

#include "view/state.h"

static const int kReadoutLineLength = 48;

// The label's bitmap and font, made when the surfaces open with the readout in use, at the DPI
// of the monitor the window is on, and freed.
void openReadout(MagnifierState* state, int dpi);
void closeReadout(MagnifierState* state);
// The label's fixed-pitch font at a DPI, 12 pixels a row at 96; the caller deletes it.
HFONT createReadoutFont(int dpi);

// The colour of the marked pixel (the mean of the AVERAGE square round it), read just after
// the source was stretched (before the crosshair covers it): from the back buffer, or when the
// source was read into its buffer (for smoothing, which blends the view's pixels, or a filter),
// from there before it is filtered.
COLORREF readMarkedPixel(const MagnifierState* state, BOOL buffered);

// The label's lines: "X, Y colour" (the colour marked "~" as approximate on an HDR or
// wide-colour monitor, and on a row of its own when the two would pass the label's
// kLabelCells - 1 characters); then "PICK avg 3x3 deutan" when any is on (the colour
// filter's tag: the colour read is the screen's own); then the offset,
// distance (also in the monitor's logical pixels where its scale is not 100 %) and contrast
// from the anchor when one is set. Returns how many.
int readoutText(const MagnifierState* state, char lines[kReadoutLines][kReadoutLineLength]);

// Draws the label into the back buffer, away from the crosshair at (crossX, crossY).
void drawReadout(MagnifierState* state, int crossX, int crossY);

// The view as shown (inverted when it is), in a new bitmap the caller owns.
HBITMAP copyViewBitmap(const MagnifierState* state);
