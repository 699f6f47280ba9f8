// The log Setup and the uninstall keep when the command line asks for one:
// plain text, one line per step, each written through to the disk as it is
// written, so that a run cut short leaves its log up to its last step.
#pragma once
#include <windows.h>

#include "base/format.h"

// Creates the log anew, or appends to it (the elevated copy goes on with
// the log its starter began); false, said, when it can't be opened.
bool OpenRunLog(const char* path, bool append);

// One line, printf-style; line breaks in it become blanks. Nothing when no
// log is open.
void LogLine(const char* format, ...) FORMAT_CHECK(1, 2);

// "step object: done", or with Windows' number and text for error.
void LogStep(const char* step, const char* object, DWORD error);

// LogStep for a call's result, with the error it left; one that only says
// the name was not there, the folder not empty or already made is not a
// failure worth a line. Returns succeeded, and leaves the error as it was.
bool LogResult(const char* step, const char* object, BOOL succeeded);

// Deletes a file, or removes an empty folder, and logs it when it went;
// the error stays for the caller.
bool DeleteLogged(const char* path);
bool RemoveFolderLogged(const char* path);

// Deletes a file, or a folder when it is empty, of the game's. Gone
// already is gone, and a folder that holds what someone else put there
// stays without a word; otherwise false, and said in a box when say.
bool RemoveOrSay(const char* path, bool folder, bool say = true);
