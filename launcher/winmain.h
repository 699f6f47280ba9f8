#pragma once
#include <windows.h>

// The Launcher's own module, stored first thing by WinMain; it names the
// Launcher's file. Kept with the file helpers, which the tests link too.
extern HINSTANCE LauncherInstance;
