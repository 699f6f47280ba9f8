// Setup: reconciles the machine with the user's choice of disk usage and
// shortcuts.
#pragma once
#include <windows.h>

// Shows the setup options dialog; true when it was closed by OK.
bool RunSetup(HINSTANCE instance, HWND owner);

// True when the game's data is on the hard disk (common.res in the data
// directory).
bool IsHardDiskInstall();

void CenterWindow(HWND window);

// The disk work of the choice, inside its progress dialog: the engine runs
// when the choice differs from the machine, or to clear what a cut-short
// install left. True when the machine holds the choice.
bool RunChosenDiskUsage(HWND progress, bool hardDisk);

// After a run that succeeded: links, stub and uninstall entry in line with
// the choice. Each step goes on whatever became of the one before.
void ReconcileShortcuts(bool startMenu, bool desktop);

INT_PTR CALLBACK SetupOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
