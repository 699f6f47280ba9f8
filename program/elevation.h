// Setup and the uninstall write HKEY_LOCAL_MACHINE and Program Files. The
// Launcher asks for no rights of its own, so on Windows Vista and later,
// without an elevated token, it hands them to a copy of itself started
// with the "runas" verb.
#pragma once
#include <windows.h>

// True when the action (its switches: "-setup" or "-uninstall" and what
// they are told) was handed over: run by an elevated copy, which has ended
// and whose exit code is noted, or declined at the prompt, or refused with
// a box. False when it is this process's to run: Windows before Vista, or
// an elevated token. owner stays disabled but painted while the copy runs.
bool HandOverToElevatedCopy(HWND owner, const char* action);
