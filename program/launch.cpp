#include "program/launch.h"

#include <windows.h>
#include <string.h>

#include <iterator>

#include "base/files.h"
#include "base/format.h"
#include "base/launcher_state.h"
#include "base/messages.h"
#include "base/path_chars.h"
#include "base/platform.h"
#include "base/system_folders.h"
#include "crashreport/crash_report.h"
#include "crashreport/log_path.h"
#include "preflight/directx_offer.h"
#include "preflight/preflight.h"
#include "program/switches.h"
#include "setup/directories.h"

// The game image path, a blank and the whole command-line copy: nothing the
// game is given is ever cut.
constexpr unsigned ChildCommandLineSize = PathSize + 1 + CommandLineSize;

void LoadDefaultInstallDir()
{
    DefaultInstallDir[0] = '\0';
    GetDefaultInstallDir(DefaultInstallDir);
}

const char* GameImageName(bool safe)
{
    return safe ? SafeGameImage : NormalGameImage;
}

bool GetRunDirectory(char* buf)
{
    DWORD length = GetModuleFileNameA(LauncherInstance, buf, PathSize);
    if (length == 0 || length >= PathSize)
        return false;
    char* lastSlash = FindLastBackslash(buf);
    if (lastSlash == nullptr)
        return false;
    *lastSlash = '\0';
    return AppendInto(buf, PathSize, "%s", RunDirectorySuffix);
}

// Copies the game image to the temporary directory, where it runs from.
static bool CopyGameImage(bool safe, char* image, char* runDirectory)
{
    if (!GetRunDirectory(runDirectory)) {
        ShowFatal("Can't find data directory--Game may not be installed");
        return false;
    }

    // Only the default install directory is looked at for a patch; its
    // trailing backslash and the one of the format make two, read as one.
    char source[PathSize];
    if (!FormatInto(source, std::size(source), "%s\\%s", DefaultInstallDir, PatchGameImage) || !FileExists(source)) {
        if (!FormatInto(source, std::size(source), "%s\\%s", runDirectory, GameImageName(safe))) {
            ShowFatal("Can't find data directory--Game may not be installed");
            return false;
        }
    }

    char tempDirectory[PathSize];
    if (!GetTempFolder(tempDirectory))
        return false;
    if (!FormatInto(image, PathSize, "%s%s", tempDirectory, TempGameImage)) {
        ShowFatal("Unable to copy race.bin!\r\n(%s --> %s%s)", source, tempDirectory, TempGameImage);
        return false;
    }
    // An earlier copy may have kept the disc's read-only attribute.
    if (FileExists(image))
        SetFileAttributesA(image, FILE_ATTRIBUTE_NORMAL);
    if (!CopyFileA(source, image, FALSE)) {
        ShowFatal("Unable to copy race.bin!\r\n(%s --> %s)", source, image);
        return false;
    }
    return true;
}

static void ReportGameExit(DWORD exitCode)
{
    switch (exitCode) {
    case 0:
        return;
    case 2:
        ShowFatal("Unable to initialize DirectX.\r\nIs it installed correctly?");
        return;
    case 3:
        ShowFatal("Your video card reports that it does not support 3D texture mapping.");
        return;
    case 4:
        ShowFatal("Your video card reports that it does not support 3D graphics.\r\n"
                  "If you have previously crashed you may need to reboot.");
        return;
    case 5:
        ShowFatal("Your video card returned an error.  Are your video drivers up to date?");
        return;
    case 6:
        ShowFatal("%s is not installed properly.  Please run setup from the CD.", ProductName);
        return;
    default:
        ShowFatal("%s has exited unexpectedly (%d).  Let's check out the log.", ProductName,
                  static_cast<int>(exitCode));
        OfferCrashReport();
        char notepad[8 + 512];
        if (FormatInto(notepad, std::size(notepad), "notepad %s", GetLogPath()))
            WinExec(notepad, SW_SHOW);
        return;
    }
}

bool LaunchGame(char* commandLine)
{
    LoadDefaultInstallDir();
    TakeSwitch(commandLine, No3dfxSwitch);

    // Play starts afresh: a box of an earlier Setup or failed action must
    // not stop the checks; each check's own box still does.
    AbortRequested = false;
    bool stopped = !OfferDirectXSetup(nullptr);
    if (!stopped) {
        RunPreflightChecks();
        stopped = AbortRequested;
    }
    // Taken also when the launch stopped, so it never reaches the game.
    bool safe = TakeSwitch(commandLine, SafeSwitch);
    if (stopped)
        return false;

    char image[PathSize];
    char runDirectory[PathSize];
    if (!CopyGameImage(safe, image, runDirectory))
        return false;

    char childCommandLine[ChildCommandLineSize];
    FormatInto(childCommandLine, std::size(childCommandLine), "%s %s", image, commandLine);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION game = {};
    // The image is named as the application: with a blank in the temporary
    // path, a search from the unquoted command line would first try a
    // program planted at the blank ("C:\Documents.exe").
    if (!CreateProcessA(image, childCommandLine, nullptr, nullptr, FALSE, 0, nullptr, runDirectory, &startup,
                        &game)) {
        ShowFatal("Can't start game. (%s)", childCommandLine);
        return false;
    }

    Sleep(2500);
    WaitForSingleObject(game.hProcess, INFINITE);
    DWORD exitCode;
    bool known = GetExitCodeProcess(game.hProcess, &exitCode) != FALSE;
    CloseHandle(game.hThread);
    CloseHandle(game.hProcess);
    if (known)
        ReportGameExit(exitCode);
    return true;
}
