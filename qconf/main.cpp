// The magnifier's set-up tool: edits the crosshair colour, the Ctrl+Space hotkey and the
// refresh period in QILO.INI of the current directory. A running magnifier reads them only at
// start, so the tool closes it, writes, and starts it again.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <psapi.h>

#include "app/shared.h"
#include "res/qconf.h"

// The magnifier starts the tool in its own current directory: both use this one file.
static const char kIniPath[] = ".\\QILO.INI";
static const DWORD kCloseTimeoutMs = 10000;
// A magnifier that is starting or ending holds its event without a window for a moment.
static const int kWindowPolls = 20;
static const DWORD kWindowPollMs = 100;

static const char kNoteRunning[] =
    "拡大鏡は動作中です。OK で拡大鏡をいったん終了し、設定を保存してから起動し直します。";
static const char kNoteStopped[] =
    "OK で設定を QILO.INI に保存します。拡大鏡の次の起動から使われます。";

static COLORREF penColor;
static COLORREF customColors[16];

// The hot keys: their control, key and the value in the file (which a running magnifier holds,
// so it is no conflict), and the last combination reported as taken.
struct HotkeySetting {
    int control;
    const char* key;
    int stored;
    int reported;
};
static HotkeySetting hotkeys[] = {{IDC_FREEZE_KEY, "HK_FREEZE", 0, 0},
                                  {IDC_COPY_KEY, "HK_COPY", 0, 0}};

// What is needed to start a closed magnifier again as it was.
struct MagnifierStart {
    BOOL visible;
    char exePath[MAX_PATH];
};

static int readKey(const char* key, int defaultValue) {
    return (int)GetPrivateProfileIntA(kSettingsSection, key, defaultValue, kIniPath);
}

static void writeKey(const char* key, int value) {
    char text[16];
    wsprintfA(text, "%d", value);
    WritePrivateProfileStringA(kSettingsSection, key, text, kIniPath);
}

// Shows the values as the magnifier would use them.
static void loadSettings(HWND dlg) {
    penColor = (COLORREF)readKey("COLOR", kDefaultPenColor) & 0x00FFFFFF;
    BOOL hotkey = readKey("VK_SPACE", kDefaultHotkeyEnabled) != 0;
    CheckDlgButton(dlg, IDC_HOTKEY, hotkey ? BST_CHECKED : BST_UNCHECKED);
    int intervalMs = readKey("INT_TIME", kDefaultIntervalMs);
    SetDlgItemInt(dlg, IDC_INTERVAL, clampInt(intervalMs, kMinIntervalMs, kMaxIntervalMs), FALSE);
    CheckDlgButton(dlg, IDC_INFO, readKey("INFO", 0) != 0 ? BST_CHECKED : BST_UNCHECKED);
    for (HotkeySetting& h : hotkeys) {
        h.stored = readKey(h.key, 0) & 0xFFFF;
        SendDlgItemMessageA(dlg, h.control, HKM_SETHOTKEY, h.stored, 0);
    }
}

static int chosenHotkey(HWND dlg, int control) {
    return (int)(SendDlgItemMessageA(dlg, control, HKM_GETHOTKEY, 0, 0) & 0xFFFF);
}

static void saveSettings(HWND dlg, int intervalMs) {
    writeKey("COLOR", (int)penColor);
    writeKey("VK_SPACE", IsDlgButtonChecked(dlg, IDC_HOTKEY) == BST_CHECKED ? 1 : 0);
    writeKey("INT_TIME", intervalMs);
    writeKey("INFO", IsDlgButtonChecked(dlg, IDC_INFO) == BST_CHECKED ? 1 : 0);
    for (const HotkeySetting& h : hotkeys)
        writeKey(h.key, chosenHotkey(dlg, h.control));
}

// Empty text, letters and numbers too long to convert are not translated.
static BOOL readInterval(HWND dlg, int* intervalMs) {
    BOOL translated = FALSE;
    *intervalMs = (int)GetDlgItemInt(dlg, IDC_INTERVAL, &translated, TRUE);
    return translated && *intervalMs >= kMinIntervalMs && *intervalMs <= kMaxIntervalMs;
}

static void showMessage(HWND dlg, const char* text, UINT icon) {
    char title[64];
    GetWindowTextA(dlg, title, sizeof title);
    MessageBoxA(dlg, text, title, MB_OK | icon);
}

static BOOL isMagnifierRunning() {
    HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, kInstanceEventName);
    if (!event)
        return FALSE;
    // Held open, the event would make a restarted magnifier think another one runs.
    CloseHandle(event);
    return TRUE;
}

static BOOL CALLBACK matchMagnifierWindow(HWND window, LPARAM found) {
    if (!GetPropA(window, kMagnifierWindowProperty))
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
    HANDLE process =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process)
        return FALSE;
    BOOL ended = FALSE;
    if (GetModuleFileNameExA(process, nullptr, start->exePath, MAX_PATH)) {
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        ended = WaitForSingleObject(process, kCloseTimeoutMs) == WAIT_OBJECT_0;
    }
    CloseHandle(process);
    return ended;
}

