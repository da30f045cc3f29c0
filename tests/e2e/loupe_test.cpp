// The loupe: pick mode, the anchor and measure, saving as PNG.
#include "tests/e2e/steps.h"

// Whether another program can register the key now.
static Step keyFree(WORD vk, UINT modifiers = 0) {
    return Step(__func__, shown(vk, modifiers), 2000, [=] { return keyIsFree(vk, modifiers); });
}

static Step keyTaken(WORD vk, UINT modifiers = 0) {
    return Step(__func__, shown(vk, modifiers), 2000, [=] { return !keyIsFree(vk, modifiers); });
}

// How many PNG files the scenario's directory's folder holds.
enum PictureNames { kAnyName, kNamedWithoutNumber };

// The PNG files in the folder that are not empty, of the names asked for.
static int picturesIn(const std::wstring& folder, PictureNames names) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.png").c_str(), &found);
    int count = 0;
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
        count += found.nFileSizeLow > 0 &&
                 !(names == kNamedWithoutNumber && wcschr(found.cFileName, L'('));
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return count;
}

static Step picturesSaved(const char* folder, int count, PictureNames names = kAnyName) {
    return Step(__func__, shown(folder, count, names), 3000,
                [=] { return picturesIn(dir + L"\\" + widen(folder), names) == count; });
}

// The names pictures saved in the folder in the next seconds would take are taken: the plain
// one, and those with " (2)" up to " (numbers)".
static Step pictureNamesTaken(const char* folder, int seconds, int numbers = 1) {
    return Step(__func__, shown(folder, seconds, numbers), [=] {
        std::wstring path = dir + L"\\" + widen(folder);
        CreateDirectoryW(path.c_str(), nullptr);
        SYSTEMTIME t;
        FILETIME moment;
        GetLocalTime(&t);
        SystemTimeToFileTime(&t, &moment);
        ULARGE_INTEGER time = {{moment.dwLowDateTime, moment.dwHighDateTime}};
        for (int i = 0; i < seconds; ++i, time.QuadPart += 10000000) {  // 100 ns units
            moment = {time.LowPart, time.HighPart};
            FileTimeToSystemTime(&moment, &t);
            for (int n = 1; n <= numbers; ++n) {
                wchar_t name[64], suffix[8];
                wsprintfW(suffix, n > 1 ? L" (%d)" : L"", n);
                wsprintfW(name, L"\\Qilo %04d-%02d-%02d %02d%02d%02d%s.png", t.wYear, t.wMonth,
                          t.wDay, t.wHour, t.wMinute, t.wSecond, suffix);
                writeFileText(path + name, "x");
            }
        }
        return true;
    });
}

