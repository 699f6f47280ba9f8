#pragma once
#include <windows.h>

// Asks, then removes the installed game; false when the user declined.
bool RunUninstall(HINSTANCE instance, HWND owner);
