// A Setup that fails as users meet it: the disk fills up while the install
// writes. Posing as Windows 98, where every fatal box raises the abort flag:
// Setup names the failure and rolls back, the user gives up, and Play starts
// the game all the same.
#include <algorithm>

#include "e2e.h"

namespace {

TEST_F(E2E, ASetupThatFailsIsNamedAndRolledBackAndPlayGoesOn)
{
    ASSERT_TRUE(Exists("S:\\")) << "no small drive S: (the Wine session mounts it as root)";
    ReportWindowsVersion("win98");
    WriteGameData(Disc(), 3, 24 << 20);
    const std::string data = "S:\\Thundra\\Data\\", copy = data + "d0.dat";
    StoreDataDirectory(data.c_str());
    bool full = false, givenUp = false;
    const std::vector<RobotRule> script = {{"Thundra", "", "Setup|Play"}, InstallScript("-", "-")[0],
        {"Installing files...", "", ""}, {"Install", "", "OK"}, {"Create directory", "", "Yes"},
        {"Our Apologies", "", "OK"}, {"Error", "", "OK"}};
    // The disk fills while the Launcher is held, d0.dat begun.
    RobotRun run =
        Launch("-exit 0", script, [&](const PROCESS_INFORMATION& launcher, const std::vector<RobotBox>& boxes) {
            if (!full && Exists(copy)) {
                SuspendThread(launcher.hThread);
                full = ReadTextFile(copy).size() < (24u << 20) &&
                    RunOnHost("fallocate -l 250M " + HostPath("S:\\ballast"));
                ResumeThread(launcher.hThread);
            }
            givenUp = givenUp || GiveUpAfter(boxes, "Error");
            return false;
        });
    ASSERT_TRUE(full) << "the disk filled too late";
    EXPECT_EQ(0u, run.exitCode) << testing::PrintToString(Answers(run, true));
    // After the menu, the options, the progress and the install path dialogs, in any order.
    const std::vector<std::string> answers = Answers(run, true);
    EXPECT_EQ((std::vector<std::string> {
                  "[Create directory] The directory\r\n" + data + "\r\ndoes not exist.\r\nCreate it? -> Yes",
                  "[Our Apologies] Can't write " + copy + "\r\nThe disk in drive S: may be full. -> OK",
                  "[Error] Error installing file d0.dat -> OK"}),
        std::vector<std::string>(answers.begin() + std::min<size_t>(4, answers.size()), answers.end()));
    EXPECT_FALSE(Exists(data)) << "not rolled back";
    EXPECT_EQ("(none)", RegistryText("Software\\Orvane\\Thundra", "DataDirectory"));
    EXPECT_EQ("0 (0x00000000, asked by -exit)", LogLine(ReadTextFile(Temp("thun.log")), "exit"))
        << "the game did not run";
}

} // namespace
