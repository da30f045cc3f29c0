// The magnifier's set-up tool: edits the keys of QILO.INI in the current directory that the
// magnifier's menus do not reach. A running magnifier reads them only at its start, so the
// tool closes it, writes, and starts it again.
#include <windows.h>

#include "common/inifile.h"
#include "common/settings.h"
#include "common/shared.h"
#include "common/texts.h"
#include "qconf/dialog.h"
#include "qconf/restart.h"

// The magnifier starts the tool in its own current directory: both use this one file.
static wchar_t iniPath[MAX_PATH];

// TRUE for a save that succeeded; one that failed is told, with the file and the reason (the
// dialog then stays open).
static BOOL saveSucceeded(HWND dlg, DWORD error) {
    if (error == 0)
        return TRUE;
    wchar_t message[1024];
    describeSaveFailure(message, ARRAYSIZE(message), iniPath, error);
    showToolMessage(dlg, message, MB_ICONERROR);
    return FALSE;
}

// Whether the file can be written at all, without changing it: a magnifier is only closed for
// a save that can succeed. 0, or the reason.
static DWORD settingsWriteError() {
    BOOL existed = GetFileAttributesW(iniPath) != INVALID_FILE_ATTRIBUTES;
    HANDLE file = CreateFileW(iniPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    CloseHandle(file);
    if (!existed)
        DeleteFileW(iniPath);  // Cancel must still leave no file behind
    return 0;
}

// A magnifier we may not close: the user is told what to do, and nothing is written, as OK
// would otherwise seem to have changed a magnifier that goes on with its old settings.
static BOOL tellOutOfReach(HWND dlg) {
    showToolMessage(dlg, text(kMagnifierUnreachable), MB_ICONWARNING);
    return FALSE;
}

// Writes the tool's keys, through a restart of a running magnifier; FALSE keeps the dialog
// open. The magnifier's quit writes its own keys on the way out; ours are written after, so
// they stay.
static BOOL writeChosenSettings(HWND dlg, const Settings& chosen) {
    MagnifierPresence presence = magnifierPresence();
    if (presence == kMagnifierOutOfReach)
        return tellOutOfReach(dlg);
    if (presence == kNoMagnifier)
        return saveSucceeded(dlg, writeSettings(iniPath, chosen, kToolWrites));
    HWND window = waitForMagnifierWindow();
    if (!window) {
        if (magnifierPresence() == kMagnifierOutOfReach)
            return tellOutOfReach(dlg);
        if (!saveSucceeded(dlg, writeSettings(iniPath, chosen, kToolWrites)))
            return FALSE;
        if (magnifierRunning())
            showToolMessage(dlg, text(kSavedForNextStart), MB_ICONINFORMATION);
        return TRUE;
    }
    if (!saveSucceeded(dlg, settingsWriteError()))
        return FALSE;
    MagnifierStart magnifier;
    CloseResult closed = closeMagnifier(window, &magnifier);
    if (closed == kCloseRefused)
        return tellOutOfReach(dlg);
    if (closed == kNotClosed) {
        showToolMessage(dlg, text(kCloseFailed), MB_ICONWARNING);
        return FALSE;
    }
    BOOL saved = saveSucceeded(dlg, writeSettings(iniPath, chosen, kToolWrites));
    if (!startMagnifier(&magnifier))
        showToolMessage(dlg, text(kRestartFailed), MB_ICONWARNING);
    return saved;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    currentSettingsPath(iniPath);
    Settings settings;
    readSettings(iniPath, &settings);
    setLanguage(languageFor(settings.language, GetUserDefaultUILanguage()));
    // The choice is written by then, through writeChosenSettings; the tool ends either way.
    runSetupDialog(instance, settings, writeChosenSettings);
    return 0;
}
