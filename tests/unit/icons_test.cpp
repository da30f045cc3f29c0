// The icons' images.
#include <windows.h>

#include "tests/unit/support.h"

TEST_CASE("both icons hold an image for every size the shell asks for from 100 % to 200 %") {
    for (int id : {IDI_APP, IDI_TRAY}) {
        HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));
        REQUIRE(found);
        const BYTE* group = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
        std::string sizes;
        for (int i = 0; i < *reinterpret_cast<const WORD*>(group + 4); ++i)
            sizes += std::to_string(group[6 + 14 * i]) + " ";  // each entry's width
        CHECK(sizes == "16 20 24 32 48 ");
    }
}
