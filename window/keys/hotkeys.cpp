#include <windows.h>

#include "window/keys/hotkeys.h"

#include "common/shared.h"
#include "window/state.h"

// The actions (actionBit) whose keys the system has given the window.
static unsigned registeredActions;

static void forgetRegistered(HotkeyTime time) {
    for (const Hotkey& row : kHotkeys) {
        if (row.time == time)
            registeredActions &= ~actionBit(row.action);
    }
}

void registerHotkeys(HWND window, HotkeyTime time) {
    const Settings& s = magnifier.settings;
    forgetRegistered(time);
    for (const Hotkey& row : kHotkeys) {
        int key = row.time == time ? hotkeyOf(row, s) : 0;
        if (!hotkeyKey(key) || (row.stored && !hotkeyModifiers(key)))
            continue;
        // One press acts once, however long it is held, unless the key is meant to repeat.
        UINT modifiers = row.stored ? hotkeyModifiers(key) : row.modifiers;
        if (RegisterHotKey(window, row.id, modifiers | (row.repeats ? 0 : MOD_NOREPEAT),
                           hotkeyKey(key)))
            registeredActions |= actionBit(row.action);
    }
}

void releaseHotkeys(HWND window, HotkeyTime time) {
    for (const Hotkey& row : kHotkeys) {
        if (row.time == time)
            UnregisterHotKey(window, row.id);
    }
    forgetRegistered(time);
}

BOOL hotkeyRegistered(HotkeyAction action) {
    return (registeredActions & actionBit(action)) != 0;
}
