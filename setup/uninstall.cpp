#include "setup/uninstall.h"

#include <commctrl.h>
#include <objbase.h>

#include "launcher/platform.h"
#include "launcher/product.h"
#include "setup/directories.h"
#include "setup/file_engine.h"
#include "setup/product_key.h"
#include "setup/setup_state.h"
#include "setup/shortcuts.h"

bool RunUninstall(HINSTANCE instance, HWND owner)
{
    CoInitialize(nullptr);
    InitCommonControls();
    if (Sys.MessageBoxA(owner, "Remove Thundra?", "Uninstall", MB_YESNO) != IDYES) {
        CoUninitialize();
        return false;
    }
    SetupInstance = instance;
    // Read before the engine runs: remove mode deletes the key it comes from.
    char target[PathSize];
    GetDataDir(target);
    RunFileEngine(owner, target, true);
    UnregisterUninstall();
    RemoveDesktopLink();
    RemoveStartMenuLinks();
    // The stub that runs this cannot delete its own file; it stays.
    DeleteStub();
    CoUninitialize();
    return true;
}

bool FinishRemoval(HWND owner, const char* directory)
{
    RemoveDirectoryChain(directory);
    DeleteProductKey();
    Sys.MessageBoxA(owner, "Files removed", ProductName, MB_OK);
    return true;
}
