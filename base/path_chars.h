// Paths walked by characters, never by bytes: on the double-byte code pages
// (Japanese, Chinese, Korean) the second byte of a character may be the
// byte of a backslash (0x5C), as in "表" on code page 932. Windows-free.
#pragma once
#include <stddef.h>

// True when byte starts a two-byte character in the ANSI code page: the
// Windows build asks IsDBCSLeadByte.
bool IsLeadByte(unsigned char byte);

// The character after the one text points at; the terminator stays put.
const char* NextChar(const char* text);
inline char* NextChar(char* text) { return const_cast<char*>(NextChar(static_cast<const char*>(text))); }

// The last backslash of path that is a character of its own, or null.
const char* FindLastBackslash(const char* path);
inline char* FindLastBackslash(char* path) { return const_cast<char*>(FindLastBackslash(static_cast<const char*>(path))); }

// True when the last character of path is a backslash.
bool EndsInBackslash(const char* path);

// Takes one trailing backslash off path.
void CutTrailingBackslash(char* path);

// The bytes of the longest start of text, of whole characters, within limit.
size_t FitChars(const char* text, size_t limit);
