#include "e2e.h"

#include <vector>

std::string LauncherUnderTest;

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

bool WriteTextFile(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size();
    CloseHandle(file);
    return ok;
}

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
