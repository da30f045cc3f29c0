// The magnifier's global hot keys, one row each, for both programs: the key (a fixed one, or
// the one the user chose, which the settings keep), when it is registered, whether a held key
// acts again, what it does, and the set-up tool's control for it. The magnifier registers,
// releases and dispatches the keys from this table; the set-up tool shows, checks and stores
// them from it. A new key is one row here and its action in window/dialog/keyactions.cpp.
#pragma once

#include <windows.h>

#include "common/settings.h"
#include "common/texts.h"
#include "res/qconf.h"

// What a key does; the magnifier runs the action of the same name.
enum HotkeyAction {
    kShowOrHide,
    kFreeze,
    kCopy,
    kPickMode,
    kAnchor,
    kSavePicture,
    kZoomIn,
    kZoomOut,
    kLens,
    kPickStep,
    kPickCopy,
    kPickEnd,
    kHotkeyActionCount
};

// When a key is the magnifier's: from its start, or while pick mode lasts.
enum HotkeyTime { kWhileRunning, kInPickMode };

struct Hotkey {
    int id;  // RegisterHotKey's id
    HotkeyTime time;
    HotkeyAction action;
    int Settings::*stored;      // the key the user chose (HK_...), or null: the fixed key below
    int Settings::*turnedOnBy;  // a fixed key's setting that turns it on (VK_SPACE), or null
    UINT modifiers;             // the fixed key
    UINT key;
    BOOL repeats;  // held down, it acts again at the keyboard's rate
    int dx, dy;    // pick mode's step
    // The set-up tool's control (a hot-key control for a chosen key, a check box for a fixed
    // key's switch; 0: none), the control its label goes to, and the label.
    int control;
    int labelControl;
    TextId label;
};

// Pick mode moves the cursor this far with Shift held.
static const int kPickShiftStep = 10;

// clang-format off
inline constexpr Hotkey kHotkeys[] = {
    // id, time, action; the chosen key's setting, or the fixed key's switch, modifiers and key;
    // repeats; step; the set-up tool's control, label control and label.
    {0, kWhileRunning, kShowOrHide, nullptr, &Settings::hotkeyEnabled, MOD_CONTROL, VK_SPACE,
     FALSE, 0, 0, IDC_HOTKEY, IDC_HOTKEY, kToolHotkey},
    {1, kWhileRunning, kFreeze, &Settings::freezeHotkey, nullptr, 0, 0,
     FALSE, 0, 0, IDC_FREEZE_KEY, IDC_FREEZE_LABEL, kToolFreezeKey},
    {2, kWhileRunning, kCopy, &Settings::copyHotkey, nullptr, 0, 0,
     FALSE, 0, 0, IDC_COPY_KEY, IDC_COPY_LABEL, kToolCopyKey},
    {3, kWhileRunning, kPickMode, &Settings::pickHotkey, nullptr, 0, 0,
     FALSE, 0, 0, IDC_PICK_KEY, IDC_PICK_LABEL, kToolPickKey},
    {4, kWhileRunning, kAnchor, &Settings::anchorHotkey, nullptr, 0, 0,
     FALSE, 0, 0, IDC_ANCHOR_KEY, IDC_ANCHOR_LABEL, kToolAnchorKey},
    {5, kWhileRunning, kSavePicture, &Settings::saveHotkey, nullptr, 0, 0,
     FALSE, 0, 0, IDC_SAVE_KEY, IDC_SAVE_LABEL, kToolSaveKey},
    {6, kWhileRunning, kZoomIn, &Settings::zoomInHotkey, nullptr, 0, 0,
     FALSE, 0, 0, IDC_ZOOM_IN_KEY, IDC_ZOOM_IN_LABEL, kToolZoomInKey},
    {7, kWhileRunning, kZoomOut, &Settings::zoomOutHotkey, nullptr, 0, 0,
     FALSE, 0, 0, IDC_ZOOM_OUT_KEY, IDC_ZOOM_OUT_LABEL, kToolZoomOutKey},
    {8, kWhileRunning, kLens, &Settings::lensHotkey, nullptr, 0, 0,
     FALSE, 0, 0, IDC_LENS_KEY, IDC_LENS_LABEL, kToolLensKey},
    // Pick mode's: the arrows move the cursor a pixel, with Shift ten; Enter copies, Esc ends.
    {16, kInPickMode, kPickStep, nullptr, nullptr, 0,         VK_LEFT,   TRUE,  -1, 0,              0, 0, kTextCount},
    {17, kInPickMode, kPickStep, nullptr, nullptr, 0,         VK_RIGHT,  TRUE,  1, 0,               0, 0, kTextCount},
    {18, kInPickMode, kPickStep, nullptr, nullptr, 0,         VK_UP,     TRUE,  0, -1,              0, 0, kTextCount},
    {19, kInPickMode, kPickStep, nullptr, nullptr, 0,         VK_DOWN,   TRUE,  0, 1,               0, 0, kTextCount},
    {20, kInPickMode, kPickStep, nullptr, nullptr, MOD_SHIFT, VK_LEFT,   TRUE,  -kPickShiftStep, 0, 0, 0, kTextCount},
    {21, kInPickMode, kPickStep, nullptr, nullptr, MOD_SHIFT, VK_RIGHT,  TRUE,  kPickShiftStep, 0,  0, 0, kTextCount},
    {22, kInPickMode, kPickStep, nullptr, nullptr, MOD_SHIFT, VK_UP,     TRUE,  0, -kPickShiftStep, 0, 0, kTextCount},
    {23, kInPickMode, kPickStep, nullptr, nullptr, MOD_SHIFT, VK_DOWN,   TRUE,  0, kPickShiftStep,  0, 0, kTextCount},
    {24, kInPickMode, kPickCopy, nullptr, nullptr, 0,         VK_RETURN, FALSE, 0, 0,               0, 0, kTextCount},
    {25, kInPickMode, kPickEnd,  nullptr, nullptr, 0,         VK_ESCAPE, FALSE, 0, 0,               0, 0, kTextCount},
};
// clang-format on
inline constexpr int kHotkeyCount = ARRAYSIZE(kHotkeys);

// The key as the settings keep one (a hot-key control's virtual key and HOTKEYF_ bits) of a
// row, or 0 when it is not on.
int hotkeyOf(const Hotkey& row, const Settings& settings);
// The row of a hot-key id or of a set-up tool control, or null.
const Hotkey* findHotkey(int id);
const Hotkey* findHotkeyControl(int control);
// The bit of an action, for anyHotkeySet.
constexpr unsigned actionBit(HotkeyAction action) {
    return 1u << action;
}
// Whether the user set a key of one of the actions (a mask of actionBit): the view then reads
// the marked pixel's colour (copy, pick, anchor) or makes the readout's label (pick, anchor).
BOOL anyHotkeySet(const Settings& settings, unsigned actions);
