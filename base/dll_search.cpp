#include "base/dll_search.h"

#include <iterator>

#include "base/format.h"
#include "base/platform.h"
#include "base/product.h"

// Windows 8 (and 7 with its update) searches the system folder alone;
// XP SP1 can at least leave out the current folder. Older ones have neither.
void RestrictDllSearch()
{
    using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
    using SetDirectory = BOOL(WINAPI*)(LPCSTR);
    auto setDefault = LookUpProc<SetDefaultDirectories>("kernel32.dll", "SetDefaultDllDirectories");
    if (setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;
    auto setDirectory = LookUpProc<SetDirectory>("kernel32.dll", "SetDllDirectoryA");
    if (setDirectory != nullptr)
        setDirectory("");
}

HMODULE LoadSystemLibrary(const char* name)
{
    char path[PathSize];
    UINT length = GetSystemDirectoryA(path, std::size(path));
    if (length == 0 || length >= std::size(path) || !AppendInto(path, std::size(path), "\\%s", name))
        return nullptr;
    return Sys.LoadLibraryA(path);
}
