// The magnifier's tick: when it renders, and a cursor that cannot be read.
#include <windows.h>

#include "tests/unit/support.h"
#include "window/frame/tick.h"

TEST_CASE("the tick renders a resting cursor on every tenth tick, a moved one at once") {
    MemoryFrame frame;
    POINT cursor;
    GetCursorPos(&cursor);
    session.lastCursorX = cursor.x;
    session.lastCursorY = cursor.y;
    const char* ticks = "---------R----M-----R";  // - no render, R render, M moved: render
    for (const char* t = ticks; *t; ++t) {
        session.lastCursorY = cursor.y + (*t == 'M');
        CHECK(magnifyTick(nullptr) == (*t != '-'));
    }
    ExpectedView view = {1, 2, magnifier.view.srcX, magnifier.view.srcY, false, 0, -1, -1};
    POINT first;
    CHECK(view.mismatches(frame.window, &first) == 0);
}

// Points this program's import of a user32 function at a replacement while it lives, so that
// a test can have a system call fail as it does on some desktops.
struct ImportPatch {
    void** slot = nullptr;
    void* original = nullptr;

    ImportPatch(const char* name, void* replacement) {
        void* target =
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name));
        BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        DWORD imports =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); d->Name; ++d) {
            for (auto** entry = reinterpret_cast<void**>(base + d->FirstThunk); *entry; ++entry)
                slot = *entry == target ? entry : slot;
        }
        set(replacement);
    }
    ~ImportPatch() {
        set(original);
    }
    void set(void* value) {
        DWORD protection;
        if (!slot || !VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection))
            return;
        original = original ? original : *slot;
        *slot = value;
        VirtualProtect(slot, sizeof *slot, protection, &protection);
    }
};

// GetCursorPos on the secure desktop (a UAC prompt, the lock screen).
static BOOL WINAPI cursorUnreadable(POINT*) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

TEST_CASE("a tick whose cursor cannot be read draws nothing and keeps the last frame") {
    MemoryFrame frame;
    CHECK(magnifyTick(nullptr));  // the cursor moved from (0, 0): a frame
    frame.screen.fill(0, 1);      // then the screen changes
    {
        ImportPatch patch("GetCursorPos", reinterpret_cast<void*>(cursorUnreadable));
        REQUIRE(patch.slot);
        for (int tick = 0; tick < 12; ++tick) {
            session.lastCursorX = -1;  // a cursor that moves would render at once
            CHECK_FALSE(magnifyTick(nullptr));
        }
    }
    ExpectedView before = {1, 2, magnifier.view.srcX, magnifier.view.srcY, false, 0, -1, -1};
    POINT first;
    CHECK(before.mismatches(frame.window, &first) == 0);
}
