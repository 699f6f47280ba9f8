// The system calls whose results tests steer or whose failures they inject.
// Production entries are the real functions; a test swaps an entry and
// restores it. Code calls Sys.Name(...), never the function directly.
#pragma once
#include <windows.h>
#include <ddraw.h>

struct SystemCalls {
    BOOL(WINAPI* GetVersionExA)(LPOSVERSIONINFOA info);
    VOID(WINAPI* GlobalMemoryStatus)(LPMEMORYSTATUS status);
    int(WINAPI* GetSystemMetrics)(int index);
    BOOL(WINAPI* GetDiskFreeSpaceA)(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                                    LPDWORD freeClusters, LPDWORD totalClusters);
    int(WINAPI* MessageBoxA)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
    DWORD(WINAPI* GetTempPathA)(DWORD size, LPSTR buffer);
    // Run-time loading: the DirectDraw module, the DirectX setup library
    // and the mail library are found through these.
    HMODULE(WINAPI* GetModuleHandleA)(LPCSTR name);
    HMODULE(WINAPI* LoadLibraryA)(LPCSTR name);
    FARPROC(WINAPI* GetProcAddress)(HMODULE module, LPCSTR name);
    HRESULT(WINAPI* DirectDrawCreate)(GUID* device, LPDIRECTDRAW* directDraw, IUnknown* outer);
    // Never called for real in a test: it ends every program of the session.
    BOOL(WINAPI* ExitWindowsEx)(UINT flags, DWORD reason);
};

extern SystemCalls Sys;

// An entry found by GetProcAddress, as the function type it really has.
template <typename Function>
Function ProcAs(FARPROC entry)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entry));
}

// The real functions, for restoring entries.
extern const SystemCalls RealSystemCalls;
