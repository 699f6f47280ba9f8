// The game's files taken out of the data directory: the old copies that an
// install replaces, an install's rollback, and the file engine's remove mode.
#pragma once
#include <windows.h>

#include "setup/checksum_list_reader.h"

// The file by which Setup judges an installation; an install writes it last,
// under the suffixed name until it is whole and verified.
constexpr char InstalledMarker[] = "common.res";
constexpr char PartialMarkerSuffix[] = ".part";

bool IsInstalledMarker(const char* name);

// The data directory path (PathSize characters) without one trailing backslash.
void GetDirectoryOf(char* directory, const char* path);

// Deletes every listed file in directory, the marker and what a cut-short
// install left of it first, so that a removal cut short never counts as
// an installation. Failures are passed over.
void DeleteListedFiles(const char* directory, const ChecksumEntry* table, int count);

// Remove mode: the listed files, the directories left empty and the product
// key. True when the removal ran to its end, or when there is no data
// directory to remove; false, and nothing removed, when no list names the
// files or the list is refused (the box says which).
bool RunRemoveMode(HWND owner, const char* path);
