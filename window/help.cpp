#include <windows.h>

#include "window/help.h"

#include "res/resource.h"

static const char kHelpFile[] = "Qilo.hlp";

static const char kHelpText[] =
    "■ 拡大表示\r\n"
    "マウスカーソルの周りをこのウィンドウに拡大して表示します。「十字を表示」の十字線は"
    "カーソルの位置を示します。画面の端では表示範囲が止まり、十字線がカーソルを追います。"
    "モニターが複数あるときは、カーソルのあるモニターを拡大します。\r\n"
    "ウィンドウの上でホイールを回すと倍率が変わります (奥へ回すと拡大)。\r\n\r\n"
    "■ 色の表示・静止・コピー\r\n"
    "初期設定ツールで「カーソルの位置と色を表示する」を選ぶと、カーソルの位置と色 (#RRGGBB) を"
    "表示の隅に示します。静止キーを押すと表示が止まり、もう一度押すと動き出します。コピーキーを"
    "押すと、カーソルの色 (#RRGGBB) と表示の画像をクリップボードに入れます。どちらのキーも"
    "初期設定ツールで決めます。\r\n\r\n"
    "■ 移動と大きさ\r\n"
    "ウィンドウを左ボタンでドラッグすると移動します。「サイズ固定」を外すと、縁をドラッグして"
    "大きさを変えられます。大きさは倍率に合わせてそろえられます。\r\n\r\n"
    "■ 右クリックメニュー\r\n"
    "常に手前: ほかのウィンドウより手前に表示します。\r\n"
    "十字を表示: カーソルの位置に十字線を引きます。\r\n"
    "サイズ固定: ウィンドウの大きさを固定します。\r\n"
    "色反転: 色を反転して表示します。\r\n"
    "ドラック時も拡大: ドラッグ中、ウィンドウの下にある画面を拡大します。\r\n"
    "枠設定: 黒い枠の有無を選びます。\r\n"
    "倍率設定: 1 倍から 16 倍までの倍率を選びます。\r\n"
    "初期設定ツール: 十字線の色、Ctrl+Space、更新間隔を設定します (QConf.exe)。\r\n"
    "ヘルプ: このヘルプを表示します。\r\n"
    "最小化: 通知領域に隠します。\r\n"
    "終了: 設定を保存して終了します。\r\n\r\n"
    "■ 隠す・表示する\r\n"
    "「最小化」か Ctrl+Space で通知領域に隠れます。通知領域のアイコンをクリックするか、"
    "もう一度 Ctrl+Space を押すと元に戻ります。アイコンの右クリックメニューからも戻せます。"
    "\r\n\r\n"
    "■ 設定ファイル\r\n"
    "設定は起動したフォルダーの QILO.INI に保存されます。位置、大きさ、倍率とメニューの選択は"
    "終了するときに書き込まれます。\r\n\r\n"
    "■ 初期設定ツール\r\n"
    "十字線の色 (COLOR)、Ctrl+Space の有無 (VK_SPACE)、更新間隔 (INT_TIME)、位置と色の表示"
    " (INFO)、静止キー (HK_FREEZE) とコピーキー (HK_COPY) "
    "は初期設定ツールで変更できます。拡大鏡が動作中なら、ツールの OK "
    "で拡大鏡は設定を読み直して起動し直します。";

static HWND helpWindow;

static INT_PTR onHelpInit(HWND dlg) {
    SetDlgItemTextA(dlg, IDC_HELP_TEXT, kHelpText);
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

static BOOL helpFilePresent() {
    DWORD attributes = GetFileAttributesA(kHelpFile);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The help window is modeless and owned by the magnifier: the view goes on following the
// cursor while it is open, and it closes with the magnifier.
void openHelp(HWND window) {
    if (helpFilePresent()) {
        WinHelpA(window, kHelpFile, HELP_FORCEFILE, 0);
        return;
    }
    if (!helpWindow)
        helpWindow = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_HELP),
                                        window, helpDialogProc, 0);
    ShowWindow(helpWindow, SW_SHOW);
    SetForegroundWindow(helpWindow);
}

BOOL isHelpMessage(MSG* msg) {
    return helpWindow && IsDialogMessageA(helpWindow, msg);
}
