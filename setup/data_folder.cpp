#include "setup/data_folder.h"

#include <sddl.h>
#include <string.h>

#include <iterator>

#include "base/format.h"
#include "base/messages.h"
#include "base/path_chars.h"
#include "base/platform.h"
#include "base/product.h"
#include "base/run_log.h"
#include "setup/directories.h"

// 1. Every folder from the drive's root down to a file, and the file
//    itself, is looked at for a reparse point (junction, symbolic link,
//    mount point) before anything is done to it.
// 2. The data folder stays open, without leave to delete, from the check
//    to the end: Windows then lets nobody rename or remove it, nor the
//    folders above it, so it can't become a link meanwhile.
// 3. A file is opened without following a link on its last name, and
//    where Windows can tell (Vista and later) its real place, read from the
//    handle, must be the held folder's real place and its name there; it is
//    deleted or written through that handle. A link swapped in after the
//    check is caught there.
static HANDLE HeldFolder;         // null when none is open
static bool LinkMet;               // said once while a folder is held
static char HeldName[PathSize];    // as Setup names it; empty when none is held
static char HeldPlace[PathSize];   // its real place, or empty before Vista

// A folder Setup makes for the data is the machine's, as Program Files is:
// administrators and the system change it, users read and run it, and it
// inherits nothing from a parent every user may change (C:\, say), so
// nobody without the rights plants anything in it later.
constexpr char DataFolderSecurity[] = "D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";

bool CreateDataFolder(const char* path)
{
    using ConvertDescriptor = BOOL(WINAPI*)(LPCSTR, DWORD, PSECURITY_DESCRIPTOR*, PULONG);
    auto convert = LookUpProc<ConvertDescriptor>("advapi32.dll", "ConvertStringSecurityDescriptorToSecurityDescriptorA");
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr, FALSE};
    bool secured = IsWindowsNT() && convert != nullptr &&
                   convert(DataFolderSecurity, SDDL_REVISION_1, &security.lpSecurityDescriptor, nullptr);
    bool created = CreateDirectoryChain(path, secured ? &security : nullptr);
    if (secured)
        LocalFree(security.lpSecurityDescriptor);
    return created;
}

static void RefuseLink(const char* path)
{
    if (LinkMet)
        return;
    LinkMet = true;
    ShowFatal("%s\r\nleads to another place (a link or junction). For the safety of this computer, %s does not "
              "act through it.",
              path, ProductName);
}

// The real place of an open file, in the form its name has: without the
// "\\?\" the system puts first, a share as "\\server\share".
static bool GetRealPlace(HANDLE file, char* buf)
{
    using GetFinalPath = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);
    auto getFinalPath = LookUpProc<GetFinalPath>("kernel32.dll", "GetFinalPathNameByHandleA");
    char place[PathSize + 8];
    DWORD length = getFinalPath != nullptr ? getFinalPath(file, place, std::size(place), 0) : 0;
    buf[0] = '\0';
    if (length == 0 || length >= std::size(place))
        return false;
    if (strncmp(place, "\\\\?\\UNC\\", 8) == 0)
        return FormatInto(buf, PathSize, "\\%s", place + 7);
    return FormatInto(buf, PathSize, "%s", strncmp(place, "\\\\?\\", 4) == 0 ? place + 4 : place);
}

// True when no folder on path whose name is longer than from characters,
// nor path itself, is a reparse point; said otherwise. Walked by
// characters: a double-byte character may end in the byte of a backslash.
static bool CheckForLinks(const char* path, size_t from = 0)
{
    char prefix[PathSize];
    for (const char* at = path;; at = NextChar(at)) {
        if (*at != '\\' && *at != '\0')
            continue;
        size_t length = static_cast<size_t>(at - path);
        // "C:" alone names the drive's current folder, and a root is no link.
        if (length > 2 && length > from && path[length - 1] != ':' && length < std::size(prefix)) {
            memcpy(prefix, path, length);
            prefix[length] = '\0';
            DWORD attributes = GetFileAttributesA(prefix);
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
                RefuseLink(prefix);
                return false;
            }
        }
        if (*at == '\0')
            return true;
    }
}

