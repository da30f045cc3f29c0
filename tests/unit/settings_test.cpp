// The one settings table: its copy in docs/settings.md, and the ranges it brings values into.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include "common/settings.h"
#include "tests/unit/support.h"

TEST_CASE(
    "the settings file's documented keys are the settings table: order, defaults, ranges, "
    "writers") {
    std::ifstream file(QILO_SOURCE_DIR "/docs/settings.md", std::ios::binary);
    const std::string readme((std::istreambuf_iterator<char>(file)), {});
    size_t previous = 0;
    for (int i = 0; i < kSettingKeyCount; ++i) {
        const SettingKey& key = kSettingKeys[i];
        const SettingRange& r = key.range;
        std::string name(key.name, key.name + lstrlenW(key.name)), value, range = "any";
        value = key.form == kNumber ? std::to_string(key.defaultValue) : "none";
        if (key.form != kNumber)
            range = key.form == kText ? "a folder" : "`ja`, `en`";
        else if (r.low <= r.high)
            range = std::to_string(r.low) + "\xE2\x80\x93" + std::to_string(r.high);  // an en dash
        const char* writers[] = {"", "Qilo at exit |", "QConf on OK",
                                 "Qilo at exit, QConf on OK |"};
        size_t row = readme.find("\n| `" + name + "` | " + value + " | " + range);  // in order
        CHECK_MESSAGE((row != std::string::npos && row > previous), name);
        CHECK_MESSAGE(
            readme.substr(row, readme.find('\n', row + 1) - row).find(writers[key.writers]) !=
                std::string::npos,
            name);
        previous = row;
    }
}

TEST_CASE("sizes and periods that would break the program are brought into range") {
    using Five = std::array<int, 5>;  // width, height, the view's width and height, period
    const std::pair<const char*, Five> rows[] = {
        {"WIDTH=0\0HEIGHT=2147483647\0INT_TIME=-1\0", {32, 8192, 32, 8192, 10}},
        {"WIDTH=-5\0HEIGHT=-2147483648\0INT_TIME=2147483647\0", {32, 32, 32, 32, 10000}}};
    for (const auto& r : rows) {
        loadSettingsFrom(r.first);
        CHECK(Five{magnifier.settings.windowWidth, magnifier.settings.windowHeight,
                   magnifier.view.viewWidth, magnifier.view.viewHeight,
                   magnifier.settings.intervalMs} == r.second);
    }
}
