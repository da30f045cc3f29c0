#include <windows.h>

#include "qconf/checks.h"

#include "common/hotkeys.h"
#include "common/shared.h"

BOOL intervalInRange(int intervalMs) {
    return intervalMs >= kMinIntervalMs && intervalMs <= kMaxIntervalMs;
}

BOOL folderStorable(const wchar_t* folder) {
    BOOL lost = FALSE;
    char stored[2 * MAX_PATH];
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, folder, -1, stored, sizeof stored, nullptr,
                        &lost);
    return !lost;
}

int hotkeyGivenTwice(const Settings& chosen) {
    for (int i = 0; i < kHotkeyCount; ++i) {
        int key = hotkeyOf(kHotkeys[i], chosen);
        if (kHotkeys[i].time != kWhileRunning || !hotkeyKey(key))
            continue;
        for (int j = 0; j < i; ++j) {
            if (kHotkeys[j].time == kWhileRunning && hotkeyOf(kHotkeys[j], chosen) == key)
                return i;
        }
    }
    return -1;
}

BOOL hotkeyHeldElsewhere(HWND probe, int key) {
    const int probeId = 0x7000;
    if (!RegisterHotKey(probe, probeId, hotkeyModifiers(key), hotkeyKey(key)))
        return TRUE;
    UnregisterHotKey(probe, probeId);
    return FALSE;
}
