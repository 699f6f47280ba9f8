#include "setup/install_path.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <functional>
#include <string>

#include "dialog_driver.h"
#include "launcher/product.h"
#include "platform_fixture.h"
#include "registry_fixture.h"
#include "resources/resource_ids.h"
#include "setup/setup_state.h"

namespace {

int Beeps;
BOOL WINAPI CountBeep(UINT)
{
    ++Beeps;
    return TRUE;
}

// The folder picker: the folder the user picks, or none (cancelled).
const char* PickedFolder;
PIDLIST_ABSOLUTE WINAPI PickFolder(LPBROWSEINFOA info)
{
    if (PickedFolder == nullptr || info->ulFlags != BIF_RETURNONLYFSDIRS || info->pszDisplayName == nullptr)
        return nullptr;
    // A list the shell's allocator can free.
    return static_cast<PIDLIST_ABSOLUTE>(CoTaskMemAlloc(16));
}
BOOL WINAPI PathOfPick(PCIDLIST_ABSOLUTE, LPSTR path)
{
    lstrcpyA(path, PickedFolder);
    return TRUE;
}

class InstallPathTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        SetupInstance = GetModuleHandleA(nullptr);
        Beeps = 0;
        PickedFolder = nullptr;
        Sys.MessageBeep = CountBeep;
        Sys.SHBrowseForFolderA = PickFolder;
        Sys.SHGetPathFromIDListA = PathOfPick;
        WriteRegistryText(WindowsCurrentVersionKey, ProgramFilesValue, "C:\\Program Files");
    }

    // Shows the install path dialog over path while the user acts on it
    // from a second thread; what AskInstallPath returned.
    static bool AskAnswered(char* path, const std::function<void(HWND)>& act)
    {
        DialogDriver user([&] {
            if (HWND dialog = WaitForDialog("Install"))
                act(dialog);
        });
        return AskInstallPath(nullptr, path);
    }
    SavedRegistryValue programFiles_{WindowsCurrentVersionKey, ProgramFilesValue};
};

TEST_F(InstallPathTest, WhatOKStoresForATypedPath)
{
    struct Case {
        std::string typed, stored;
    };
    const Case cases[] = {
        {"D:\\Games", "D:\\Games\\Data\\"},
        {"D:\\Games\\", "D:\\Games\\Data\\"},
        {"D:\\MyData", "D:\\MyData\\"},
        {"D:\\Database\\Race", "D:\\Database\\Race\\"},
        {"E:\\Thundra", "E:\\Thundra\\Data\\"},   // typed paths get no product folders
        {"D:\\" + std::string(250, 'g'), "D:\\" + std::string(250, 'g') + "\\Data\\"},   // 259 characters stored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        char path[PathSize] = "C:\\Initial\\Data\\";
        std::string shown;
        EXPECT_TRUE(AskAnswered(path, [&](HWND dialog) {
            shown = ControlText(dialog, IDC_INSTALL_PATH);
            SetControlText(dialog, IDC_INSTALL_PATH, c.typed);
            PressButton(dialog, IDOK);
        }));
        EXPECT_EQ("C:\\Initial\\Data\\", shown);
        EXPECT_EQ(c.stored, path);
        EXPECT_EQ(0, Beeps);
    }
}

TEST_F(InstallPathTest, MalformedOrOverlongPathsBeepAndStay)
{
    const std::string typed[] = {
        "D:\\", "D:", "\\\\server\\share\\games", "Games",
        "D:\\" + std::string(252, 'g'),   // 255 + "\\Data\\" would pass 259
        "D:\\" + std::string(300, 'g'),   // longer than the edit control holds
    };
    for (const std::string& text : typed) {
        SCOPED_TRACE(text.substr(0, 40));
        Beeps = 0;
        char path[PathSize] = "C:\\Initial\\Data\\";
        std::string after;
        EXPECT_FALSE(AskAnswered(path, [&](HWND dialog) {
            SetControlText(dialog, IDC_INSTALL_PATH, text);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            after = IsWindow(dialog) ? "open" : "closed";
            PressButton(dialog, IDCANCEL);
        }));
        EXPECT_EQ(1, Beeps);
        EXPECT_EQ("open", after);
        EXPECT_STREQ("C:\\Initial\\Data\\", path) << "Cancel changed the caller's buffer";
    }
}

TEST_F(InstallPathTest, BrowsingCompletesTheFolder)
{
    struct Case {
        const char* picked;   // nullptr: the user cancels the picker
        std::string shown;
    };
    const Case cases[] = {
        {"D:\\Games", "D:\\Games\\Orvane\\Thundra\\Data\\"},
        {"D:\\Games\\thundra", "D:\\Games\\thundra\\Orvane\\Data\\"},   // no second product folder
        {"E:\\Orvane\\THUNDRA\\data", "E:\\Orvane\\THUNDRA\\data\\"},
        {"\\\\server\\share", "C:\\Program Files\\Orvane\\Thundra\\Data\\"},
        {"D:\\", "D:\\\\Orvane\\Thundra\\Data\\"},   // a drive's root: its backslash and one more
        {nullptr, "typed before"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picked ? c.picked : "(cancelled)");
        PickedFolder = c.picked;
        char path[PathSize] = "C:\\Initial\\Data\\";
        std::string shown;
        EXPECT_FALSE(AskAnswered(path, [&](HWND dialog) {
            SetControlText(dialog, IDC_INSTALL_PATH, "typed before");
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_BROWSE, BN_CLICKED), 0);
            shown = ControlText(dialog, IDC_INSTALL_PATH);
            PressButton(dialog, IDCANCEL);
        }));
        EXPECT_EQ(c.shown, shown);
        EXPECT_STREQ("C:\\Initial\\Data\\", path) << "browsing wrote the caller's buffer";
    }
}

TEST_F(InstallPathTest, ABrowsedFolderTooLongToCompleteBeeps)
{
    std::string deep = "D:\\" + std::string(240, 'f');   // + "\\Orvane\\Thundra\\Data\\" passes 259
    PickedFolder = deep.c_str();
    char path[PathSize] = "C:\\Initial\\Data\\";
    std::string shown;
    EXPECT_FALSE(AskAnswered(path, [&](HWND dialog) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_BROWSE, BN_CLICKED), 0);
        shown = ControlText(dialog, IDC_INSTALL_PATH);
        PressButton(dialog, IDCANCEL);
    }));
    EXPECT_EQ(1, Beeps);
    EXPECT_EQ("C:\\Initial\\Data\\", shown);
}

TEST(CompleteInstallPath, KeepsEveryPathWithinItsBuffer)
{
    char path[PathSize];
    lstrcpyA(path, "D:\\Games\\");
    EXPECT_TRUE(CompleteInstallPath(path));
    EXPECT_STREQ("D:\\Games\\Orvane\\Thundra\\Data\\", path);
    std::string longest = "D:\\" + std::string(235, 'x');   // 238 + 21 = 259
    lstrcpyA(path, longest.c_str());
    EXPECT_TRUE(CompleteInstallPath(path));
    EXPECT_EQ(longest + "\\Orvane\\Thundra\\Data\\", std::string(path));
    std::string tooLong = "D:\\" + std::string(236, 'x');
    lstrcpyA(path, tooLong.c_str());
    EXPECT_FALSE(CompleteInstallPath(path));
}

} // namespace
