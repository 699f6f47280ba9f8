// Folders the system or the shell names. On Windows NT they are Unicode,
// and a user's profile may hold any script: the Launcher, whose calls are
// ANSI, takes each as an exact ANSI path, as it is where the code page can
// say it, else in its short (8.3) form, which it always can. The 95 family
// names every folder in ANSI already.
#pragma once
#include <windows.h>
#include <shlobj.h>

// The folder wide names, exact, in buf (PathSize characters). False, with
// a box naming the folder unless quiet, when neither form is exact.
bool GetExactAnsiPath(const WCHAR* wide, char* buf, bool quiet = false);

// The temporary folder, ending in a backslash, or empty when the system
// has none that fits (the current folder serves then); false when it can't
// be named (said).
bool GetTempFolder(char* buf);

// The folder of a shell item list, as SHGetPathFromIDList gives it; false
// when it has none or can't be named (said unless quiet).
bool GetFolderOfList(PCIDLIST_ABSOLUTE list, char* buf, bool quiet = false);
