// Zoom geometry: the source rectangle and crosshair from the zoom and the view size, the zoom
// check marks, and the snapping of proposed window sizes to the zoom step.
#pragma once

#include <windows.h>

#include "app/state.h"

struct ZoomEntry {
    int command;  // the ZOOM value in the file (common/settings.h), also the menu command id
    int factor;   // zoomFactor: the integer magnification, -1 for 1.5
};

// The ten zoom entries in menu order (their labels are the face's zoom menu).
extern const ZoomEntry zoomTable[10];

// The entry for a command id, or null when the id is no zoom command.
const ZoomEntry* findZoomEntry(int command);

// Also takes the monitor under the cursor, as the display may have changed.
void computeGeometry(MagnifierState* state);
// The whole rectangle of the monitor nearest to a point (the primary screen when the system
// names none).
void findMonitor(POINT point, RECT* rect);
void selectZoom(int command, MagnifierState* state);
void snapWindowSize(WINDOWPOS* pos);