// The loupe's keys, Ctrl+F2 pick, Ctrl+F3 anchor, Ctrl+F5 save here. Pick mode moves the
// cursor by a pixel with the arrows, by ten with Shift, to the screen's edge and no further;
// Enter copies and ends it, Esc ends it, a hide ends it: the keys are free again after each.
// clang-format off
E2E_CASE(loupe) {
    run({showPattern(), start("X=20 Y=20 HK_PICK=625 COLOR_FORMAT=3"), keyFree(VK_LEFT),
         moveTo({300, 300}), pressWith(VK_CONTROL, VK_F2), keyTaken(VK_LEFT), keyTaken(VK_DOWN, MOD_SHIFT),
         press(VK_RIGHT), cursorAt({301, 300}), press(VK_UP), cursorAt({301, 299}),
         press(VK_LEFT), cursorAt({300, 299}), press(VK_DOWN), cursorAt({300, 300}),
         pressWith(VK_SHIFT, VK_DOWN), cursorAt({300, 310}), pressWith(VK_SHIFT, VK_LEFT), cursorAt({290, 310}),
         moveTo({1019, 2}), pressWith(VK_SHIFT, VK_RIGHT), cursorAt({1023, 2}), pressWith(VK_SHIFT, VK_UP),
         cursorAt({1023, 0}), press(VK_RIGHT), cursorAt({1023, 0}),
         press(VK_RETURN), clipboardHoldsText("255, 0, 3"), keyFree(VK_LEFT), keyFree(VK_RETURN),
         pressWith(VK_CONTROL, VK_F2), keyTaken(VK_ESCAPE), press(VK_ESCAPE), keyFree(VK_ESCAPE), keyFree(VK_UP),
         pressWith(VK_CONTROL, VK_F2), ctrlSpace(), keyFree(VK_RIGHT, MOD_SHIFT), ctrlSpace(),
         // The lock screen, or another user's session, takes the keyboard: the keys go back first.
         pressWith(VK_CONTROL, VK_F2), keyTaken(VK_RETURN), sessionChange(WTS_SESSION_LOCK), keyFree(VK_RETURN),
         pressWith(VK_CONTROL, VK_F2), sessionChange(WTS_CONSOLE_DISCONNECT), keyFree(VK_LEFT),
         pressWith(VK_CONTROL, VK_F2), sessionChange(WTS_SESSION_UNLOCK), keyTaken(VK_LEFT), closeWindow()});
    // The anchor at (400, 300), the cursor at (250, 220): the offset, the distance and the
    // contrast of #902C11 and #FADC00; pressed at another pixel, it moves there; pressed again
    // at its pixel, it goes with its label.
    run({showPattern(), start("X=20 Y=20 WIDTH=322 HK_PICK=625 HK_ANCHOR=626 HK_SAVE=628 SAVE_FOLDER=shots"),
         moveTo({400, 300}), pressWith(VK_CONTROL, VK_F3),
         readoutOf({250, 220}, kTopLeft, "-150, -80 170.00px 5.99:1"),
         pressWith(VK_CONTROL, VK_F2), readoutOf({250, 220}, kTopLeft, "PICK|-150, -80 170.00px 5.99:1"),
         press(VK_ESCAPE), moveTo({250, 221}), pressWith(VK_CONTROL, VK_F3),
         readoutOf({250, 221}, kTopLeft, "+0, +0 0.00px 1.00:1"), pressWith(VK_CONTROL, VK_F3), viewOf({250, 221}),
         pictureNamesTaken("shots", 20), pressWith(VK_CONTROL, VK_F5), picturesSaved("shots", 21),
         pressWith(VK_CONTROL, VK_F5), picturesSaved("shots", 22), closeWindow()});
    // Between two ticks, the anchor is set (and taken off), pick mode shows, and Enter copies,
    // at the pixel the cursor is on now; the pick key pressed again ends pick mode.
    run({showPattern(), moveTo({400, 300}), start("X=20 Y=20 HK_PICK=625 HK_ANCHOR=626 INT_TIME=10000"),
         pressWith(VK_CONTROL, VK_F3), readoutOf({400, 300}, kTopLeft, "+0, +0 0.00px 1.00:1"),
         pressWith(VK_CONTROL, VK_F3), pressWith(VK_CONTROL, VK_F2), readoutOf({400, 300}, kTopLeft, "PICK"), moveTo({1023, 0}),
         press(VK_RETURN), clipboardHoldsColorOf({1023, 0}), pressWith(VK_CONTROL, VK_F2), pressWith(VK_CONTROL, VK_F2), keyFree(VK_LEFT), closeWindow()});
    // The first picture of a second takes the name without a number; with all 99 names of a
    // second taken, the failure is told rather than the last written over. A folder's name may be
    // one letter long.
    run({start("X=20 Y=20 HK_SAVE=628 SAVE_FOLDER=s"), pressWith(VK_CONTROL, VK_F5),
         picturesSaved("s", 1, kNamedWithoutNumber), pictureNamesTaken("s", 4, 99),
         pressWith(VK_CONTROL, VK_F5), shows(kMessageText, "\\s\n"), click(IDOK), closeWindow()});
    // A folder that cannot be made, and a picture that cannot be written in a "folder" that is
    // a file: each failure is told with its path.
    run({start("X=20 Y=20 HK_SAVE=628 SAVE_FOLDER=QILO.INI\\x"), pressWith(VK_CONTROL, VK_F5),
         shows(kMessageText, "QILO.INI\\x"), click(IDOK), closeWindow()});
    run({start("X=20 Y=20 HK_SAVE=628 SAVE_FOLDER=QILO.INI"), pressWith(VK_CONTROL, VK_F5),
         shows(kMessageText, "QILO.INI\\Qilo "), click(IDOK), closeWindow()});
}
