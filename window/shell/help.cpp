#include <windows.h>

#include <string>

#include "window/shell/help.h"

#include "common/texts.h"
#include "res/resource.h"
#include "res/version.h"

static HWND helpWindow;

// The help's text, and the version below it.
static std::wstring helpText() {
    wchar_t version[128];
    wsprintfW(version, text(kHelpVersion), QILO_VERSION_WIDE);
    return std::wstring(text(kHelpText)) + L"\r\n\r\n" + version;
}

static INT_PTR onHelpInit(HWND dlg) {
    SetWindowTextW(dlg, text(kHelpCaption));
    SetDlgItemTextW(dlg, IDC_HELP_TEXT, helpText().c_str());
    SetDlgItemTextW(dlg, IDOK, text(kHelpClose));
    // The button, not the text, takes the focus: the text would open all selected.
    SetFocus(GetDlgItem(dlg, IDOK));
    return FALSE;
}

static INT_PTR onHelpCommand(HWND dlg, WPARAM wParam) {
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        DestroyWindow(dlg);
    return TRUE;
}

static INT_PTR onHelpDestroy() {
    helpWindow = nullptr;
    return TRUE;
}

static INT_PTR CALLBACK helpDialogProc(HWND dlg, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return onHelpInit(dlg);
        case WM_COMMAND: return onHelpCommand(dlg, wParam);
        case WM_DESTROY: return onHelpDestroy();
        default: return FALSE;
    }
}

// The help window is modeless and owned by the magnifier: the view goes on following the
// cursor while it is open, and it closes with the magnifier.
void openHelp(HWND window) {
    if (!helpWindow)
        helpWindow = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_HELP),
                                        window, helpDialogProc, 0);
    ShowWindow(helpWindow, SW_SHOW);
    SetForegroundWindow(helpWindow);
}

BOOL isHelpMessage(MSG* msg) {
    return helpWindow && IsDialogMessageW(helpWindow, msg);
}
