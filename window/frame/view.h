// The view as the window layer keeps it: the one place that writes magnifier.view's size and
// what follows from the settings, that aims it, and that says what a frame shows.
#pragma once

#include <windows.h>

#include "view/render.h"

// What the settings in force give the view (frame, zoom, source size, crosshair), and the
// monitor under the cursor when it has left the one known (the one before stays when the
// cursor cannot be read).
void updateView();
// After a change of the display or of a scale: as updateView, the monitor under the cursor
// looked up anew (its rectangle, scale and colour state).
void updateViewForDisplay();
// The window's new outer size, then as updateView.
void resizeView(int width, int height);
// Aims a frame: the monitor the source is kept on is the followed point's, looked up again only
// when the point leaves it (a change of the display looks it up anew); the
// source centres on sourceCentre (the point, or during a see-through drag the window's centre).
void aimView(POINT followed, POINT sourceCentre);

// What a frame shows now: the readout's label with INFO on, in pick mode or with an anchor set;
// the marked pixel's colour also for the keys that copy or measure it.
FrameParts framePartsNow(BOOL keepOnMonitor);
// Whether the readout's label is made with the surfaces: with INFO on, or a key that shows it
// (pick, anchor) set.
BOOL readoutInUse();
