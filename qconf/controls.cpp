#include <windows.h>

#include <commctrl.h>

#include <initializer_list>

#include "qconf/controls.h"

#include "common/hotkeys.h"
#include "common/texts.h"
#include "res/qconf.h"

void check(HWND dlg, int control, int flag) {
    CheckDlgButton(dlg, control, flag != 0 ? BST_CHECKED : BST_UNCHECKED);
}

BOOL checked(HWND dlg, int control) {
    return IsDlgButtonChecked(dlg, control) == BST_CHECKED;
}

int chosenHotkey(HWND dlg, int control) {
    return (int)(SendDlgItemMessageW(dlg, control, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
}

static int chosenItem(HWND dlg, int control) {
    return (int)SendDlgItemMessageW(dlg, control, CB_GETCURSEL, 0, 0);
}

// Shows the values as the magnifier uses them (the table's reader has brought them into
// range); the language's items: Automatic, then each language.
void showSettings(HWND dlg, const Settings& shown) {
    for (const Hotkey& row : kHotkeys) {
        if (row.stored)
            SendDlgItemMessageW(dlg, row.control, HKM_SETHOTKEY, shown.*row.stored, 0);
        else if (row.turnedOnBy)
            check(dlg, row.control, shown.*row.turnedOnBy);
    }
    SetDlgItemInt(dlg, IDC_INTERVAL, shown.intervalMs, FALSE);
    check(dlg, IDC_INFO, shown.showInfo);
    SendDlgItemMessageW(dlg, IDC_LANGUAGE, CB_SETCURSEL, shown.language + 1, 0);
    check(dlg, IDC_GRID, shown.grid);
    SendDlgItemMessageW(dlg, IDC_COLOR_FORMAT, CB_SETCURSEL, shown.colorFormat, 0);
    SendDlgItemMessageW(dlg, IDC_AVERAGE, CB_SETCURSEL, shown.averageSize / 2, 0);
    SetDlgItemTextW(dlg, IDC_SAVE_FOLDER, shown.saveFolder);
    check(dlg, IDC_FOLLOW_FOCUS, shown.followFocus);
    check(dlg, IDC_EXCLUDE_SELF, shown.excludeSelf);
}

// The settings as the controls show them. A period that is no number (empty, letters, too
// long to convert) reads as 0, which the checks refuse.
Settings chosenSettings(HWND dlg, const Settings& shown) {
    Settings chosen = shown;
    for (const Hotkey& row : kHotkeys) {
        if (row.stored)
            chosen.*row.stored = chosenHotkey(dlg, row.control);
        else if (row.turnedOnBy)
            chosen.*row.turnedOnBy = checked(dlg, row.control) ? 1 : 0;
    }
    BOOL translated = FALSE;
    chosen.intervalMs = (int)GetDlgItemInt(dlg, IDC_INTERVAL, &translated, TRUE);
    if (!translated)
        chosen.intervalMs = 0;
    chosen.showInfo = checked(dlg, IDC_INFO) ? 1 : 0;
    chosen.language = chosenItem(dlg, IDC_LANGUAGE) - 1;
    chosen.grid = checked(dlg, IDC_GRID) ? 1 : 0;
    chosen.colorFormat = chosenItem(dlg, IDC_COLOR_FORMAT);
    chosen.averageSize = 2 * chosenItem(dlg, IDC_AVERAGE) + 1;
    GetDlgItemTextW(dlg, IDC_SAVE_FOLDER, chosen.saveFolder, MAX_PATH);
    chosen.followFocus = checked(dlg, IDC_FOLLOW_FOCUS) ? 1 : 0;
    chosen.excludeSelf = checked(dlg, IDC_EXCLUDE_SELF) ? 1 : 0;
    return chosen;
}

// A text (at most 160 characters) with the refresh period's range, as the settings table has it.
void withIntervalRange(wchar_t* out, TextId format) {
    wsprintfW(out, text(format), kMinIntervalMs, kMaxIntervalMs);
}

// The caption, every label and the lists' items in the face in force.
void showTexts(HWND dlg) {
    wchar_t unit[160];
    withIntervalRange(unit, kToolIntervalUnit);
    const struct {
        int control;
        const wchar_t* text;
    } labels[] = {{IDC_COLOR_LABEL, text(kToolColor)},
                  {IDC_COLOR_BUTTON, text(kToolChooseColor)},
                  {IDC_INTERVAL_LABEL, text(kToolInterval)},
                  {IDC_INTERVAL_UNIT, unit},
                  {IDC_INFO, text(kToolInfo)},
                  {IDC_LANGUAGE_LABEL, text(kToolLanguage)},
                  {IDC_GRID, text(kToolGrid)},
                  {IDC_COLOR_FORMAT_LABEL, text(kToolColorFormat)},
                  {IDC_AVERAGE_LABEL, text(kToolAverage)},
                  {IDC_SAVE_FOLDER_LABEL, text(kToolSaveFolder)},
                  {IDC_BROWSE, text(kToolBrowse)},
                  {IDC_FOLLOW_FOCUS, text(kToolFollowFocus)},
                  {IDC_EXCLUDE_SELF, text(kToolExcludeSelf)},
                  {IDOK, text(kOk)},
                  {IDCANCEL, text(kCancel)}};
    SetWindowTextW(dlg, text(kToolCaption));
    for (const auto& label : labels)
        SetDlgItemTextW(dlg, label.control, label.text);
    for (const Hotkey& row : kHotkeys) {
        if (row.label != kTextCount)
            SetDlgItemTextW(dlg, row.labelControl, text(row.label));
    }
    HWND choice = GetDlgItem(dlg, IDC_LANGUAGE);
    for (const wchar_t* item : {text(kToolAutomatic), kLanguageNames[0], kLanguageNames[1]})
        SendMessageW(choice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (const ColorFormatRow& format : kColorFormats)
        SendDlgItemMessageW(dlg, IDC_COLOR_FORMAT, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(format.name));
    for (TextId item : {kToolAverage1, kToolAverage3, kToolAverage5})
        SendDlgItemMessageW(dlg, IDC_AVERAGE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(text(item)));
    SendDlgItemMessageW(dlg, IDC_SAVE_FOLDER, EM_SETCUEBANNER, TRUE,
                        reinterpret_cast<LPARAM>(text(kToolPicturesFolder)));
}

// A key without Ctrl or Alt would be taken from every program (with Shift alone, its capital
// letter): the controls give it Ctrl instead.
void refusePlainKeys(HWND dlg) {
    for (const Hotkey& row : kHotkeys) {
        if (row.stored)
            SendDlgItemMessageW(dlg, row.control, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                                MAKELPARAM(HOTKEYF_CONTROL, 0));
    }
}
