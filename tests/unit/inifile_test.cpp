// The settings file: numbers as read, the path, the message of a failed save.
#include <windows.h>

#include <string>
#include "common/inifile.h"
#include "common/texts.h"
#include "tests/unit/support.h"

TEST_CASE("a number in the settings file reads as the profile functions convert it") {
    // clang-format off
    const std::pair<const wchar_t*, int> rows[] = {
        {L"", 7}, {L"0", 0}, {L"42", 42}, {L"-350", -350}, {L"-32000", -32000}, {L"+5", 5},
        {L" \t-12", -12}, {L"0x40", 64}, {L"0o17", 15}, {L"0b101", 5}, {L"0X40", 0}, {L"1e9", 1},
        {L"12abc", 12}, {L"abc", 0}, {L"-", 0}, {L"2147483647", 2147483647},
        {L"-2147483648", (int)0x80000000u}, {L"4294967295", -1}, {L"4294967296", 0}, {L"0xaA", 170}};
    // clang-format on
    for (const auto& r : rows) {
        CAPTURE(r.second);
        CHECK(parseSettingInt(r.first, 7) == r.second);
    }
}

TEST_CASE("the settings path joins directory and name at its last character, never truncated") {
    const std::wstring fits(MAX_PATH - 1 - 9 - 3, L'b');  // the longest directory that fits
    // clang-format off
    const struct { std::wstring directory, path; } rows[] = {
        {L"C:\\", L"C:\\QILO.INI"},                {L"C:\\WORK", L"C:\\WORK\\QILO.INI"},
        {L"C:\\表", L"C:\\表\\QILO.INI"},          {L"C:\\Zoë Ω 日本\\", L"C:\\Zoë Ω 日本\\QILO.INI"},
        {L"C:\\" + fits, L"C:\\" + fits + L"\\QILO.INI"},
        {L"C:\\" + fits + L"b", L".\\QILO.INI"},  // one longer: no longer fits
        {L"C:\\" + std::wstring(250, L'a'), L".\\QILO.INI"}};  // too long: the same file, relative
    // clang-format on
    for (const auto& r : rows) {
        wchar_t path[MAX_PATH];
        CHECK(buildSettingsPath(path, r.directory.c_str()) == (r.path[0] != L'.'));
        CHECK(path == r.path);
    }
}

TEST_CASE("a failed save names the file and the system's reason in the face in force") {
    const DWORD unknown = 0x2000ABCD;  // no system text: its number instead
    wchar_t reason[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   ERROR_ACCESS_DENIED, 0, reason, 512, nullptr);
    // clang-format off
    const struct { Language face; DWORD error; std::wstring expected; } rows[] = {
        {kEnglish, ERROR_ACCESS_DENIED, std::wstring(L"The settings could not be saved.\n\nC:\\Zoë Ω 日本\\QILO.INI\n\n") + reason},
        {kJapanese, unknown, L"設定を保存できませんでした。\n\nC:\\Zoë Ω 日本\\QILO.INI\n\nエラー 536914893"},
        {kEnglish, unknown, L"The settings could not be saved.\n\nC:\\Zoë Ω 日本\\QILO.INI\n\nError 536914893"}};
    // clang-format on
    for (const auto& r : rows) {
        setLanguage(r.face);
        wchar_t message[1024];
        describeSaveFailure(message, 1024, L"C:\\Zoë Ω 日本\\QILO.INI", r.error);
        CHECK(message == r.expected);
    }
    setLanguage(kJapanese);
}
