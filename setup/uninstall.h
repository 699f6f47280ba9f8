#pragma once
#include <windows.h>

// Asks, then removes the installed game; false when the user declined.
bool RunUninstall(HINSTANCE instance, HWND owner);

// The file engine's remove mode, after the listed files are deleted: the
// directory and the product key. True when the removal ran to its end.
bool FinishRemoval(HWND owner, const char* directory);
