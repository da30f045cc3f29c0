// What the magnifier and its set-up tool agree on: the settings file, the defaults and ranges
// of the keys the tool edits, and how one program finds the other.
#pragma once

#include <windows.h>

static const char kSettingsSection[] = "INIT";
static const char kSettingsFileName[] = "QILO.INI";

// Timer periods from the platform's minimum to ten seconds.
static const int kDefaultIntervalMs = 60;
static const int kMinIntervalMs = USER_TIMER_MINIMUM;
static const int kMaxIntervalMs = 10000;
static const COLORREF kDefaultPenColor = RGB(128, 0, 0);
static const int kDefaultHotkeyEnabled = 1;

// The named event that marks a running magnifier.
static const char kInstanceEventName[] = "QF-QILO";
// A property on the magnifier's window, by which other programs find it.
static const char kMagnifierWindowProperty[] = "QiloMagnifier";

inline int clampInt(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}
