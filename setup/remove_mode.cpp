#include "setup/remove_mode.h"

#include <string.h>

#include <iterator>

#include "base/files.h"
#include "base/format.h"
#include "base/messages.h"
#include "base/path_chars.h"
#include "base/platform.h"
#include "base/product.h"
#include "setup/checksum_list.h"
#include "setup/data_folder.h"
#include "setup/directories.h"
#include "setup/product_key.h"

bool IsInstalledMarker(const char* name)
{
    return lstrcmpiA(name, InstalledMarker) == 0;
}

void GetDirectoryOf(char* directory, const char* path)
{
    FormatInto(directory, PathSize, "%s", path);
    CutTrailingBackslash(directory);
}

int FileRank(const char* name)
{
    return lstrcmpiA(name, ChecksumListName) == 0 ? 0 : IsInstalledMarker(name) ? 2 : 1;
}

bool DeleteListedFiles(const char* directory, const ChecksumEntry* table, int count, bool remove)
{
    for (int rank = FileRanks - 1; rank >= 0; --rank) {
        for (int i = 0; i < count; ++i) {
            bool marker = IsInstalledMarker(table[i].name);
            char file[PathSize];
            if (FileRank(table[i].name) != rank || !FormatInto(file, std::size(file), "%s\\%s", directory, table[i].name))
                continue;
            if (!RemoveFromDataFolder(file, remove))
                return false;
            if (marker && AppendInto(file, std::size(file), "%s", PartialSuffix) && !RemoveFromDataFolder(file, remove))
                return false;
        }
    }
    return true;
}

// A folder or key that stays is named, and the value that leads to the
// folder stays with it for the next run.
static bool FinishRemoval(HWND owner, const char* directory)
{
    if (!RemoveDirectoryChain(directory, 1) || !DeleteProductKey())
        return false;
    ShowBox(owner, "Files removed", ProductName, MB_OK);
    return true;
}

bool RunRemoveMode(HWND owner, const char* path)
{
    char directory[PathSize];
    GetDirectoryOf(directory, path);
    static ChecksumEntry table[MaxChecksumEntries];
    int count = 0;
    switch (LoadChecksumList(table, &count, directory)) {
    case ChecksumListStatus::Loaded:
        break;
    case ChecksumListStatus::Missing:
        // Empty, as a removal cut short can leave it, it goes.
        if (!RemoveDirectoryChain(directory, 1))
            return false;
        if (FileExists(directory)) {
            char text[512];
            FormatInto(text, std::size(text),
                       "Can't find checksum.lst in\r\n%s\r\nNothing was removed: the game's files are still in that folder.",
                       directory);
            ShowBox(owner, text, "Uninstall", MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        // Nothing of the game on the disk: a value that names no folder goes.
        return DeleteProductKey();
    case ChecksumListStatus::Refused:
        return false;
    }
    // Every file is checked before the first goes: a link refused leaves
    // everything, as a missing list does.
    bool removed = HoldDataFolder(directory) && DeleteListedFiles(directory, table, count, false) &&
                   DeleteListedFiles(directory, table, count, true);
    ReleaseDataFolder();
    return removed && FinishRemoval(owner, directory);
}
