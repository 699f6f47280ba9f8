#include "setup/install_path.h"

#include <shlobj.h>
#include <string.h>

#include <iterator>

#include "base/format.h"
#include "base/path_chars.h"
#include "base/platform.h"
#include "base/product.h"
#include "base/system_folders.h"
#include "resources/resource_ids.h"
#include "setup/directories.h"
#include "setup/path_rules.h"
#include "setup/setup_state.h"

// The dialog's own edit buffer and the caller's buffer, while it is open.
static char EditedPath[PathSize];
static char* CallerPath;

bool AskInstallPath(HWND owner, char* path)
{
    return Sys.DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(IDD_INSTALL_PATH), owner, InstallPathProc,
                           reinterpret_cast<LPARAM>(path)) == IDOK;
}

static void Beep()
{
    Sys.MessageBeep(0xFFFFFFFF);
}

// The edit control's text, unless it is too long for a path: a text read
// cut would be another path.
static bool ReadEditedPath(HWND dialog)
{
    if (GetWindowTextLengthA(GetDlgItem(dialog, IDC_INSTALL_PATH)) >= static_cast<int>(PathSize))
        return false;
    GetDlgItemTextA(dialog, IDC_INSTALL_PATH, EditedPath, std::size(EditedPath));
    return true;
}

bool CompleteInstallPath(char* path)
{
    if (!IsValidInstallPath(path))
        GetProgramFilesDir(path);
    bool fits = true;
    if (!EndsInBackslash(path))
        fits = AppendInto(path, PathSize, "\\");
    if (fits && ContainsNoCase(path, PublisherName) < 0)
        fits = AppendInto(path, PathSize, "%s\\", PublisherName);
    if (fits && ContainsNoCase(path, ProductName) < 0)
        fits = AppendInto(path, PathSize, "%s\\", ProductName);
    if (fits && ContainsNoCase(path, "Data") < 0)
        fits = AppendInto(path, PathSize, "Data\\");
    return fits;
}

bool BrowseForFolder(HWND owner, char* path)
{
    char displayName[PathSize];
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pszDisplayName = displayName;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE folder = Sys.SHBrowseForFolderA(&browse);
    if (folder == nullptr)
        return false;
    char picked[MAX_PATH] = "";
    bool found = GetFolderOfList(folder, picked);
    IMalloc* allocator;
    if (SUCCEEDED(SHGetMalloc(&allocator))) {
        allocator->Free(folder);
        allocator->Release();
    }
    if (!found)
        return false;
    char withSlash[PathSize];
    if (!FormatInto(withSlash, std::size(withSlash), "%s\\", picked)) {
        Beep();
        return false;
    }
    FormatInto(path, PathSize, "%s", withSlash);
    return true;
}

INT_PTR CALLBACK InstallPathProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        CallerPath = reinterpret_cast<char*>(lParam);
        FormatInto(EditedPath, std::size(EditedPath), "%s", CallerPath);
        // Nothing longer can be typed than a path buffer holds.
        SendDlgItemMessageA(dialog, IDC_INSTALL_PATH, EM_LIMITTEXT, PathSize - 1, 0);
        SetDlgItemTextA(dialog, IDC_INSTALL_PATH, EditedPath);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            // A path that would not fit completed is refused like a
            // malformed one, never cut into another.
            if (!ReadEditedPath(dialog) || !IsValidInstallPath(EditedPath) || !CompleteTypedPath(EditedPath)) {
                Beep();
                return TRUE;
            }
            FormatInto(CallerPath, PathSize, "%s", EditedPath);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_BROWSE:
            if (!ReadEditedPath(dialog))
                EditedPath[0] = '\0';
            if (BrowseForFolder(dialog, EditedPath)) {
                if (CompleteInstallPath(EditedPath))
                    SetDlgItemTextA(dialog, IDC_INSTALL_PATH, EditedPath);
                else
                    Beep();
            }
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
