#include "setup/setup_options.h"

#include <commctrl.h>
#include <objbase.h>

#include <iterator>

#include "base/files.h"
#include "base/format.h"
#include "base/messages.h"
#include "base/platform.h"
#include "base/product.h"
#include "resources/resource_ids.h"
#include "setup/directories.h"
#include "setup/file_engine.h"
#include "setup/product_key.h"
#include "setup/remove_mode.h"
#include "setup/setup_state.h"
#include "setup/shortcuts.h"

bool RunSetup(HINSTANCE instance, HWND owner)
{
    CoInitialize(nullptr);
    InitCommonControls();
    SetupInstance = instance;
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETUP_OPTIONS), owner, SetupOptionsProc, 0);
    CoUninitialize();
    // Cancel after a run that failed keeps that run's exit code.
    if (result != IDOK)
        NoteExitCode(ExitCancelled);
    return result == IDOK;
}

bool IsHardDiskInstall()
{
    char dataDir[PathSize];
    GetDataDir(dataDir);
    char marker[PathSize];
    return FormatInto(marker, std::size(marker), "%s%s", dataDir, InstalledMarker) && FileExists(marker);
}

void CenterWindow(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    MoveWindow(window, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
               width, height, TRUE);
}

bool RunChosenDiskUsage(HWND progress, bool hardDisk)
{
    bool installed = IsHardDiskInstall();
    // A stored folder without a whole install is what one cut short left:
    // kept on the CD, it is cleared rather than left to fill the disk.
    char stored[PathSize];
    bool leftover = !hardDisk && !installed && GetDataDir(stored);
    return (hardDisk == installed && !leftover) || RunFileEngine(progress, InstallPath, !hardDisk);
}

void ReconcileShortcuts(bool startMenu, bool desktop)
{
    bool hardDisk = IsHardDiskInstall(), keep = hardDisk;
    if (startMenu) {
        keep = true;
        // Both: a cut between the two would leave the uninstall link missing for good.
        if (!StartMenuLinkExists(StartMenuLinks::Both)) {
            CopyStub();
            CreateStartMenuLinks();
        }
    } else if (!RemoveStartMenuLinks()) {
        // Named; what stays keeps what it needs, for the next run.
        return;
    }
    if (desktop) {
        if (!DesktopLinkExists()) {
            CopyStub();
            CreateDesktopLink();
        }
        RegisterUninstall(hardDisk);
        return;
    }
    if (DesktopLinkExists() && !RemoveDesktopLink())
        return;
    if (keep) {
        RegisterUninstall(hardDisk);
    } else if (UnregisterUninstall() && DeleteStub()) {
        // The entry first: a cut between the two never leaves one that runs
        // nothing. The key last: a cut may have left the publisher's empty.
        DeleteProductKey();
    }
}

INT_PTR CALLBACK SetupOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        CancelRequested = false;
        InstallBusy = false;
        GetDataDir(InstallPath);
        CheckDlgButton(dialog, IsHardDiskInstall() ? IDC_HARD_DISK : IDC_PLAY_FROM_CD, BST_CHECKED);
        if (StartMenuLinkExists())
            CheckDlgButton(dialog, IDC_START_MENU, BST_CHECKED);
        if (DesktopLinkExists())
            CheckDlgButton(dialog, IDC_DESKTOP, BST_CHECKED);
        CenterWindow(dialog);
        return TRUE;
    case WM_ENTERIDLE:
        // The progress dialog's first idle moment: the run happens here,
        // inside its modal loop, and pumps messages itself.
        if (InstallBusy && wParam == MSGF_DIALOGBOX) {
            HWND progress = reinterpret_cast<HWND>(lParam);
            EndDialog(progress, RunChosenDiskUsage(progress, IsDlgButtonChecked(dialog, IDC_HARD_DISK) == BST_CHECKED) ? 1 : 2);
        }
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            if (InstallBusy)
                return TRUE;
            InstallBusy = true;
            CancelRequested = false;
            // Each run is told by its own exit code; one that failed with
            // no box was stopped by the user.
            ExitCode = 0;
            INT_PTR result = DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(IDD_PROGRESS), dialog, ProgressDialogProc, 0);
            if (result == 1) {
                ReconcileShortcuts(IsDlgButtonChecked(dialog, IDC_START_MENU) == BST_CHECKED,
                                   IsDlgButtonChecked(dialog, IDC_DESKTOP) == BST_CHECKED);
                EndDialog(dialog, IDOK);
            } else {
                NoteExitCode(ExitCancelled);
            }
            InstallBusy = false;
            return TRUE;
        }
        case IDCANCEL:
            if (InstallBusy)
                CancelRequested = true;
            else
                EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
