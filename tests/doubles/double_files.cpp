#include "double_files.h"

#include <fstream>

std::string BesideDouble(const char* name, bool besideProgram)
{
    // The module this code is linked into: the double's DLL or exe.
    HMODULE module = nullptr;
    if (!besideProgram)
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCSTR>(&AppendRecord), &module);
    char path[MAX_PATH];
    std::string folder(path, GetModuleFileNameA(module, path, MAX_PATH));
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

void AppendRecord(const char* file, const std::string& line, bool besideProgram)
{
    // "\n" line ends, read alike everywhere.
    std::ofstream(BesideDouble(file, besideProgram), std::ios::app | std::ios::binary) << line << "\n";
}
