#include "e2e.h"

#include <vector>

std::string LauncherUnderTest;
std::string SampleDisc;

bool CopyLauncherTo(const std::string& folder, bool withMarker)
{
    if (!CopyFileA(LauncherUnderTest.c_str(), (folder + "\\Thundra.exe").c_str(), FALSE))
        return false;
    return !withMarker ||
           WriteTextFile(folder + "\\autorun.inf", "[autorun]\r\nopen=Thundra.exe\r\nicon=Thundra.exe,0\r\nlabel=Thundra\r\n");
}

DiscFolder::DiscFolder(const std::string& name, bool withMarker, const std::string& path)
    : path_(path.empty() ? "C:\\thundra-e2e\\" + name : path)
{
    CreateDirectoryA("C:\\thundra-e2e", nullptr);
    RemoveTree(path_);
    ok_ = CreateDirectoryA(path_.c_str(), nullptr) && CopyLauncherTo(path_, withMarker);
}

DiscFolder::~DiscFolder()
{
    if (!keep_)
        RemoveTree(path_);
    RemoveDirectoryA("C:\\thundra-e2e");
}

static bool MakeParentFolders(const std::string& path)
{
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
        std::string folder = path.substr(0, slash);
        if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

bool DiscFolder::AddFile(const std::string& relative, const std::string& text) const
{
    std::string path = path_ + "\\" + relative;
    return MakeParentFolders(path) && WriteTextFile(path, text);
}

bool DiscFolder::AddDouble(const std::string& double_, const std::string& relative) const
{
    std::string path = path_ + "\\" + relative;
    return MakeParentFolders(path) &&
           CopyFileA((TestProgramFolder() + "\\" + double_).c_str(), path.c_str(), FALSE);
}

std::string DiscFolder::Read(const std::string& relative) const
{
    return ReadTextFile(path_ + "\\" + relative);
}

constexpr char LauncherAppDefaults[] = "Software\\Wine\\AppDefaults\\Thundra.exe";

WindowsVersionForLauncher::WindowsVersionForLauncher(const char* version)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, LauncherAppDefaults, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS) {
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(strlen(version) + 1));
        RegCloseKey(key);
    }
}

WindowsVersionForLauncher::~WindowsVersionForLauncher()
{
    RegDeleteKeyA(HKEY_CURRENT_USER, LauncherAppDefaults);
}

RobotRun RunLauncher(const std::string& launcher, const std::string& arguments, const std::string& directory,
                     const std::vector<RobotRule>& script)
{
    std::string commandLine = "\"" + launcher + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    return RunWithRobot(commandLine, directory, script);
}

std::vector<std::string> BoxTexts(const RobotRun& run)
{
    std::vector<std::string> texts;
    for (const RobotBox& box : run.boxes)
        texts.push_back("[" + box.caption + "] " + box.text + " -> " + box.answer);
    return texts;
}

std::vector<std::string> Answers(const RobotRun& run)
{
    std::vector<std::string> answers;
    for (const RobotBox& box : run.boxes)
        answers.push_back("[" + box.caption + "] " + box.answer);
    return answers;
}

std::string RegistryText(const char* key, const char* name)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return "(no key)";
    char value[1024] = "";
    DWORD size = sizeof value;
    LSTATUS status = RegQueryValueExA(handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS ? value : "(no value)";
}

bool SemaphoreExists(const char* name)
{
    HANDLE semaphore = OpenSemaphoreA(SYNCHRONIZE, FALSE, name);
    if (semaphore == nullptr)
        return false;
    CloseHandle(semaphore);
    return true;
}
