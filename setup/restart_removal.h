// What can't be deleted now, the running uninstall stub and the folders
// that hold it, is deleted when Windows next starts.
#pragma once

// Schedules path (a file, or on Windows NT an empty folder) for deletion at
// the next restart; false when it can't be. On Windows NT through the
// system's pending operations, on the 95 family through wininit.ini, which
// deletes files only.
bool DeleteAtRestart(const char* path);

// Takes back, on the 95 family, the deletion of path at the next restart:
// Setup writes the stub again before the restart that the uninstall of the
// one before left it to. (On Windows NT the uninstall renames the running
// stub first, so nothing waits for the new one.)
void CancelDeletionAtRestart(const char* path);
