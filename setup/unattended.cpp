#include "setup/unattended.h"

#include <commctrl.h>
#include <objbase.h>

#include <iterator>

#include "base/format.h"
#include "base/messages.h"
#include "base/product.h"
#include "resources/resource_ids.h"
#include "setup/directories.h"
#include "setup/file_engine.h"
#include "setup/setup_options.h"
#include "setup/setup_state.h"

void RunUnattendedSetup(HINSTANCE instance, const SetupChoices& choices)
{
    CoInitialize(nullptr);
    InitCommonControls();
    SetupInstance = instance;
    CancelRequested = false;
    char installed[PathSize];
    GetDataDir(installed);
    FormatInto(InstallPath, std::size(InstallPath), "%s", choices.dataDir[0] != '\0' ? choices.dataDir : installed);
    bool done = IsHardDiskInstall();
    // A whole install stays where it is: moving it is for the uninstall
    // and a new install, not for a run nobody watches.
    if (done && lstrcmpiA(InstallPath, installed) != 0) {
        ShowFatal("%s is installed in %s", ProductName, installed);
    } else {
        // Modeless: there is no dialog whose idle time would run the copy.
        HWND progress = choices.passive ? CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_PROGRESS), nullptr,
                                                             ProgressDialogProc, 0)
                                        : nullptr;
        if (progress != nullptr)
            ShowWindow(progress, SW_SHOW);
        done = RunChosenDiskUsage(progress, true);
        if (progress != nullptr)
            DestroyWindow(progress);
        if (done)
            ReconcileShortcuts((choices.links & StartMenuLinks) != 0, (choices.links & DesktopLinks) != 0);
        else
            NoteExitCode(ExitCancelled);
    }
    CoUninitialize();
}
