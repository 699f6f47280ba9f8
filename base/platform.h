// The system calls whose results tests steer or whose failures they inject.
// Production entries are the real functions; a test swaps an entry and
// restores it. Code calls Sys.Name(...), never the function directly.
#pragma once
#include <windows.h>
#include <ddraw.h>
#include <shellapi.h>
#include <shlobj.h>

struct SystemCalls {
    BOOL(WINAPI* GetVersionExA)(LPOSVERSIONINFOA info);
    VOID(WINAPI* GlobalMemoryStatus)(LPMEMORYSTATUS status);
    int(WINAPI* GetSystemMetrics)(int index);
    BOOL(WINAPI* GetDiskFreeSpaceA)(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                                    LPDWORD freeClusters, LPDWORD totalClusters);
    int(WINAPI* MessageBoxA)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
    DWORD(WINAPI* GetTempPathA)(DWORD size, LPSTR buffer);
    // Run-time loading: the DirectDraw module, the DirectX setup library
    // and the mail library are found through these, and functions some
    // Windows lacks.
    HMODULE(WINAPI* GetModuleHandleA)(LPCSTR name);
    HMODULE(WINAPI* LoadLibraryA)(LPCSTR name);
    FARPROC(WINAPI* GetProcAddress)(HMODULE module, LPCSTR name);
    // Never called for real in a test: it ends every program of the session.
    BOOL(WINAPI* ExitWindowsEx)(UINT flags, DWORD reason);
    // Every call by which Setup and the uninstall read what a test steers
    // or change the machine: files, folders, the registry, links and the
    // deletions left to the restart. A test counts, fails and cuts each.
    HANDLE(WINAPI* CreateFileA)(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                DWORD disposition, DWORD flags, HANDLE templateFile);
    BOOL(WINAPI* ReadFile)(HANDLE file, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped);
    BOOL(WINAPI* WriteFile)(HANDLE file, LPCVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped);
    BOOL(WINAPI* GetFileSizeEx)(HANDLE file, PLARGE_INTEGER size);
    BOOL(WINAPI* CreateDirectoryA)(LPCSTR path, LPSECURITY_ATTRIBUTES security);
    BOOL(WINAPI* CopyFileA)(LPCSTR from, LPCSTR to, BOOL failIfExists);
    LSTATUS(WINAPI* RegDeleteKeyA)(HKEY key, LPCSTR subKey);
    LSTATUS(WINAPI* RegCreateKeyExA)(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                                     REGSAM access, const LPSECURITY_ATTRIBUTES security, PHKEY result,
                                     LPDWORD disposition);
    LSTATUS(WINAPI* RegSetValueExA)(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                                    DWORD size);
    LSTATUS(WINAPI* RegFlushKey)(HKEY key);
    BOOL(WINAPI* FlushFileBuffers)(HANDLE file);
    BOOL(WINAPI* DeleteFileA)(LPCSTR path);
    BOOL(WINAPI* MoveFileA)(LPCSTR from, LPCSTR to);
    BOOL(WINAPI* MoveFileExA)(LPCSTR from, LPCSTR to, DWORD flags);
    BOOL(WINAPI* SetFileAttributesA)(LPCSTR path, DWORD attributes);
    BOOL(WINAPI* RemoveDirectoryA)(LPCSTR path);
    // Deletes the file a handle holds (Vista and later: false before).
    BOOL(WINAPI* DeleteOpenFile)(HANDLE file);
    // Saves a shell link to its file.
    HRESULT(WINAPI* SaveLink)(IPersistFile* link, LPCOLESTR path);
    // The install path dialog's beep and folder picker.
    BOOL(WINAPI* MessageBeep)(UINT type);
    PIDLIST_ABSOLUTE(WINAPI* SHBrowseForFolderA)(LPBROWSEINFOA info);
    BOOL(WINAPI* SHGetPathFromIDListA)(PCIDLIST_ABSOLUTE list, LPSTR path);
    HRESULT(WINAPI* SHGetSpecialFolderLocation)(HWND owner, int folder, PIDLIST_ABSOLUTE* list);
    // The install path dialog, which a test answers.
    INT_PTR(WINAPI* DialogBoxParamA)(HINSTANCE instance, LPCSTR name, HWND owner, DLGPROC procedure, LPARAM parameter);
    // Setup and the uninstall started again with an administrator's rights.
    BOOL(WINAPI* ShellExecuteExA)(SHELLEXECUTEINFOA* execute);
    // The drives the stub looks through for the disc.
    DWORD(WINAPI* GetLogicalDriveStringsA)(DWORD size, LPSTR buffer);
    UINT(WINAPI* GetDriveTypeA)(LPCSTR root);
    // The clock by which the progress dialog draws and serves its queue.
    DWORD(WINAPI* GetTickCount)();
};

// Filled with the real functions by UseRealSystemCalls, before anything
// else runs: a table of its own would cost the exe a section.
extern SystemCalls Sys;
void UseRealSystemCalls();

// An entry found by GetProcAddress, as the function type it really has.
template <typename Function>
Function ProcAs(FARPROC entry)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entry));
}

// An entry of a module the Launcher already holds, looked up at run time:
// a function some Windows lacks. Null when it is missing.
template <typename Function>
Function LookUpProc(const char* module, const char* name)
{
    return ProcAs<Function>(Sys.GetProcAddress(Sys.GetModuleHandleA(module), name));
}

// The real functions, for restoring entries.
extern const SystemCalls RealSystemCalls;

// Windows NT and its successors, as the table reports them; else the 95
// family (or Win32s).
bool IsWindowsNT();
