// The install path dialog: where the game data goes on the hard disk.
#pragma once
#include <windows.h>

// Shows the dialog over path (PathSize characters). True on OK, with the
// completed path, ending in a backslash, in path; false on Cancel, path
// untouched.
bool AskInstallPath(HWND owner, char* path);

INT_PTR CALLBACK InstallPathProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Lets the user pick a folder; true with it, and a backslash, in path.
bool BrowseForFolder(HWND owner, char* path);

// Completes a browsed folder in place with the publisher, product and Data
// folders; false, path unusable, when that would not fit in PathSize.
bool CompleteInstallPath(char* path);
