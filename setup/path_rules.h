// The shape rules of an install path. Windows-free.
#pragma once

// True when the second character is ':', the text has at least four
// characters and holds a backslash.
bool IsValidInstallPath(const char* path);

// The position of the first occurrence of word in text, ignoring the case
// of ASCII letters, or -1.
int ContainsNoCase(const char* text, const char* word);

// What a typed install path is completed to, in place (PathSize
// characters): one trailing backslash taken off, "\Data" unless "data"
// occurs anywhere, then "\". False when it would not fit.
bool CompleteTypedPath(char* path);
