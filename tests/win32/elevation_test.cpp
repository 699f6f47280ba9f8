// Setup and the uninstall where Windows asks for an administrator: the
// platform table poses as each Windows and token and takes the runas start,
// whose copy ends once the test has seen the menu disabled.
#include "program/elevation.h"

#include "base/messages.h"
#include "platform_fixture.h"

namespace {

// error: of the runas start; 0: it starts, and its copy ends with copyExit
struct Machine {
    DWORD platform, major;
    BOOL elevated;
    DWORD error, copyExit = 0;
} Now;
std::string Started;
bool SeenDisabled;
std::thread Copy;

BOOL WINAPI OpenToken(HANDLE, DWORD, PHANDLE token) { return *token = nullptr, TRUE; }
BOOL WINAPI TokenInfo(HANDLE, TOKEN_INFORMATION_CLASS type, LPVOID info, DWORD, PDWORD)
{
    return static_cast<TOKEN_ELEVATION*>(info)->TokenIsElevated = Now.elevated, type == TokenElevation;
}
FARPROC WINAPI Lookup(HMODULE module, LPCSTR name)
{
    return !strcmp(name, "OpenProcessToken")   ? reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(OpenToken))
        : !strcmp(name, "GetTokenInformation") ? reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(TokenInfo))
                                               : GetProcAddress(module, name);
}
BOOL WINAPI Execute(SHELLEXECUTEINFOA* execute)
{
    Started =
        std::string(execute->lpVerb) + "|" + execute->lpFile + "|" + execute->lpParameters + "|" + execute->lpDirectory;
    SetLastError(Now.error);
    if (Now.error != 0)
        return FALSE;
    // The copy, a process that ends with its exit code, runs once the menu was seen disabled (at most 10 s);
    // the code under test closes its handle.
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION copy = {};
    std::string line = "cmd.exe /c exit " + std::to_string(Now.copyExit);
    if (!CreateProcessA(
            nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup, &copy))
        return FALSE;
    execute->hProcess = copy.hProcess;
    HWND owner = execute->hwnd;
    Copy = std::thread([=] {
        for (int i = 0; i < 1000 && IsWindowEnabled(owner); ++i)
            Sleep(10);
        SeenDisabled = !IsWindowEnabled(owner);
        ResumeThread(copy.hThread);
        CloseHandle(copy.hThread);
    });
    return TRUE;
}

TEST_F(PlatformTest, SetupAndTheUninstallStartAnElevatedCopyWhereWindowsAsks)
{
    Sys.GetProcAddress = Lookup;
    Sys.ShellExecuteExA = Execute;
    char exe[MAX_PATH], directory[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, directory);
    HWND menu = CreateWindowA("STATIC", "menu", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    // exitCode: the run's, the copy's when it ran
    const struct {
        const char* what;
        Machine machine;
        const char* action;
        bool handedOver;
        std::vector<std::string> boxes;
        DWORD exitCode;
    } rows[] = {
        {"Windows 10, not elevated: runas, the menu disabled until the copy ends", {2, 10, FALSE, 0, 1603},
            "-setup -silent -dir \"D:\\My Games\"", true, {}, 1603},
        {"the uninstall likewise", {2, 6, FALSE, 0, 0}, "-uninstall", true, {}, 0},
        {"declined at the prompt: nothing more", {2, 10, FALSE, ERROR_CANCELLED}, "-setup", true, {}, 1602},
        {"any other failure is said", {2, 10, FALSE, ERROR_FILE_NOT_FOUND}, "-setup", true,
            {"[Our Apologies] Can't start Thundra with an administrator's rights (error 2)."}, 1603},
        {"Windows 10, elevated: straight on", {2, 10, TRUE, 0}, "-setup", false, {}, 0},
        {"Windows XP: straight on", {2, 5, FALSE, 0}, "-setup", false, {}, 0},
        {"Windows 98: straight on", {1, 4, FALSE, 0}, "-uninstall", false, {}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Now = row.machine;
        PoseAsWindows(Now.platform, Now.major);
        Started.clear();
        ShownBoxes.clear();
        SeenDisabled = false;
        ExitCode = 0;
        EXPECT_EQ(row.handedOver, HandOverToElevatedCopy(menu, row.action));
        if (Copy.joinable())
            Copy.join();
        EXPECT_EQ(
            row.handedOver ? "runas|" + std::string(exe) + "|" + row.action + " -elevated|" + directory : "", Started);
        EXPECT_EQ(row.handedOver && row.machine.error == 0, SeenDisabled);
        EXPECT_TRUE(IsWindowEnabled(menu));
        EXPECT_EQ(row.boxes, ShownBoxes);
        EXPECT_EQ(row.exitCode, ExitCode);
    }
    DestroyWindow(menu);
}

} // namespace
