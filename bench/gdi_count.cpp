#include <windows.h>

#include <vector>

#include "gdi_count.h"

int countGdiHandles(HANDLE process, DWORD pid) {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (!GetProcAddress(ntdll, "wine_get_version"))
        return (int)GetGuiResources(process, GR_GDIOBJECTS);
    // Under Wine: the GDI handle table that the process environment block points to (at
    // 0x94 in a 32-bit process, 0xF8 in a 64-bit one), 0x10000 entries of 24 bytes as Wine 8
    // fills them: the object's address, its owner (0, or the process id in its low word), the
    // upper word of the handle (its low byte's top bit marks a stock object, which belongs to
    // no one), the type (0: free).
    struct Entry {
        UINT32 objectLow, objectHigh, owner;
        USHORT unique;
        UCHAR type, flags;
        UINT32 userLow, userHigh;
    };
    static_assert(sizeof(Entry) == 24, "Wine's GDI handle entry is 24 bytes");
    using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    auto query = (Query)(void*)GetProcAddress(ntdll, "NtQueryInformationProcess");
    ULONG_PTR basic[6] = {};  // ProcessBasicInformation: the block's address is the second
#ifdef _WIN64
    const ULONG_PTR kTableAt = 0xF8;
#else
    const ULONG_PTR kTableAt = 0x94;
#endif
    ULONG_PTR table = 0;
    std::vector<Entry> entries(0x10000);
    SIZE_T got = 0;
    if (query(process, 0, basic, sizeof basic, nullptr) != 0 ||
        !ReadProcessMemory(process, (char*)basic[1] + kTableAt, &table, sizeof table, nullptr) ||
        (!ReadProcessMemory(process, (void*)table, entries.data(), entries.size() * sizeof(Entry),
                            &got) &&
         got == 0))
        return -1;
    int count = 0;
    for (size_t i = 0; i < got / sizeof(Entry); ++i) {
        const Entry& e = entries[i];
        USHORT owner = (USHORT)e.owner;
        count += e.type && !(e.unique & 0x80) && (owner == 0 || owner == (USHORT)pid);
    }
    return count;
}
