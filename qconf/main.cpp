// The magnifier's set-up tool: edits the crosshair colour, the Ctrl+Space hotkey, the refresh
// period, the readout, the freeze and copy keys and the language in QILO.INI of the current
// directory. A running magnifier reads them only at
// start, so the tool closes it, writes, and starts it again.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <initializer_list>

#include "common/shared.h"
#include "common/inifile.h"
#include "common/settings.h"
#include "common/texts.h"
#include "res/qconf.h"

// The magnifier starts the tool in its own current directory: both use this one file.
static wchar_t iniPath[MAX_PATH];
static const DWORD kCloseTimeoutMs = 10000;
// A magnifier that is starting or ending holds its event without a window for a moment.
static const int kWindowPolls = 20;
static const DWORD kWindowPollMs = 100;

// The file's settings as read at start; OK writes the tool's keys of them.
static Settings settings;
static COLORREF customColors[16];

// The hot keys: their control, their setting (the value read, which a running magnifier holds,
// so it is no conflict), and the last combination reported as taken.
struct HotkeySetting {
    int control;
    int Settings::*stored;
    int reported;
};
static HotkeySetting hotkeys[] = {{IDC_FREEZE_KEY, &Settings::freezeHotkey, 0},
                                  {IDC_COPY_KEY, &Settings::copyHotkey, 0},
                                  {IDC_PICK_KEY, &Settings::pickHotkey, 0},
                                  {IDC_ANCHOR_KEY, &Settings::anchorHotkey, 0},
                                  {IDC_SAVE_KEY, &Settings::saveHotkey, 0}};

// COLOR_FORMAT's values in order, written as the readout writes them.
static const wchar_t* const kColorFormatNames[] = {L"#RRGGBB", L"rgb(r, g, b)", L"hsl(h, s%, l%)",
                                                   L"r, g, b"};

// What is needed to start a closed magnifier again as it was.
struct MagnifierStart {
    BOOL visible;
    wchar_t exePath[MAX_PATH];
};

static void check(HWND dlg, int control, int flag) {
    CheckDlgButton(dlg, control, flag != 0 ? BST_CHECKED : BST_UNCHECKED);
}

static BOOL checked(HWND dlg, int control) {
    return IsDlgButtonChecked(dlg, control) == BST_CHECKED;
}

// Shows the values as the magnifier uses them (the table's reader has brought them into
// range); the language's items: Automatic, then each language.
static void showSettings(HWND dlg) {
    check(dlg, IDC_HOTKEY, settings.hotkeyEnabled);
    SetDlgItemInt(dlg, IDC_INTERVAL, settings.intervalMs, FALSE);
    check(dlg, IDC_INFO, settings.showInfo);
    for (const HotkeySetting& h : hotkeys)
        SendDlgItemMessageW(dlg, h.control, HKM_SETHOTKEY, settings.*h.stored, 0);
    SendDlgItemMessageW(dlg, IDC_LANGUAGE, CB_SETCURSEL, settings.language + 1, 0);
    check(dlg, IDC_GRID, settings.grid);
    SendDlgItemMessageW(dlg, IDC_COLOR_FORMAT, CB_SETCURSEL, settings.colorFormat, 0);
    SendDlgItemMessageW(dlg, IDC_AVERAGE, CB_SETCURSEL, settings.averageSize / 2, 0);
    SetDlgItemTextW(dlg, IDC_SAVE_FOLDER, settings.saveFolder);
}

