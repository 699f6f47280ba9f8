// Setup's options dialog in process, driven as a user would from a second
// thread, against the real registry, Start menu and desktop of the Wine
// prefix, with the Program Files directory moved to a scratch folder.
#include "setup/setup_options.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "dialog_driver.h"
#include "launcher/product.h"
#include "platform_fixture.h"
#include "registry_fixture.h"
#include "resources/resource_ids.h"
#include "setup/setup_state.h"
#include "setup/shortcuts.h"
#include "test_files.h"

namespace {

constexpr char Scratch[] = "C:\\thundra-setup-tests";
constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Thundra";

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SetupOptionsTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        EnterScratchFolder("thundra-setup-tests");
        WriteRegistryText(WindowsCurrentVersionKey, ProgramFilesValue, std::string(Scratch) + "\\PF");
        CreateDirectoryA("Run", nullptr);
        ASSERT_TRUE(WriteTextFile(std::string(Scratch) + "\\Run\\common.res", "common"));
        ASSERT_TRUE(WriteTextFile(std::string(Scratch) + "\\Run\\checksum.lst", "common.res 0\n"));
        CleanUp();
    }
    void TearDown() override
    {
        CleanUp();
        PlatformTest::TearDown();
    }
    static void CleanUp()
    {
        CoInitialize(nullptr);
        RemoveStartMenuLinks();
        RemoveDesktopLink();
        CoUninitialize();
        DeleteRegistryTree("Software\\Orvane");
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKey);
    }

    // Opens Setup; the user sets the choices and presses OK (and OK in the
    // install path dialog, when it comes).
    bool RunWith(bool hardDisk, bool startMenu, bool desktop)
    {
        DialogDriver user([&] {
            HWND options = WaitForDialog("Thundra");
            if (options == nullptr)
                return;
            shownHardDisk_ = IsDlgButtonChecked(options, IDC_HARD_DISK) == BST_CHECKED;
            shownStartMenu_ = IsDlgButtonChecked(options, IDC_START_MENU) == BST_CHECKED;
            shownDesktop_ = IsDlgButtonChecked(options, IDC_DESKTOP) == BST_CHECKED;
            SendDlgItemMessageA(options, hardDisk ? IDC_HARD_DISK : IDC_PLAY_FROM_CD, BM_CLICK, 0, 0);
            SendDlgItemMessageA(options, IDC_START_MENU, BM_SETCHECK, startMenu ? BST_CHECKED : BST_UNCHECKED, 0);
            SendDlgItemMessageA(options, IDC_DESKTOP, BM_SETCHECK, desktop ? BST_CHECKED : BST_UNCHECKED, 0);
            PressButton(options, IDOK);
            // The install path dialog comes when the engine installs; the
            // options dialog closes without it otherwise.
            for (int i = 0; i < 2000 && IsWindow(options); ++i) {
                HWND path = WaitForDialog("Install", 10);
                if (path != nullptr) {
                    PressButton(path, IDOK);
                    break;
                }
            }
        });
        return RunSetup(GetModuleHandleA(nullptr), nullptr);
    }

    std::string Stub() const { return std::string(Scratch) + "\\PF\\Orvane\\Thundra\\Thunx.exe"; }
    std::string Data() const { return std::string(Scratch) + "\\PF\\Orvane\\Thundra\\Data\\"; }
    static std::string Entry()
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "";
        char value[512] = "";
        DWORD size = sizeof value;
        RegQueryValueExA(key, "UninstallString", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(key);
        return value;
    }

    SavedRegistryValue programFiles_{WindowsCurrentVersionKey, ProgramFilesValue};
    bool shownHardDisk_ = false, shownStartMenu_ = false, shownDesktop_ = false;
};

struct ReconcileRow {
    const char* what;
    bool hardDisk, startMenu, desktop;
    const char* engineBox;   // the engine's closing box; nullptr: the engine did not run
    bool startMenuLinks, desktopLink, stub, entry;
};

TEST_F(SetupOptionsTest, ReconcilesTheMachineWithTheChoices)
{
    // Each row starts from the machine the row before left.
    const ReconcileRow rows[] = {
        {"nothing chosen, nothing there", false, false, false, nullptr, false, false, false, false},
        {"Start menu only, from the CD", false, true, false, nullptr, true, false, true, true},
        {"to the hard disk with both links", true, true, true, "Files copied successfully", true, true, true, true},
        {"links dropped, game kept", true, false, false, nullptr, false, false, true, true},
        {"desktop link again", true, false, true, nullptr, false, true, true, true},
        {"back to the CD, no links", false, false, false, "Files removed", false, false, false, false},
    };
    for (const ReconcileRow& row : rows) {
        SCOPED_TRACE(row.what);
        ShownBoxes.clear();
        BoxAnswers = {IDYES, IDOK};   // "Create it?", then the engine's closing box
        EXPECT_TRUE(RunWith(row.hardDisk, row.startMenu, row.desktop));
        if (row.engineBox != nullptr) {
            ASSERT_FALSE(ShownBoxes.empty());
            EXPECT_EQ(row.engineBox, ShownBoxes.back().text);
        } else {
            EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
        }
        CoInitialize(nullptr);
        EXPECT_EQ(row.startMenuLinks, StartMenuLinkExists());
        EXPECT_EQ(row.startMenuLinks, Exists(std::string(GetStartMenuDir()) + "\\Uninstall Thundra.lnk"));
        EXPECT_EQ(row.desktopLink, DesktopLinkExists());
        CoUninitialize();
        EXPECT_EQ(row.stub, Exists(Stub()));
        EXPECT_EQ(row.entry ? "\"" + Stub() + "\" -uninstall" : "", Entry());
        EXPECT_EQ(row.hardDisk, Exists(Data() + "common.res"));
    }
}

