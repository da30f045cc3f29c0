#include <windows.h>

#include <math.h>

#include <algorithm>

#include "view/color.h"

#include "common/settings.h"

static int roundToInt(double value) {
    return (int)floor(value + 0.5);
}

// Hue in degrees, saturation and lightness in per cent, each rounded.
static void hslOf(COLORREF color, int* h, int* s, int* l) {
    int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    int high = std::max(r, std::max(g, b)), low = std::min(r, std::min(g, b));
    int chroma = high - low;
    double lightness = (high + low) / 510.0;
    double saturation = chroma == 0 ? 0.0 : chroma / (255.0 - fabs(high + low - 255.0));
    double hue = 0.0;
    if (chroma != 0) {
        if (high == r)
            hue = fmod((g - b) / (double)chroma + 6.0, 6.0);
        else if (high == g)
            hue = (b - r) / (double)chroma + 2.0;
        else
            hue = (r - g) / (double)chroma + 4.0;
    }
    *h = roundToInt(hue * 60.0) % 360;
    *s = roundToInt(saturation * 100.0);
    *l = roundToInt(lightness * 100.0);
}

int formatColor(char* text, COLORREF color, int format) {
    const ColorFormatRow& row = format >= 0 && format < (int)ARRAYSIZE(kColorFormats)
                                    ? kColorFormats[format]
                                    : kColorFormats[0];
    int a = GetRValue(color), b = GetGValue(color), c = GetBValue(color);
    if (row.format == kHslColor)
        hslOf(color, &a, &b, &c);
    return wsprintfA(text, row.pattern, a, b, c);
}

// A channel's share of the light, the sRGB curve undone.
static double linearChannel(int channel) {
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : pow((c + 0.055) / 1.055, 2.4);
}

static double relativeLuminance(COLORREF color) {
    return 0.2126 * linearChannel(GetRValue(color)) + 0.7152 * linearChannel(GetGValue(color)) +
           0.0722 * linearChannel(GetBValue(color));
}

int contrastRatio100(COLORREF a, COLORREF b) {
    double la = relativeLuminance(a), lb = relativeLuminance(b);
    double lighter = std::max(la, lb), darker = std::min(la, lb);
    return roundToInt(100.0 * (lighter + 0.05) / (darker + 0.05));
}
