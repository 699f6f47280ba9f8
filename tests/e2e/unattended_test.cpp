// Setup and the uninstall as deployment tools and game managers run them:
// nobody at the keyboard, the outcome in the exit code and a log.
#include <algorithm>

#include "e2e.h"

namespace {

bool Logged(const std::string& log, const std::string& line) { return log.find(line + "\r\n") != std::string::npos; }
// "[caption] text" of each window seen; a caption without the file the progress dialog names.
std::vector<std::string> Seen(const RobotRun& run)
{
    std::vector<std::string> seen;
    for (const RobotBox& box : run.boxes)
        seen.push_back("[" + box.caption.substr(0, box.caption.find(" - ")) + "] " + box.text);
    return seen;
}

TEST_F(E2E, NobodyAtTheKeyboardInstallsAndUninstalls)
{
    const std::vector<std::string> names = WriteGameData(Disc(), 3, 1000), before = MachineState();
    const std::string logSwitch = " -log \"" + Temp("setup.log") + "\"";   // quoted: the folder's name holds a blank
    const std::string data = "C:\\Games\\My Thundra\\Data\\";
    RobotRun install = Launch("-setup -silent -dir \"C:\\Games\\My Thundra\" -links start,desktop" + logSwitch);
    EXPECT_EQ(0u, install.exitCode);
    EXPECT_EQ(std::vector<std::string> {}, Seen(install)) << "a window appeared";
    const std::string log = ReadTextFile(Temp("setup.log"));
    for (const std::string& name : names)
        EXPECT_TRUE(Exists(data + name) && ReadTextFile(data + name) == ReadTextFile(Disc("\\Run\\" + name)) &&
            Logged(log, "Copy and verify " + data + name + ": done"))
            << name;
    for (const std::string& link : {StartMenuFolder + std::string("Thundra.lnk"),
             StartMenuFolder + std::string("Uninstall Thundra.lnk"), std::string(DesktopLink)})
        EXPECT_TRUE(Exists(link) && Logged(log, "Make link " + link + ": done")) << link;
    EXPECT_TRUE(Logged(log, "Exit code 0")) << log;
    const std::string quiet = RegistryText(UninstallKey, "QuietUninstallString");
    ASSERT_EQ("\"" + std::string(Stub) + "\" -uninstall -silent", quiet);

    // The game holds a file: nothing is removed, and the log says which file.
    const std::vector<std::string> installed = MachineState();
    HANDLE held =
        CreateFileA((data + "d0.dat").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    RobotRun inUse = RunWithRobot(quiet + logSwitch, "C:\\windows", {});
    CloseHandle(held);
    EXPECT_EQ(32u, inUse.exitCode);
    EXPECT_EQ(std::vector<std::string> {}, Seen(inUse));
    EXPECT_EQ("", ListDifference(installed, MachineState())) << "the uninstall removed something";
    EXPECT_TRUE(Logged(ReadTextFile(Temp("setup.log")),
        "[Our Apologies] Can't remove " + data + "d0.dat The game may still be running. Close it and try again."));

    RobotRun uninstall = RunWithRobot(quiet, "C:\\windows", {});
    EXPECT_EQ(0u, uninstall.exitCode);
    EXPECT_EQ(std::vector<std::string> {}, Seen(uninstall));
    EXPECT_EQ("", AfterRestart(before));
}

TEST_F(E2E, NobodyAtTheKeyboardIsToldByTheExitCode)
{
    ASSERT_TRUE(Exists("S:\\")) << "no small drive S: (the Wine session mounts it as root)";
    const std::vector<std::string> names = WriteGameData(Disc(), 4, 8 << 20),
                                   before = MachineState();   // large enough that each stays a while as it is written
    const std::string logSwitch = " -log \"" + Temp("setup.log") + "\"";
    // what: the road; arguments; windows the robot sees; exit code; a line the log holds; the progress dialog's answer
    const struct {
        const char* what;
        std::string arguments;
        std::vector<std::string> seen;
        DWORD exitCode;
        std::string logged;
        const char* progress = "";
    } rows[] = {
        {"too little room", "-setup -silent -dir S:\\Thundra", {}, 112,
            "[Our Apologies] Thundra requires 260 MB of disk space This disk has 8 MB free"},
        {"a bad switch", "-setup -silent -links sideways", {}, 87,
            "[Our Apologies] Bad switch or value: -links sideways"},
        {"a bad switch, someone at the keyboard", "-setup -dir C:\\Games",
            {"[Our Apologies] Bad switch or value: -dir"}, 87, "Exit code 87"},
        {"with progress, cancelled", "-setup -passive", {"[Installing files...] File:\nTotal:"}, 1602, "Exit code 1602",
            "Cancel"},
        {"with progress", "-setup -passive", {"[Installing files...] File:\nTotal:"}, 0, "Exit code 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(row.exitCode != 112 || RunOnHost("fallocate -l 262M " + HostPath("S:\\ballast")));
        RobotRun run = Launch(
            row.arguments + logSwitch, {{"Our Apologies", "", "OK"}, {"Installing files...*", "", row.progress}});
        EXPECT_EQ(row.exitCode, run.exitCode);
        EXPECT_EQ(row.seen, Seen(run));
        EXPECT_TRUE(Logged(ReadTextFile(Temp("setup.log")), row.logged)) << ReadTextFile(Temp("setup.log"));
        DeleteFileA("S:\\ballast");
        if (row.exitCode == 0) {
            EXPECT_EQ(0u, Launch("-uninstall -silent").exitCode);
            EXPECT_TRUE(Restart());
        }
        EXPECT_EQ("", ListDifference(before, MachineState())) << "left behind";
        EXPECT_FALSE(Exists("S:\\Thundra"));
    }

    // Killed midway: the log ends with the last step done, and each copy it names is whole.
    RobotRun cut =
        Launch("-setup -silent" + logSwitch, {}, [&](const PROCESS_INFORMATION&, const std::vector<RobotBox>&) {
            return Exists(DefaultDataDir + std::string("d1.dat"));
        });
    ASSERT_EQ(RobotKilled, cut.exitCode) << "the run ended before the kill";
    const std::string log = ReadTextFile(Temp("setup.log"));
    ASSERT_GT(log.size(), 8u);
    EXPECT_EQ(": done\r\n", log.substr(log.size() - 8)) << log;
    for (const std::string& name : names)
        EXPECT_TRUE(!Logged(log, "Copy and verify " + std::string(DefaultDataDir) + name + ": done") ||
            ReadTextFile(DefaultDataDir + name) == ReadTextFile(Disc("\\Run\\" + name)))
            << name;

    // While the menu is open, Setup does nothing; the elevated copy that the menu's Setup starts goes on, and
    // appends to the starter's log.
    RobotRun whileMenu, elevated;
    Launch("", {{"Thundra", "", ""}}, [&](const PROCESS_INFORMATION&, const std::vector<RobotBox>& boxes) {
        if (boxes.empty())
            return false;
        whileMenu = Launch("-setup -silent" + logSwitch);
        elevated = Launch("-setup -silent -elevated" + logSwitch);
        return true;
    });
    EXPECT_EQ(1618u, whileMenu.exitCode);
    EXPECT_EQ(0u, elevated.exitCode);
    const std::string both = ReadTextFile(Temp("setup.log"));
    EXPECT_TRUE(Logged(both, "Another Thundra Launcher or Setup is running.") && Logged(both, "Exit code 0")) << both;
    for (const std::string& name : names)
        EXPECT_EQ(ReadTextFile(Disc("\\Run\\" + name)), ReadTextFile(DefaultDataDir + name)) << name;
}

} // namespace
