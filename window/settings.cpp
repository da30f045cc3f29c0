#include <windows.h>

#include "window/settings.h"

#include "common/inifile.h"
#include "common/settings.h"
#include "common/texts.h"
#include "window/placement.h"

static wchar_t settingsPath[MAX_PATH];

// Takes the view's size from the window's and moves a window no monitor shows onto one (the
// table's ranges have already limited what would break the program).
static void sizeViewAndKeepOnAMonitor(MagnifierState* state) {
    state->view.viewWidth = state->settings.windowWidth;
    state->view.viewHeight = state->settings.windowHeight;
    keepWindowOnAMonitor(&state->settings);
}

void loadSettings() {
    Settings& s = magnifier.settings;
    currentSettingsPath(settingsPath);
    readSettings(settingsPath, &s);
    setLanguage(languageFor(s.language, GetUserDefaultUILanguage()));
    magnifier.view.frameWidth = s.frameStyle != 0 ? 1 : 0;
    sizeViewAndKeepOnAMonitor(&magnifier);
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
