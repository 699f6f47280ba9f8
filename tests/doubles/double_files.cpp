#include "double_files.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

std::string BesideDouble(const char* name)
{
    // The module this code is linked into: the double's DLL or exe.
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&BesideDouble), &module);
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

long ReadControl(const char* file, const char* key, long fallback)
{
    FILE* control = fopen(BesideDouble(file).c_str(), "r");
    if (control == nullptr)
        return fallback;
    char line[256];
    long value = fallback;
    size_t keyLength = strlen(key);
    while (fgets(line, sizeof line, control) != nullptr) {
        if (strncmp(line, key, keyLength) == 0 && line[keyLength] == ' ')
            value = strtol(line + keyLength + 1, nullptr, 0);
    }
    fclose(control);
    return value;
}

void AppendRecord(const char* file, const std::string& line)
{
    FILE* record = fopen(BesideDouble(file).c_str(), "ab");   // "\n" line ends, read alike everywhere
    if (record == nullptr)
        return;
    fprintf(record, "%s\n", line.c_str());
    fclose(record);
}
