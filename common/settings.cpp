#include <windows.h>

#include "common/settings.h"

#include "common/inifile.h"
#include "common/texts.h"

// Window sizes from the smallest a snap yields at 16x to beyond any screen; positions within
// the range the window manager handles.
static const int kMinWindowSize = 32, kMaxWindowSize = 8192, kMaxCoordinate = 32000;
static const int kAllBits = -1, kColorBits = 0x00FFFFFF, kHotkeyBits = 0xFFFF;
static const int kBoth = kMagnifierWrites | kToolWrites;
static const int kLastColorFormat = (int)ARRAYSIZE(kColorFormats) - 1;

static constexpr bool colorFormatsInOrder() {
    for (int i = 0; i <= kLastColorFormat; ++i) {
        if (kColorFormats[i].format != i)
            return false;
    }
    return true;
}
static_assert(colorFormatsInOrder(), "a row for each COLOR_FORMAT value, in order");

// clang-format off
const SettingKey kSettingKeys[] = {
    {L"WSIZE",     &Settings::sizeFixed,      1,        kAnyValue, kAllBits, kNumber, kMagnifierWrites},
    {L"X",         &Settings::windowX,        0,        {-kMaxCoordinate, kMaxCoordinate}, kAllBits, kNumber, kMagnifierWrites},
    {L"Y",         &Settings::windowY,        0,        {-kMaxCoordinate, kMaxCoordinate}, kAllBits, kNumber, kMagnifierWrites},
    {L"IsTop",     &Settings::isTop,          1,        kAnyValue, kAllBits, kNumber, kMagnifierWrites},
    {L"ZOOM",      &Settings::zoomCommand,    kZoom2,   kAnyValue, kAllBits, kNumber, kMagnifierWrites},
    {L"COLOR",     &Settings::penColor,       RGB(128, 0, 0), kAnyValue, kColorBits, kNumber, kToolWrites},
    {L"VK_SPACE",  &Settings::hotkeyEnabled,  1,        kAnyValue, kAllBits, kNumber, kToolWrites},
    {L"INT_TIME",  &Settings::intervalMs,     60,       {kMinIntervalMs, kMaxIntervalMs}, kAllBits, kNumber, kBoth},
    {L"IsCross",   &Settings::isCross,        0,        kAnyValue, kAllBits, kNumber, kMagnifierWrites},
    {L"WIDTH",     &Settings::windowWidth,    194,      {kMinWindowSize, kMaxWindowSize}, kAllBits, kNumber, kMagnifierWrites},
    {L"HEIGHT",    &Settings::windowHeight,   130,      {kMinWindowSize, kMaxWindowSize}, kAllBits, kNumber, kMagnifierWrites},
    {L"ROP",       &Settings::rop,            SRCCOPY,  kAnyValue, kAllBits, kNumber, kMagnifierWrites},
    {L"FRAME",     &Settings::frameStyle,     1,        kAnyValue, kAllBits, kNumber, kMagnifierWrites},
    {L"ISTOKA",    &Settings::seeThroughDrag, 0,        kAnyValue, kAllBits, kNumber, kMagnifierWrites},
    {L"INFO",      &Settings::showInfo,       0,        kAnyValue, kAllBits, kNumber, kToolWrites},
    {L"HK_FREEZE", &Settings::freezeHotkey,   0,        kAnyValue, kHotkeyBits, kNumber, kToolWrites},
    {L"HK_COPY",   &Settings::copyHotkey,     0,        kAnyValue, kHotkeyBits, kNumber, kToolWrites},
    {L"LANGUAGE",  &Settings::language,       -1,       kAnyValue, kAllBits, kLanguageCode, kToolWrites},
    {L"GRID",      &Settings::grid,           0,        kAnyValue, kAllBits, kNumber, kToolWrites},
    {L"COLOR_FORMAT", &Settings::colorFormat, kHexColor, {kHexColor, kLastColorFormat}, kAllBits, kNumber, kToolWrites},
    {L"AVERAGE",   &Settings::averageSize,    1,        {1, 5}, kAllBits, kNumber, kToolWrites},
    {L"HK_PICK",   &Settings::pickHotkey,     0,        kAnyValue, kHotkeyBits, kNumber, kToolWrites},
    {L"HK_ANCHOR", &Settings::anchorHotkey,   0,        kAnyValue, kHotkeyBits, kNumber, kToolWrites},
    {L"HK_SAVE",   &Settings::saveHotkey,     0,        kAnyValue, kHotkeyBits, kNumber, kToolWrites},
    {L"SAVE_FOLDER", &Settings::saveFolder, kToolWrites},
    {L"FOLLOW_FOCUS", &Settings::followFocus, 0,    kAnyValue, kAllBits, kNumber, kToolWrites},
    {L"EXCLUDE_SELF", &Settings::excludeSelf, 0,    kAnyValue, kAllBits, kNumber, kBoth},
    {L"SMOOTH",    &Settings::smooth,         0,        kAnyValue, kAllBits, kNumber, kBoth},
    {L"POINTER",   &Settings::pointer,        0,        kAnyValue, kAllBits, kNumber, kToolWrites},
    {L"HK_ZOOM_IN",  &Settings::zoomInHotkey,  0,   kAnyValue, kHotkeyBits, kNumber, kToolWrites},
    {L"HK_ZOOM_OUT", &Settings::zoomOutHotkey, 0,   kAnyValue, kHotkeyBits, kNumber, kToolWrites},
    {L"LENS",      &Settings::lens,           0,        kAnyValue, kAllBits, kNumber, kBoth},
    {L"HK_LENS",   &Settings::lensHotkey,     0,        kAnyValue, kHotkeyBits, kNumber, kToolWrites},
    {L"FILTER",    &Settings::filter,         kNoFilter, kAnyValue, kAllBits, kNumber, kBoth},
};
// clang-format on
const int kSettingKeyCount = ARRAYSIZE(kSettingKeys);

static int readValue(const wchar_t* path, const SettingKey& key) {
    if (key.form == kLanguageCode) {
        wchar_t code[8];
        readSettingText(path, key.name, code, ARRAYSIZE(code));
        return namedLanguage(code);
    }
    int value = readSettingInt(path, key.name, key.defaultValue) & key.mask;
    const SettingRange& r = key.range;
    if (r.low <= r.high)
        value = value < r.low ? r.low : (value > r.high ? r.high : value);
    return value;
}

void readSettings(const wchar_t* path, Settings* settings) {
    for (const SettingKey& key : kSettingKeys) {
        if (key.form == kText)
            readSettingText(path, key.name, settings->*key.text, MAX_PATH);
        else
            settings->*key.field = readValue(path, key);
    }
}

static DWORD writeValue(const wchar_t* path, const SettingKey& key, const Settings& settings) {
    if (key.form == kText)
        return writeSettingText(path, key.name, settings.*key.text);
    int value = settings.*key.field;
    if (key.form == kNumber)
        return writeSettingInt(path, key.name, value);
    // The user's display language: no key.
    return writeSettingText(path, key.name,
                            value == 0 || value == 1 ? kLanguageCodes[value] : nullptr);
}

DWORD writeSettings(const wchar_t* path, const Settings& settings, int writer) {
    DWORD firstError = 0;
    for (const SettingKey& key : kSettingKeys) {
        if (!(key.writers & writer))
            continue;
        DWORD error = writeValue(path, key, settings);
        firstError = firstError ? firstError : error;
    }
    return firstError;
}
