#include "e2e.h"

#include <vector>

std::string LauncherUnderTest;

bool CopyLauncherTo(const std::string& folder, bool withMarker)
{
    if (!CopyFileA(LauncherUnderTest.c_str(), (folder + "\\Thundra.exe").c_str(), FALSE))
        return false;
    return !withMarker ||
           WriteTextFile(folder + "\\autorun.inf", "[autorun]\r\nopen=Thundra.exe\r\nicon=Thundra.exe,0\r\nlabel=Thundra\r\n");
}

DiscFolder::DiscFolder(const std::string& name, bool withMarker) : path_("C:\\thundra-e2e\\" + name)
{
    CreateDirectoryA("C:\\thundra-e2e", nullptr);
    RemoveTree(path_);
    ok_ = CreateDirectoryA(path_.c_str(), nullptr) && CopyLauncherTo(path_, withMarker);
}

DiscFolder::~DiscFolder()
{
    RemoveTree(path_);
    RemoveDirectoryA("C:\\thundra-e2e");
}

RobotRun RunLauncher(const std::string& launcher, const std::string& arguments, const std::string& directory,
                     const std::vector<RobotRule>& script)
{
    std::string commandLine = "\"" + launcher + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    return RunWithRobot(commandLine, directory, script);
}

bool SemaphoreExists(const char* name)
{
    HANDLE semaphore = OpenSemaphoreA(SYNCHRONIZE, FALSE, name);
    if (semaphore == nullptr)
        return false;
    CloseHandle(semaphore);
    return true;
}
