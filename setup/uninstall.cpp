#include "setup/uninstall.h"

#include <commctrl.h>
#include <objbase.h>

#include <iterator>

#include "base/files.h"
#include "base/format.h"
#include "base/messages.h"
#include "base/platform.h"
#include "base/product.h"
#include "base/run_log.h"
#include "setup/directories.h"
#include "setup/file_engine.h"
#include "setup/restart_removal.h"
#include "setup/setup_state.h"
#include "setup/shortcuts.h"

constexpr char RemovedSuffix[] = ".removed";

// The stub that runs the uninstall can't delete its own file: it and then
// the folders that hold it (if they are empty by then) go at the next
// restart. On Windows NT it takes a name of its own first (a running
// program may be renamed), so that a Setup before the restart writes a stub
// the restart leaves alone; on the 95 family that Setup takes the deletion
// back.
static void RemoveStub()
{
    const char* stub = GetStubPath();
    char removed[PathSize];
    // Not running (the uninstall in process), it goes now, and so do its
    // folders; a folder that stays then is named.
    if (DeleteStub(false))
        return;
    if (!FileExists(stub)) {
        DeleteStub();
        return;
    }
    if (IsWindowsNT() && FormatInto(removed, std::size(removed), "%s%s", stub, RemovedSuffix) &&
        LogResult("Rename", stub, Sys.MoveFileExA(stub, removed, MOVEFILE_REPLACE_EXISTING)))
        stub = removed;
    if (!DeleteAtRestart(stub))
        return;
    char folders[StubFolderCount][PathSize];
    GetStubFolders(folders);
    for (const char* folder : folders)
        DeleteAtRestart(folder);
}

bool RunUninstall(HINSTANCE instance, HWND owner)
{
    CoInitialize(nullptr);
    InitCommonControls();
    if (ShowBox(owner, "Remove Thundra?", "Uninstall", MB_YESNO) != IDYES) {
        CoUninitialize();
        return false;
    }
    SetupInstance = instance;
    // Read before the engine runs: remove mode deletes the key it comes from.
    char target[PathSize];
    GetDataDir(target);
    // Files that no list names stay, and so do the entry, the links and the
    // stub: the user can run the uninstall again. The entry goes after the
    // links, so that it stays to run it again when one of them stays.
    if (RunFileEngine(owner, target, true) && RemoveDesktopLink() && RemoveStartMenuLinks() && UnregisterUninstall())
        RemoveStub();
    CoUninitialize();
    return true;
}
