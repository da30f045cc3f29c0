#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <initializer_list>

#include "qconf/dialog.h"

#include "common/hotkeys.h"
#include "common/shared.h"
#include "common/texts.h"
#include "qconf/checks.h"
#include "res/qconf.h"

// The settings as read (a running magnifier holds their keys, so they are no conflict), with
// the colour as chosen since; what OK hands over; the colour dialog's custom colours.
static Settings shown;
static ApplySettings apply;
static COLORREF customColors[16];
// For each hot key the user chooses (by its row in the table), the last combination reported
// as taken.
static int reportedHotkeys[kHotkeyCount];

void showToolMessage(HWND owner, const wchar_t* message, UINT icon) {
    MessageBoxW(owner, message, text(kToolCaption), MB_OK | icon);
}

static void check(HWND dlg, int control, int flag) {
    CheckDlgButton(dlg, control, flag != 0 ? BST_CHECKED : BST_UNCHECKED);
}

static BOOL checked(HWND dlg, int control) {
    return IsDlgButtonChecked(dlg, control) == BST_CHECKED;
}

static int chosenHotkey(HWND dlg, int control) {
    return (int)(SendDlgItemMessageW(dlg, control, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
}

static int chosenItem(HWND dlg, int control) {
    return (int)SendDlgItemMessageW(dlg, control, CB_GETCURSEL, 0, 0);
}

// Shows the values as the magnifier uses them (the table's reader has brought them into
// range); the language's items: Automatic, then each language.
static void showSettings(HWND dlg) {
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
}

// The settings as the controls show them. A period that is no number (empty, letters, too
// long to convert) reads as 0, which the checks refuse.
static Settings chosenSettings(HWND dlg) {
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
    return chosen;
}

static void showOkNote(HWND dlg) {
    SetDlgItemTextW(dlg, IDC_OK_NOTE, text(magnifierRunning() ? kNoteRunning : kNoteStopped));
}

static void setDialogIcon(HWND dlg, WPARAM which, int size) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QCONF), IMAGE_ICON,
                             size, size, 0);
    SendMessageW(dlg, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

// A text (at most 160 characters) with the refresh period's range, as the settings table has it.
static void withIntervalRange(wchar_t* out, TextId format) {
    wsprintfW(out, text(format), kMinIntervalMs, kMaxIntervalMs);
}

// The caption, every label and the lists' items in the face in force.
static void showTexts(HWND dlg) {
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
static void refusePlainKeys(HWND dlg) {
    for (const Hotkey& row : kHotkeys) {
        if (row.stored)
            SendDlgItemMessageW(dlg, row.control, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                                MAKELPARAM(HOTKEYF_CONTROL, 0));
    }
}

static INT_PTR onInitDialog(HWND dlg) {
    showTexts(dlg);
    refusePlainKeys(dlg);
    setDialogIcon(dlg, ICON_BIG, GetSystemMetrics(SM_CXICON));
    setDialogIcon(dlg, ICON_SMALL, GetSystemMetrics(SM_CXSMICON));
    showSettings(dlg);
    showOkNote(dlg);
    return TRUE;
}

// The magnifier may have been started or closed while the tool was in the background.
static INT_PTR onActivate(HWND dlg, WPARAM state) {
    if (LOWORD(state) != WA_INACTIVE)
        showOkNote(dlg);
    return FALSE;
}

static INT_PTR onDrawItem(const DRAWITEMSTRUCT* item) {
    if (item->CtlID != IDC_COLOR_SWATCH)
        return FALSE;
    HBRUSH brush = CreateSolidBrush(shown.penColor);
    FillRect(item->hDC, &item->rcItem, brush);
    DeleteObject(brush);
    FrameRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return TRUE;
}

static INT_PTR onChooseColor(HWND dlg) {
    CHOOSECOLORW choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dlg;
    choose.rgbResult = shown.penColor;
    choose.lpCustColors = customColors;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorW(&choose)) {
        shown.penColor = choose.rgbResult & 0x00FFFFFF;
        InvalidateRect(GetDlgItem(dlg, IDC_COLOR_SWATCH), nullptr, TRUE);
    }
    return TRUE;
}

// A combination another program holds would be skipped at the magnifier's start: said once,
// when it is chosen or, as keys another program holds seldom reach the control, at OK. FALSE
// when it was said now.
static BOOL reportTakenHotkey(HWND dlg, int row) {
    const Hotkey& h = kHotkeys[row];
    int chosen = chosenHotkey(dlg, h.control);
    if (!hotkeyKey(chosen) || chosen == shown.*h.stored || chosen == reportedHotkeys[row] ||
        !hotkeyHeldElsewhere(dlg, chosen))
        return TRUE;
    reportedHotkeys[row] = chosen;
    showToolMessage(dlg, text(kKeyTaken), MB_ICONWARNING);
    return FALSE;
}

// Each key is said at most once; FALSE when one was said now.
static BOOL reportTakenHotkeys(HWND dlg) {
    for (int row = 0; row < kHotkeyCount; ++row) {
        if (kHotkeys[row].stored && !reportTakenHotkey(dlg, row))
            return FALSE;
    }
    return TRUE;
}

// A key chosen in a hot-key control.
static INT_PTR onHotkeyChange(HWND dlg, int control) {
    const Hotkey* row = findHotkeyControl(control);
    if (row && row->stored)
        reportTakenHotkey(dlg, (int)(row - kHotkeys));
    return TRUE;
}

// The system's folder browser, starting at the folder shown; a folder chosen is shown.
static int CALLBACK startBrowsingAt(HWND browser, UINT message, LPARAM, LPARAM folder) {
    if (message == BFFM_INITIALIZED && *reinterpret_cast<const wchar_t*>(folder))
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, folder);
    return 0;
}

