// The Start-menu and desktop links, the uninstall stub and the uninstall
// entry. Every link starts the stub, a copy of the Launcher kept in the
// default install directory. COM must be initialised on the thread.
#pragma once
#include <windows.h>

#include "base/product.h"

// The COM status of the save, or of the step that failed.
HRESULT CreateShortcut(const char* target, const char* linkFile, const char* description, const char* arguments,
                       const char* iconFile, int iconIndex);

// Where links are made (for all users on Windows NT), or the user's own
// folders, where an earlier install made them; null when the shell can't
// name the folder.
enum class LinkPlace { Made, UsersOwn };
const char* GetStartMenuDir(LinkPlace place = LinkPlace::Made);
const char* GetDesktopDir(LinkPlace place = LinkPlace::Made);
const char* GetStubPath();

// The Start-menu links in either place: the game link (what the options
// dialog shows), or both of them (nothing to make).
enum class StartMenuLinks { Game, Both };
bool StartMenuLinkExists(StartMenuLinks which = StartMenuLinks::Game);
bool DesktopLinkExists();
void CreateStartMenuLinks();
void CreateDesktopLink();
// From both places; false, said, when one stays.
bool RemoveStartMenuLinks();
bool RemoveDesktopLink();

// True when the stub was copied; otherwise it has said why.
bool CopyStub();
// The stub, then its folder and the publisher's folder above, as far as
// they are empty; false when one stays, said when say.
bool DeleteStub(bool say = true);
// Those two folders, the deepest first, without trailing backslashes.
constexpr int StubFolderCount = 2;
void GetStubFolders(char (*folders)[PathSize]);
// Writes the uninstall entry, copying the stub first when it is missing;
// without a stub no entry is written. onHardDisk: the game's data is
// installed, which the entry's place and size follow.
void RegisterUninstall(bool onHardDisk);
bool UnregisterUninstall();
