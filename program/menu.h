#pragma once
#include <windows.h>

// Shows the autorun menu; true when the user chose Play.
bool RunMenu();

INT_PTR CALLBACK MenuDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
