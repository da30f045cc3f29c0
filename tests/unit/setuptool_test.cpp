// Which set-up tool the settings entry starts.
#include <windows.h>

#include <string>

#include "tests/unit/support.h"
#include "window/shell/setuptool.h"

// A scratch folder under the temporary one, with or without a QConf.exe in it.
static std::wstring folderWithTool(const wchar_t* name, bool tool) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring file = folder + L"\\QConf.exe";
    DeleteFileW(file.c_str());
    if (tool)
        CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return folder;
}

TEST_CASE(
    "the tool beside the program is started; the current directory's only when not elevated") {
    enum Found { kNone, kBeside, kCurrent };
    // clang-format off
    const struct { bool beside, current; BOOL elevated; Found found; } rows[] = {
        {false, true,  FALSE, kCurrent},
        {false, true,  TRUE,  kNone},     // a folder any program may write
        {true,  false, FALSE, kBeside},
        {true,  false, TRUE,  kBeside},
        {true,  true,  FALSE, kBeside},   // never one planted in the settings folder
        {true,  true,  TRUE,  kBeside},
        {false, false, FALSE, kNone},
    };
    // clang-format on
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    for (const auto& r : rows) {
        CAPTURE(r.beside);
        CAPTURE(r.current);
        CAPTURE(r.elevated);
        std::wstring program = folderWithTool(L"qilo-unit-program", r.beside) + L"\\Qilo.exe";
        std::wstring current = folderWithTool(L"qilo-unit-current", r.current);
        SetCurrentDirectoryW(current.c_str());
        wchar_t path[MAX_PATH] = L"";
        BOOL found = findSetupTool(path, program.c_str(), r.elevated);
        SetCurrentDirectoryW(previous);
        const std::wstring expected[] = {L"", program.substr(0, program.size() - 8) + L"QConf.exe",
                                         current + L"\\QConf.exe"};
        CHECK(found == (r.found != kNone));
        if (found)
            CHECK(lstrcmpiW(path, expected[r.found].c_str()) == 0);
    }
    folderWithTool(L"qilo-unit-program", false);
    folderWithTool(L"qilo-unit-current", false);
}
