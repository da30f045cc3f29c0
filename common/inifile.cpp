#include <windows.h>

#include "common/inifile.h"

#include <initializer_list>

#include "common/texts.h"

BOOL buildSettingsPath(wchar_t* path, const wchar_t* directory) {
    int length = lstrlenW(directory);
    const wchar_t* separator = length > 0 && directory[length - 1] == L'\\' ? L"" : L"\\";
    if (length + lstrlenW(separator) + lstrlenW(kSettingsFileName) + 1 > MAX_PATH) {
        lstrcpyW(path, kRelativeSettingsPath);
        return FALSE;
    }
    lstrcpyW(path, directory);
    lstrcatW(path, separator);
    lstrcatW(path, kSettingsFileName);
    return TRUE;
}

void currentSettingsPath(wchar_t* path) {
    wchar_t directory[MAX_PATH];
    DWORD length = GetCurrentDirectoryW(MAX_PATH, directory);
    if (length == 0 || length >= MAX_PATH)
        lstrcpyW(path, kRelativeSettingsPath);  // the directory did not fit
    else
        buildSettingsPath(path, directory);
}

static int digitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'z')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'Z')
        return c - L'A' + 10;
    return 99;
}

int parseSettingInt(const wchar_t* text, int defaultValue) {
    if (!*text)
        return defaultValue;
    while (*text && *text <= L' ')
        ++text;
    BOOL negative = *text == L'-';
    if (*text == L'-' || *text == L'+')
        ++text;
    unsigned base = 10;
    if (text[0] == L'0' && (text[1] == L'x' || text[1] == L'o' || text[1] == L'b')) {
        base = text[1] == L'x' ? 16 : (text[1] == L'o' ? 8 : 2);
        text += 2;
    }
    // Digits past the range wrap round, as the profile functions' own conversion does.
    unsigned value = 0;
    for (; digitValue(*text) < (int)base; ++text)
        value = value * base + (unsigned)digitValue(*text);
    return (int)(negative ? 0u - value : value);
}

// Read as text: GetPrivateProfileIntW is documented to read a negative number as 0, and a
// window left of or above the primary monitor has a negative position.
int readSettingInt(const wchar_t* path, const wchar_t* key, int defaultValue) {
    wchar_t text[kNumberTextSize];
    readSettingText(path, key, text, ARRAYSIZE(text));
    return parseSettingInt(text, defaultValue);
}

void readSettingText(const wchar_t* path, const wchar_t* key, wchar_t* text, DWORD size) {
    GetPrivateProfileStringW(kSettingsSection, key, L"", text, size, path);
}

DWORD writeSettingText(const wchar_t* path, const wchar_t* key, const wchar_t* text) {
    SetLastError(0);
    if (WritePrivateProfileStringW(kSettingsSection, key, text, path))
        return 0;
    DWORD error = GetLastError();
    return error ? error : ERROR_WRITE_FAULT;  // a failure is never reported as success
}

DWORD writeSettingInt(const wchar_t* path, const wchar_t* key, int value) {
    wchar_t text[16];
    wsprintfW(text, L"%d", value);
    return writeSettingText(path, key, text);
}

void describeFailure(wchar_t* message,
                     int size,
                     const wchar_t* heading,
                     const wchar_t* path,
                     DWORD error) {
    wchar_t reason[512];
    DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    if (!FormatMessageW(flags, nullptr, error, 0, reason, ARRAYSIZE(reason), nullptr))
        wsprintfW(reason, text(kErrorNumber), error);
    wchar_t fullPath[MAX_PATH];
    if (!GetFullPathNameW(path, MAX_PATH, fullPath, nullptr))
        lstrcpynW(fullPath, path, MAX_PATH);
    lstrcpynW(message, heading, size);
    for (const wchar_t* part :
         {L"\n\n", (const wchar_t*)fullPath, L"\n\n", (const wchar_t*)reason}) {
        int used = lstrlenW(message);
        lstrcpynW(message + used, part, size - used);
    }
}

void describeSaveFailure(wchar_t* message, int size, const wchar_t* path, DWORD error) {
    describeFailure(message, size, text(kSaveFailed), path, error);
}
