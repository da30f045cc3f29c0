#include <windows.h>

#include "window/dialog/settings.h"

#include "common/inifile.h"
#include "common/settings.h"
#include "common/texts.h"
#include "window/frame/view.h"
#include "window/place/placement.h"

static wchar_t settingsPath[MAX_PATH];

void loadSettings() {
    Settings& s = magnifier.settings;
    currentSettingsPath(settingsPath);
    readSettings(settingsPath, &s);
    setLanguage(languageFor(s.language, GetUserDefaultUILanguage()));
    // The table's ranges have already limited what would break the program; a window no
    // monitor shows is moved onto one.
    resizeView(s.windowWidth, s.windowHeight);
    keepWindowOnAMonitor(&s);
}

DWORD saveSettings() {
    return writeSettings(settingsPath, magnifier.settings, kMagnifierWrites);
}

void tellSaveFailure(DWORD error) {
    if (error == 0)
        return;
    wchar_t message[1024];
    describeSaveFailure(message, ARRAYSIZE(message), settingsPath, error);
    MessageBoxW(nullptr, message, text(kDisplayName),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
}
