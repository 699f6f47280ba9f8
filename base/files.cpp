#include "base/files.h"

#include <windows.h>
#include <string.h>

#include "base/launcher_state.h"
#include "base/path_chars.h"
#include "base/platform.h"

bool FileExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool GetModuleDirectory(char* buf, unsigned size)
{
    DWORD length = GetModuleFileNameA(LauncherInstance, buf, size);
    // A name that filled the buffer was cut: its directory would be another.
    if (length == 0 || length >= size) {
        buf[0] = '\0';
        return false;
    }
    char* lastSlash = FindLastBackslash(buf);
    if (lastSlash == nullptr)
        return false;
    // At a drive's root keep the backslash: a bare "D:" names whatever
    // directory is current on that drive, not the drive's root.
    if (lastSlash == buf + 2 && buf[1] == ':')
        lastSlash[1] = '\0';
    else
        lastSlash[0] = '\0';
    return true;
}

bool IsLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

bool ReplaceWithFile(const char* from, const char* to)
{
    if (IsWindowsNT())
        return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    DeleteFileA(to);
    return MoveFileA(from, to) != FALSE;
}
