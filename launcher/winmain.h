#pragma once
#include <windows.h>

// The Launcher's own module, stored first thing by WinMain.
extern HINSTANCE LauncherInstance;
