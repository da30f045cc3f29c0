// Zoom geometry: the source rectangle and crosshair from the zoom and the view size, the
// monitor a point is on, and the snapping of proposed window sizes to the zoom step.
#pragma once

#include <windows.h>

#include "common/texts.h"
#include "view/state.h"

struct ZoomEntry {
    int command;   // the ZOOM value in the file (common/settings.h), also the menu command id
    int factor;    // zoomFactor: the integer magnification, -1 for 1.5
    TextId label;  // its menu entry's
};

// The ten zoom entries in menu order (their labels are the face's zoom menu).
extern const ZoomEntry zoomTable[10];

// The entry for a command id, or null when the id is no zoom command.
const ZoomEntry* findZoomEntry(int command);

// The source size, its halves and the crosshair from the zoom in force and the view's size.
void computeGeometry(const Settings& settings, View* view);
// Everything the view derives from the settings for its size (viewWidth, viewHeight): the
// frame's width, the zoom factor (an unknown ZOOM keeps the one before), then the geometry.
void deriveView(const Settings& settings, View* view);

// Where source pixels land in the view, the one mapping the crosshair, the grid and the readout
// share: along an axis of viewSize pixels showing sourceSize source pixels, source pixel d
// (from the source's first) is stretched over the view pixels from viewSpanStart(d) up to
// viewSpanStart(d + 1), counted from the view's first inner pixel.
int viewSpanStart(int d, int viewSize, int sourceSize);
// The first view pixel (window coordinates) of the source point (x, y): where the crosshair
// goes, and where the readout reads the point's colour.
POINT viewSpanStartOf(const View& view, int x, int y);

// The source of a frame: centred on a screen point, which the crosshair then marks.
void centreSource(View* view, POINT centre);
// Pushes the source back onto the monitor in view->monitor; the point stays where it was.
void keepSourceOnMonitor(View* view);
// The whole rectangle of the monitor nearest to a point (the primary screen when the system
// names none).
void findMonitor(POINT point, RECT* rect);
// Takes the factor of a zoom entry; FALSE, leaving the view as it was, for any other value.
BOOL selectZoom(int command, View* view);

// One proposed outer size snapped to twice the zoom factor, less the frame, from 50 up; the
// size held stays as it is.
int snapSize(int proposed, int heldSize, int zoomFactor, int frameWidth);
// The rectangle a sizing drag gives: from the window's rectangle at the drag's start, the edges
// that edge names (WMSZ_LEFT ... WMSZ_BOTTOMRIGHT) moved by the mouse's way since, and the
// width and height snapped as above, the opposite edges staying put.
RECT sizedRect(RECT start, int edge, POINT moved, SIZE held, int zoomFactor, int frameWidth);
