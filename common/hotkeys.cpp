#include <windows.h>

#include <commctrl.h>

#include "common/hotkeys.h"

#include "common/shared.h"

// A fixed key in the form the settings keep a chosen one.
static int storedForm(UINT modifiers, UINT key) {
    int flags = (modifiers & MOD_SHIFT ? HOTKEYF_SHIFT : 0) |
                (modifiers & MOD_CONTROL ? HOTKEYF_CONTROL : 0) |
                (modifiers & MOD_ALT ? HOTKEYF_ALT : 0);
    return MAKEWORD(key, flags);
}

int hotkeyOf(const Hotkey& row, const Settings& settings) {
    if (row.stored)
        return settings.*row.stored;
    if (row.turnedOnBy && !(settings.*row.turnedOnBy))
        return 0;
    return storedForm(row.modifiers, row.key);
}

const Hotkey* findHotkey(int id) {
    for (const Hotkey& row : kHotkeys) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

const Hotkey* findHotkeyControl(int control) {
    for (const Hotkey& row : kHotkeys) {
        if (row.control == control)
            return &row;
    }
    return nullptr;
}

BOOL anyHotkeySet(const Settings& settings, unsigned actions) {
    for (const Hotkey& row : kHotkeys) {
        if ((actionBit(row.action) & actions) && row.stored && settings.*row.stored)
            return TRUE;
    }
    return FALSE;
}
