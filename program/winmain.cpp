// Start-up: picks the Launcher's mode from its switches and its surroundings.
#include "base/launcher_state.h"

#include <string.h>

#include <iterator>

#include "base/dll_search.h"
#include "base/files.h"
#include "base/format.h"
#include "base/messages.h"
#include "base/product.h"
#include "base/run_log.h"
#include "program/disc_search.h"
#include "program/elevation.h"
#include "program/instances.h"
#include "program/launch.h"
#include "program/menu.h"
#include "program/switches.h"
#include "setup/setup_options.h"
#include "setup/unattended.h"
#include "setup/uninstall.h"

static void RunSetupAsTold(HINSTANCE instance, const SetupChoices& choices)
{
    if (Unattended)
        RunUnattendedSetup(instance, choices);
    else
        RunSetup(instance, nullptr);
}

// Setup's and the uninstall's end: what tools read of the run.
static int EndRun()
{
    LogLine("Exit code %lu", ExitCode);
    return static_cast<int>(ExitCode);
}

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

    // What Setup and the uninstall are told; the game's own line otherwise.
    SetupChoices choices;
    char refused[CommandLineSize];
    SwitchesRead read = ReadSetupSwitches(commandLine, &choices, refused);
    bool forSetup = read != SwitchesRead::ForTheGame;
    if (forSetup) {
        Unattended = choices.silent || choices.passive;
        if (choices.log[0] != '\0' && !OpenRunLog(choices.log, elevatedCopy))
            return EndRun();
        if (read == SwitchesRead::Refused) {
            NoteExitCode(ExitBadSwitch);
            ShowFatal("Bad switch or value: %s", refused);
            return EndRun();
        }
    }

    // Uninstall comes first: the stub lies where no autorun marker is.
    if (TakeSwitch(commandLine, UninstallSwitch)) {
        if ((elevatedCopy || !HandOverToElevatedCopy(nullptr, arguments)) && !RunUninstall(instance, nullptr))
            NoteExitCode(ExitCancelled);
        return EndRun();
    }

    // The copy that the menu's Setup or a Setup without rights started,
    // while its starter still holds the single-instance semaphore.
    if (elevatedCopy && TakeSwitch(commandLine, SetupSwitch)) {
        RunSetupAsTold(instance, choices);
        return EndRun();
    }

    // The stub in the install directory, started from a game link; Setup
    // told to it is the disc's.
    if (!FileExists(AutorunMarker)) {
        PlayFromDisc(forSetup ? arguments : commandLine, forSetup);
        return forSetup ? EndRun() : 0;
    }

    // Held until the process ends, so a second Launcher stays quiet; Setup
    // says why it did nothing.
    HANDLE launcherSemaphore;
    if (!TakeLauncherSemaphore(&launcherSemaphore)) {
        LogLine("Another %s Launcher or Setup is running.", ProductName);
        NoteExitCode(ExitAnotherRunning);
        return forSetup ? EndRun() : 0;
    }

    if (IsGameRunning()) {
        if (!Unattended)
            RestoreGameWindow();
        CloseHandle(launcherSemaphore);
        LogLine("%s is running.", ProductName);
        NoteExitCode(ExitAnotherRunning);
        return forSetup ? EndRun() : 0;
    }

    TakeSwitch(commandLine, AutoplaySwitch);
    if (TakeSwitch(commandLine, SetupSwitch)) {
        if (!HandOverToElevatedCopy(nullptr, arguments))
            RunSetupAsTold(instance, choices);
        return EndRun();
    }
    if (!TakeSwitch(commandLine, NoAutoplaySwitch) && !RunMenu())
        return 0;

    LaunchGame(commandLine);
    CloseHandle(launcherSemaphore);
    return 0;
}
