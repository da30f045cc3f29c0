// A colour as the readout and the copy write it, and the contrast between two colours.
#pragma once

#include <windows.h>

// Room for the longest colour text, an oklch() of 28 characters such as
// "oklch(100.00% 0.3132 264.05)", with its terminator.
static const int kColorTextSize = 32;

// Writes the colour in a ColorFormat (common/settings.h) into text (kColorTextSize bytes);
// returns its length.
int formatColor(char* text, COLORREF color, int format);

// The contrast ratio of two colours as the accessibility guidelines define it, (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, times 100 and rounded: 2100 for black on white.
int contrastRatio100(COLORREF a, COLORREF b);
