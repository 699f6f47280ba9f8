// Start-up: picks the Launcher's mode from its switches and its surroundings.
#include "base/launcher_state.h"

#include <string.h>

#include <iterator>

#include "base/dll_search.h"
#include "base/files.h"
#include "base/format.h"
#include "base/messages.h"
#include "base/product.h"
#include "program/disc_search.h"
#include "program/elevation.h"
#include "program/instances.h"
#include "program/launch.h"
#include "program/menu.h"
#include "program/switches.h"
#include "setup/setup_options.h"
#include "setup/uninstall.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int)
{
    LauncherInstance = instance;
    RestrictDllSearch();

    // The copy is what the game will receive: refuse rather than cut it.
    char commandLine[CommandLineSize];
    if (!FormatInto(commandLine, std::size(commandLine), "%s", arguments)) {
        ShowFatal("The command line is too long.");
        return 0;
    }

    char moduleDir[PathSize];
    if (GetModuleDirectory(moduleDir, std::size(moduleDir)))
        SetCurrentDirectoryA(moduleDir);

    // An elevated copy, started for Setup or the uninstall, asks no more.
    bool elevatedCopy = TakeSwitch(commandLine, ElevatedSwitch);

    // Uninstall comes first: the stub lies where no autorun marker is.
    if (TakeSwitch(commandLine, UninstallSwitch)) {
        if (elevatedCopy || !HandOverToElevatedCopy(nullptr, UninstallSwitch))
            RunUninstall(instance, nullptr);
        return 0;
    }

    // The copy that the menu's Setup started, while the menu's Launcher
    // still holds the single-instance semaphore.
    if (elevatedCopy && TakeSwitch(commandLine, SetupSwitch)) {
        RunSetup(instance, nullptr);
        return 0;
    }

    // The stub in the install directory, started from a game link.
    if (!FileExists(AutorunMarker)) {
        PlayFromDisc(commandLine);
        return 0;
    }

    // Held until the process ends, so a second Launcher stays quiet.
    HANDLE launcherSemaphore;
    if (!TakeLauncherSemaphore(&launcherSemaphore))
        return 0;

    if (IsGameRunning()) {
        RestoreGameWindow();
        CloseHandle(launcherSemaphore);
        return 0;
    }

    TakeSwitch(commandLine, AutoplaySwitch);
    if (TakeSwitch(commandLine, SetupSwitch)) {
        if (!HandOverToElevatedCopy(nullptr, SetupSwitch))
            RunSetup(instance, nullptr);
        return 0;
    }
    if (!TakeSwitch(commandLine, NoAutoplaySwitch) && !RunMenu())
        return 0;

    LaunchGame(commandLine);
    CloseHandle(launcherSemaphore);
    return 0;
}
