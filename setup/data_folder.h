// The data folder, held while Setup or the uninstall acts in it. Both run
// with an administrator's rights, while a standard user may be able to
// change the folder (one under C:\, say): a link planted in it, or the
// folder itself made a link, must never lead them to delete, create or
// overwrite a file anywhere else. The 95 family has no links: nothing is
// checked there.
#pragma once
#include <windows.h>

// Creates the data folder and those above it that are missing, each with
// the rights of the machine's own program folders; true when the last was
// newly made.
bool CreateDataFolder(const char* path);

// Checks that no folder on the way to directory (without its trailing
// backslash) is a link, junction or mount point, and holds the folder so
// that it can't be renamed or replaced meanwhile. False, with a box naming
// the link, when one is.
bool HoldDataFolder(const char* directory);
void ReleaseDataFolder();

// Deletes a file of the held folder through the handle that was checked;
// with remove false, only checks it. True when it is gone, was never
// there, or (only checking) may go; false, said, when a link leads
// elsewhere or it is there but can't be deleted.
bool RemoveFromDataFolder(const char* path, bool remove);

// Creates a new file of the held folder for writing (and deleting through
// DiscardFile). Invalid when it can't; *refused then tells whether a link
// was met, which has been said.
HANDLE CreateInDataFolder(const char* path, bool* refused);

// Deletes the file a handle of CreateInDataFolder holds, and closes it;
// false when it could not be deleted.
bool DiscardFile(HANDLE file, const char* path);
