// The settings file both programs share: its path, reading and writing its keys in the
// section [INIT] through the wide profile functions (the file itself stays as it was: a file
// without a byte-order mark is read and written in the system's code page), and the message a
// failed save shows.
#pragma once

#include <windows.h>

static const wchar_t kSettingsSection[] = L"INIT";
static const wchar_t kSettingsFileName[] = L"QILO.INI";
// The file in the current directory, when no full path fits.
static const wchar_t kRelativeSettingsPath[] = L".\\QILO.INI";

// Builds the settings path for a directory into path (MAX_PATH characters). Returns FALSE,
// leaving the path relative to the current directory, when the directory does not fit.
BOOL buildSettingsPath(wchar_t* path, const wchar_t* directory);
// The settings file of the current directory, as a full path whenever one fits.
void currentSettingsPath(wchar_t* path);

// A number as the profile functions convert one, from at most the first 29 characters:
// leading blanks, a sign, 0x, 0o or 0b for another base, then digits up to the first other
// character; 32 bits kept. Empty text gives the default.
static const int kNumberTextSize = 30;
int parseSettingInt(const wchar_t* text, int defaultValue);
int readSettingInt(const wchar_t* path, const wchar_t* key, int defaultValue);
// The key's text (empty when absent), cut to size characters with the terminator.
void readSettingText(const wchar_t* path, const wchar_t* key, wchar_t* text, DWORD size);

// Each returns 0, or the system's error code of a write that failed.
DWORD writeSettingInt(const wchar_t* path, const wchar_t* key, int value);
// Null text removes the key.
DWORD writeSettingText(const wchar_t* path, const wchar_t* key, const wchar_t* text);

// The message of a failure: the heading, the file and the system's reason for the error.
void describeFailure(wchar_t* message,
                     int size,
                     const wchar_t* heading,
                     const wchar_t* path,
                     DWORD error);
// The message of a failed save of the settings in the current face.
void describeSaveFailure(wchar_t* message, int size, const wchar_t* path, DWORD error);
