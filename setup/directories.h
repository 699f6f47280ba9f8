// Where the game lives on the hard disk. Every directory is a full path that
// ends in a backslash, in a buffer of PathSize characters. None of these
// shows a message: a value that can't be read yields the default.
#pragma once
#include <windows.h>

void GetProgramFilesDir(char* buf);
bool GetDefaultInstallDir(char* buf);
// The "DataDirectory" value, else the default; true when the value is stored.
bool GetDataDir(char* buf);

// Creates the default install directory; true when it was newly created.
bool EnsureDefaultInstallDir();

// Creates every directory along path, those it makes with security (none:
// as their parents give); true when the last one was newly made.
bool CreateDirectoryChain(const char* path, LPSECURITY_ATTRIBUTES security = nullptr);

// Removes path and then each parent in turn, as far as they are empty.
// The first ours of them are the game's own: one that stays for any other
// reason than what it holds is named, and ends the walk with false.
bool RemoveDirectoryChain(const char* path, int ours = 0);
