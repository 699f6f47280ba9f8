#include "program/elevation.h"

#include <iterator>

#include "base/format.h"
#include "base/launcher_state.h"
#include "base/message_pump.h"
#include "base/messages.h"
#include "base/platform.h"
#include "base/product.h"
#include "base/run_log.h"

// Windows before Vista has no elevation: every process may do what its
// user may. The token calls are looked up at run time, as Windows 95 lacks
// them.
static bool IsElevated()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!Sys.GetVersionExA(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_NT || version.dwMajorVersion < 6)
        return true;
    using OpenToken = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
    using GetTokenInfo = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);
    auto openToken = LookUpProc<OpenToken>("advapi32.dll", "OpenProcessToken");
    auto getTokenInfo = LookUpProc<GetTokenInfo>("advapi32.dll", "GetTokenInformation");
    HANDLE token = nullptr;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    bool elevated = openToken != nullptr && getTokenInfo != nullptr && openToken(GetCurrentProcess(), TOKEN_QUERY, &token) &&
                    getTokenInfo(token, TokenElevation, &elevation, sizeof elevation, &size) && elevation.TokenIsElevated != 0;
    if (token != nullptr)
        CloseHandle(token);
    return elevated;
}

bool HandOverToElevatedCopy(HWND owner, const char* action)
{
    if (IsElevated())
        return false;
    char launcher[PathSize], directory[PathSize], parameters[CommandLineSize + 16];
    DWORD length = GetModuleFileNameA(LauncherInstance, launcher, std::size(launcher));
    DWORD directoryLength = GetCurrentDirectoryA(std::size(directory), directory);
    if (length == 0 || length >= std::size(launcher) || directoryLength == 0 || directoryLength >= std::size(directory) ||
        !FormatInto(parameters, std::size(parameters), "%s %s", action, ElevatedSwitch)) {
        ShowFatal("Can't start %s with an administrator's rights.", ProductName);
        return true;
    }
    SHELLEXECUTEINFOA execute = {};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS;
    execute.hwnd = owner;
    execute.lpVerb = "runas";
    execute.lpFile = launcher;
    execute.lpParameters = parameters;
    execute.lpDirectory = directory;
    execute.nShow = SW_SHOWNORMAL;
    if (!Sys.ShellExecuteExA(&execute)) {
        // A No at the prompt is the user's answer, not a failure.
        DWORD error = GetLastError();
        LogStep("Start with an administrator's rights", launcher, error);
        if (error == ERROR_CANCELLED)
            NoteExitCode(ExitCancelled);
        else
            ShowFatal("Can't start %s with an administrator's rights (error %lu).", ProductName, error);
        return true;
    }
    if (execute.hProcess == nullptr)
        return true;
    // Only the copy's dialogs take input meanwhile; the owner keeps painting.
    if (owner != nullptr)
        EnableWindow(owner, FALSE);
    while (MsgWaitForMultipleObjects(1, &execute.hProcess, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        PumpMessages();
    if (owner != nullptr)
        EnableWindow(owner, TRUE);
    // The copy's outcome is this run's.
    DWORD exitCode;
    if (GetExitCodeProcess(execute.hProcess, &exitCode) && exitCode != 0)
        NoteExitCode(exitCode);
    CloseHandle(execute.hProcess);
    return true;
}
