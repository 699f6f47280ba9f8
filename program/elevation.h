// Setup and the uninstall write HKEY_LOCAL_MACHINE and Program Files. The
// Launcher asks for no rights of its own, so on Windows Vista and later,
// without an elevated token, it hands them to a copy of itself started
// with the "runas" verb.
#pragma once
#include <windows.h>

// Given to that copy besides the action's switch: it runs the action, and
// never asks again (with the prompt turned off, runas starts it unelevated).
constexpr char ElevatedSwitch[] = "-elevated";

// True when the action (its switch, "-setup" or "-uninstall") was handed
// over: run by an elevated copy, which has ended, or declined at the
// prompt, or refused with a box. False when it is this process's to run:
// Windows before Vista, or an elevated token. owner stays disabled but
// painted while the copy runs.
bool HandOverToElevatedCopy(HWND owner, const char* action);
