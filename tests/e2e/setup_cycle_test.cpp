// The whole installed life of the game, through the real Launcher on drive
// D:, a CD drive of the Wine session: Setup installs to the hard disk with
// links and the uninstall entry, the game link plays from the disc, and
// the entry's command uninstalls; the machine is then as before, but for
// what the uninstaller leaves by design.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>

#include "e2e.h"

namespace {

constexpr char CdFolder[] = "C:\\thundra-cd";   // drive D:
constexpr char InstallDir[] = "C:\\Program Files\\Orvane\\Thundra";
constexpr char DataDir[] = "C:\\Program Files\\Orvane\\Thundra\\Data\\";
constexpr char Stub[] = "C:\\Program Files\\Orvane\\Thundra\\Thunx.exe";
constexpr char StartMenu[] = "C:\\users\\root\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Orvane\\Thundra";
constexpr char Desktop[] = "C:\\users\\root\\Desktop";
constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Thundra";

struct Link {
    std::string target, arguments, description, iconFile;
    int iconIndex = -1;
};

Link ReadLink(const std::string& file)
{
    Link link;
    IShellLinkA* shellLink;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&shellLink))))
        return link;
    IPersistFile* persist;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
        if (SUCCEEDED(persist->Load(wide, STGM_READ))) {
            char text[MAX_PATH] = "";
            shellLink->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
            link.target = text;
            shellLink->GetArguments(text, MAX_PATH);
            link.arguments = text;
            shellLink->GetDescription(text, MAX_PATH);
            link.description = text;
            int index = -1;
            text[0] = '\0';
            shellLink->GetIconLocation(text, MAX_PATH, &index);
            link.iconFile = text;
            link.iconIndex = index;
        }
        persist->Release();
    }
    shellLink->Release();
    return link;
}

// What Setup and the uninstaller may touch: the programs, the user's
// folders, and the registry keys of the product and its entry.
std::vector<std::string> MachineState()
{
    std::vector<std::string> state = ListTree("C:\\Program Files");
    for (const std::string& entry :
         ListTree("C:\\users\\root", {"C:\\users\\root\\Temp", "C:\\users\\root\\AppData\\Local\\Temp"}))
        state.push_back(entry);
    state.push_back("product key: " + RegistryText("Software\\Orvane\\Thundra", "DataDirectory"));
    state.push_back("uninstall entry: " + RegistryText(UninstallKey, "UninstallString"));
    return state;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SetupCycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
    }
    void TearDown() override
    {
        RemoveTree(CdFolder);
        RemoveTree("C:\\Program Files\\Orvane");
        RemoveTree("C:\\users\\root\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Orvane");
        DeleteFileA((std::string(Desktop) + "\\Thundra.lnk").c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKey);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Thundra");
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvane");
        CoUninitialize();
    }
};

