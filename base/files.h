#pragma once

// True when the path names a file or a directory.
bool FileExists(const char* path);

// Fills buf with the directory the Launcher's file lies in, without a
// trailing backslash except at a drive's root ("D:\"). False when the file
// name can't be read whole or holds no backslash.
bool GetModuleDirectory(char* buf, unsigned size);

// Renames from to to, replacing it. On Windows NT the rename is written
// through to the disk before it returns; the 95 family has no replacing
// rename, so to is deleted first.
bool ReplaceWithFile(const char* from, const char* to);

// Flushes a file written by another call (CopyFileA, say) to the disk;
// false when it can't be.
bool FlushFileNamed(const char* path);
