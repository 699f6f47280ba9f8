#include "test_files.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>

#include "setup/checksum.h"

namespace fs = std::filesystem;

std::string ReadTextFile(const std::string& path)
{
    // Also while the Launcher holds the file open, even to delete it.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, 0, nullptr);
    std::string bytes(file == INVALID_HANDLE_VALUE ? 0 : GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes.substr(0, read);
}

std::string ChecksumOf(const std::string& bytes)
{
    char hex[9];
    auto data = reinterpret_cast<const unsigned char*>(bytes.data());
    return std::string(hex, snprintf(hex, sizeof hex, "%x", UpdateChecksum(ChecksumStart, data, bytes.size())));
}

std::vector<std::string> WriteDiscFiles(
    const std::string& folder, const std::vector<std::pair<std::string, std::string>>& files, bool itself)
{
    std::vector<std::string> names;
    std::string list;
    CreateDirectoryA((folder + "\\Run").c_str(), nullptr);
    for (const auto& [name, bytes] : files) {
        if (!WriteTextFile(folder + "\\Run\\" + name, bytes))
            return {};
        names.push_back(name);
        list += name + " " + ChecksumOf(bytes) + "\n";
    }
    if (itself)
        names.push_back("checksum.lst"), list += "checksum.lst 0\n";
    return WriteTextFile(folder + "\\Run\\checksum.lst", list) ? names : std::vector<std::string>();
}

std::string TestProgramFolder()
{
    char path[MAX_PATH];
    std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return full.substr(0, full.find_last_of('\\'));
}

void RemoveTree(const std::string& path)
{
    for (const std::string& entry : ListTree(path))
        SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);   // read-only files too
    std::error_code error;
    fs::remove_all(path, error);
}

std::vector<std::string> ListTree(const std::string& folder, const std::vector<std::string>& skip)
{
    std::vector<std::string> entries;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error); it != fs::recursive_directory_iterator();
         it.increment(error)) {
        if (std::count(skip.begin(), skip.end(), it->path().string()))
            it.disable_recursion_pending();
        else
            entries.push_back(it->path().string());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string ListDifference(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    std::string difference;
    for (const std::string& entry : before)
        difference += std::count(after.begin(), after.end(), entry) ? "" : "gone: " + entry + "\n";
    for (const std::string& entry : after)
        difference += std::count(before.begin(), before.end(), entry) ? "" : "new: " + entry + "\n";
    return difference;
}

std::string RegistryText(const char* key, const char* name, unsigned long view)
{
    char value[1024] = "(none)";
    DWORD size = sizeof value, type = REG_NONE;
    RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD | view, &type, value, &size);
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(value)) : value;
}

bool RunOnHost(const std::string& command)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const char* done = "C:\\thundra-host-done";
    DeleteFileA(done);
    std::string line = "/bin/sh -c \"" + command + " && touch " + HostPath(done) + "\"";
    bool started =
        CreateProcessA("Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; started && i < 1000 && GetFileAttributesA(done) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(20);
    return started && GetFileAttributesA(done) != INVALID_FILE_ATTRIBUTES;
}

std::string HostPath(const std::string& path)
{
    std::string host =
        std::string(getenv("WINEPREFIX")) + (path[0] == 'S' ? "/dosdevices/s:" : "/drive_c") + path.substr(2);
    std::replace(host.begin(), host.end(), '\\', '/');
    return "'" + host + "'";
}
