#include "setup/directories.h"

#include <windows.h>
#include <string.h>

#include <iterator>

#include "base/format.h"
#include "base/path_chars.h"
#include "base/platform.h"
#include "base/product.h"
#include "base/run_log.h"

// A REG_SZ query into buf; false when the value is missing, unreadable or
// would not fit with its terminator.
static bool QueryText(HKEY key, const char* name, char* buf, DWORD size)
{
    DWORD bytes = size;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buf), &bytes) != ERROR_SUCCESS) {
        buf[0] = '\0';
        return false;
    }
    // A stored text need not carry its terminator; one that fills the buffer
    // without it is too long.
    if (bytes == size && buf[size - 1] != '\0') {
        buf[0] = '\0';
        return false;
    }
    buf[bytes < size ? bytes : size - 1] = '\0';
    return true;
}

void GetProgramFilesDir(char* buf)
{
    char value[PathSize] = "";
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, WindowsCurrentVersionKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        QueryText(key, ProgramFilesValue, value, std::size(value));
        RegCloseKey(key);
    }

    // The value is used only when every directory formed from it fits, the
    // data directory being the longest; otherwise the fallback serves all.
    size_t length = strlen(value);
    const char* separator = EndsInBackslash(value) ? "" : "\\";
    char longest[PathSize];
    if (length == 0 ||
        !FormatInto(longest, std::size(longest), "%s%s%s%s", value, separator, InstallSubPath, DataSubDir)) {
        FormatInto(buf, PathSize, "%s", FallbackProgramFilesDir);
        return;
    }
    FormatInto(buf, PathSize, "%s%s", value, separator);
}

bool GetDefaultInstallDir(char* buf)
{
    GetProgramFilesDir(buf);
    AppendInto(buf, PathSize, "%s", InstallSubPath);
    return true;
}

bool GetDataDir(char* buf)
{
    GetDefaultInstallDir(buf);
    AppendInto(buf, PathSize, "%s", DataSubDir);

    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char value[PathSize];
    bool found = QueryText(key, DataDirectoryValue, value, std::size(value));
    RegCloseKey(key);
    if (found)
        FormatInto(buf, PathSize, "%s", value);
    return found;
}

bool EnsureDefaultInstallDir()
{
    char dir[PathSize];
    GetDefaultInstallDir(dir);
    return CreateDirectoryChain(dir);
}

bool CreateDirectoryChain(const char* path, LPSECURITY_ATTRIBUTES security)
{
    char work[PathSize];
    if (!FormatInto(work, std::size(work), "%s", path))
        return false;
    CutTrailingBackslash(work);
    bool created = false;
    // The path up to each backslash, then the whole of it, by characters
    // (before a backslash may stand a character whose second byte is one).
    char* previous = nullptr;
    for (char* at = work;; previous = at, at = NextChar(at)) {
        if (*at != '\\' && *at != '\0')
            continue;
        char kept = *at;
        *at = '\0';
        if (previous != nullptr && *previous != '\\')
            created = LogResult("Make folder", work, Sys.CreateDirectoryA(work, security));
        *at = kept;
        if (kept == '\0')
            return created;
    }
}

bool RemoveDirectoryChain(const char* path, int ours)
{
    char work[PathSize];
    if (!FormatInto(work, std::size(work), "%s", path))
        return false;
    for (char* lastSlash = FindLastBackslash(work); lastSlash != nullptr; lastSlash = FindLastBackslash(work)) {
        if (ours-- <= 0)
            RemoveFolderLogged(work);
        else if (!RemoveOrSay(work, true))
            return false;
        *lastSlash = '\0';
    }
    return true;
}
