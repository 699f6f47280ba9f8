// Where the Launcher's DLLs come from: the system folder only. Setup and the
// uninstall run with an administrator's rights, and a DLL left beside the
// Launcher (a disc image unpacked into Downloads, say) or in the current
// folder would run with them.
#pragma once
#include <windows.h>

// Takes the program's folder and the current folder out of the DLL search
// of the whole process, as far as this Windows can; first thing at start.
void RestrictDllSearch();

// The named DLL of the system folder; null when it can't be loaded.
HMODULE LoadSystemLibrary(const char* name);
