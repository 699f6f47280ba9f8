#include "setup/uninstall.h"

// The uninstaller is not built yet: nothing is removed.
bool RunUninstall(HINSTANCE, HWND)
{
    return false;
}
