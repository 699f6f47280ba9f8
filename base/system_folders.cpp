#include "base/system_folders.h"

#include <iterator>

#include "base/messages.h"
#include "base/platform.h"
#include "base/product.h"

// True when wide converts to ANSI without a character lost or replaced.
static bool ConvertExactly(const WCHAR* wide, char* buf)
{
    // A UTF-8 code page says everything, and takes neither flag nor default.
    bool utf8 = GetACP() == CP_UTF8;
    BOOL lossy = FALSE;
    return WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, -1, buf, PathSize, nullptr,
                               utf8 ? nullptr : &lossy) > 0 &&
           !lossy;
}

// The Unicode calls below are looked up at run time: the 95 family lacks them.
bool GetExactAnsiPath(const WCHAR* wide, char* buf, bool quiet)
{
    if (ConvertExactly(wide, buf))
        return true;
    using GetShortPath = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    auto getShortPath = LookUpProc<GetShortPath>("kernel32.dll", "GetShortPathNameW");
    WCHAR shortForm[PathSize];
    DWORD length = getShortPath != nullptr ? getShortPath(wide, shortForm, std::size(shortForm)) : 0;
    if (length > 0 && length < std::size(shortForm) && ConvertExactly(shortForm, buf))
        return true;
    // Named as nearly as the code page can.
    WideCharToMultiByte(CP_ACP, 0, wide, -1, buf, PathSize, nullptr, nullptr);
    buf[PathSize - 1] = '\0';
    if (!quiet)
        ShowFatal("%s can't use the folder\r\n%s\r\nwhose name this system's code page can't write.", ProductName, buf);
    buf[0] = '\0';
    return false;
}

bool GetTempFolder(char* buf)
{
    if (!IsWindowsNT()) {
        DWORD length = Sys.GetTempPathA(PathSize, buf);
        if (length == 0 || length >= PathSize)
            buf[0] = '\0';
        return true;
    }
    using GetTempPath = DWORD(WINAPI*)(DWORD, LPWSTR);
    auto getTempPath = LookUpProc<GetTempPath>("kernel32.dll", "GetTempPathW");
    WCHAR wide[PathSize];
    DWORD length = getTempPath != nullptr ? getTempPath(std::size(wide), wide) : 0;
    buf[0] = '\0';
    return length == 0 || length >= std::size(wide) || GetExactAnsiPath(wide, buf);
}

bool GetFolderOfList(PCIDLIST_ABSOLUTE list, char* buf, bool quiet)
{
    if (!IsWindowsNT())
        return Sys.SHGetPathFromIDListA(list, buf) != FALSE;
    using GetPath = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPWSTR);
    auto getPath = LookUpProc<GetPath>("shell32.dll", "SHGetPathFromIDListW");
    WCHAR wide[MAX_PATH];
    return getPath != nullptr && getPath(list, wide) && GetExactAnsiPath(wide, buf, quiet);
}
