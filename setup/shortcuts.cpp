#include "setup/shortcuts.h"

#include <objbase.h>
#include <shlobj.h>
#include <string.h>

#include <iterator>

#include "base/files.h"
#include "base/format.h"
#include "base/messages.h"
#include "base/path_chars.h"
#include "base/platform.h"
#include "base/product.h"
#include "base/run_log.h"
#include "base/system_folders.h"
#include "resources/version.h"
#include "setup/directories.h"
#include "setup/registry.h"
#include "setup/restart_removal.h"
#include "setup/setup_state.h"

constexpr char GameLinkName[] = "Thundra.lnk";
constexpr char UninstallLinkName[] = "Uninstall Thundra.lnk";
constexpr char StubName[] = "Thunx.exe";
constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Thundra";
constexpr int UninstallIconIndex = 32;

static char StartMenuDir[PathSize];
static char DesktopDir[PathSize];
static char StubPath[PathSize];

// The name a file is written under until it is whole and on the disk.
static bool WorkingName(char* working, const char* path)
{
    return FormatInto(working, PathSize, "%s%s", path, PartialSuffix);
}

HRESULT CreateShortcut(const char* target, const char* linkFile, const char* description, const char* arguments,
                       const char* iconFile, int iconIndex)
{
    IShellLinkA* link;
    HRESULT status = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (FAILED(status)) {
        ShowFatal("Can't create shortcut object");
        return status;
    }
    link->SetPath(target);
    link->SetDescription(description);
    if (arguments != nullptr)
        link->SetArguments(arguments);
    if (iconFile != nullptr)
        link->SetIconLocation(iconFile, iconIndex);

    IPersistFile* file;
    status = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(status)) {
        ShowFatal("Can't get IPersistFile interface");
        link->Release();
        return status;
    }
    // Saved under a working name and renamed once on the disk, as the stub
    // is: a link the power took would stand as a name over nothing, and
    // Setup, which sees it, would never write it again.
    WCHAR widePath[PathSize];
    char working[PathSize];
    if (!WorkingName(working, linkFile) ||
        MultiByteToWideChar(CP_ACP, 0, working, -1, widePath, std::size(widePath)) == 0)
        status = E_INVALIDARG;
    else
        status = Sys.SaveLink(file, widePath);
    if (SUCCEEDED(status) && !(FlushFileNamed(working) && ReplaceWithFile(working, linkFile)))
        status = E_FAIL;
    LogStep("Make link", linkFile, FAILED(status) ? static_cast<DWORD>(status) : 0);
    if (FAILED(status))
        ShowFatal("Save(%s) failed", linkFile);
    file->Release();
    link->Release();
    return status;
}

// Locates a special folder into buf; false, buf unchanged, when it can't.
// quiet: only looked into, so a name the code page can't write is no error.
static bool LocateFolder(int folder, char* buf, bool quiet)
{
    LPITEMIDLIST list;
    if (FAILED(Sys.SHGetSpecialFolderLocation(nullptr, folder, &list)))
        return false;
    char located[MAX_PATH];
    bool found = GetFolderOfList(list, located, quiet);
    CoTaskMemFree(list);
    if (found)
        FormatInto(buf, PathSize, "%s", located);
    return found;
}

// On Windows NT the game, its key and its entry belong to the machine, and
// whoever typed the administrator's password is not who installed: the
// links are made for all users. The 95 family has the user's folders only.
// The user's own place is looked at too, where an earlier install left them.
static int LinkFolder(LinkPlace place, int usersFolder, int commonFolder)
{
    return place == LinkPlace::Made && IsWindowsNT() ? commonFolder : usersFolder;
}

const char* GetStartMenuDir(LinkPlace place)
{
    char programs[PathSize];
    bool named = LocateFolder(LinkFolder(place, CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS), programs, place == LinkPlace::UsersOwn) &&
                 FormatInto(StartMenuDir, std::size(StartMenuDir), "%s\\%s\\%s", programs, PublisherName, ProductName);
    return named ? StartMenuDir : nullptr;
}

const char* GetDesktopDir(LinkPlace place)
{
    bool named = LocateFolder(LinkFolder(place, CSIDL_DESKTOP, CSIDL_COMMON_DESKTOPDIRECTORY), DesktopDir, place == LinkPlace::UsersOwn);
    return named ? DesktopDir : nullptr;
}

