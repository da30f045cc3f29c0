#include <windows.h>

#include "common/texts.h"

static const Texts kJapaneseTexts = {
    L"ＱＦ拡大鏡",
    L" ＱＦ拡大鏡",
    {L"常に手前", L"十字を表示", L"サイズ固定", L"色反転", L"ドラック時も拡大", nullptr, L"枠設定",
     L"倍率設定", nullptr, L"初期設定ツール", L"ヘルプ", L"最小化", L"終了"},
    {L"枠無し", L"黒枠"},
    {L"倍率x 1", L"倍率x 1.5", L"倍率x 2", L"倍率x 3", L"倍率x 4", L"倍率x 5", L"倍率x 6",
     L"倍率x 7", L"倍率x 8", L"倍率x16"},
    {L"ヘルプ", L"元のｻｲｽﾞに戻す", nullptr, L"終了"},
    L"初期設定ツール (QConf.exe) を起動できませんでした。\n"
    L"QConf.exe を拡大鏡と同じフォルダーに置いてください。",
    L"設定を保存できませんでした。",
    L"エラー %lu",
    L"ＱＦ拡大鏡 ヘルプ",
    L"閉じる",
    L"■ 拡大表示\r\n"
    L"マウスカーソルの周りをこのウィンドウに拡大して表示します。「十字を表示」の十字線は"
    L"カーソルの位置を示します。画面の端では表示範囲が止まり、十字線がカーソルを追います。"
    L"モニターが複数あるときは、カーソルのあるモニターを拡大します。\r\n"
    L"ウィンドウの上でホイールを回すと倍率が変わります (奥へ回すと拡大)。\r\n\r\n"
    L"■ 色の表示・静止・コピー\r\n"
    L"初期設定ツールで「カーソルの位置と色を表示する」を選ぶと、カーソルの位置と色 (#RRGGBB) を"
    L"表示の隅に示します。静止キーを押すと表示が止まり、もう一度押すと動き出します。コピーキーを"
    L"押すと、カーソルの色 (#RRGGBB) と表示の画像をクリップボードに入れます。どちらのキーも"
    L"初期設定ツールで決めます。\r\n\r\n"
    L"■ ルーペ\r\n"
    L"次の機能は初期設定ツールで選びます。どれも最初はオフです。\r\n"
    L"ピックキー (HK_PICK): 押すとピックモードになり、矢印キーでカーソルを 1 ピクセルずつ "
    L"(Shift を押しながらなら 10 ピクセルずつ) 動かせます。Enter で色と表示の画像をコピーして"
    L"終わり、Esc で終わります。モードの間は表示に PICK と示します。\r\n"
    L"格子 (GRID): 6 倍以上で、ピクセルの境目に線を引き、カーソルの下のピクセルを枠で囲みます。"
    L"\r\n"
    L"基準点キー (HK_ANCHOR): カーソルの位置を基準点にします (同じ位置でもう一度押すと消えます)。"
    L"基準点からのずれ (dx, dy)、距離 (ピクセル) と、基準点の色と今の色のコントラスト比 "
    L"(例 4.53:1) を表示します。\r\n"
    L"色の書式 (COLOR_FORMAT): 表示とコピーの色を #RRGGBB、rgb(r, g, b)、hsl(h, s%, l%)、"
    L"r, g, b のどれで書くかを選びます。色の平均 (AVERAGE): 1×1、3×3、5×5 ピクセルの平均の色を"
    L"使います。\r\n"
    L"保存キー (HK_SAVE): 表示を、日付と時刻を名前にした PNG ファイルとして保存先 (SAVE_FOLDER、"
    L"空欄ならピクチャ フォルダー) に保存します。\r\n\r\n"
    L"■ 移動と大きさ\r\n"
    L"ウィンドウを左ボタンでドラッグすると移動します。「サイズ固定」を外すと、縁をドラッグして"
    L"大きさを変えられます。大きさは倍率に合わせてそろえられます。\r\n\r\n"
    L"■ 右クリックメニュー\r\n"
    L"常に手前: ほかのウィンドウより手前に表示します。\r\n"
    L"十字を表示: カーソルの位置に十字線を引きます。\r\n"
    L"サイズ固定: ウィンドウの大きさを固定します。\r\n"
    L"色反転: 色を反転して表示します。\r\n"
    L"ドラック時も拡大: ドラッグ中、ウィンドウの下にある画面を拡大します。\r\n"
    L"枠設定: 黒い枠の有無を選びます。\r\n"
    L"倍率設定: 1 倍から 16 倍までの倍率を選びます。\r\n"
    L"初期設定ツール: 十字線の色、Ctrl+Space、更新間隔を設定します (QConf.exe)。\r\n"
    L"ヘルプ: このヘルプを表示します。\r\n"
    L"最小化: 通知領域に隠します。\r\n"
    L"終了: 設定を保存して終了します。\r\n\r\n"
    L"■ 隠す・表示する\r\n"
    L"「最小化」か Ctrl+Space で通知領域に隠れます。通知領域のアイコンをクリックするか、"
    L"もう一度 Ctrl+Space を押すと元に戻ります。アイコンの右クリックメニューからも戻せます。"
    L"\r\n\r\n"
    L"■ 設定ファイル\r\n"
    L"設定は起動したフォルダーの QILO.INI に保存されます。位置、大きさ、倍率とメニューの選択は"
    L"終了するときに書き込まれます。\r\n\r\n"
    L"■ 初期設定ツール\r\n"
    L"十字線の色 (COLOR)、Ctrl+Space の有無 (VK_SPACE)、更新間隔 (INT_TIME)、位置と色の表示"
    L" (INFO)、静止キー (HK_FREEZE) とコピーキー (HK_COPY) "
    L"は初期設定ツールで変更できます。拡大鏡が動作中なら、ツールの OK "
    L"で拡大鏡は設定を読み直して起動し直します。",
    L"ＱＦ拡大鏡 初期設定",
    L"十字線の色:",
    L"色の選択...",
    L"Ctrl+Space で表示/非表示を切り替える",
    L"更新間隔:",
    L"ミリ秒 (%d～%d)",
    L"カーソルの位置と色を表示する",
    L"静止キー:",
    L"コピーキー:",
    L"表示言語:",
    L"自動",
    L"OK",
    L"キャンセル",
    L"拡大鏡は動作中です。OK で拡大鏡をいったん終了し、設定を保存してから起動し直します。",
    L"OK で設定を QILO.INI に保存します。拡大鏡の次の起動から使われます。",
    L"設定を保存しました。拡大鏡の次の起動から使われます。",
    L"拡大鏡を終了できませんでした。設定は保存していません。",
    L"設定は保存しましたが、拡大鏡を起動し直せませんでした。",
    L"このキーはほかのプログラムが使っています。拡大鏡はこのキーを登録できません。",
    L"更新間隔は %d から %d ミリ秒の間で入力してください。",
    L"表示を画像として保存できませんでした。",
    L"6 倍以上でピクセルの格子を表示する",
    L"色の書式:",
    L"色の平均:",
    {L"1×1 ピクセル", L"3×3 ピクセル", L"5×5 ピクセル"},
    L"ピックキー:",
    L"基準点キー:",
    L"保存キー:",
    L"保存先:",
    L"(ピクチャ フォルダー)",
    L"参照...",
    L"保存した画像を入れるフォルダーを選んでください。",
    L"このフォルダー名には、この Windows の QILO.INI に保存できない文字があります。"
    L"別のフォルダーを選んでください。",
    L"このキーはほかの機能にも使われています。別のキーを選んでください。",
};

