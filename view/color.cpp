#include <windows.h>

#include <math.h>

#include <algorithm>

#include "view/color.h"

#include "common/settings.h"

static int roundToInt(double value) {
    return (int)floor(value + 0.5);
}

// Hue in degrees, saturation and lightness in per cent, each rounded.
static int formatHsl(char* text, COLORREF color) {
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
    return wsprintfA(text, "hsl(%d, %d%%, %d%%)", roundToInt(hue * 60.0) % 360,
                     roundToInt(saturation * 100.0), roundToInt(lightness * 100.0));
}

int formatColor(char* text, COLORREF color, int format) {
    int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    switch (format) {
        case kRgbColor: return wsprintfA(text, "rgb(%d, %d, %d)", r, g, b);
        case kHslColor: return formatHsl(text, color);
        case kDecimalColor: return wsprintfA(text, "%d, %d, %d", r, g, b);
        default: return wsprintfA(text, "#%02X%02X%02X", r, g, b);
    }
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