static int chosenHotkey(HWND dlg, int control) {
    return (int)(SendDlgItemMessageW(dlg, control, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
}

// Writes the tool's keys as the controls show them; 0, or the first failure's error.
static DWORD saveSettings(HWND dlg, int intervalMs) {
    Settings chosen = settings;
    chosen.hotkeyEnabled = checked(dlg, IDC_HOTKEY) ? 1 : 0;
    chosen.intervalMs = intervalMs;
    chosen.showInfo = checked(dlg, IDC_INFO) ? 1 : 0;
    for (const HotkeySetting& h : hotkeys)
        chosen.*h.stored = chosenHotkey(dlg, h.control);
    chosen.language = (int)SendDlgItemMessageW(dlg, IDC_LANGUAGE, CB_GETCURSEL, 0, 0) - 1;
    chosen.grid = checked(dlg, IDC_GRID) ? 1 : 0;
    chosen.colorFormat = (int)SendDlgItemMessageW(dlg, IDC_COLOR_FORMAT, CB_GETCURSEL, 0, 0);
    chosen.averageSize = 2 * (int)SendDlgItemMessageW(dlg, IDC_AVERAGE, CB_GETCURSEL, 0, 0) + 1;
    GetDlgItemTextW(dlg, IDC_SAVE_FOLDER, chosen.saveFolder, MAX_PATH);
    return writeSettings(iniPath, chosen, kToolWrites);
}

// Empty text, letters and numbers too long to convert are not translated.
static BOOL readInterval(HWND dlg, int* intervalMs) {
    BOOL translated = FALSE;
    *intervalMs = (int)GetDlgItemInt(dlg, IDC_INTERVAL, &translated, TRUE);
    return translated && *intervalMs >= kMinIntervalMs && *intervalMs <= kMaxIntervalMs;
}

static void showMessage(HWND dlg, const wchar_t* text, UINT icon) {
    MessageBoxW(dlg, text, texts().toolCaption, MB_OK | icon);
}

static BOOL isMagnifierRunning() {
    HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, kInstanceEventName);
    if (!event)
        return FALSE;
    // Held open, the event would make a restarted magnifier think another one runs.
    CloseHandle(event);
    return TRUE;
}

static BOOL CALLBACK matchMagnifierWindow(HWND window, LPARAM found) {
    if (!GetPropW(window, kMagnifierWindowProperty))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

static HWND waitForMagnifierWindow() {
    for (int poll = 0; poll < kWindowPolls && isMagnifierRunning(); ++poll) {
        HWND found = nullptr;
        EnumWindows(matchMagnifierWindow, reinterpret_cast<LPARAM>(&found));
        if (found)
            return found;
        Sleep(kWindowPollMs);
    }
    return nullptr;
}

// Its quit command writes its own keys on the way out; ours are written after, so they stay.
static BOOL closeMagnifier(HWND window, MagnifierStart* start) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    start->visible = IsWindowVisible(window);
    // The limited right is granted across bitness and to a magnifier running elevated.
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return FALSE;
    BOOL ended = FALSE;
    DWORD length = MAX_PATH;
    if (QueryFullProcessImageNameW(process, 0, start->exePath, &length)) {
        PostMessageW(window, WM_COMMAND, kQuitCommand, 0);
        ended = WaitForSingleObject(process, kCloseTimeoutMs) == WAIT_OBJECT_0;
    }
    CloseHandle(process);
    return ended;
}

// In the tool's current directory, the folder of the file. A hidden magnifier is started with
// a minimising show command, which sends it back to the notification area.
static BOOL startMagnifier(const MagnifierStart* magnifier) {
    wchar_t commandLine[MAX_PATH + 3];
    wsprintfW(commandLine, L"\"%s\"", magnifier->exePath);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = magnifier->visible ? SW_SHOWNORMAL : SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION started;
    if (!CreateProcessW(magnifier->exePath, commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
        return FALSE;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return TRUE;
}

// A save that failed is told, with the file and the reason; the dialog then stays open.
static BOOL reportSaved(HWND dlg, DWORD error) {
    if (error == 0)
        return TRUE;
    wchar_t message[1024];
    describeSaveFailure(message, ARRAYSIZE(message), iniPath, error);
    showMessage(dlg, message, MB_ICONERROR);
    return FALSE;
}

// Whether the file can be written at all, without changing it: a magnifier is only closed for
// a save that can succeed. 0, or the reason.
static DWORD settingsWriteError() {
    BOOL existed = GetFileAttributesW(iniPath) != INVALID_FILE_ATTRIBUTES;
    HANDLE file = CreateFileW(iniPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    CloseHandle(file);
    if (!existed)
        DeleteFileW(iniPath);  // Cancel must still leave no file behind
    return 0;
}

// Writes the settings, through a restart of a running magnifier. FALSE keeps the dialog open.
static BOOL applySettings(HWND dlg, int intervalMs) {
    const Texts& t = texts();
    if (!isMagnifierRunning())
        return reportSaved(dlg, saveSettings(dlg, intervalMs));
    HWND window = waitForMagnifierWindow();
    if (!window) {
        if (!reportSaved(dlg, saveSettings(dlg, intervalMs)))
            return FALSE;
        if (isMagnifierRunning())
            showMessage(dlg, t.savedForNextStart, MB_ICONINFORMATION);
        return TRUE;
    }
    if (!reportSaved(dlg, settingsWriteError()))
        return FALSE;
    MagnifierStart magnifier;
    if (!closeMagnifier(window, &magnifier)) {
        showMessage(dlg, t.closeFailed, MB_ICONWARNING);
        return FALSE;
    }
    BOOL saved = reportSaved(dlg, saveSettings(dlg, intervalMs));
    if (!startMagnifier(&magnifier))
        showMessage(dlg, t.restartFailed, MB_ICONWARNING);
    return saved;
}

static void showOkNote(HWND dlg) {
    const Texts& t = texts();
    SetDlgItemTextW(dlg, IDC_OK_NOTE, isMagnifierRunning() ? t.noteRunning : t.noteStopped);
}

static void setDialogIcon(HWND dlg, WPARAM which, int size) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QCONF), IMAGE_ICON,
                             size, size, 0);
    SendMessageW(dlg, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

// A text (at most 160 characters) with the refresh period's range, as the settings table has it.
static void withIntervalRange(wchar_t* text, const wchar_t* format) {
    wsprintfW(text, format, kMinIntervalMs, kMaxIntervalMs);
}

// The caption, every label and the language choice in the face in force.
static void showTexts(HWND dlg) {
    wchar_t unit[160];
    withIntervalRange(unit, texts().toolIntervalUnit);
    const Texts& t = texts();
    const struct {
        int control;
        const wchar_t* text;
    } labels[] = {{IDC_COLOR_LABEL, t.toolColor},
                  {IDC_COLOR_BUTTON, t.toolChooseColor},
                  {IDC_HOTKEY, t.toolHotkey},
                  {IDC_INTERVAL_LABEL, t.toolInterval},
                  {IDC_INTERVAL_UNIT, unit},
                  {IDC_INFO, t.toolInfo},
                  {IDC_FREEZE_LABEL, t.toolFreezeKey},
                  {IDC_COPY_LABEL, t.toolCopyKey},
                  {IDC_LANGUAGE_LABEL, t.toolLanguage},
                  {IDC_GRID, t.toolGrid},
                  {IDC_COLOR_FORMAT_LABEL, t.toolColorFormat},
                  {IDC_AVERAGE_LABEL, t.toolAverage},
                  {IDC_PICK_LABEL, t.toolPickKey},
                  {IDC_ANCHOR_LABEL, t.toolAnchorKey},
                  {IDC_SAVE_LABEL, t.toolSaveKey},
                  {IDC_SAVE_FOLDER_LABEL, t.toolSaveFolder},
                  {IDC_BROWSE, t.toolBrowse},
                  {IDOK, t.ok},
                  {IDCANCEL, t.cancel}};
    SetWindowTextW(dlg, t.toolCaption);
    for (const auto& label : labels)
        SetDlgItemTextW(dlg, label.control, label.text);
    HWND choice = GetDlgItem(dlg, IDC_LANGUAGE);
    for (const wchar_t* item : {t.toolAutomatic, kLanguageNames[0], kLanguageNames[1]})
        SendMessageW(choice, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (const wchar_t* item : kColorFormatNames)
        SendDlgItemMessageW(dlg, IDC_COLOR_FORMAT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (const wchar_t* item : t.toolAverageSizes)
        SendDlgItemMessageW(dlg, IDC_AVERAGE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendDlgItemMessageW(dlg, IDC_SAVE_FOLDER, EM_SETCUEBANNER, TRUE,
                        reinterpret_cast<LPARAM>(t.toolPicturesFolder));
}

// A key without Ctrl or Alt would be taken from every program (with Shift alone, its capital
// letter): the controls give it Ctrl instead.
static void refusePlainKeys(HWND dlg) {
    for (const HotkeySetting& h : hotkeys)
        SendDlgItemMessageW(dlg, h.control, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                            MAKELPARAM(HOTKEYF_CONTROL, 0));
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
    HBRUSH brush = CreateSolidBrush(settings.penColor);
    FillRect(item->hDC, &item->rcItem, brush);
    DeleteObject(brush);
    FrameRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return TRUE;
}

static INT_PTR onChooseColor(HWND dlg) {
    CHOOSECOLORW choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dlg;
    choose.rgbResult = settings.penColor;
    choose.lpCustColors = customColors;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorW(&choose)) {
        settings.penColor = choose.rgbResult & 0x00FFFFFF;
        InvalidateRect(GetDlgItem(dlg, IDC_COLOR_SWATCH), nullptr, TRUE);
    }
    return TRUE;
}

// A combination another program holds would be skipped at the magnifier's start: said once,
// when it is chosen or, as keys another program holds seldom reach the control, at OK. FALSE
// when it was said now.
static BOOL reportTakenHotkey(HWND dlg, HotkeySetting* h) {
    int chosen = chosenHotkey(dlg, h->control);
    if (!hotkeyKey(chosen) || chosen == settings.*h->stored || chosen == h->reported)
        return TRUE;
    const int probeId = 0x7000;
    if (RegisterHotKey(dlg, probeId, hotkeyModifiers(chosen), hotkeyKey(chosen))) {
        UnregisterHotKey(dlg, probeId);
        return TRUE;
    }
    h->reported = chosen;
    showMessage(dlg, texts().keyTaken, MB_ICONWARNING);
    return FALSE;
}

// Each key is said at most once; FALSE when one was said now.
static BOOL reportTakenHotkeys(HWND dlg) {
    for (HotkeySetting& h : hotkeys) {
        if (!reportTakenHotkey(dlg, &h))
            return FALSE;
    }
    return TRUE;
}

// One key can start one function only: the second registration would fail at the magnifier's
// start. Ctrl+Space shows and hides the magnifier while it is on. The control of the first key
// given twice, or 0.
static int hotkeyGivenTwice(HWND dlg) {
    const int ctrlSpace = MAKEWORD(VK_SPACE, HOTKEYF_CONTROL);
    for (int i = 0; i < (int)ARRAYSIZE(hotkeys); ++i) {
        int chosen = chosenHotkey(dlg, hotkeys[i].control);
        if (!hotkeyKey(chosen))
            continue;
        if (chosen == ctrlSpace && checked(dlg, IDC_HOTKEY))
            return hotkeys[i].control;
        for (int j = 0; j < i; ++j) {
            if (chosenHotkey(dlg, hotkeys[j].control) == chosen)
                return hotkeys[i].control;
        }
    }
    return 0;
}

static INT_PTR onHotkeyChange(HWND dlg, int control) {
    for (HotkeySetting& h : hotkeys) {
        if (h.control == control)
            reportTakenHotkey(dlg, &h);
    }
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
    browse.lpszTitle = texts().toolChooseFolder;
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
    showMessage(dlg, message, MB_ICONWARNING);
    HWND edit = GetDlgItem(dlg, control);
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

// The file is kept in the system's code page: a folder named with characters outside it would
// come back as another name.
static BOOL folderStorable(HWND dlg) {
    wchar_t folder[MAX_PATH];
    GetDlgItemTextW(dlg, IDC_SAVE_FOLDER, folder, MAX_PATH);
    BOOL lost = FALSE;
    char stored[2 * MAX_PATH];
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, folder, -1, stored, sizeof stored, nullptr,
                        &lost);
    return !lost;
}

static INT_PTR onOk(HWND dlg) {
    int intervalMs = 0;
    if (!readInterval(dlg, &intervalMs)) {
        wchar_t message[160];
        withIntervalRange(message, texts().intervalRange);
        refuse(dlg, IDC_INTERVAL, message);
    } else if (!folderStorable(dlg)) {
        refuse(dlg, IDC_SAVE_FOLDER, texts().toolFolderNotStorable);
    } else if (int control = hotkeyGivenTwice(dlg)) {
        refuse(dlg, control, texts().toolKeyTwice);
    } else if (reportTakenHotkeys(dlg) && applySettings(dlg, intervalMs)) {
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
        case IDC_FREEZE_KEY:
        case IDC_COPY_KEY:
        case IDC_PICK_KEY:
        case IDC_ANCHOR_KEY:
        case IDC_SAVE_KEY: return onHotkeyChange(dlg, LOWORD(wParam));
        default: return FALSE;
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    currentSettingsPath(iniPath);
    readSettings(iniPath, &settings);
    setLanguage(languageFor(settings.language, GetUserDefaultUILanguage()));
    // Registers the hot-key control's class of the common controls the manifest asks for.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_HOTKEY_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_QCONF), nullptr, setupDialogProc, 0);
    return 0;
}
