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

// A channel's share of the light, the sRGB curve undone.
static double linearChannel(int channel) {
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : pow((c + 0.055) / 1.055, 2.4);
}

typedef double Matrix3[3][3];

static void multiply(const Matrix3& m, const double in[3], double out[3]) {
    for (int i = 0; i < 3; ++i)
        out[i] = m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2];
}

// The matrices of CSS Color 4's sample code: linear sRGB to XYZ (D65), Bradford's D65 to D50,
// and XYZ (D65) through LMS to OKLab.
static const Matrix3 kLinearSrgbToXyz = {{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                         {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                         {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}};
static const Matrix3 kD65ToD50 = {
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}};
static const Matrix3 kXyzToLms = {{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                                  {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                                  {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}};
static const Matrix3 kLmsToOklab = {{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                                    {1.9779985324311684, -2.4285922420485799, 0.4505937096173280},
                                    {0.0259040424655478, 0.7827717124575296, -0.8086757549788774}};

static void xyzOf(COLORREF color, double xyz[3]) {
    double linear[3] = {linearChannel(GetRValue(color)), linearChannel(GetGValue(color)),
                        linearChannel(GetBValue(color))};
    multiply(kLinearSrgbToXyz, linear, xyz);
}

// Lightness in per cent, chroma, and hue in degrees; 0 for a hue the chroma shown (four places)
// leaves undefined.
static void oklchOf(COLORREF color, double out[3]) {
    double xyz[3], lms[3], lab[3];
    xyzOf(color, xyz);
    multiply(kXyzToLms, xyz, lms);
    for (double& v : lms)
        v = cbrt(v);
    multiply(kLmsToOklab, lms, lab);
    double chroma = sqrt(lab[1] * lab[1] + lab[2] * lab[2]);
    double hue = fmod(atan2(lab[2], lab[1]) * 180.0 / 3.14159265358979323846 + 360.0, 360.0);
    if (chroma < 0.00005 || hue >= 359.995)
        hue = 0.0;
    out[0] = lab[0] * 100.0, out[1] = chroma, out[2] = hue;
}

// CIELAB relative to D50, as CSS Color 4's lab().
static void labOf(COLORREF color, double out[3]) {
    double d65[3], xyz[3], f[3];
    xyzOf(color, d65);
    multiply(kD65ToD50, d65, xyz);
    const double white[3] = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
    const double epsilon = 216.0 / 24389, kappa = 24389.0 / 27;
    for (int i = 0; i < 3; ++i) {
        double v = xyz[i] / white[i];
        f[i] = v > epsilon ? cbrt(v) : (kappa * v + 16.0) / 116.0;
    }
    out[0] = 116.0 * f[1] - 16.0, out[1] = 500.0 * (f[0] - f[1]), out[2] = 200.0 * (f[1] - f[2]);
}

// A number with `places` decimals (0 to 4), rounded, never "-0.00": wsprintf has no %f.
static void writeDecimal(char* text, double value, int places) {
    static const char* const kPatterns[] = {"%s%d", "%s%d.%01d", "%s%d.%02d", "%s%d.%03d",
                                            "%s%d.%04d"};
    static const int kScales[] = {1, 10, 100, 1000, 10000};
    int scale = kScales[places];
    long long scaled = (long long)floor(value * scale + 0.5);
    const char* sign = scaled < 0 ? "-" : "";
    scaled = scaled < 0 ? -scaled : scaled;
    wsprintfA(text, kPatterns[places], sign, (int)(scaled / scale), (int)(scaled % scale));
}

int formatColor(char* text, COLORREF color, int format) {
    const ColorFormatRow& row = format >= 0 && format < (int)ARRAYSIZE(kColorFormats)
                                    ? kColorFormats[format]
                                    : kColorFormats[0];
    if (row.places[0] == 0) {
        int a = GetRValue(color), b = GetGValue(color), c = GetBValue(color);
        if (row.format == kHslColor)
            hslOf(color, &a, &b, &c);
        return wsprintfA(text, row.pattern, a, b, c);
    }
    double numbers[3];
    if (row.format == kOklchColor)
        oklchOf(color, numbers);
    else
        labOf(color, numbers);
    char written[3][16];
    for (int i = 0; i < 3; ++i)
        writeDecimal(written[i], numbers[i], row.places[i]);
    return wsprintfA(text, row.pattern, written[0], written[1], written[2]);
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