static INT_PTR onBrowse(HWND dlg) {
    wchar_t folder[MAX_PATH];
    GetDlgItemTextW(dlg, IDC_SAVE_FOLDER, folder, MAX_PATH);
    BROWSEINFOW browse = {};
    browse.hwndOwner = dlg;
    browse.lpszTitle = text(kToolChooseFolder);
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = startBrowsingAt;
    browse.lParam = reinterpret_cast<LPARAM>(folder);
    HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (chosen && SHGetPathFromIDListW(chosen, folder))
        SetDlgItemTextW(dlg, IDC_SAVE_FOLDER, folder);
    CoTaskMemFree(chosen);
    if (SUCCEEDED(initialized))
        CoUninitialize();
    return TRUE;
}

// A value refused: said, and the control's text selected for typing over.
static void refuse(HWND dlg, int control, const wchar_t* message) {
    showToolMessage(dlg, message, MB_ICONWARNING);
    HWND edit = GetDlgItem(dlg, control);
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

static INT_PTR onOk(HWND dlg) {
    Settings chosen = chosenSettings(dlg);
    int twice = hotkeyGivenTwice(chosen);
    if (!intervalInRange(chosen.intervalMs)) {
        wchar_t message[160];
        withIntervalRange(message, kIntervalRange);
        refuse(dlg, IDC_INTERVAL, message);
    } else if (!folderStorable(chosen.saveFolder)) {
        refuse(dlg, IDC_SAVE_FOLDER, text(kToolFolderNotStorable));
    } else if (twice >= 0) {
        refuse(dlg, kHotkeys[twice].control, text(kToolKeyTwice));
    } else if (reportTakenHotkeys(dlg) && apply(dlg, chosen)) {
        EndDialog(dlg, IDOK);
    }
    return TRUE;
}

// Cancel, Esc and the close box: nothing is written, and no file is created.
static INT_PTR onCancel(HWND dlg) {
    EndDialog(dlg, IDCANCEL);
    return TRUE;
}

static INT_PTR onCommand(HWND dlg, WPARAM wParam) {
    switch (LOWORD(wParam)) {
        case IDOK: return onOk(dlg);
        case IDCANCEL: return onCancel(dlg);
        case IDC_COLOR_BUTTON: return onChooseColor(dlg);
        case IDC_BROWSE: return onBrowse(dlg);
        default: return onHotkeyChange(dlg, LOWORD(wParam));
    }
}

static INT_PTR CALLBACK setupDialogProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(dlg);
        case WM_ACTIVATE: return onActivate(dlg, wParam);
        case WM_DRAWITEM: return onDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        case WM_COMMAND: return onCommand(dlg, wParam);
        default: return FALSE;
    }
}

void runSetupDialog(HINSTANCE instance, const Settings& settings, ApplySettings applyChosen) {
    shown = settings;
    apply = applyChosen;
    // Registers the hot-key control's class of the common controls the manifest asks for.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_HOTKEY_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_QCONF), nullptr, setupDialogProc, 0);
}
