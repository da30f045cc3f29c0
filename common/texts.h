// The two faces of both programs: every text they show, in Japanese and in English.
#pragma once

#include <windows.h>

enum Language { kJapanese, kEnglish };

// Every text, by what it says. The table in texts.cpp holds a row for each, in this order,
// with its Japanese and its English text: a row missing, out of order or without a face does
// not compile.
enum TextId {
    kDisplayName,  // the notification icon's tip
    kNoIconTitle,  // the window's title when the shell has no icon for it
    kMenuAlwaysOnTop,
    kMenuCrosshair,
    kMenuFixedSize,
    kMenuInvert,
    kMenuSeeThrough,
    kMenuExcludeSelf,
    kMenuSmooth,
    kMenuLens,
    kMenuFrame,
    kMenuZoom,
    kMenuFilter,
    kMenuSettings,
    kMenuHelp,
    kMenuMinimize,
    kMenuExit,
    kMenuNoFrame,
    kMenuBlackFrame,
    kMenuFilterNone,  // the colour filters, also the set-up tool's list
    kMenuGreyscale,
    kMenuProtanopia,
    kMenuDeuteranopia,
    kMenuTritanopia,
    kMenuZoom1,
    kMenuZoom1_5,
    kMenuZoom2,
    kMenuZoom3,
    kMenuZoom4,
    kMenuZoom5,
    kMenuZoom6,
    kMenuZoom7,
    kMenuZoom8,
    kMenuZoom16,
    kMenuRestore,
    kSetupToolMissing,
    kSaveFailed,   // followed by the file's path and the system's reason
    kErrorNumber,  // the reason when the system has no text for it: "%lu"
    kHelpCaption,
    kHelpClose,
    kHelpVersion,
    kHelpText,
    kToolCaption,
    kToolColor,
    kToolChooseColor,
    kToolHotkey,
    kToolInterval,
    kToolIntervalUnit,  // with the range's two ends (%d)
    kToolInfo,
    kToolFreezeKey,
    kToolCopyKey,
    kToolLanguage,
    kToolAutomatic,  // the language choice that follows Windows
    kOk,
    kCancel,
    kNoteRunning,
    kNoteStopped,
    kSavedForNextStart,
    kCloseFailed,
    kMagnifierUnreachable,  // run as administrator or as another user
    kRestartFailed,
    kKeyTaken,
    kIntervalRange,      // with the range's two ends (%d)
    kPictureSaveFailed,  // followed by the file's path and the system's reason
    kToolGrid,
    kToolColorFormat,
    kToolAverage,
    kToolAverage1,
    kToolAverage3,
    kToolAverage5,
    kToolPickKey,
    kToolAnchorKey,
    kToolSaveKey,
    kToolZoomInKey,
    kToolZoomOutKey,
    kToolSaveFolder,
    kToolPicturesFolder,  // what an empty folder stands for
    kToolBrowse,
    kToolChooseFolder,
    kToolFolderNotStorable,
    kToolKeyTwice,
    kToolFollowFocus,
    kToolExcludeSelf,
    kToolSmooth,
    kToolPointer,
    kToolLens,
    kToolLensKey,
    kToolFilter,
    kTextCount
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
// A text in the face in force (Japanese until setLanguage says otherwise), or in the one given.
const wchar_t* text(TextId id);
const wchar_t* textIn(Language language, TextId id);
