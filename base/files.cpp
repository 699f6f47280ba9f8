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
        return Sys.MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    Sys.DeleteFileA(to);
    return Sys.MoveFileA(from, to) != FALSE;
}

bool FlushFileNamed(const char* path)
{
    HANDLE file = Sys.CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool flushed = Sys.FlushFileBuffers(file) != FALSE;
    CloseHandle(file);
    return flushed;
}
