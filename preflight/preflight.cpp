#include "preflight/preflight.h"

#include <windows.h>

#include <iterator>

#include "base/launcher_state.h"
#include "base/messages.h"
#include "base/platform.h"
#include "base/product.h"
#include "preflight/video_driver.h"

constexpr unsigned long long Megabyte = 1048576;
constexpr unsigned MinimumMemoryMB = 23;
constexpr unsigned GoodMemoryMB = 31;
constexpr unsigned MinimumPagingFileMB = 39;
constexpr unsigned MinimumFreeDiskMB = 20;

// The order is part of the behaviour: a stop after one check spares the user
// the questions of the later ones.
static void (*const PreflightChecks[])() = {
    CheckWindowsVersion,
    CheckMouse,
    CheckMemory,
    CheckVideoDriver,
    CheckProgramDriveSpace,
};

void RunPreflightChecks()
{
    for (auto check : PreflightChecks) {
        check();
        if (AbortRequested)
            return;
    }
}

void CheckWindowsVersion()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!Sys.GetVersionExA(&version)) {
        ShowWarning("Cannot get version info--proceed at your own risk");
        return;
    }
    int major = static_cast<int>(version.dwMajorVersion);
    int minor = static_cast<int>(version.dwMinorVersion);
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
        ShowFatal("%s cannot run under Win32s", ProductName);
        break;
    case VER_PLATFORM_WIN32_WINDOWS:
        if (version.dwMajorVersion != 4)
            ShowWarning("What is Windows %d.%d?", major, minor);
        break;
    case VER_PLATFORM_WIN32_NT:
        // Every Windows in use today is NT 5.0 or later: a warning lets the
        // user go on where a fatal box would lock everyone out.
        if (version.dwMajorVersion < 5)
            ShowWarning("%s cannot run under Windows NT %d.%d", ProductName, major, minor);
        else
            ShowWarning("%s is not designed for Windows 2000", ProductName);
        break;
    default:
        ShowWarning("Unknown platform type--proceed at your own risk");
        break;
    }
}

void CheckMouse()
{
    if (Sys.GetSystemMetrics(SM_MOUSEPRESENT) == 0)
        ShowFatal("%s cannot run without a mouse.", ProductName);
}

void CheckMemory()
{
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    Sys.GlobalMemoryStatus(&status);
    unsigned physicalMB = static_cast<unsigned>(status.dwTotalPhys / Megabyte);
    unsigned pagingMB = static_cast<unsigned>(status.dwTotalPageFile / Megabyte);
    if (status.dwTotalPhys < MinimumMemoryMB * Megabyte)
        ShowFatal("%s requires %d megabytes of memory (you have %d).", ProductName, MinimumMemoryMB, physicalMB);
    else if (status.dwTotalPhys < GoodMemoryMB * Megabyte)
        ShowWarning("%s may not run optimally with %d megabytes of memory.", ProductName, physicalMB);
    else if (status.dwTotalPageFile < MinimumPagingFileMB * Megabyte)
        ShowFatal("%s requires %d megabytes of virtual memory (you have %d).  Please free up disk space or close "
                  "other applications.",
                  ProductName, MinimumPagingFileMB, pagingMB);
}

void CheckProgramDriveSpace()
{
    if (DefaultInstallDir[0] == '\0')
        return;
    // The drive of the Program Files directory, not of the installed game.
    char root[4] = {DefaultInstallDir[0], DefaultInstallDir[1], DefaultInstallDir[2], '\0'};
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
    if (!Sys.GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return;
    unsigned long long freeBytes =
        static_cast<unsigned long long>(sectorsPerCluster) * bytesPerSector * freeClusters;
    if (freeBytes < MinimumFreeDiskMB * Megabyte)
        ShowWarning("You only have %d megabytes of free disk space.", static_cast<int>(freeBytes / Megabyte));
}