TEST_F(SetupCycle, InstallPlayFromTheLinkAndUninstall)
{
    // The disc: the Launcher, the demo game, the data files and their list
    // (naming itself, so that the uninstaller finds it beside the stub).
    DiscFolder disc("cycle", true, CdFolder);
    ASSERT_TRUE(disc.ok() && AddLaunchFiles(disc));
    ASSERT_TRUE(disc.AddFile("Run\\drivers.dat", "v 10de\nd 6cd 0 0 0 0\nv 0\nd 0 0 0 0 0\n"));
    ASSERT_TRUE(disc.AddDouble("dsetup.dll", "redist\\directx7\\dsetup.dll"));
    ASSERT_TRUE(disc.AddFile("Run\\common.res", "the common resources"));
    ASSERT_TRUE(disc.AddFile("Run\\track1.dat", "a track"));
    ASSERT_TRUE(disc.AddFile("Run\\checksum.lst", "common.res 0\ntrack1.dat 0\nchecksum.lst 0\n"));
    const std::vector<std::string> before = MachineState();

    RobotRun setup = RunLauncher("D:\\Thundra.exe", "-setup", NeutralDirectory,
                                 {{"Thundra", "Disk Usage:",
                                   "+Play from hard disk (260 MB required)|+Start Menu shortcut|+Desktop Icon|Ok"},
                                  {"Installing files...", "", ""},
                                  {"Install", "", "OK"},
                                  {"Create directory", "The directory", "Yes"},
                                  {"Thun", "Files copied successfully", "OK"}});
    EXPECT_EQ(0u, setup.exitCode);
    EXPECT_EQ(Sorted(std::vector<std::string>{"[Thundra] +Play from hard disk (260 MB required)|+Start Menu shortcut|+Desktop "
                                        "Icon|Ok",
                                        "[Install] OK", "[Installing files...] ", "[Create directory] Yes",
                                        "[Thun] OK"}),
              Sorted(Answers(setup)))
        << DescribeBoxes(setup.boxes);

    EXPECT_EQ("the common resources", ReadTextFile(std::string(DataDir) + "common.res"));
    EXPECT_EQ("a track", ReadTextFile(std::string(DataDir) + "track1.dat"));
    EXPECT_EQ(DataDir, RegistryText("Software\\Orvane\\Thundra", "DataDirectory"));
    EXPECT_EQ(ReadTextFile("D:\\Thundra.exe"), ReadTextFile(Stub)) << "the stub is not the Launcher";
    EXPECT_EQ("Thundra", RegistryText(UninstallKey, "DisplayName"));
    EXPECT_EQ("\"" + std::string(Stub) + "\" -uninstall", RegistryText(UninstallKey, "UninstallString"));

    Link game = ReadLink(std::string(StartMenu) + "\\Thundra.lnk");
    EXPECT_EQ(Stub, game.target);
    EXPECT_EQ("", game.arguments);
    EXPECT_EQ("Thundra", game.description);
    Link uninstall = ReadLink(std::string(StartMenu) + "\\Uninstall Thundra.lnk");
    EXPECT_EQ(Stub, uninstall.target);
    EXPECT_EQ("-uninstall", uninstall.arguments);
    EXPECT_EQ("Uninstall Thundra.lnk", uninstall.description);
    EXPECT_EQ("C:\\windows\\system32\\shell32.dll", uninstall.iconFile);
    EXPECT_EQ(32, uninstall.iconIndex);
    Link desktop = ReadLink(std::string(Desktop) + "\\Thundra.lnk");
    EXPECT_EQ(Stub, desktop.target);

    // The game link starts the stub, which finds the disc in drive D: and
    // starts its Launcher; Wine reports Windows 98 to it, whose checks pass.
    {
        WindowsVersionForLauncher windows98("win98");
        ScopedTempFolder temp("C:\\thundra-e2e-cycle-temp");
        RobotRun stub = RunLauncher(game.target, game.arguments, NeutralDirectory);
        EXPECT_EQ(0u, stub.exitCode);
        EXPECT_TRUE(stub.boxes.empty()) << DescribeBoxes(stub.boxes);
        HWND window = WaitForGameWindow();
        ASSERT_NE(nullptr, window) << "the game did not start from the disc";
        std::string log = WaitForFileText(temp.Path() + "thun.log");
        EXPECT_NE(std::string::npos, log.find("current directory: D:\\Run")) << log;
        EXPECT_NE(std::string::npos, log.find("thun.bin ")) << log;
        ClickGameButton(window, 0);
        for (int i = 0; i < 200 && FindWindowA("Thundra Window", "Thundra") != nullptr; ++i)
            Sleep(20);
        // The disc's Launcher ends after its game, and holds the disc till then.
        for (int i = 0; i < 500 && SemaphoreExists("Thundra Canary"); ++i)
            Sleep(20);
        EXPECT_FALSE(SemaphoreExists("Thundra Canary")) << "the disc's Launcher did not end";
    }

    // The uninstall entry's command, as the system's list of programs runs it.
    RobotRun removal = RunWithRobot(RegistryText(UninstallKey, "UninstallString"), NeutralDirectory,
                                    {{"Uninstall", "Remove Thundra?", "Yes"}, {"Thundra", "Files removed", "OK"}});
    EXPECT_EQ(0u, removal.exitCode);
    EXPECT_EQ((std::vector<std::string>{"[Uninstall] Yes", "[Thundra] OK"}), Answers(removal));
    EXPECT_FALSE(Exists(DataDir));
    EXPECT_FALSE(Exists(StartMenu));
    EXPECT_FALSE(Exists(std::string(Desktop) + "\\Thundra.lnk"));

    // As before, but for the stub that ran the removal and its folder.
    std::vector<std::string> after = MachineState();
    after.erase(std::remove_if(after.begin(), after.end(),
                               [](const std::string& entry) {
                                   return entry.rfind("C:\\Program Files\\Orvane", 0) == 0;
                               }),
                after.end());
    EXPECT_EQ("", ListDifference(before, after));
}

