#include <windows.h>

#include <shellapi.h>

#include "window/shell/setuptool.h"

#include "common/texts.h"
#include "window/platform.h"

static const wchar_t kSetupTool[] = L"QConf.exe";

static BOOL isFile(const wchar_t* path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The tool shipped beside the program's file, by its full path.
static BOOL findToolBesideProgram(wchar_t* path, const wchar_t* program) {
    if (lstrlenW(program) >= MAX_PATH)
        return FALSE;
    lstrcpyW(path, program);
    wchar_t* name = path;
    for (wchar_t* p = path; *p; ++p) {
        if (*p == L'\\')
            name = p + 1;
    }
    if ((name - path) + ARRAYSIZE(kSetupTool) > MAX_PATH)
        return FALSE;
    lstrcpyW(name, kSetupTool);
    return isFile(path);
}

// Each by its full path: a bare name would let Windows run one lying in the settings folder
// first.
BOOL findSetupTool(wchar_t* path, const wchar_t* program, BOOL elevated) {
    if (findToolBesideProgram(path, program))
        return TRUE;
    if (elevated)
        return FALSE;
    DWORD length = GetFullPathNameW(kSetupTool, MAX_PATH, path, nullptr);
    return length > 0 && length < MAX_PATH && isFile(path);
}

// Started in the magnifier's current directory, so that both programs use one settings file.
void openSetupTool(HWND window) {
    wchar_t program[MAX_PATH], path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length > 0 && length < MAX_PATH && findSetupTool(path, program, runsElevated()) &&
        (INT_PTR)ShellExecuteW(window, nullptr, path, nullptr, nullptr, SW_SHOWNORMAL) > 32)
        return;
    MessageBoxW(window, text(kSetupToolMissing), text(kDisplayName), MB_OK | MB_ICONWARNING);
}
