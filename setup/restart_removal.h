// What can't be deleted now, the running uninstall stub and the folders
// that hold it, is deleted when Windows next starts.
#pragma once

// Schedules path (a file, or on Windows NT an empty folder) for deletion at
// the next restart; false when it can't be. On Windows NT through the
// system's pending operations, on the 95 family through wininit.ini, which
// deletes files only.
bool DeleteAtRestart(const char* path);
