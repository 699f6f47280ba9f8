// The game's files taken out of the data directory: the old copies that an
// install replaces, an install's rollback, and the file engine's remove mode.
#pragma once
#include <windows.h>

#include "setup/checksum_list_reader.h"

// The file by which Setup judges an installation; an install writes it last,
// under the partial name until it is whole and verified.
constexpr char InstalledMarker[] = "common.res";

bool IsInstalledMarker(const char* name);

// The order listed files are written in: the data folder's copy of the
// list first (an uninstall then always finds it), common.res last; they
// are deleted in the reverse order.
constexpr int FileRanks = 3;
int FileRank(const char* name);

// The data directory path (PathSize characters) without one trailing backslash.
void GetDirectoryOf(char* directory, const char* path);

// Deletes every listed file in the held data folder, the marker and what a
// cut-short install left of it first (a removal cut short never counts as
// an installation) and the list last (it is there to finish it); with
// remove false, only checks them. False, said, at the first file that a
// link leads elsewhere or that can't be deleted (in use, say): the rest
// stays.
bool DeleteListedFiles(const char* directory, const ChecksumEntry* table, int count, bool remove = true);

// Remove mode: the listed files, the directories left empty and the product
// key. True when the removal ran to its end, or when there is no data
// directory to remove; false, and nothing removed, when no list names the
// files, the list is refused or a link leads out of the folder (the box
// says which).
bool RunRemoveMode(HWND owner, const char* path);