const char* GetStubPath()
{
    GetDefaultInstallDir(StubPath);
    AppendInto(StubPath, std::size(StubPath), "%s", StubName);
    return StubPath;
}

// The path of a link in a folder; false when there is no folder or it
// would not fit.
static bool LinkPath(char* path, const char* folder, const char* name)
{
    return folder != nullptr && FormatInto(path, PathSize, "%s\\%s", folder, name);
}

bool StartMenuLinkExists(StartMenuLinks which)
{
    char path[PathSize];
    for (LinkPlace place : {LinkPlace::Made, LinkPlace::UsersOwn}) {
        const char* folder = GetStartMenuDir(place);
        bool game = LinkPath(path, folder, GameLinkName) && FileExists(path);
        bool uninstall = LinkPath(path, folder, UninstallLinkName) && FileExists(path);
        if (game && (which == StartMenuLinks::Game || uninstall))
            return true;
    }
    return false;
}

bool DesktopLinkExists()
{
    char path[PathSize];
    for (LinkPlace place : {LinkPlace::Made, LinkPlace::UsersOwn})
        if (LinkPath(path, GetDesktopDir(place), GameLinkName) && FileExists(path))
            return true;
    return false;
}

// A folder the shell can't name gets no link: one made elsewhere would be
// found by no menu.
static const char* FolderForLinks(const char* folder, const char* what)
{
    if (folder == nullptr)
        ShowFatal("Can't find the %s folder: no link to %s was made there.", what, ProductName);
    return folder;
}

void CreateStartMenuLinks()
{
    const char* folder = FolderForLinks(GetStartMenuDir(), "Start menu");
    if (folder == nullptr)
        return;
    const char* stub = GetStubPath();
    CreateDirectoryChain(folder);
    char path[PathSize];
    if (!LinkPath(path, folder, GameLinkName) ||
        FAILED(CreateShortcut(stub, path, ProductName, nullptr, nullptr, 0)))
        ShowFatal("Create link failed(%s)", path);

    char icon[PathSize];
    UINT length = GetSystemDirectoryA(icon, std::size(icon));
    bool iconNamed = length > 0 && length < std::size(icon) && AppendInto(icon, std::size(icon), "\\shell32.dll");
    if (!LinkPath(path, folder, UninstallLinkName) ||
        FAILED(CreateShortcut(stub, path, UninstallLinkName, UninstallSwitch, iconNamed ? icon : nullptr,
                              UninstallIconIndex)))
        ShowFatal("Create link failed(%s)", path);
}

void CreateDesktopLink()
{
    const char* folder = FolderForLinks(GetDesktopDir(), "desktop");
    char path[PathSize];
    if (folder == nullptr)
        return;
    if (!LinkPath(path, folder, GameLinkName) ||
        FAILED(CreateShortcut(GetStubPath(), path, ProductName, nullptr, nullptr, 0)))
        ShowFatal("Create link failed(%s)", path);
}

// A link, and what a cut may have left of one under its working name.
static bool RemoveLink(const char* folder, const char* name)
{
    char path[PathSize], working[PathSize];
    return !LinkPath(path, folder, name) ||
           (RemoveOrSay(path, false) && (!WorkingName(working, path) || RemoveOrSay(working, false)));
}

bool RemoveStartMenuLinks()
{
    for (LinkPlace place : {LinkPlace::Made, LinkPlace::UsersOwn}) {
        const char* folder = GetStartMenuDir(place);
        // The folders too when the links are gone: a cut between them may
        // have left them empty.
        if (!RemoveLink(folder, GameLinkName) || !RemoveLink(folder, UninstallLinkName) ||
            (folder != nullptr && !RemoveDirectoryChain(folder, 2)))
            return false;
    }
    return true;
}

bool RemoveDesktopLink()
{
    for (LinkPlace place : {LinkPlace::Made, LinkPlace::UsersOwn})
        if (!RemoveLink(GetDesktopDir(place), GameLinkName))
            return false;
    return true;
}

