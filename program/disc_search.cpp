#include "program/disc_search.h"

#include <windows.h>

#include <string.h>

#include <iterator>

#include "base/files.h"
#include "base/format.h"
#include "base/messages.h"
#include "base/platform.h"
#include "base/product.h"

// The disc's Launcher in a drive whose root holds the autorun marker and
// the game image.
static bool FindDiscLauncher(char* launcher)
{
    char drives[512];
    DWORD length = Sys.GetLogicalDriveStringsA(std::size(drives), drives);
    if (length == 0 || length >= std::size(drives))
        return false;
    for (const char* root = drives; *root != '\0'; root += strlen(root) + 1) {
        if (Sys.GetDriveTypeA(root) != DRIVE_CDROM)
            continue;
        char marker[PathSize], image[PathSize];
        if (FormatInto(marker, std::size(marker), "%s%s", root, AutorunMarker) && FileExists(marker) &&
            FormatInto(image, std::size(image), "%sRun\\%s", root, NormalGameImage) && FileExists(image) &&
            FormatInto(launcher, PathSize, "%s%s", root, DiscLauncherName) && FileExists(launcher))
            return true;
    }
    return false;
}

bool PlayFromDisc(const char* commandLine, bool forSetup)
{
    char question[MessageSize];
    FormatInto(question, std::size(question), "Please insert the %s disc.", ProductName);
    for (;;) {
        char launcher[PathSize];
        if (FindDiscLauncher(launcher)) {
            char line[PathSize + 16 + CommandLineSize];
            FormatInto(line, std::size(line), "\"%s\" %s %s", launcher, NoAutoplaySwitch, commandLine);
            STARTUPINFOA startup = {};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION process = {};
            if (!CreateProcessA(launcher, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
                return false;
            DWORD exitCode = 0;
            if (forSetup && WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
                GetExitCodeProcess(process.hProcess, &exitCode) && exitCode != 0)
                NoteExitCode(exitCode);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            return true;
        }
        if (ShowBox(nullptr, question, ProductName, MB_RETRYCANCEL | MB_ICONEXCLAMATION) != IDRETRY)
            return false;
    }
}
