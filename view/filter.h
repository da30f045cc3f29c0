// The colour filters the view can be shown through (FILTER): greyscale, and how the view looks
// to someone without one kind of cone, each a matrix applied in linear light.
#pragma once

#include <windows.h>

#include "view/smooth.h"

// Puts the pixels of the block through the filter (a ColorFilter of common/settings.h); for no
// filter, or a value of none, leaves them.
void filterPixels(int filter, const PixelBlock& block);

// The readout's short ASCII name of the filter, or null for none.
const char* filterTag(int filter);
