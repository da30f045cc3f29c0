#include <windows.h>

#include <vector>

#include "gdi_count.h"

namespace {

// ProcessBasicInformation as NtQueryInformationProcess fills it in a 32-bit process.
struct BasicInformation {
    LONG exitStatus;
    void* pebBaseAddress;
    ULONG_PTR affinityMask;
    LONG basePriority;
    ULONG_PTR uniqueProcessId;
    ULONG_PTR inheritedFromUniqueProcessId;
};
using QueryInformationProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);

// One entry of Wine's GDI handle table (24 bytes, the same in 32- and 64-bit processes), as
// Wine 8 fills it:
// - object: the object's address in the process; type: its base type, 0 for a free entry;
// - unique: the upper word of the handle; its low byte is the extended type, whose top bit
//   marks a stock object, and its high byte the entry's generation;
// - owner: 0. Wine keeps one table per process, in that process's own memory, so an entry
//   owned by the process may carry 0 as well as the process id in its low 16 bits.
#pragma pack(push, 1)
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
#pragma pack(pop)
static_assert(sizeof(GdiHandleEntry) == 24, "Wine's GDI handle entry is 24 bytes");

const SIZE_T kMaxGdiHandles = 0x10000;
// Where a 32-bit process environment block keeps the table's address.
const SIZE_T kPebGdiSharedHandleTable = 0x94;
const int kProcessBasicInformation = 0;
const USHORT kStockObjectFlag = 0x80;

bool runningOnWine(HMODULE ntdll) {
    return GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

int countGdiHandles(HANDLE process, DWORD pid) {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (!ntdll)
        return -1;
    if (!runningOnWine(ntdll))
        return (int)GetGuiResources(process, GR_GDIOBJECTS);

    auto query = reinterpret_cast<QueryInformationProcess>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQueryInformationProcess")));
    if (!query)
        return -1;
    BasicInformation info = {};
    if (query(process, kProcessBasicInformation, &info, sizeof info, nullptr) != 0)
        return -1;

    ULONG tableAddress = 0;
    const char* peb = static_cast<const char*>(info.pebBaseAddress);
    if (!ReadProcessMemory(process, peb + kPebGdiSharedHandleTable, &tableAddress,
                           sizeof tableAddress, nullptr) ||
        !tableAddress)
        return -1;

    // Read in chunks: the table is 1.5 MB, and a short read at its end still counts what
    // it holds.
    const SIZE_T kChunk = 4096;
    std::vector<GdiHandleEntry> chunk(kChunk);
    const USHORT owner = (USHORT)(pid & 0xFFFF);
    int count = 0;
    for (SIZE_T first = 0; first < kMaxGdiHandles; first += kChunk) {
        SIZE_T got = 0;
        const char* from =
            reinterpret_cast<const char*>((ULONG_PTR)tableAddress) + first * sizeof(GdiHandleEntry);
        if (!ReadProcessMemory(process, from, chunk.data(), kChunk * sizeof(GdiHandleEntry),
                               &got) &&
            got == 0)
            return first == 0 ? -1 : count;
        SIZE_T entries = got / sizeof(GdiHandleEntry);
        for (SIZE_T i = 0; i < entries; ++i) {
            const GdiHandleEntry& entry = chunk[i];
            USHORT entryOwner = (USHORT)(entry.owner & 0xFFFF);
            // Stock objects belong to no one, as GetGuiResources on Windows has it.
            if (entry.type != 0 && !(entry.unique & kStockObjectFlag) &&
                (entryOwner == owner || entryOwner == 0))
                ++count;
        }
        if (entries < kChunk)
            break;
    }
    return count;
}