static const Texts kEnglishTexts = {
    L"QF Magnifier",
    L"QF Magnifier",
    {L"Always on Top", L"Show Crosshair", L"Fixed Size", L"Invert Colors",
     L"Magnify While Dragging", nullptr, L"Frame", L"Zoom", nullptr, L"Settings...", L"Help",
     L"Minimize", L"Exit"},
    {L"No Frame", L"Black Frame"},
    {L"1x", L"1.5x", L"2x", L"3x", L"4x", L"5x", L"6x", L"7x", L"8x", L"16x"},
    {L"Help", L"Restore", nullptr, L"Exit"},
    L"The settings tool (QConf.exe) could not be started.\n"
    L"Put QConf.exe in the same folder as the magnifier.",
    L"The settings could not be saved.",
    L"Error %lu",
    L"QF Magnifier Help",
    L"Close",
    L"THE VIEW\r\n"
    L"This window shows the screen round the mouse cursor, enlarged. The crosshair of \"Show "
    L"Crosshair\" marks the cursor. At the edges of the screen the view stops and the crosshair "
    L"follows the cursor. With several monitors, the monitor under the cursor is magnified.\r\n"
    L"Turn the wheel over the window to change the zoom (away from you zooms in).\r\n\r\n"
    L"READOUT, FREEZE AND COPY\r\n"
    L"With \"Show the cursor's position and color\" chosen in the settings tool, the cursor's "
    L"position and color (#RRGGBB) show in a corner of the view. The freeze key holds the "
    L"view; pressed again, the view follows the screen again. The copy key puts the cursor's "
    L"color (#RRGGBB) and the view's image on the clipboard. Both keys are chosen in the "
    L"settings tool.\r\n\r\n"
    L"THE LOUPE\r\n"
    L"These are chosen in the settings tool; all are off at first.\r\n"
    L"Pick key (HK_PICK): starts pick mode, in which the arrow keys move the cursor by one pixel "
    L"(with Shift by ten). Enter copies the color and the view and ends the mode; Esc ends it. "
    L"The view shows PICK meanwhile.\r\n"
    L"Pixel grid (GRID): from 6x up, a line between the pixels, and the pixel under the cursor "
    L"framed.\r\n"
    L"Anchor key (HK_ANCHOR): sets an anchor at the cursor (pressed again there, removes it). The "
    L"view then shows the offset from it (dx, dy), the distance in pixels and the contrast ratio "
    L"of its color and the current one (e.g. 4.53:1).\r\n"
    L"Color format (COLOR_FORMAT): the view and the copy write colors as #RRGGBB, rgb(r, g, b), "
    L"hsl(h, s%, l%) or r, g, b. Average over (AVERAGE): the color is the mean of 1 x 1, 3 x 3 "
    L"or 5 x 5 pixels.\r\n"
    L"Save key (HK_SAVE): saves the view as a PNG file named with the date and time, in the "
    L"folder chosen (SAVE_FOLDER; empty: the Pictures folder).\r\n\r\n"
    L"MOVING AND RESIZING\r\n"
    L"Drag the window with the left button to move it. With \"Fixed Size\" off, drag its edges "
    L"to resize it; the size is matched to the zoom.\r\n\r\n"
    L"THE RIGHT-CLICK MENU\r\n"
    L"Always on Top: keeps the window above other windows.\r\n"
    L"Show Crosshair: draws a crosshair at the cursor.\r\n"
    L"Fixed Size: keeps the window's size.\r\n"
    L"Invert Colors: shows the colors inverted.\r\n"
    L"Magnify While Dragging: while you drag the window, magnifies the screen beneath it.\r\n"
    L"Frame: with or without a black frame.\r\n"
    L"Zoom: from 1x to 16x.\r\n"
    L"Settings...: the crosshair color, Ctrl+Space, the refresh period and more (QConf.exe)."
    L"\r\n"
    L"Help: shows this help.\r\n"
    L"Minimize: hides the window in the notification area.\r\n"
    L"Exit: saves the settings and quits.\r\n\r\n"
    L"HIDING AND SHOWING\r\n"
    L"\"Minimize\" or Ctrl+Space hides the window in the notification area. Click the icon "
    L"there, or press Ctrl+Space again, to bring it back. The icon's right-click menu brings it "
    L"back too.\r\n\r\n"
    L"THE SETTINGS FILE\r\n"
    L"The settings are kept in QILO.INI in the folder the magnifier was started in. The "
    L"position, size, zoom and the menus' choices are written when it quits; when the file "
    L"cannot be written, a message says so.\r\n\r\n"
    L"THE SETTINGS TOOL\r\n"
    L"The crosshair color (COLOR), Ctrl+Space (VK_SPACE), the refresh period (INT_TIME), the "
    L"position and color readout (INFO), the freeze key (HK_FREEZE), the copy key (HK_COPY) "
    L"and the language (LANGUAGE) are changed in the settings tool. When the magnifier is "
    L"running, the tool's OK starts it again with the new settings.",
    L"QF Magnifier Settings",
    L"Crosshair color:",
    L"Choose...",
    L"Show and hide with Ctrl+Space",
    L"Refresh every:",
    L"ms (%d to %d)",
    L"Show the cursor's position and color",
    L"Freeze key:",
    L"Copy key:",
    L"Language:",
    L"Automatic",
    L"OK",
    L"Cancel",
    L"The magnifier is running. OK closes it, saves the settings and starts it again.",
    L"OK saves the settings in QILO.INI. The magnifier uses them from its next start.",
    L"The settings were saved. The magnifier uses them from its next start.",
    L"The magnifier could not be closed. The settings were not saved.",
    L"The settings were saved, but the magnifier could not be started again.",
    L"Another program uses this key. The magnifier cannot register it.",
    L"Enter a refresh period from %d to %d milliseconds.",
    L"The view could not be saved as a picture.",
    L"Show a pixel grid from 6x up",
    L"Color format:",
    L"Average over:",
    {L"1 x 1 pixel", L"3 x 3 pixels", L"5 x 5 pixels"},
    L"Pick key:",
    L"Anchor key:",
    L"Save key:",
    L"Save to:",
    L"(the Pictures folder)",
    L"Browse...",
    L"Choose the folder for the saved pictures.",
    L"The folder's name has characters that QILO.INI cannot keep on this Windows. Choose "
    L"another folder.",
    L"This key is already given to another of the magnifier's functions. Choose another key.",
};

static Language language = kJapanese;

int namedLanguage(const wchar_t* setting) {
    for (int i = 0; i < 2; ++i) {
        if (lstrcmpiW(setting, kLanguageCodes[i]) == 0)
            return i;
    }
    return -1;
}

Language languageFor(int named, LANGID userLanguage) {
    if (named == kJapanese || named == kEnglish)
        return (Language)named;
    return PRIMARYLANGID(userLanguage) == LANG_JAPANESE ? kJapanese : kEnglish;
}

void setLanguage(Language chosen) {
    language = chosen;
}

const Texts& textsOf(Language which) {
    return which == kEnglish ? kEnglishTexts : kJapaneseTexts;
}

const Texts& texts() {
    return textsOf(language);
}
