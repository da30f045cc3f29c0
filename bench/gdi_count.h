// Counts the GDI objects a process owns, also under Wine, where GetGuiResources is a stub.
#pragma once

#include <windows.h>

// The number of GDI objects (DCs, bitmaps, pens, brushes, fonts, regions, ...) owned by the
// process `process`, whose id is `pid`. `process` needs PROCESS_QUERY_INFORMATION and
// PROCESS_VM_READ access; GetCurrentProcess() works for the caller itself.
//
// Under Wine the count comes from the GDI handle table that the process environment block
// points to (GdiSharedHandleTable); elsewhere from GetGuiResources(GR_GDIOBJECTS). Stock
// objects are not counted. Returns -1 when the table cannot be read.
int countGdiHandles(HANDLE process, DWORD pid);
