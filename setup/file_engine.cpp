#include "setup/file_engine.h"

#include <string.h>

#include <iterator>

#include "base/files.h"
#include "base/format.h"
#include "base/message_pump.h"
#include "base/messages.h"
#include "base/platform.h"
#include "base/product.h"
#include "base/run_log.h"
#include "setup/checksum_list.h"
#include "setup/data_folder.h"
#include "setup/directories.h"
#include "setup/install_path.h"
#include "setup/product_key.h"
#include "setup/progress.h"
#include "setup/registry.h"
#include "setup/remove_mode.h"
#include "setup/setup_state.h"
#include "setup/verified_copy.h"

constexpr unsigned long long InstallBytes = 272629760;   // 260 MB, whatever the list holds
constexpr unsigned long long Megabyte = 1048576;

bool CheckDiskSpace(unsigned long long required, const char* path)
{
    char root[4] = "";
    FormatInto(root, std::size(root), "%.3s", path);
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
    if (!Sys.GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) {
        ShowFatal("This is not a valid hard drive");
        return false;
    }
    unsigned long long freeBytes = static_cast<unsigned long long>(sectorsPerCluster) * bytesPerSector * freeClusters;
    if (freeBytes >= required)
        return true;
    NoteExitCode(ExitDiskFull);
    ShowFatal("%s requires %d MB of disk space\r\nThis disk has %d MB free", ProductName,
              static_cast<int>(required / Megabyte), static_cast<int>(freeBytes / Megabyte));
    return false;
}

INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        // Both bars have the range 0 to 100 of their own; the copy sets the
        // Total bar's.
        return TRUE;
    case WM_COMMAND:
        // Only a request: the engine, running inside the owner's idle
        // handling, stops within one chunk and ends the dialog itself.
        CancelRequested = true;
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

static void ResetPath(char* path)
{
    GetDataDir(path);
}

// Records the target in the product key; false (said) when it can't.
static bool RecordDataDirectory(char* path)
{
    HKEY key;
    if (!CreateRegistryKey(ProductKey, &key)) {
        ShowFatal("Can't create registry key");
        return false;
    }
    bool set = SetRegistryText(key, ProductKey, DataDirectoryValue, path);
    Sys.RegFlushKey(key);
    RegCloseKey(key);
    if (!set) {
        ShowFatal("Can't set registry value");
        return false;
    }
    return true;
}

// Makes the target directory, asking first; false when it is not there.
static bool MakeDataDirectory(HWND owner, const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    char question[512];
    FormatInto(question, std::size(question), "The directory\r\n%s\r\ndoes not exist.\r\nCreate it?", path);
    if (ShowBox(owner, question, "Create directory", MB_YESNO) != IDYES)
        return false;
    if (!CreateDataFolder(path)) {
        ShowBox(owner, "Can't create directory", "Install", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

// Copies one listed file; false when it failed or the user stopped. The
// marker is written under another name and renamed only when whole and
// verified: an install cut short by any means never counts as installed.
static bool InstallFile(HWND owner, const char* directory, const ChecksumEntry& entry)
{
    ProgressFileBegins(entry.name);

    // A path that does not fit would name another file: it fails as a
    // missing source does.
    bool marker = IsInstalledMarker(entry.name);
    char source[PathSize], destination[PathSize], written[PathSize];
    bool named = FormatInto(source, std::size(source), "Run\\%s", entry.name) &&
                 FormatInto(destination, std::size(destination), "%s\\%s", directory, entry.name) &&
                 FormatInto(written, std::size(written), "%s%s", destination, marker ? PartialSuffix : "");
    if (!named)
        ShowFatal("Can't open source file");
    bool copied = named && CopyVerifiedFile(source, written, entry.checksum);
    if (copied && marker && !LogResult("Rename", written, ReplaceWithFile(written, destination))) {
        ShowFatal("Can't create file\r\nDisk may be full");
        copied = false;
    }
    if (copied)
        LogStep("Copy and verify", destination, 0);
    if (!copied) {
        if (!CancelRequested) {
            char error[512];
            FormatInto(error, std::size(error), "Error installing file %s", entry.name);
            DrawProgress();
            ShowBox(owner, error, "Error", MB_OK | MB_ICONEXCLAMATION);
        }
        return false;
    }
    PumpMessages();
    if (!CancelRequested) {
        ProgressFileEnds();
        return true;
    }
    DrawProgress();
    if (ShowBox(owner, "Abort installation?", "Install", MB_YESNO) == IDYES)
        return false;
    CancelRequested = false;
    return true;
}

// Copies every listed file, the list first, the marker last and the others
// in the list's order; false when one failed or the user stopped.
static bool CopyListedFiles(HWND owner, const char* directory, const ChecksumEntry* table, int count)
{
    BeginProgress(owner, count);
    bool copied = true;
    for (int rank = 0; rank < FileRanks && copied; ++rank) {
        for (int i = 0; i < count && copied; ++i) {
            if (FileRank(table[i].name) == rank)
                copied = InstallFile(owner, directory, table[i]);
        }
    }
    DrawProgress();
    EndProgress();
    return copied;
}

// 1. The product key is written before anything else lands on the disk;
//    from the directory question on, every failure but a missing list
//    takes it away again.
// 2. Old copies of the listed files go before the space check, so a second
//    install over a first needs no room for both.
// 3. Any failure in the copy loop rolls back every listed file, every
//    directory left empty and the key: the machine is as before the run,
//    less the old copies.
// 4. common.res exists under its own name only once every listed file is
//    whole and verified, whatever ends the run.
bool RunFileEngine(HWND owner, char* path, bool remove)
{
    if (remove)
        return RunRemoveMode(owner, path);
    // Nobody to ask: the path is the one the command line gave, completed.
    if (!Unattended && !AskInstallPath(owner, path)) {
        ResetPath(path);
        return false;
    }
    if (!RecordDataDirectory(path)) {
        ResetPath(path);
        return false;
    }
    if (!MakeDataDirectory(owner, path)) {
        DeleteProductKey();
        return false;
    }

    char directory[PathSize];
    GetDirectoryOf(directory, path);
    static ChecksumEntry table[MaxChecksumEntries];
    int count = 0;
    switch (LoadChecksumList(table, &count, nullptr)) {
    case ChecksumListStatus::Loaded:
        break;
    case ChecksumListStatus::Missing:
        ShowFatal("Can't open checksum.lst");
        return false;
    case ChecksumListStatus::Refused:
        return false;
    }
    // Held from the old copies to the end: nothing is deleted or written
    // through a link.
    // Stopped before the copy, it takes back the folder it made too.
    if (!HoldDataFolder(directory) || !DeleteListedFiles(directory, table, count) ||
        !CheckDiskSpace(InstallBytes, path)) {
        ReleaseDataFolder();
        RemoveDirectoryChain(directory);
        DeleteProductKey();
        return false;
    }
    bool copied = CopyListedFiles(owner, directory, table, count);
    if (!copied)
        DeleteListedFiles(directory, table, count);
    ReleaseDataFolder();
    if (copied) {
        ShowBox(owner, "Files copied successfully", "Thun", MB_OK);
        return true;
    }
    RemoveDirectoryChain(directory);
    DeleteProductKey();
    return false;
}
