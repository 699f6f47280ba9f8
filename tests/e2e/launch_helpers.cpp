#include "e2e.h"

bool AddLaunchFiles(const DiscFolder& disc)
{
    return disc.AddFile("run\\drivers.dat", "v 10de\nd 6cd 0 0 0 0\n") &&
           CopyFileA(DemoGameImage("race.bin").c_str(), (disc.Path() + "\\Run\\race.bin").c_str(), FALSE) &&
           CopyFileA(DemoGameImage("debug.bin").c_str(), (disc.Path() + "\\Run\\debug.bin").c_str(), FALSE) &&
           disc.AddDouble("mapi32.dll", "mapi32.dll") && disc.AddDouble("notepad.exe", "notepad.exe");
}

std::string DemoGameImage(const char* name)
{
    std::string launcher = LauncherUnderTest;
    return launcher.substr(0, launcher.find_last_of('\\')) + "\\game\\" + name;
}

static std::string GetVariable(const char* name)
{
    char value[1024];
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

ScopedTempFolder::ScopedTempFolder(const std::string& path) : path_(path + "\\")
{
    RemoveTree(path);
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
    savedTmp_ = GetVariable("TMP");
    savedTemp_ = GetVariable("TEMP");
    SetEnvironmentVariableA("TMP", path.c_str());
    SetEnvironmentVariableA("TEMP", path.c_str());
}

ScopedTempFolder::~ScopedTempFolder()
{
    SetEnvironmentVariableA("TMP", savedTmp_.empty() ? nullptr : savedTmp_.c_str());
    SetEnvironmentVariableA("TEMP", savedTemp_.empty() ? nullptr : savedTemp_.c_str());
    RemoveTree(path_.substr(0, path_.size() - 1));
}

HWND WaitForGameWindow(DWORD timeoutMs)
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < deadline) {
        HWND window = FindWindowA("Thundra Window", "Thundra");
        if (window != nullptr && IsWindowVisible(window))
            return window;
        Sleep(20);
    }
    return nullptr;
}

void ClickGameButton(HWND window, int exitCode)
{
    // The demo game's buttons: 100 + the exit code they end it with.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(100 + exitCode, BN_CLICKED), 0);
}

std::string WaitForFileText(const std::string& path, DWORD timeoutMs)
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    std::string text;
    while ((text = ReadTextFile(path)).empty() && GetTickCount64() < deadline)
        Sleep(20);
    return text;
}