// In the tool's current directory, the folder of the file. A hidden magnifier is started with
// a minimising show command, which sends it back to the notification area.
static BOOL startMagnifier(const MagnifierStart* magnifier) {
    char commandLine[MAX_PATH + 3];
    wsprintfA(commandLine, "\"%s\"", magnifier->exePath);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = magnifier->visible ? SW_SHOWNORMAL : SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION started;
    if (!CreateProcessA(magnifier->exePath, commandLine, nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
        return FALSE;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return TRUE;
}

// Writes the settings, through a restart of a running magnifier. FALSE keeps the dialog open.
static BOOL applySettings(HWND dlg, int intervalMs) {
    if (!isMagnifierRunning()) {
        saveSettings(dlg, intervalMs);
        return TRUE;
    }
    HWND window = waitForMagnifierWindow();
    if (!window) {
        saveSettings(dlg, intervalMs);
        if (isMagnifierRunning())
            showMessage(dlg, "設定を保存しました。拡大鏡の次の起動から使われます。",
                        MB_ICONINFORMATION);
        return TRUE;
    }
    MagnifierStart magnifier;
    if (!closeMagnifier(window, &magnifier)) {
        showMessage(dlg, "拡大鏡を終了できませんでした。設定は保存していません。", MB_ICONWARNING);
        return FALSE;
    }
    saveSettings(dlg, intervalMs);
    if (!startMagnifier(&magnifier))
        showMessage(dlg, "設定は保存しましたが、拡大鏡を起動し直せませんでした。", MB_ICONWARNING);
    return TRUE;
}

static void showOkNote(HWND dlg) {
    SetDlgItemTextA(dlg, IDC_OK_NOTE, isMagnifierRunning() ? kNoteRunning : kNoteStopped);
}

static void setDialogIcon(HWND dlg, WPARAM which, int size) {
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_QCONF), IMAGE_ICON,
                             size, size, 0);
    SendMessageA(dlg, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

static INT_PTR onInitDialog(HWND dlg) {
    setDialogIcon(dlg, ICON_BIG, GetSystemMetrics(SM_CXICON));
    setDialogIcon(dlg, ICON_SMALL, GetSystemMetrics(SM_CXSMICON));
    loadSettings(dlg);
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
    HBRUSH brush = CreateSolidBrush(penColor);
    FillRect(item->hDC, &item->rcItem, brush);
    DeleteObject(brush);
    FrameRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return TRUE;
}

static INT_PTR onChooseColor(HWND dlg) {
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dlg;
    choose.rgbResult = penColor;
    choose.lpCustColors = customColors;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorA(&choose)) {
        penColor = choose.rgbResult & 0x00FFFFFF;
        InvalidateRect(GetDlgItem(dlg, IDC_COLOR_SWATCH), nullptr, TRUE);
    }
    return TRUE;
}

// A combination another program holds would be skipped at the magnifier's start: said once,
// when it is chosen or, as keys another program holds seldom reach the control, at OK. FALSE
// when it was said now.
static BOOL reportTakenHotkey(HWND dlg, HotkeySetting* h) {
    int chosen = chosenHotkey(dlg, h->control);
    if (!hotkeyKey(chosen) || chosen == h->stored || chosen == h->reported)
        return TRUE;
    const int probeId = 0x7000;
    if (RegisterHotKey(dlg, probeId, hotkeyModifiers(chosen), hotkeyKey(chosen))) {
        UnregisterHotKey(dlg, probeId);
        return TRUE;
    }
    h->reported = chosen;
    showMessage(dlg, "このキーはほかのプログラムが使っています。拡大鏡はこのキーを登録できません。",
                MB_ICONWARNING);
    return FALSE;
}

static INT_PTR onHotkeyChange(HWND dlg, HotkeySetting* h) {
    reportTakenHotkey(dlg, h);
    return TRUE;
}

static INT_PTR onOk(HWND dlg) {
    int intervalMs = 0;
    if (!readInterval(dlg, &intervalMs)) {
        showMessage(dlg, "更新間隔は 10 から 10000 ミリ秒の間で入力してください。", MB_ICONWARNING);
        HWND edit = GetDlgItem(dlg, IDC_INTERVAL);
        SendMessageA(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
        SendMessageA(edit, EM_SETSEL, 0, -1);
    } else if (reportTakenHotkey(dlg, &hotkeys[0]) && reportTakenHotkey(dlg, &hotkeys[1]) &&
               applySettings(dlg, intervalMs)) {
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
        case IDC_FREEZE_KEY: return onHotkeyChange(dlg, &hotkeys[0]);
        case IDC_COPY_KEY: return onHotkeyChange(dlg, &hotkeys[1]);
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
    // Loads the common controls the manifest asks for, for the visual style.
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_QCONF), nullptr, setupDialogProc, 0);
    return 0;
}
