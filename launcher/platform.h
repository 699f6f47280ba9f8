// The system calls whose results tests steer or whose failures they inject.
// Production entries are the real functions; a test swaps an entry and
// restores it. Code calls Sys.Name(...), never the function directly.
#pragma once
#include <windows.h>

struct SystemCalls {
    BOOL(WINAPI* GetVersionExA)(LPOSVERSIONINFOA info);
    VOID(WINAPI* GlobalMemoryStatus)(LPMEMORYSTATUS status);
    int(WINAPI* GetSystemMetrics)(int index);
    BOOL(WINAPI* GetDiskFreeSpaceA)(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                                    LPDWORD freeClusters, LPDWORD totalClusters);
    int(WINAPI* MessageBoxA)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
};

extern SystemCalls Sys;

// The real functions, for restoring entries.
extern const SystemCalls RealSystemCalls;