TEST_F(SetupOptionsTest, TheDialogShowsWhatIsThere)
{
    BoxAnswers = {IDYES, IDOK};
    ASSERT_TRUE(RunWith(true, true, false));
    ASSERT_TRUE(RunWith(true, true, false));
    EXPECT_TRUE(shownHardDisk_);
    EXPECT_TRUE(shownStartMenu_);
    EXPECT_FALSE(shownDesktop_);
}

TEST_F(SetupOptionsTest, WhileBusyOkDoesNothingAndCancelOnlyAsks)
{
    bool stillOpen = false, requested = false;
    int progressDialogs = 0;
    bool confirmed;
    {
        DialogDriver user([&] {
            HWND options = WaitForDialog("Thundra");
            if (options == nullptr)
                return;
            SendDlgItemMessageA(options, IDC_HARD_DISK, BM_CLICK, 0, 0);
            PressButton(options, IDOK);
            HWND path = WaitForDialog("Install");
            if (path == nullptr)
                return;
            // The engine waits in the install path dialog: the options
            // dialog is busy.
            SendMessageA(options, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            SendMessageA(options, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            stillOpen = IsWindow(options) && IsWindowVisible(options);
            requested = CancelRequested;
            progressDialogs = WaitForDialog("Installing files...", 100) ? 1 : 0;
            PressButton(path, IDCANCEL);   // the run is given up
            Sleep(200);
            // Not busy any more: Cancel closes the options dialog.
            PressButton(options, IDCANCEL);
        });
        confirmed = RunSetup(GetModuleHandleA(nullptr), nullptr);
    }
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(requested);
    EXPECT_EQ(1, progressDialogs);
    EXPECT_FALSE(confirmed);
    EXPECT_FALSE(Exists(Stub()));
    EXPECT_EQ("", Entry());
}

// The Programs folder can't be located: the links go to the fallback folder.
HRESULT WINAPI NoSpecialFolders(HWND, int, PIDLIST_ABSOLUTE*)
{
    return E_FAIL;
}

TEST_F(SetupOptionsTest, AStartMenuThatCanNotBeLocatedKeepsTheLastOne)
{
    CoInitialize(nullptr);
    SetupInstance = GetModuleHandleA(nullptr);
    const std::string located = GetStartMenuDir();
    EXPECT_NE(std::string::npos, located.find("\\Programs\\Orvane\\Thundra")) << located;
    Sys.SHGetSpecialFolderLocation = NoSpecialFolders;
    EXPECT_EQ(located, GetStartMenuDir());
    CreateStartMenuLinks();
    EXPECT_TRUE(Exists(located + "\\Thundra.lnk"));
    RemoveStartMenuLinks();
    EXPECT_FALSE(Exists(located));
    CoUninitialize();
    EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
}

TEST_F(SetupOptionsTest, AReadOnlyStubIsReplaced)
{
    SetupInstance = GetModuleHandleA(nullptr);
    CreateDirectoryA((std::string(Scratch) + "\\PF").c_str(), nullptr);
    CreateDirectoryA((std::string(Scratch) + "\\PF\\Orvane").c_str(), nullptr);
    CreateDirectoryA((std::string(Scratch) + "\\PF\\Orvane\\Thundra").c_str(), nullptr);
    ASSERT_TRUE(WriteTextFile(Stub(), "an older stub"));
    ASSERT_TRUE(SetFileAttributesA(Stub().c_str(), FILE_ATTRIBUTE_READONLY));
    CopyStub();
    EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
    EXPECT_NE("an older stub", ReadTextFile(Stub()));
    EXPECT_EQ(0u, GetFileAttributesA(Stub().c_str()) & FILE_ATTRIBUTE_READONLY) << "the new stub is read-only";
}

TEST_F(SetupOptionsTest, AForeignFileKeepsTheStartMenuFolder)
{
    CoInitialize(nullptr);
    SetupInstance = GetModuleHandleA(nullptr);
    CreateStartMenuLinks();
    std::string foreign = std::string(GetStartMenuDir()) + "\\readme.txt";
    ASSERT_TRUE(WriteTextFile(foreign, "not ours"));
    RemoveStartMenuLinks();
    EXPECT_FALSE(StartMenuLinkExists());
    EXPECT_FALSE(Exists(std::string(GetStartMenuDir()) + "\\Uninstall Thundra.lnk"));
    EXPECT_TRUE(Exists(foreign));
    DeleteFileA(foreign.c_str());
    RemoveStartMenuLinks();
    CoUninitialize();
}

} // namespace
