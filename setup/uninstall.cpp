#include "setup/uninstall.h"

// The uninstaller is not built yet: nothing is removed.
bool RunUninstall(HINSTANCE, HWND)
{
    return false;
}

bool FinishRemoval(HWND, const char*, const ChecksumEntry*, int)
{
    return false;
}
