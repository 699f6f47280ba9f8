#include "test_files.h"

#include <windows.h>

#include <algorithm>

bool IsDirectory(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
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

std::string ReadTextFile(const std::string& path)
{
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[65536];
    DWORD got;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

std::string TestProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    return full.substr(0, full.find_last_of('\\'));
}

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

static void CollectTree(const std::string& folder, const std::vector<std::string>& skip,
                        std::vector<std::string>& entries)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + "\\" + name;
        if (std::find(skip.begin(), skip.end(), path) != skip.end())
            continue;
        entries.push_back(path);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CollectTree(path, skip, entries);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::vector<std::string> ListTree(const std::string& folder, const std::vector<std::string>& skip)
{
    std::vector<std::string> entries;
    CollectTree(folder, skip, entries);
    std::sort(entries.begin(), entries.end());
    return entries;
}

bool CopyTree(const std::string& from, const std::string& to)
{
    if (!CreateDirectoryA(to.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    bool ok = true;
    for (const std::string& path : ListTree(from)) {
        std::string target = to + path.substr(from.size());
        DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = (CreateDirectoryA(target.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) && ok;
        else
            ok = CopyFileA(path.c_str(), target.c_str(), FALSE) && ok;
    }
    return ok;
}

std::string ListDifference(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
    std::string difference;
    for (const std::string& entry : before)
        if (std::find(after.begin(), after.end(), entry) == after.end())
            difference += "gone: " + entry + "\n";
    for (const std::string& entry : after)
        if (std::find(before.begin(), before.end(), entry) == before.end())
            difference += "new: " + entry + "\n";
    return difference;
}
