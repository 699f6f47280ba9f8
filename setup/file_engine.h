// The disk work of Setup and of removal: every file of the checksum list
// copied into the data directory, verified, with progress, cancel and a
// full rollback; or removed again.
#pragma once
#include <windows.h>

// Runs inside the owner's handling of the progress dialog's first idle
// notice; owner is the progress dialog (none for the uninstaller). path is
// the target data directory (PathSize characters, in and out).
bool RunFileEngine(HWND owner, char* path, bool remove);

// True when the drive of path has at least required bytes free; otherwise
// it has said why.
bool CheckDiskSpace(unsigned long long required, const char* path);

INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
