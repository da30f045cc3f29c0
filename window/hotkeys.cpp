#include <windows.h>

#include "window/hotkeys.h"

#include "common/shared.h"
#include "window/state.h"

// One press acts once, however long it is held; a key without Ctrl, Alt or Shift would be
// taken from every program, and is never registered.
static void registerStoredHotkey(HWND window, int id, int stored) {
    if (hotkeyKey(stored) && hotkeyModifiers(stored))
        RegisterHotKey(window, id, hotkeyModifiers(stored) | MOD_NOREPEAT, hotkeyKey(stored));
}

void registerHotkeys(HWND window) {
    const Settings& s = magnifier.settings;
    if (s.hotkeyEnabled)
        RegisterHotKey(window, kHotkeyId, MOD_CONTROL | MOD_NOREPEAT, VK_SPACE);
    registerStoredHotkey(window, kFreezeHotkeyId, s.freezeHotkey);
    registerStoredHotkey(window, kCopyHotkeyId, s.copyHotkey);
    registerStoredHotkey(window, kPickHotkeyId, s.pickHotkey);
    registerStoredHotkey(window, kAnchorHotkeyId, s.anchorHotkey);
    registerStoredHotkey(window, kSaveHotkeyId, s.saveHotkey);
}
