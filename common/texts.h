// The two faces of both programs: every text they show, in Japanese and in English.
#pragma once

#include <windows.h>

enum Language { kJapanese, kEnglish };

// The main menu's entries in order (null for a separator), the frame and zoom submenus' and the
// notification icon's menu.
static const int kMainMenuEntries = 13;
static const int kFrameMenuEntries = 2;
static const int kZoomMenuEntries = 10;
static const int kTrayMenuEntries = 4;

struct Texts {
    const wchar_t* displayName;  // the notification icon's tip
    const wchar_t* noIconTitle;  // the window's title when the shell has no icon for it
    const wchar_t* mainMenu[kMainMenuEntries];
    const wchar_t* frameMenu[kFrameMenuEntries];
    const wchar_t* zoomMenu[kZoomMenuEntries];
    const wchar_t* trayMenu[kTrayMenuEntries];
    const wchar_t* setupToolMissing;
    const wchar_t* saveFailed;   // followed by the file's path and the system's reason
    const wchar_t* errorNumber;  // the reason when the system has no text for it: "%lu"
    // The help window.
    const wchar_t* helpCaption;
    const wchar_t* helpClose;
    const wchar_t* helpText;
    // The set-up tool.
    const wchar_t* toolCaption;
    const wchar_t* toolColor;
    const wchar_t* toolChooseColor;
    const wchar_t* toolHotkey;
    const wchar_t* toolInterval;
    const wchar_t* toolIntervalUnit;  // with the range's two ends (%d)
    const wchar_t* toolInfo;
    const wchar_t* toolFreezeKey;
    const wchar_t* toolCopyKey;
    const wchar_t* toolLanguage;
    const wchar_t* toolAutomatic;  // the language choice that follows Windows
    const wchar_t* ok;
    const wchar_t* cancel;
    const wchar_t* noteRunning;
    const wchar_t* noteStopped;
    const wchar_t* savedForNextStart;
    const wchar_t* closeFailed;
    const wchar_t* restartFailed;
    const wchar_t* keyTaken;
    const wchar_t* intervalRange;  // with the range's two ends (%d)
    // The loupe: the magnifier's message, the set-up tool's labels.
    const wchar_t* pictureSaveFailed;  // followed by the file's path and the system's reason
    const wchar_t* toolGrid;
    const wchar_t* toolColorFormat;
    const wchar_t* toolAverage;
    const wchar_t* toolAverageSizes[3];  // 1 x 1, 3 x 3, 5 x 5
    const wchar_t* toolPickKey;
    const wchar_t* toolAnchorKey;
    const wchar_t* toolSaveKey;
    const wchar_t* toolSaveFolder;
    const wchar_t* toolPicturesFolder;  // what an empty folder stands for
    const wchar_t* toolBrowse;
    const wchar_t* toolChooseFolder;
    const wchar_t* toolFolderNotStorable;
    const wchar_t* toolKeyTwice;
};

// Each language named in itself, as the set-up tool lists them, and as LANGUAGE stores them.
static const wchar_t* const kLanguageNames[] = {L"日本語", L"English"};
static const wchar_t* const kLanguageCodes[] = {L"ja", L"en"};

// The language a LANGUAGE setting names ("ja" or "en", in any case), or -1 for none.
int namedLanguage(const wchar_t* setting);
// The face for a language named (-1: none), else the user's display language (Japanese gives
// Japanese, any other English).
Language languageFor(int named, LANGID userLanguage);

void setLanguage(Language language);
// The texts of the face in force (Japanese until setLanguage says otherwise).
const Texts& texts();
const Texts& textsOf(Language language);
