#include "test_files.h"

#include <windows.h>

#include <algorithm>

bool WriteTextFile(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    bool ok = file != INVALID_HANDLE_VALUE && WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size();
    CloseHandle(file);
    return ok;
}

std::string ReadTextFile(const std::string& path)
{
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[65536];
    DWORD got;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

std::string TestProgramFolder()
{
    char path[MAX_PATH];
    std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return full.substr(0, full.find_last_of('\\'));
}

static void Collect(const std::string& folder, const std::vector<std::string>& skip, std::vector<std::string>& entries)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string path = folder + "\\" + found.cFileName;
        if (strcmp(found.cFileName, ".") == 0 || strcmp(found.cFileName, "..") == 0 || std::count(skip.begin(), skip.end(), path))
            continue;
        entries.push_back(path);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Collect(path, skip, entries);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::vector<std::string> ListTree(const std::string& folder, const std::vector<std::string>& skip)
{
    std::vector<std::string> entries;
    Collect(folder, skip, entries);
    std::sort(entries.begin(), entries.end());
    return entries;
}

void RemoveTree(const std::string& path)
{
    std::vector<std::string> entries = ListTree(path);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {   // the deepest first
        SetFileAttributesA(entry->c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(entry->c_str()) || RemoveDirectoryA(entry->c_str());
    }
    RemoveDirectoryA(path.c_str());
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

bool CopyTree(const std::string& from, const std::string& to)
{
    bool ok = CreateDirectoryA(to.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
    for (const std::string& path : ListTree(from)) {
        std::string target = to + path.substr(from.size());
        ok = ((GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) ? CreateDirectoryA(target.c_str(), nullptr)
                                                                            : CopyFileA(path.c_str(), target.c_str(), FALSE)) && ok;
    }
    return ok;
}
