// What the whole Launcher shares, whichever floor reads it.
#pragma once
#include <windows.h>

#include "base/product.h"

// The Launcher's own module, stored first thing by WinMain; it names the
// Launcher's file.
extern HINSTANCE LauncherInstance;

// Filled when the launch sequence begins; empty while the menu is shown.
extern char DefaultInstallDir[PathSize];
