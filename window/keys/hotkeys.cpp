#include <windows.h>

#include "window/keys/hotkeys.h"

#include "common/shared.h"
#include "window/state.h"

void registerHotkeys(HWND window, HotkeyTime time) {
    const Settings& s = magnifier.settings;
    for (const Hotkey& row : kHotkeys) {
        int key = row.time == time ? hotkeyOf(row, s) : 0;
        if (!hotkeyKey(key) || (row.stored && !hotkeyModifiers(key)))
            continue;
        // One press acts once, however long it is held, unless the key is meant to repeat.
        UINT modifiers = row.stored ? hotkeyModifiers(key) : row.modifiers;
        RegisterHotKey(window, row.id, modifiers | (row.repeats ? 0 : MOD_NOREPEAT),
                       hotkeyKey(key));
    }
}

void releaseHotkeys(HWND window, HotkeyTime time) {
    for (const Hotkey& row : kHotkeys) {
        if (row.time == time)
            UnregisterHotKey(window, row.id);
    }
}