bool HoldDataFolder(const char* directory)
{
    ReleaseDataFolder();
    LinkMet = false;
    if (!IsWindowsNT())
        return true;
    if (!CheckForLinks(directory) || !FormatInto(HeldName, std::size(HeldName), "%s", directory))
        return false;
    HeldFolder = Sys.CreateFileA(directory, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (HeldFolder != INVALID_HANDLE_VALUE)
        GetRealPlace(HeldFolder, HeldPlace);
    else
        HeldFolder = nullptr;
    return true;
}

void ReleaseDataFolder()
{
    if (HeldFolder != nullptr)
        CloseHandle(HeldFolder);
    HeldFolder = nullptr;
    HeldName[0] = HeldPlace[0] = '\0';
}

// The attributes of an open file; all bits set when they can't be read. By
// the basic information where the system has it: the whole (the volume's
// serial number among it) may cost more than the open.
static DWORD GetAttributes(HANDLE file)
{
    using GetInformation = BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD);
    auto getInformation = LookUpProc<GetInformation>("kernel32.dll", "GetFileInformationByHandleEx");
    FILE_BASIC_INFO basic;
    if (getInformation != nullptr)
        return getInformation(file, FileBasicInfo, &basic, sizeof basic) ? basic.FileAttributes : ~DWORD(0);
    BY_HANDLE_FILE_INFORMATION information;
    return GetFileInformationByHandle(file, &information) ? information.dwFileAttributes : ~DWORD(0);
}

// The length of the held folder's name when path names something in it,
// else 0.
static size_t HeldLength(const char* path)
{
    size_t held = strlen(HeldName);
    return held != 0 && strncmp(path, HeldName, held) == 0 && path[held] == '\\' ? held : 0;
}

// True when the open file is no link and lies where its name says.
static bool IsWhereNamed(HANDLE file, const char* path)
{
    if ((GetAttributes(file) & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return false;
    size_t held = HeldLength(path);
    char expected[PathSize], real[PathSize];
    if (HeldPlace[0] == '\0')
        return true;
    return held != 0 &&
           FormatInto(expected, std::size(expected), "%s%s", HeldPlace, path + held) && GetRealPlace(file, real) &&
           lstrcmpiA(expected, real) == 0;
}

// Opens a file of the held folder as checked; invalid when it can't be
// opened, and then *refused when a link was the reason (said). A folder
// that was not there when it was held holds nothing.
static HANDLE OpenChecked(const char* path, DWORD access, DWORD disposition, bool* refused)
{
    // The held folder and those above it were looked at when it was held
    // and can't change since; the file itself is looked at through its
    // handle.
    size_t held = HeldLength(path);
    const char* name = FindLastBackslash(path);
    *refused = name != nullptr && static_cast<size_t>(name - path) > held && !CheckForLinks(path, held);
    if (*refused || HeldFolder == nullptr)
        return INVALID_HANDLE_VALUE;
    HANDLE file = Sys.CreateFileA(path, access | DELETE | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    // A link that appeared meanwhile may be why it failed.
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        *refused = !CheckForLinks(path, held);
        SetLastError(error);
    }
    if (file == INVALID_HANDLE_VALUE || IsWhereNamed(file, path))
        return file;
    // A file this open made elsewhere goes again; one that was there stays.
    if (disposition == CREATE_NEW)
        DiscardFile(file, nullptr);
    else
        CloseHandle(file);
    RefuseLink(path);
    *refused = true;
    return INVALID_HANDLE_VALUE;
}

// A file that is there but can't be deleted stops the removal: the game
// may be running from it.
static bool RefuseInUse(const char* path)
{
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return true;
    LogStep("Delete", path, error);
    NoteExitCode(ExitFileInUse);
    ShowFatal("Can't remove %s\r\nThe game may still be running. Close it and try again.", path);
    return false;
}

bool RemoveFromDataFolder(const char* path, bool remove)
{
    if (HeldName[0] == '\0')
        return !remove || DeleteLogged(path) || RefuseInUse(path);
    bool refused;
    HANDLE file = OpenChecked(path, 0, OPEN_EXISTING, &refused);
    if (file == INVALID_HANDLE_VALUE)
        return !refused && (HeldFolder == nullptr || RefuseInUse(path));
    if (remove)
        return DiscardFile(file, path) || RefuseInUse(path);
    CloseHandle(file);
    return true;
}

HANDLE CreateInDataFolder(const char* path, bool* refused)
{
    *refused = false;
    if (HeldName[0] == '\0')
        return Sys.CreateFileA(path, GENERIC_WRITE | DELETE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // A new file only: an old one of the name, or a link, is never written through.
    return OpenChecked(path, GENERIC_WRITE, CREATE_NEW, refused);
}

bool DiscardFile(HANDLE file, const char* path)
{
    bool disposed = Sys.DeleteOpenFile(file) != FALSE;
    CloseHandle(file);
    // Before Vista by name, once closed: the last name is not followed, and
    // the folder is held.
    bool gone = disposed || (path != nullptr && Sys.DeleteFileA(path));
    if (gone && path != nullptr)
        LogStep("Delete", path, 0);
    return gone;
}
