// The settings file's keys, one row each, for both programs: the magnifier reads them all at
// start and writes its own at exit; the set-up tool reads them and writes the ones it edits.
// One reader and one writer walk the table.
#pragma once

#include <windows.h>

// The ZOOM values in the file: the command ids the zoom entries have always had, which files
// written by every version hold.
static const int kZoom1 = 40019, kZoom1_5 = 40024, kZoom2 = 40003, kZoom3 = 40020, kZoom4 = 40004,
                 kZoom5 = 40021, kZoom6 = 40022, kZoom7 = 40023, kZoom8 = 40005, kZoom16 = 40006;

// The refresh period's range: the platform's minimum timer period to ten seconds.
static const int kMinIntervalMs = USER_TIMER_MINIMUM;
static const int kMaxIntervalMs = 10000;

// How a colour is written in the readout and the copied text (COLOR_FORMAT): a row for each
// value, in order, with the name the set-up tool lists and the pattern the readout fills with
// three numbers: red, green and blue (0-255), or for HSL hue (degrees), saturation and
// lightness (per cent); whole numbers, or for a row with decimal places, texts (%s) of the
// numbers with that many places each. OKLCH and Lab are those of CSS Color 4, Lab relative to
// D50.
enum ColorFormat { kHexColor, kRgbColor, kHslColor, kDecimalColor, kOklchColor, kLabColor };
struct ColorFormatRow {
    ColorFormat format;
    const wchar_t* name;
    const char* pattern;
    int places[3];  // all 0: whole numbers
};
inline constexpr ColorFormatRow kColorFormats[] = {
    {kHexColor, L"#RRGGBB", "#%02X%02X%02X", {}},
    {kRgbColor, L"rgb(r, g, b)", "rgb(%d, %d, %d)", {}},
    {kHslColor, L"hsl(h, s%, l%)", "hsl(%d, %d%%, %d%%)", {}},
    {kDecimalColor, L"r, g, b", "%d, %d, %d", {}},
    {kOklchColor, L"oklch(l% c h)", "oklch(%s%% %s %s)", {2, 4, 2}},
    {kLabColor, L"lab(l a b)", "lab(%s %s %s)", {2, 2, 2}},
};

// The colour filters of the view (FILTER), as its menu and the set-up tool list them; another
// value shows no filter.
enum ColorFilter { kNoFilter, kGreyscale, kProtanopia, kDeuteranopia, kTritanopia, kFilterCount };

// What the file keeps. Every flag is an int: set means not 0.
struct Settings {
    int sizeFixed;      // no sizing border, size changes ignored (WSIZE)
    int windowX;        // outer left edge, screen coordinates (X)
    int windowY;        // outer top edge (Y)
    int isTop;          // window stays above non-topmost windows (IsTop)
    int zoomCommand;    // one of the kZoom values; another stretches 1:1 (ZOOM)
    int penColor;       // crosshair colour, a COLORREF (COLOR)
    int hotkeyEnabled;  // register Ctrl+Space at start (VK_SPACE)
    int intervalMs;     // period of the magnifier's timer (INT_TIME)
    int isCross;        // draw the crosshair (IsCross)
    int windowWidth;    // the outer size the window is held at (WIDTH, HEIGHT)
    int windowHeight;
    int rop;             // final blit: SRCCOPY, or NOTSRCCOPY when inverted (ROP)
    int frameStyle;      // 0 no frame, 1 black frame (FRAME)
    int seeThroughDrag;  // magnify a snapshot of what lies beneath while dragging (ISTOKA)
    int showInfo;        // the readout of position and colour in the view (INFO)
    int freezeHotkey;    // hot keys as a hot-key control gives them, 0 for none (HK_FREEZE,
    int copyHotkey;      // HK_COPY)
    int language;        // -1 the user's display language, else a Language (LANGUAGE)
    int grid;            // a line between the source pixels from 6x up (GRID)
    int colorFormat;     // a ColorFormat (COLOR_FORMAT)
    int averageSize;     // the colour is the mean of this many pixels square: 1, 3 or 5 (AVERAGE)
    int pickHotkey;      // the loupe's keys, stored as the freeze key is (HK_PICK, HK_ANCHOR,
    int anchorHotkey;    // HK_SAVE)
    int saveHotkey;
    wchar_t saveFolder[MAX_PATH];  // where saved views go; empty: the Pictures folder (SAVE_FOLDER)
    int followFocus;  // the view follows the text caret and the keyboard focus (FOLLOW_FOCUS)
    int excludeSelf;  // left out of screen captures, its own view's too (EXCLUDE_SELF)
    int smooth;       // the view scaled with interpolation, not as blocks of pixels (SMOOTH)
    int pointer;      // the mouse pointer's image drawn into the view (POINTER)
    // The zoom keys, stored as the freeze key is (HK_ZOOM_IN, HK_ZOOM_OUT).
    int zoomInHotkey;
    int zoomOutHotkey;
    int lens;        // the window travels with the cursor, beside the source it shows (LENS)
    int lensHotkey;  // the key that turns the lens on and off, stored as the freeze key (HK_LENS)
    int filter;      // a ColorFilter the view is shown through (FILTER)
};

// Who writes a key back.
enum SettingWriter { kMagnifierWrites = 1, kToolWrites = 2 };

// How a key is stored: a decimal number, a language code ("ja", "en"; absent: -1), or a text.
enum SettingForm { kNumber, kLanguageCode, kText };

// The values a key is brought into when read; low > high keeps any value.
struct SettingRange {
    int low;
    int high;
};
static constexpr SettingRange kAnyValue = {1, 0};

struct SettingKey {
    const wchar_t* name;
    int Settings::*field;  // null for a kText key
    int defaultValue;
    SettingRange range;
    int mask;  // the bits kept when read
    SettingForm form;
    int writers;                          // SettingWriter bits
    wchar_t (Settings::*text)[MAX_PATH];  // a kText key's field, else null

    constexpr SettingKey(const wchar_t* n,
                         int Settings::*f,
                         int d,
                         SettingRange r,
                         int m,
                         SettingForm form_,
                         int w)
        : name(n),
          field(f),
          defaultValue(d),
          range(r),
          mask(m),
          form(form_),
          writers(w),
          text(nullptr) {}
    // A text, empty by default.
    constexpr SettingKey(const wchar_t* n, wchar_t (Settings::*t)[MAX_PATH], int w)
        : name(n),
          field(nullptr),
          defaultValue(0),
          range(kAnyValue),
          mask(0),
          form(kText),
          writers(w),
          text(t) {}
};

// In the order the keys are written into a file that lacks them.
extern const SettingKey kSettingKeys[];
extern const int kSettingKeyCount;

// Every key, from the file or its default, in its range.
void readSettings(const wchar_t* path, Settings* settings);
// The keys the writer owns, in place (other keys and sections stay); 0, or the error of the
// first write that failed (every key is still tried).
DWORD writeSettings(const wchar_t* path, const Settings& settings, int writer);