// The disc on drive D: and Setup run from it: hard disk, Start menu and
// desktop links; typed goes into the install path dialog (empty: its
// default, the default install directory's Data folder).
void InstallFromTheDisc(const std::string& typed)
{
    DiscFolder disc("cycle", true, CdFolder);
    ASSERT_TRUE(disc.ok() && AddLaunchFiles(disc));
    ASSERT_TRUE(disc.AddFile("Run\\common.res", "the common resources"));
    ASSERT_TRUE(disc.AddFile("Run\\checksum.lst", "common.res 0\nchecksum.lst 0\n"));
    disc.Keep();
    RobotRun setup = RunLauncher("D:\\Thundra.exe", "-setup", NeutralDirectory,
                                 {{"Thundra", "Disk Usage:",
                                   "+Play from hard disk (260 MB required)|+Start Menu shortcut|+Desktop Icon|Ok"},
                                  {"Installing files...", "", ""},
                                  {"Install", "", typed.empty() ? "OK" : "=" + typed + "|OK"},
                                  {"Create directory", "The directory", "Yes"},
                                  {"Thun", "Files copied successfully", "OK"}});
    ASSERT_EQ(0u, setup.exitCode) << DescribeBoxes(setup.boxes);
    ASSERT_EQ(5u, setup.boxes.size()) << DescribeBoxes(setup.boxes);
}

TEST_F(SetupCycle, DecliningTheUninstallChangesNothing)
{
    InstallFromTheDisc("");
    const std::vector<std::string> before = MachineState();
    RobotRun removal = RunWithRobot(RegistryText(UninstallKey, "UninstallString"), NeutralDirectory,
                                    {{"Uninstall", "Remove Thundra?", "No"}});
    EXPECT_EQ(0u, removal.exitCode);
    EXPECT_EQ(std::vector<std::string>{"[Uninstall] No"}, Answers(removal));
    EXPECT_EQ("", ListDifference(before, MachineState()));
}

TEST_F(SetupCycle, DataOutsideTheInstallDirectoryStaysWithItsKey)
{
    InstallFromTheDisc("C:\\thundra-games");
    EXPECT_EQ("the common resources", ReadTextFile("C:\\thundra-games\\Data\\common.res"));
    // The stub finds no list beside itself: no file goes, and no "Files
    // removed"; the links and the entry go all the same.
    RobotRun removal = RunWithRobot(RegistryText(UninstallKey, "UninstallString"), NeutralDirectory,
                                    {{"Uninstall", "Remove Thundra?", "Yes"}});
    EXPECT_EQ(0u, removal.exitCode);
    EXPECT_EQ(std::vector<std::string>{"[Uninstall] Yes"}, Answers(removal));
    EXPECT_EQ("the common resources", ReadTextFile("C:\\thundra-games\\Data\\common.res"));
    EXPECT_EQ("C:\\thundra-games\\Data\\", RegistryText("Software\\Orvane\\Thundra", "DataDirectory"));
    EXPECT_EQ("(no key)", RegistryText(UninstallKey, "UninstallString"));
    EXPECT_FALSE(Exists(StartMenu));
    EXPECT_FALSE(Exists(std::string(Desktop) + "\\Thundra.lnk"));
    RemoveTree("C:\\thundra-games");
}

TEST_F(SetupCycle, TheGameLinkWithoutTheDiscAsksForIt)
{
    // Drive D: is empty; the stub lies where no marker is.
    ASSERT_TRUE(CreateDirectoryA(CdFolder, nullptr));
    DiscFolder stubFolder("stub", false);
    ASSERT_TRUE(stubFolder.ok());
    const char question[] = "Please insert the Thundra disc.";
    RobotRun stub = RunLauncher(stubFolder.Launcher(), "", NeutralDirectory,
                                {{"Thundra", question, "Retry"}, {"Thundra", question, "Cancel"}});
    EXPECT_EQ(0u, stub.exitCode);
    ASSERT_EQ(2u, stub.boxes.size()) << DescribeBoxes(stub.boxes);
    EXPECT_EQ((std::vector<std::string>{"Retry", "Cancel"}), stub.boxes[0].buttons);
}

} // namespace
