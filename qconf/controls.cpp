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

static void addItems(HWND list, std::initializer_list<const wchar_t*> items) {
    for (const wchar_t* item : items)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

// The check boxes, each a flag of the settings, and their labels. A new one is a row here, its
// control in res/qconf.rc and res/qconf.h, and its label in common/texts.h.
static const struct CheckBoxRow {
    int control;
    int Settings::*field;
    TextId label;
} kCheckBoxes[] = {
    {IDC_INFO, &Settings::showInfo, kToolInfo},
    {IDC_GRID, &Settings::grid, kToolGrid},
    {IDC_FOLLOW_FOCUS, &Settings::followFocus, kToolFollowFocus},
    {IDC_EXCLUDE_SELF, &Settings::excludeSelf, kToolExcludeSelf},
    {IDC_SMOOTH, &Settings::smooth, kToolSmooth},
    {IDC_POINTER, &Settings::pointer, kToolPointer},
    {IDC_LENS, &Settings::lens, kToolLens},
};

// The lists, each choosing a setting: the list, its label, its items in the face in force, and
// how an item (from 0) stands for the setting's value and back.
static const struct ListRow {
    int control;
    int labelControl;
    TextId label;
    int Settings::*field;
    void (*addItems)(HWND list);
    int (*itemOf)(int value);
    int (*valueOf)(int item);
} kLists[] = {
    // Automatic (-1), then each language named in itself.
    {IDC_LANGUAGE, IDC_LANGUAGE_LABEL, kToolLanguage, &Settings::language,
     [](HWND list) {
         addItems(list, {text(kToolAutomatic), kLanguageNames[0], kLanguageNames[1]});
     },
     [](int value) { return value + 1; }, [](int item) { return item - 1; }},
    {IDC_COLOR_FORMAT, IDC_COLOR_FORMAT_LABEL, kToolColorFormat, &Settings::colorFormat,
     [](HWND list) {
         for (const ColorFormatRow& format : kColorFormats)
             addItems(list, {format.name});
     },
     [](int value) { return value; }, [](int item) { return item; }},
    // 1, 3 and 5 pixels square.
    {IDC_AVERAGE, IDC_AVERAGE_LABEL, kToolAverage, &Settings::averageSize,
     [](HWND list) {
         addItems(list, {text(kToolAverage1), text(kToolAverage3), text(kToolAverage5)});
     },
     [](int value) { return value / 2; }, [](int item) { return 2 * item + 1; }},
    // The filters as the menu names them; a value of none of them shows no filter.
    {IDC_FILTER, IDC_FILTER_LABEL, kToolFilter, &Settings::filter,
     [](HWND list) {
         addItems(list, {text(kMenuFilterNone), text(kMenuGreyscale), text(kMenuProtanopia),
                         text(kMenuDeuteranopia), text(kMenuTritanopia)});
     },
     [](int value) { return value > kNoFilter && value < kFilterCount ? value : 0; },
     [](int item) { return item; }},
};

// Whether a value lies beyond the list's items. Such a value (a filter a later version knows)
// stays as read while the list is left at the item standing in for it.
static BOOL beyondItems(HWND dlg, const ListRow& row, int value) {
    int last = (int)SendDlgItemMessageW(dlg, row.control, CB_GETCOUNT, 0, 0) - 1;
    return value < row.valueOf(0) || value > row.valueOf(last);
}

// Shows the values as the magnifier uses them (the table's reader has brought them into
// range).
void showSettings(HWND dlg, const Settings& shown) {
    for (const Hotkey& row : kHotkeys) {
        if (row.stored)
            SendDlgItemMessageW(dlg, row.control, HKM_SETHOTKEY, shown.*row.stored, 0);
        else if (row.turnedOnBy)
            check(dlg, row.control, shown.*row.turnedOnBy);
    }
    SetDlgItemInt(dlg, IDC_INTERVAL, shown.intervalMs, FALSE);
    for (const CheckBoxRow& row : kCheckBoxes)
        check(dlg, row.control, shown.*row.field);
    for (const ListRow& row : kLists)
        SendDlgItemMessageW(dlg, row.control, CB_SETCURSEL, row.itemOf(shown.*row.field), 0);
    SetDlgItemTextW(dlg, IDC_SAVE_FOLDER, shown.saveFolder);
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
    for (const CheckBoxRow& row : kCheckBoxes)
        chosen.*row.field = checked(dlg, row.control) ? 1 : 0;
    for (const ListRow& row : kLists) {
        int item = chosenItem(dlg, row.control);
        if (item != row.itemOf(shown.*row.field) || !beyondItems(dlg, row, shown.*row.field))
            chosen.*row.field = row.valueOf(item);
    }
    GetDlgItemTextW(dlg, IDC_SAVE_FOLDER, chosen.saveFolder, MAX_PATH);
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
                  {IDC_SAVE_FOLDER_LABEL, text(kToolSaveFolder)},
                  {IDC_BROWSE, text(kToolBrowse)},
                  {IDOK, text(kOk)},
                  {IDCANCEL, text(kCancel)}};
    SetWindowTextW(dlg, text(kToolCaption));
    for (const auto& label : labels)
        SetDlgItemTextW(dlg, label.control, label.text);
    for (const Hotkey& row : kHotkeys) {
        if (row.label != kTextCount)
            SetDlgItemTextW(dlg, row.labelControl, text(row.label));
    }
    for (const CheckBoxRow& row : kCheckBoxes)
        SetDlgItemTextW(dlg, row.control, text(row.label));
    for (const ListRow& row : kLists) {
        SetDlgItemTextW(dlg, row.labelControl, text(row.label));
        row.addItems(GetDlgItem(dlg, row.control));
    }
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
