// What Setup's dialogs, the file engine and the uninstaller share.
#pragma once
#include <windows.h>

#include "base/product.h"

// The module whose dialogs Setup shows and whose file is the stub's source;
// stored by Setup and the uninstaller before any dialog.
extern HINSTANCE SetupInstance;

// The target data directory, ending in a backslash once confirmed.
extern char InstallPath[PathSize];

// From OK in the options dialog until the progress dialog has closed.
extern bool InstallBusy;

// The user asked to stop: the copy stops within one chunk and the engine
// after the file.
extern bool CancelRequested;