bool CopyStub()
{
    EnsureDefaultInstallDir();
    char launcher[PathSize];
    DWORD length = GetModuleFileNameA(SetupInstance, launcher, std::size(launcher));
    if (length == 0 || length >= std::size(launcher))
        launcher[0] = '\0';
    const char* stub = GetStubPath();
    char working[PathSize];
    Sys.SetFileAttributesA(stub, FILE_ATTRIBUTE_NORMAL);
    // Written under a working name, and renamed once whole and on the disk:
    // a copy cut short, or lost with the power, never passes for a stub.
    if (!LogResult("Copy the Launcher to", stub, launcher[0] != '\0' && WorkingName(working, GetStubPath()) &&
                                                 Sys.CopyFileA(launcher, working, FALSE) && FlushFileNamed(working) &&
                                                 ReplaceWithFile(working, stub))) {
        ShowFatal("Can't copy stub file (%s --> %s)", launcher, stub);
        return false;
    }
    Sys.SetFileAttributesA(stub, FILE_ATTRIBUTE_NORMAL);
    CancelDeletionAtRestart(stub);
    return true;
}

void GetStubFolders(char (*folders)[PathSize])
{
    GetDefaultInstallDir(folders[0]);
    CutTrailingBackslash(folders[0]);
    FormatInto(folders[1], PathSize, "%s", folders[0]);
    char* lastSlash = FindLastBackslash(folders[1]);
    if (lastSlash != nullptr)
        *lastSlash = '\0';
}

bool DeleteStub(bool say)
{
    char working[PathSize];
    if ((WorkingName(working, GetStubPath()) && !RemoveOrSay(working, false, say)) || !RemoveOrSay(GetStubPath(), false, say))
        return false;
    char folders[StubFolderCount][PathSize];
    GetStubFolders(folders);
    for (const char* folder : folders)
        if (!RemoveOrSay(folder, true, say))
            return false;
    return true;
}

// The bytes of the files that pattern finds.
static unsigned long long FileBytes(const char* pattern)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    unsigned long long bytes = 0;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            bytes += (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return bytes;
}

// What the system's list of programs shows beside the name: publisher,
// version, icon, place, size and site, and that there is nothing to modify
// or repair. A detail that can't be written is left out; the entry works
// without it.
static void SetEntryDetails(HKEY key, bool onHardDisk)
{
    char location[PathSize], icon[PathSize + 2], files[PathSize + 1];
    if (onHardDisk)
        GetDataDir(location);
    else
        GetDefaultInstallDir(location);
    FormatInto(icon, std::size(icon), "%s,0", GetStubPath());
    unsigned long long bytes = FileBytes(GetStubPath());
    if (onHardDisk && FormatInto(files, std::size(files), "%s*", location))
        bytes += FileBytes(files);
    const char* const texts[][2] = {{"Publisher", PublisherName}, {"DisplayVersion", LAUNCHER_VERSION_TEXT},
                                    {"DisplayIcon", icon}, {"InstallLocation", location}, {"URLInfoAbout", WebSiteAddress}};
    for (const auto& text : texts)
        SetRegistryText(key, UninstallKey, text[0], text[1]);
    const struct {
        const char* name;
        DWORD value;
    } numbers[] = {{"EstimatedSize", static_cast<DWORD>((bytes + 1023) / 1024)}, {"NoModify", 1}, {"NoRepair", 1}};
    for (const auto& number : numbers)
        SetRegistryValue(key, UninstallKey, number.name, REG_DWORD, &number.value, sizeof number.value);
}

void RegisterUninstall(bool onHardDisk)
{
    // An entry must always have a stub to run.
    if (!FileExists(GetStubPath()) && !CopyStub())
        return;
    // The same stub, for deployment tools: no question and no box.
    char command[512], quiet[512];
    FormatInto(command, std::size(command), "\"%s\" %s", GetStubPath(), UninstallSwitch);
    FormatInto(quiet, std::size(quiet), "%s %s", command, SilentSwitch);
    HKEY key;
    if (!CreateRegistryKey(UninstallKey, &key)) {
        ShowWarning("Can't set uninstall registry entry");
        return;
    }
    if (!SetRegistryText(key, UninstallKey, "DisplayName", ProductName))
        ShowWarning("Can't set uninstall display name");
    else if (!SetRegistryText(key, UninstallKey, "UninstallString", command) ||
             !SetRegistryText(key, UninstallKey, "QuietUninstallString", quiet))
        ShowWarning("Can't set uninstall value");
    else
        SetEntryDetails(key, onHardDisk);
    // On the disk before Setup says it succeeded.
    Sys.RegFlushKey(key);
    RegCloseKey(key);
}

bool UnregisterUninstall()
{
    return DeleteRegistryKey(UninstallKey);
}
