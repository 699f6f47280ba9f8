// Setup's options dialog, driven from a second thread as a user would,
// against the prefix's registry, Start menu and desktop, with the Program
// Files directory moved to a scratch folder. Each row starts from the
// machine the row before left.
#include "setup/setup_options.h"

#include <objbase.h>

#include "launcher/product.h"
#include "platform_fixture.h"
#include "resources/resource_ids.h"
#include "setup/shortcuts.h"

namespace {

constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Thundra";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RunSetupWith(bool hardDisk, bool startMenu, bool desktop)
{
    std::thread user([=] {
        HWND options = WaitForDialog("Thundra");
        SendDlgItemMessageA(options, hardDisk ? IDC_HARD_DISK : IDC_PLAY_FROM_CD, BM_CLICK, 0, 0);
        CheckDlgButton(options, IDC_START_MENU, startMenu ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(options, IDC_DESKTOP, desktop ? BST_CHECKED : BST_UNCHECKED);
        PostMessageA(options, WM_COMMAND, IDOK, 0);
        // The install path dialog comes only when the engine installs.
        for (int i = 0; i < 500 && IsWindow(options); ++i, Sleep(10))
            PostMessageA(FindWindowA("#32770", "Install"), WM_COMMAND, IDOK, 0);
        PostMessageA(options, WM_COMMAND, IDCANCEL, 0);   // still open after 5 s: the test fails, not hangs
    });
    EXPECT_TRUE(RunSetup(GetModuleHandleA(nullptr), nullptr));
    user.join();
}

TEST_F(PlatformTest, SetupReconcilesTheMachineWithTheChoices)
{
    EnterScratchFolder("thundra-setup");
    char programFiles[MAX_PATH] = "";
    DWORD size = sizeof programFiles;
    RegGetValueA(HKEY_LOCAL_MACHINE, WindowsCurrentVersionKey, ProgramFilesValue, RRF_RT_REG_SZ, nullptr, programFiles, &size);
    const std::string pf = scratch_ + "\\PF", stub = pf + "\\Orvane\\Thundra\\Thunx.exe";
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, WindowsCurrentVersionKey, ProgramFilesValue, REG_SZ, pf.c_str(), pf.size() + 1);
    ASSERT_TRUE(CreateDirectoryA("Run", nullptr) && WriteTextFile("Run\\common.res", "common") &&
                WriteTextFile("Run\\checksum.lst", "common.res 0\n"));
    const struct {
        const char* what;
        bool hardDisk, startMenu, desktop;
        const char* engineBox;   // the engine's closing box; nullptr: it did not run
        bool startMenuLinks, desktopLink, stubAndEntry;
    } rows[] = {
        {"to the hard disk without links: the entry has its stub", true, false, false, "[Thun] Files copied successfully", false, false, true},
        {"back to the CD: nothing stays", false, false, false, "[Thundra] Files removed", false, false, false},
        {"nothing chosen, nothing there", false, false, false, nullptr, false, false, false},
        {"Start menu only, from the CD", false, true, false, nullptr, true, false, true},
        {"to the hard disk with both links", true, true, true, "[Thun] Files copied successfully", true, true, true},
        {"links dropped, game kept", true, false, false, nullptr, false, false, true},
        {"desktop link again", true, false, true, nullptr, false, true, true},
        {"back to the CD, no links", false, false, false, "[Thundra] Files removed", false, false, false},
    };
    CoInitialize(nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ShownBoxes.clear();
        BoxAnswers = {IDYES, IDOK};   // "Create it?", then the engine's closing box
        RunSetupWith(row.hardDisk, row.startMenu, row.desktop);
        EXPECT_EQ(row.engineBox ? row.engineBox : "(none)", ShownBoxes.empty() ? "(none)" : ShownBoxes.back());
        EXPECT_EQ(row.startMenuLinks, StartMenuLinkExists());
        EXPECT_EQ(row.startMenuLinks, Exists(std::string(GetStartMenuDir()) + "\\Uninstall Thundra.lnk"));
        EXPECT_EQ(row.desktopLink, DesktopLinkExists());
        EXPECT_EQ(row.stubAndEntry, Exists(stub));
        EXPECT_EQ(row.stubAndEntry ? "\"" + stub + "\" -uninstall" : "(none)", RegistryText(UninstallKey, "UninstallString"));
        EXPECT_EQ(row.hardDisk, Exists(pf + "\\Orvane\\Thundra\\Data\\common.res"));
        EXPECT_EQ(row.hardDisk || row.stubAndEntry, Exists(pf + "\\Orvane"));
    }
    RemoveStartMenuLinks();
    RemoveDesktopLink();
    CoUninitialize();
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane");
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, WindowsCurrentVersionKey, ProgramFilesValue, REG_SZ, programFiles, strlen(programFiles) + 1);
}

} // namespace
