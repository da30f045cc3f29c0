#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include "qconf/dialog.h"

#include "common/hotkeys.h"
#include "common/shared.h"
#include "common/texts.h"
#include "qconf/checks.h"
#include "qconf/controls.h"
#include "res/qconf.h"

// One run of the dialog: in runSetupDialog's frame, reached through DWLP_USER.
struct SetupDialog {
    // As read (a running magnifier holds their keys, so they are no conflict), with the colour
    // as chosen since.
    Settings shown;
    ApplySettings apply;
    COLORREF customColors[16];  // the colour dialog's
    // For each hot key the user chooses (by its row in the table), the last combination
    // reported as taken.
    int reportedHotkeys[kHotkeyCount];
};

static SetupDialog& dialogOf(HWND dlg) {
    return *reinterpret_cast<SetupDialog*>(GetWindowLongPtrW(dlg, DWLP_USER));
}

void showToolMessage(HWND owner, const wchar_t* message, UINT icon) {
    MessageBoxW(owner, message, text(kToolCaption), MB_OK | icon);
}

static void showOkNote(HWND dlg) {
    SetDlgItemTextW(dlg, IDC_OK_NOTE, text(magnifierRunning() ? kNoteRunning : kNoteStopped));
}

static void setDialogIcon(HWND dlg, WPARAM which, int size) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QCONF), IMAGE_ICON,
                             size, size, 0);
    SendMessageW(dlg, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

static INT_PTR onInitDialog(HWND dlg, LPARAM dialog) {
    SetWindowLongPtrW(dlg, DWLP_USER, dialog);
    showTexts(dlg);
    refusePlainKeys(dlg);
    setDialogIcon(dlg, ICON_BIG, GetSystemMetrics(SM_CXICON));
    setDialogIcon(dlg, ICON_SMALL, GetSystemMetrics(SM_CXSMICON));
    showSettings(dlg, dialogOf(dlg).shown);
    showOkNote(dlg);
    return TRUE;
}

// The magnifier may have been started or closed while the tool was in the background.
static INT_PTR onActivate(HWND dlg, WPARAM state) {
    if (LOWORD(state) != WA_INACTIVE)
        showOkNote(dlg);
    return FALSE;
}

static INT_PTR onDrawItem(HWND dlg, const DRAWITEMSTRUCT* item) {
    if (item->CtlID != IDC_COLOR_SWATCH)
        return FALSE;
    HBRUSH brush = CreateSolidBrush(dialogOf(dlg).shown.penColor);
    FillRect(item->hDC, &item->rcItem, brush);
    DeleteObject(brush);
    FrameRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return TRUE;
}

static INT_PTR onChooseColor(HWND dlg) {
    SetupDialog& d = dialogOf(dlg);
    CHOOSECOLORW choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dlg;
    choose.rgbResult = d.shown.penColor;
    choose.lpCustColors = d.customColors;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorW(&choose)) {
        d.shown.penColor = choose.rgbResult & 0x00FFFFFF;
        InvalidateRect(GetDlgItem(dlg, IDC_COLOR_SWATCH), nullptr, TRUE);
    }
    return TRUE;
}

// A combination another program holds would be skipped at the magnifier's start: said once,
// when it is chosen or, as keys another program holds seldom reach the control, at OK. FALSE
// when it was said now.
static BOOL reportTakenHotkey(HWND dlg, int row) {
    SetupDialog& d = dialogOf(dlg);
    const Hotkey& h = kHotkeys[row];
    int chosen = chosenHotkey(dlg, h.control);
    if (!hotkeyKey(chosen) || chosen == d.shown.*h.stored || chosen == d.reportedHotkeys[row] ||
        !hotkeyHeldElsewhere(dlg, chosen))
        return TRUE;
    d.reportedHotkeys[row] = chosen;
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
    SetupDialog& d = dialogOf(dlg);
    Settings chosen = chosenSettings(dlg, d.shown);
    int twice = hotkeyGivenTwice(chosen);
    if (!intervalInRange(chosen.intervalMs)) {
        wchar_t message[160];
        withIntervalRange(message, kIntervalRange);
        refuse(dlg, IDC_INTERVAL, message);
    } else if (!folderStorable(chosen.saveFolder)) {
        refuse(dlg, IDC_SAVE_FOLDER, text(kToolFolderNotStorable));
    } else if (twice >= 0) {
        refuse(dlg, kHotkeys[twice].control, text(kToolKeyTwice));
    } else if (reportTakenHotkeys(dlg) && d.apply(dlg, chosen)) {
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

// Controls may notify before WM_INITDIALOG has stored the record: those go unhandled.
static INT_PTR CALLBACK setupDialogProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG && !GetWindowLongPtrW(dlg, DWLP_USER))
        return FALSE;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(dlg, lParam);
        case WM_ACTIVATE: return onActivate(dlg, wParam);
        case WM_DRAWITEM: return onDrawItem(dlg, reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        case WM_COMMAND: return onCommand(dlg, wParam);
        default: return FALSE;
    }
}

BOOL runSetupDialog(HINSTANCE instance, const Settings& shown, ApplySettings apply) {
    SetupDialog dialog = {};
    dialog.shown = shown;
    dialog.apply = apply;
    // Registers the hot-key control's class of the common controls the manifest asks for.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_HOTKEY_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_QCONF), nullptr, setupDialogProc,
                           reinterpret_cast<LPARAM>(&dialog)) == IDOK;
}
