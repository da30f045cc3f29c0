#include <windows.h>

#include "common/texts.h"

struct TextRow {
    TextId id;
    const wchar_t* japanese;
    const wchar_t* english;
};

// clang-format off
static constexpr TextRow kTexts[] = {
    {kDisplayName, L"ＱＦ拡大鏡", L"QF Magnifier"},
    {kNoIconTitle, L" ＱＦ拡大鏡", L"QF Magnifier"},
    {kMenuAlwaysOnTop, L"常に手前", L"Always on Top"},
    {kMenuCrosshair, L"十字を表示", L"Show Crosshair"},
    {kMenuFixedSize, L"サイズ固定", L"Fixed Size"},
    {kMenuInvert, L"色反転", L"Invert Colors"},
    {kMenuSeeThrough, L"ドラック時も拡大", L"Magnify While Dragging"},
    {kMenuExcludeSelf, L"自分を映さない", L"Leave Out Own Window"},
    {kMenuSmooth, L"なめらかに拡大", L"Smooth Scaling"},
    {kMenuLens, L"カーソルに付いて動く", L"Move With Cursor"},
    {kMenuFrame, L"枠設定", L"Frame"},
    {kMenuZoom, L"倍率設定", L"Zoom"},
    {kMenuFilter, L"色フィルター", L"Color Filter"},
    {kMenuSettings, L"初期設定ツール", L"Settings..."},
    {kMenuHelp, L"ヘルプ", L"Help"},
    {kMenuMinimize, L"最小化", L"Minimize"},
    {kMenuExit, L"終了", L"Exit"},
    {kMenuNoFrame, L"枠無し", L"No Frame"},
    {kMenuBlackFrame, L"黒枠", L"Black Frame"},
    {kMenuFilterNone, L"なし", L"None"},
    {kMenuGreyscale, L"グレースケール", L"Grayscale"},
    {kMenuProtanopia, L"1 型 (赤)", L"Protanopia"},
    {kMenuDeuteranopia, L"2 型 (緑)", L"Deuteranopia"},
    {kMenuTritanopia, L"3 型 (青)", L"Tritanopia"},
    {kMenuZoom1, L"倍率x 1", L"1x"},
    {kMenuZoom1_5, L"倍率x 1.5", L"1.5x"},
    {kMenuZoom2, L"倍率x 2", L"2x"},
    {kMenuZoom3, L"倍率x 3", L"3x"},
    {kMenuZoom4, L"倍率x 4", L"4x"},
    {kMenuZoom5, L"倍率x 5", L"5x"},
    {kMenuZoom6, L"倍率x 6", L"6x"},
    {kMenuZoom7, L"倍率x 7", L"7x"},
    {kMenuZoom8, L"倍率x 8", L"8x"},
    {kMenuZoom16, L"倍率x16", L"16x"},
    {kMenuRestore, L"元のｻｲｽﾞに戻す", L"Restore"},
    {kSetupToolMissing,
     L"初期設定ツール (QConf.exe) を起動できませんでした。\n"
     L"QConf.exe を拡大鏡と同じフォルダーに置いてください。",
     L"The settings tool (QConf.exe) could not be started.\n"
     L"Put QConf.exe in the same folder as the magnifier."},
    {kSaveFailed, L"設定を保存できませんでした。", L"The settings could not be saved."},
    {kErrorNumber, L"エラー %lu", L"Error %lu"},
    {kHelpCaption, L"ＱＦ拡大鏡 ヘルプ", L"QF Magnifier Help"},
    {kHelpClose, L"閉じる", L"Close"},
    {kHelpVersion, L"ＱＦ拡大鏡 (Qilo) バージョン %s", L"QF Magnifier (Qilo) version %s"},
    {kHelpText,
     L"■ 拡大表示\r\n"
     L"マウスカーソルの周りをこのウィンドウに拡大して表示します。「十字を表示」の十字線は"
     L"カーソルの位置を示します。画面の端では表示範囲が止まり、十字線がカーソルを追います。"
     L"モニターが複数あるときは、カーソルのあるモニターを拡大します。\r\n"
     L"初期設定ツールで「文字カーソルとキーボード フォーカスを追う」(FOLLOW_FOCUS) を選ぶと、"
     L"文字を入力したり矢印キーで動かしたりして文字カーソルが動くと、その位置を拡大します。"
     L"文字カーソルのないボタンなどにフォーカスが移ると、その部品を拡大します。マウスを動かすと、"
     L"ふたたびマウスカーソルの周りを拡大します。\r\n"
     L"初期設定ツールで「マウス ポインターを表示に映す」(POINTER) を選ぶと、マウス ポインターの"
     L"形を拡大して、カーソルの位置に描きます。ポインターが隠れている間は描きません。\r\n"
     L"ウィンドウの上でホイールを回すと倍率が変わります (奥へ回すと拡大)。\r\n"
     L"拡大キー (HK_ZOOM_IN): 押すたびに倍率を 1 段上げます (16 倍で止まります)。\r\n"
     L"縮小キー (HK_ZOOM_OUT): 押すたびに倍率を 1 段下げます (1 倍で止まります)。どちらのキーも"
     L"初期設定ツールで決めます。\r\n\r\n"
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
     L"(例 4.53:1) を表示します。拡大率が 100% でないモニターでは、距離をそのモニターの論理ピクセル "
     L"(例 113.33dip) でも示します。\r\n"
     L"色の書式 (COLOR_FORMAT): 表示とコピーの色を #RRGGBB、rgb(r, g, b)、hsl(h, s%, l%)、"
     L"r, g, b、CSS Color 4 の oklch(l% c h)、lab(l a b) (D50 基準) のどれで書くかを選びます。"
     L"HDR や広色域がオンのモニターでは、画面から読める色がトーン マッピング後の値になるため、"
     L"色の前に ~ を付けて近い値であることを示します。"
     L"色の平均 (AVERAGE): 1×1、3×3、5×5 ピクセルの平均の色を使います。\r\n"
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
     L"自分を映さない: このウィンドウを画面の取り込みから除き、その下にあるものを拡大します "
     L"(EXCLUDE_SELF)。このウィンドウはスクリーンショットや画面共有にも映らなくなります。"
     L"Windows 10 バージョン 2004 以降で働きます。\r\n"
     L"なめらかに拡大: ピクセルの境目をぼかしてつなぎ、文字をなめらかに表示します (SMOOTH)。"
     L"この間はピクセルの格子と枠を描きません。位置と色の表示は画面のピクセルそのものを読みます。"
     L"\r\n"
     L"カーソルに付いて動く: ウィンドウがカーソルに付いて動きます (LENS、下の「■ カーソルに付いて"
     L"動く (レンズ)」)。通知領域のアイコンのメニューにもあります。\r\n"
     L"枠設定: 黒い枠の有無を選びます。\r\n"
     L"倍率設定: 1 倍から 16 倍までの倍率を選びます。\r\n"
     L"色フィルター: 表示をグレースケールで、または 1 型 (赤)、2 型 (緑)、3 型 (青) の色覚で"
     L"見える色で示します (FILTER)。位置と色の表示、コピーする色とコントラスト比は画面の"
     L"そのままの色です。フィルターの間は表示に grey、protan、deutan、tritan と示します。\r\n"
     L"初期設定ツール: 十字線の色、Ctrl+Space、更新間隔を設定します (QConf.exe)。\r\n"
     L"ヘルプ: このヘルプを表示します。\r\n"
     L"最小化: 通知領域に隠します。\r\n"
     L"終了: 設定を保存して終了します。\r\n\r\n"
     L"■ 隠す・表示する\r\n"
     L"「最小化」か Ctrl+Space で通知領域に隠れます。通知領域のアイコンをクリックするか、"
     L"もう一度 Ctrl+Space を押すと元に戻ります。アイコンの右クリックメニューからも戻せます。"
     L"\r\n\r\n"
     L"■ カーソルに付いて動く (レンズ)\r\n"
     L"「カーソルに付いて動く」(LENS) を選ぶと、ウィンドウがカーソルに付いて動き、拡大している範囲の"
     L"すぐ右下に並びます。モニターの作業領域の端では反対側 (左や上) に移り、いつもカーソルのある"
     L"モニターの中に収まって、拡大している範囲を隠しません。範囲を避ける場所がモニターにないとき "
     L"(1 倍や 1.5 倍、大きなウィンドウ) は、モニターの中にとどまって範囲に重なります。そのときも"
     L"「自分を映さない」(EXCLUDE_SELF) がオンなら、表示にこのウィンドウは映りません。\r\n"
     L"この間、クリックとホイールはウィンドウを通り抜けて下のウィンドウに届くので、ウィンドウの"
     L"右クリックメニューは開けません。メニューは通知領域のアイコンから開きます。レンズキー "
     L"(HK_LENS、初期設定ツールで決めます) でもオンとオフを切り替えられます。アイコンもレンズキーも"
     L"ないときはオフに戻す手段がないので、ウィンドウは今の場所にとどまります。オフにすると元の位置に"
     L"戻ります。QILO.INI にはいつもこの元の位置が保存されます。\r\n"
     L"静止キーで表示を止めるとウィンドウも止まり、ピックモードの矢印キーでカーソルを動かすと"
     L"ウィンドウも付いて動きます。文字カーソルを追っている間は、文字カーソルの周りの範囲の横に"
     L"並びます。\r\n\r\n"
     L"■ 設定ファイル\r\n"
     L"設定は起動したフォルダーの QILO.INI に保存されます。位置、大きさ、倍率とメニューの選択は"
     L"終了するときに書き込まれます。\r\n\r\n"
     L"■ 初期設定ツール\r\n"
     L"十字線の色 (COLOR)、Ctrl+Space の有無 (VK_SPACE)、更新間隔 (INT_TIME)、位置と色の表示"
     L" (INFO)、静止キー (HK_FREEZE) とコピーキー (HK_COPY) "
     L"は初期設定ツールで変更できます。拡大鏡が動作中なら、ツールの OK "
     L"で拡大鏡は設定を読み直して起動し直します。",
     L"THE VIEW\r\n"
     L"This window shows the screen round the mouse cursor, enlarged. The crosshair of \"Show "
     L"Crosshair\" marks the cursor. At the edges of the screen the view stops and the crosshair "
     L"follows the cursor. With several monitors, the monitor under the cursor is magnified.\r\n"
     L"With \"Follow the text cursor and keyboard focus\" (FOLLOW_FOCUS) chosen in the settings "
     L"tool, the view moves to the text cursor as you type or move it with the arrow keys, and to "
     L"a button or any other control without a text cursor when the keyboard focus moves there. "
     L"Moving the mouse brings the view back to the mouse cursor.\r\n"
     L"With \"Show the mouse pointer in the view\" (POINTER) chosen in the settings tool, the "
     L"mouse pointer's image is drawn into the view, enlarged, at the cursor; none while the "
     L"pointer is hidden.\r\n"
     L"Turn the wheel over the window to change the zoom (away from you zooms in).\r\n"
     L"Zoom in key (HK_ZOOM_IN): each press zooms in by one step of the zoom menu, stopping at "
     L"16x.\r\n"
     L"Zoom out key (HK_ZOOM_OUT): each press zooms out by one step, stopping at 1x. Both keys are "
     L"chosen in the settings tool.\r\n\r\n"
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
     L"of its color and the current one (e.g. 4.53:1). On a monitor scaled other than 100 %, the "
     L"distance is also given in its logical pixels (e.g. 113.33dip).\r\n"
     L"Color format (COLOR_FORMAT): the view and the copy write colors as #RRGGBB, rgb(r, g, b), "
     L"hsl(h, s%, l%), r, g, b, or CSS Color 4's oklch(l% c h) and lab(l a b) (relative to D50). "
     L"On a monitor with HDR or wide color on, the screen reads as tone-mapped values, so the "
     L"color is marked ~ as near, not exact. "
     L"Average over (AVERAGE): the color is the mean of 1 x 1, 3 x 3 "
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
     L"Leave Out Own Window: leaves this window out of screen captures, so that the view shows "
     L"what lies beneath it (EXCLUDE_SELF). The window then also leaves screenshots and screen "
     L"sharing. It works from Windows 10 version 2004 on.\r\n"
     L"Smooth Scaling: blends the enlarged pixels into each other, so that text reads smoothly "
     L"instead of in blocks (SMOOTH). The pixel grid and the outline are not drawn meanwhile; the "
     L"readout still reads the screen's own pixel.\r\n"
     L"Move With Cursor: the window travels with the cursor (LENS; see MOVE WITH CURSOR below). The "
     L"icon's menu has it too.\r\n"
     L"Frame: with or without a black frame.\r\n"
     L"Zoom: from 1x to 16x.\r\n"
     L"Color Filter: shows the view in grayscale, or as seen with protanopia, deuteranopia or "
     L"tritanopia (FILTER). The readout, the copied color and the contrast ratio keep the "
     L"screen's own colors; the readout names the filter (grey, protan, deutan, tritan).\r\n"
     L"Settings...: the crosshair color, Ctrl+Space, the refresh period and more (QConf.exe)."
     L"\r\n"
     L"Help: shows this help.\r\n"
     L"Minimize: hides the window in the notification area.\r\n"
     L"Exit: saves the settings and quits.\r\n\r\n"
     L"HIDING AND SHOWING\r\n"
     L"\"Minimize\" or Ctrl+Space hides the window in the notification area. Click the icon "
     L"there, or press Ctrl+Space again, to bring it back. The icon's right-click menu brings it "
     L"back too.\r\n\r\n"
     L"MOVE WITH CURSOR (THE LENS)\r\n"
     L"With \"Move With Cursor\" (LENS) on, the window travels with the mouse cursor, just below "
     L"and to the right of the area it magnifies. At the edges of the monitor's work area it goes "
     L"to the other side (left or above), so that it stays wholly on the cursor's monitor and "
     L"never covers what it shows. Where no place on the monitor is free of that area (at 1x or "
     L"1.5x, or with a large window), it stays on the monitor over it; with \"Leave Out Own "
     L"Window\" (EXCLUDE_SELF) on, the view still shows nothing of the window.\r\n"
     L"Meanwhile clicks and the wheel pass through the window to the windows beneath, so its "
     L"right-click menu cannot be opened: open the menus from the notification icon. The lens key "
     L"(HK_LENS, chosen in the settings tool) turns it on and off too. Without the icon and "
     L"without that key nothing could turn it off again, so the window then stays where it is. "
     L"Turned off, it goes back to where it was; QILO.INI always keeps that place.\r\n"
     L"A view held with the freeze key holds the window too; pick mode's arrow keys move it with "
     L"the cursor; while the view follows the text cursor, the window goes beside the area round "
     L"the text cursor.\r\n\r\n"
     L"THE SETTINGS FILE\r\n"
     L"The settings are kept in QILO.INI in the folder the magnifier was started in. The "
     L"position, size, zoom and the menus' choices are written when it quits; when the file "
     L"cannot be written, a message says so.\r\n\r\n"
     L"THE SETTINGS TOOL\r\n"
     L"The crosshair color (COLOR), Ctrl+Space (VK_SPACE), the refresh period (INT_TIME), the "
     L"position and color readout (INFO), the freeze key (HK_FREEZE), the copy key (HK_COPY) "
     L"and the language (LANGUAGE) are changed in the settings tool. When the magnifier is "
     L"running, the tool's OK starts it again with the new settings."},
    {kToolCaption, L"ＱＦ拡大鏡 初期設定", L"QF Magnifier Settings"},
    {kToolColor, L"十字線の色:", L"Crosshair color:"},
    {kToolChooseColor, L"色の選択...", L"Choose..."},
    {kToolHotkey, L"Ctrl+Space で表示/非表示を切り替える", L"Show and hide with Ctrl+Space"},
    {kToolInterval, L"更新間隔:", L"Refresh every:"},
    {kToolIntervalUnit, L"ミリ秒 (%d～%d)", L"ms (%d to %d)"},
    {kToolInfo, L"カーソルの位置と色を表示する", L"Show the cursor's position and color"},
    {kToolFreezeKey, L"静止キー:", L"Freeze key:"},
    {kToolCopyKey, L"コピーキー:", L"Copy key:"},
    {kToolLanguage, L"表示言語:", L"Language:"},
    {kToolAutomatic, L"自動", L"Automatic"},
    {kOk, L"OK", L"OK"},
    {kCancel, L"キャンセル", L"Cancel"},
    {kNoteRunning,
     L"拡大鏡は動作中です。OK で拡大鏡をいったん終了し、設定を保存してから起動し直します。",
     L"The magnifier is running. OK closes it, saves the settings and starts it again."},
    {kNoteStopped,
     L"OK で設定を QILO.INI に保存します。拡大鏡の次の起動から使われます。",
     L"OK saves the settings in QILO.INI. The magnifier uses them from its next start."},
    {kSavedForNextStart,
     L"設定を保存しました。拡大鏡の次の起動から使われます。",
     L"The settings were saved. The magnifier uses them from its next start."},
    {kCloseFailed,
     L"拡大鏡を終了できませんでした。設定は保存していません。",
     L"The magnifier could not be closed. The settings were not saved."},
    {kMagnifierUnreachable,
     L"拡大鏡が管理者として、または別のユーザーで実行されているため、初期設定ツールから終了できません。"
     L"設定は保存していません。先に拡大鏡を終了するか、初期設定ツールを管理者として実行してください。",
     L"The magnifier runs as administrator or as another user, so the settings tool cannot close "
     L"it. The settings were not saved. Quit the magnifier first, or run the settings tool as "
     L"administrator."},
    {kRestartFailed,
     L"設定は保存しましたが、拡大鏡を起動し直せませんでした。",
     L"The settings were saved, but the magnifier could not be started again."},
    {kKeyTaken,
     L"このキーはほかのプログラムが使っています。拡大鏡はこのキーを登録できません。",
     L"Another program uses this key. The magnifier cannot register it."},
    {kIntervalRange,
     L"更新間隔は %d から %d ミリ秒の間で入力してください。",
     L"Enter a refresh period from %d to %d milliseconds."},
    {kPictureSaveFailed, L"表示を画像として保存できませんでした。", L"The view could not be saved as a picture."},
    {kToolGrid, L"6 倍以上でピクセルの格子を表示する", L"Show a pixel grid from 6x up"},
    {kToolColorFormat, L"色の書式:", L"Color format:"},
    {kToolAverage, L"色の平均:", L"Average over:"},
    {kToolAverage1, L"1×1 ピクセル", L"1 x 1 pixel"},
    {kToolAverage3, L"3×3 ピクセル", L"3 x 3 pixels"},
    {kToolAverage5, L"5×5 ピクセル", L"5 x 5 pixels"},
    {kToolPickKey, L"ピックキー:", L"Pick key:"},
    {kToolAnchorKey, L"基準点キー:", L"Anchor key:"},
    {kToolSaveKey, L"保存キー:", L"Save key:"},
    {kToolZoomInKey, L"拡大キー:", L"Zoom in key:"},
    {kToolZoomOutKey, L"縮小キー:", L"Zoom out key:"},
    {kToolSaveFolder, L"保存先:", L"Save to:"},
    {kToolPicturesFolder, L"(ピクチャ フォルダー)", L"(the Pictures folder)"},
    {kToolBrowse, L"参照...", L"Browse..."},
    {kToolChooseFolder,
     L"保存した画像を入れるフォルダーを選んでください。",
     L"Choose the folder for the saved pictures."},
    {kToolFolderNotStorable,
     L"このフォルダー名には、この Windows の QILO.INI に保存できない文字があります。"
     L"別のフォルダーを選んでください。",
     L"The folder's name has characters that QILO.INI cannot keep on this Windows. Choose "
     L"another folder."},
    {kToolKeyTwice,
     L"このキーはほかの機能にも使われています。別のキーを選んでください。",
     L"This key is already given to another of the magnifier's functions. Choose another key."},
    {kToolFollowFocus, L"文字カーソルとキーボード フォーカスを追う", L"Follow the text cursor and keyboard focus"},
    {kToolExcludeSelf, L"拡大鏡のウィンドウを表示に映さない", L"Leave the magnifier's window out of the view"},
    {kToolSmooth, L"なめらかに拡大する (ピクセルをぼかしてつなぐ)", L"Smooth the view (pixels blended, not blocks)"},
    {kToolPointer, L"マウス ポインターを表示に映す", L"Show the mouse pointer in the view"},
    {kToolLens, L"ウィンドウをカーソルに付いて動かす (レンズ)", L"Move the window with the cursor (a lens)"},
    {kToolLensKey, L"レンズキー:", L"Lens key:"},
    {kToolFilter, L"色フィルター:", L"Color filter:"},
};
// clang-format on

static constexpr bool rowsInOrder() {
    for (int i = 0; i < kTextCount; ++i) {
        if (kTexts[i].id != i || !kTexts[i].japanese || !kTexts[i].english)
            return false;
    }
    return true;
}
static_assert(ARRAYSIZE(kTexts) == kTextCount, "a row for every text");
static_assert(rowsInOrder(), "the rows in the order of their ids, each in both faces");

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

const wchar_t* textIn(Language which, TextId id) {
    const TextRow& row = kTexts[id];
    return which == kEnglish ? row.english : row.japanese;
}

const wchar_t* text(TextId id) {
    return textIn(language, id);
}
