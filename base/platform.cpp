#include "base/platform.h"

static BOOL WINAPI DeleteOpenFile(HANDLE file)
{
    using SetInformation = BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD);
    auto setInformation = ProcAs<SetInformation>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetFileInformationByHandle"));
    FILE_DISPOSITION_INFO disposition = {TRUE};
    return setInformation != nullptr && setInformation(file, FileDispositionInfo, &disposition, sizeof disposition);
}

static HRESULT WINAPI SaveLink(IPersistFile* link, LPCOLESTR path)
{
    return link->Save(path, TRUE);
}

const SystemCalls RealSystemCalls = {
    GetVersionExA,
    GlobalMemoryStatus,
    GetSystemMetrics,
    GetDiskFreeSpaceA,
    MessageBoxA,
    GetTempPathA,
    GetModuleHandleA,
    LoadLibraryA,
    GetProcAddress,
    ExitWindowsEx,
    CreateFileA,
    ReadFile,
    WriteFile,
    GetFileSizeEx,
    CreateDirectoryA,
    CopyFileA,
    RegDeleteKeyA,
    RegCreateKeyExA,
    RegSetValueExA,
    RegFlushKey,
    FlushFileBuffers,
    DeleteFileA,
    MoveFileA,
    MoveFileExA,
    SetFileAttributesA,
    RemoveDirectoryA,
    DeleteOpenFile,
    SaveLink,
    MessageBeep,
    SHBrowseForFolderA,
    SHGetPathFromIDListA,
    SHGetSpecialFolderLocation,
    DialogBoxParamA,
    ShellExecuteExA,
    GetLogicalDriveStringsA,
    GetDriveTypeA,
    GetTickCount,
};

SystemCalls Sys;

void UseRealSystemCalls()
{
    Sys = RealSystemCalls;
}

bool IsWindowsNT()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return Sys.GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// The shipped build is 32-bit; records handed to the system must have the
// sizes it expects there.
#if defined(__i386__)
static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFOA");
static_assert(sizeof(MEMORYSTATUS) == 32, "MEMORYSTATUS");
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA");
#endif
