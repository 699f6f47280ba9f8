// The Start-menu and desktop links, the uninstall stub and the uninstall
// entry. Every link starts the stub, a copy of the Launcher kept in the
// default install directory. COM must be initialised on the thread.
#pragma once
#include <windows.h>

// The COM status of the save, or of the step that failed.
HRESULT CreateShortcut(const char* target, const char* linkFile, const char* description, const char* arguments,
                       const char* iconFile, int iconIndex);

const char* GetStartMenuDir();
const char* GetDesktopDir();
const char* GetStubPath();

bool StartMenuLinkExists();
bool DesktopLinkExists();
void CreateStartMenuLinks();
void CreateDesktopLink();
void RemoveStartMenuLinks();
void RemoveDesktopLink();

void CopyStub();
void DeleteStub();
void RegisterUninstall();
void UnregisterUninstall();
