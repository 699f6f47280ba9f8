#include "setup/restart_removal.h"

#include <windows.h>
#include <string.h>

#include <iterator>

#include "base/format.h"
#include "base/platform.h"
#include "base/product.h"
#include "base/run_log.h"
#include "setup/path_rules.h"

// wininit.ini is a short file that lives until the next start.
constexpr DWORD WininitSize = 16384;
static char Wininit[WininitSize];

// Reads wininit.ini, which the 95 family carries out, and deletes, at its
// next start, into Wininit; false when it can't be read whole. The section
// may hold many "NUL=" lines, which the profile functions can't write.
static bool LoadWininit(char* file, DWORD* size)
{
    UINT length = GetWindowsDirectoryA(file, PathSize);
    *size = 0;
    if (length == 0 || length >= PathSize || !AppendInto(file, PathSize, "\\wininit.ini"))
        return false;
    HANDLE in = Sys.CreateFileA(file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (in != INVALID_HANDLE_VALUE) {
        bool read = ReadFile(in, Wininit, WininitSize - 1, size, nullptr) && GetFileSize(in, nullptr) == *size;
        CloseHandle(in);
        if (!read)
            return false;
    }
    Wininit[*size] = '\0';
    return true;
}

// Writes wininit.ini anew: Wininit up to split, inserted, the rest from resume.
static bool StoreWininit(const char* file, DWORD size, DWORD split, const char* inserted, DWORD resume)
{
    HANDLE out = Sys.CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return false;
    DWORD insertedSize = static_cast<DWORD>(strlen(inserted)), written[3] = {};
    bool whole = Sys.WriteFile(out, Wininit, split, &written[0], nullptr) &&
                 Sys.WriteFile(out, inserted, insertedSize, &written[1], nullptr) &&
                 Sys.WriteFile(out, Wininit + resume, size - resume, &written[2], nullptr) &&
                 written[0] + written[1] + written[2] == split + insertedSize + size - resume;
    CloseHandle(out);
    return whole;
}

// Adds "NUL=shortPath" to the [rename] section.
static bool AddWininitDeletion(const char* shortPath)
{
    char file[PathSize];
    DWORD size;
    if (!LoadWininit(file, &size))
        return false;

    char line[PathSize + 8];
    if (!FormatInto(line, std::size(line), "NUL=%s\r\n", shortPath))
        return false;
    // After the section's header line, or a new section at the end.
    int section = ContainsNoCase(Wininit, "[rename]");
    const char* header = section < 0 ? nullptr : strchr(Wininit + section, '\n');
    DWORD split = header != nullptr ? static_cast<DWORD>(header + 1 - Wininit) : size;
    const char* opening = "";
    if (header == nullptr && section >= 0)
        opening = "\r\n";
    else if (header == nullptr)
        opening = size > 0 && Wininit[size - 1] != '\n' ? "\r\n[rename]\r\n" : "[rename]\r\n";
    char inserted[PathSize + 32];
    FormatInto(inserted, std::size(inserted), "%s%s", opening, line);
    return StoreWininit(file, size, split, inserted, split);
}

void CancelDeletionAtRestart(const char* path)
{
    char shortPath[PathSize], line[PathSize + 8], file[PathSize];
    DWORD size, length = GetShortPathNameA(path, shortPath, std::size(shortPath));
    if (IsWindowsNT() || length == 0 || length >= std::size(shortPath) ||
        !FormatInto(line, std::size(line), "NUL=%s\r\n", shortPath) || !LoadWininit(file, &size))
        return;
    int at = ContainsNoCase(Wininit, line);
    if (at >= 0)
        StoreWininit(file, size, static_cast<DWORD>(at), "", static_cast<DWORD>(at + strlen(line)));
}

static bool ScheduleDeletion(const char* path)
{
    if (IsWindowsNT())
        return Sys.MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    // wininit runs before long names are known: the short form of the path.
    char shortPath[PathSize];
    DWORD length = GetShortPathNameA(path, shortPath, std::size(shortPath));
    return length > 0 && length < std::size(shortPath) && AddWininitDeletion(shortPath);
}

bool DeleteAtRestart(const char* path)
{
    return LogResult("Delete at the next restart", path, ScheduleDeletion(path));
}
