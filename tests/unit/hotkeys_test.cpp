// The one hot-key table: the list of keys in docs/using.md is drawn from it.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "common/hotkeys.h"
#include "tests/unit/support.h"

// The list's name of a settings field: the key that stores it.
static std::string settingName(int Settings::*field) {
    for (int i = 0; i < kSettingKeyCount; ++i) {
        if (field && kSettingKeys[i].field == field) {
            const wchar_t* name = kSettingKeys[i].name;
            return "`" + std::string(name, name + lstrlenW(name)) + "`";
        }
    }
    return "\xE2\x80\x94";  // an em dash: none
}

// The list's name of a key: "chosen" for one the user sets, else its modifiers and name.
static std::string keyName(const Hotkey& h) {
    const std::pair<UINT, const char*> names[] = {
        {VK_SPACE, "Space"}, {VK_LEFT, "Left"},    {VK_RIGHT, "Right"}, {VK_UP, "Up"},
        {VK_DOWN, "Down"},   {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"}};
    std::string name = std::string(h.modifiers & MOD_CONTROL ? "Ctrl+" : "") +
                       (h.modifiers & MOD_ALT ? "Alt+" : "") +
                       (h.modifiers & MOD_SHIFT ? "Shift+" : "");
    for (const auto& n : names)
        name += n.first == h.key ? n.second : "";
    return h.stored ? "chosen" : name;
}

TEST_CASE("docs/using.md lists every hot key of the table, in its order, as the table has it") {
    std::ifstream file(QILO_SOURCE_DIR "/docs/using.md", std::ios::binary);
    const std::string readme((std::istreambuf_iterator<char>(file)), {});
    const std::string header =
        "\n| Key | Setting | Registered | Held down | Does |\n|---|---|---|---|---|\n";
    size_t at = readme.find(header), end = readme.find("\n\n", at);
    REQUIRE(at != std::string::npos);
    at += header.size() - 1;
    for (const Hotkey& h : kHotkeys) {
        std::string row = "\n| " + keyName(h) + " | " +
                          settingName(h.stored ? h.stored : h.turnedOnBy) + " | " +
                          (h.time == kWhileRunning ? "from the start" : "in pick mode") + " | " +
                          (h.repeats ? "repeats" : "acts once") + " | ";
        if (h.action == kPickStep) {
            int step = std::abs(h.dx) + std::abs(h.dy);
            row += "moves the cursor " + std::to_string(step) + (step == 1 ? " pixel" : " pixels");
        }
        CHECK_MESSAGE(readme.compare(at, row.size(), row) == 0, row);
        at = readme.find('\n', at + 1);
    }
    CHECK(at == end);  // and no other row
}

TEST_CASE("a key of the actions asked for counts only when the user set it") {
    Settings s = {};
    CHECK(hotkeyOf(kHotkeys[0], s) == 0);  // Ctrl+Space, not turned on
    const unsigned copyOrAnchor = actionBit(kCopy) | actionBit(kAnchor);
    CHECK(!anyHotkeySet(s, copyOrAnchor));
    s.freezeHotkey = 0x243;  // a key, but not of those actions
    CHECK(!anyHotkeySet(s, copyOrAnchor));
    s.anchorHotkey = 0x243;
    CHECK((anyHotkeySet(s, copyOrAnchor) && !anyHotkeySet(s, actionBit(kPickMode))));
}
