// Setup on machines treated as users treat theirs: an install cut short, a
// disc that can't be read, a disk that fills up or has too little room.
#include <algorithm>

#include "e2e.h"

namespace {

// Every listed file in the data directory is the disc's.
bool Whole(const std::string& disc, const std::vector<std::string>& names, const std::string& data)
{
    return std::all_of(names.begin(), names.end(), [&](const std::string& name) { return Exists(data + name) && ReadTextFile(data + name) == ReadTextFile(disc + "\\Run\\" + name); });
}

TEST_F(E2E, AnInstallCutShortIsNeverTakenForAWholeOne)
{
    const std::vector<std::string> names = WriteGameData(Disc(), 8, 8 << 20);   // large enough that each stays a while as it is written
    const std::string data = DefaultDataDir;
    // Killed as a data file appears, wherever it got to by then; the next Setup with the hard disk completes it.
    RobotRun cut = Launch("-setup", InstallScript("-", "-"), [&](const PROCESS_INFORMATION&, const std::vector<RobotBox>&) { return Exists(data + "d5.dat"); });
    EXPECT_EQ(RobotKilled, cut.exitCode) << testing::PrintToString(Answers(cut, true));
    bool shownInstalled = Exists(data + "common.res");
    EXPECT_TRUE(!shownInstalled || Whole(Disc(), names, data)) << "common.res beside a broken file";
    std::vector<RobotRule> again = InstallScript("-", "-", true);
    again[0].steps = (shownInstalled ? "=Play from hard disk (260 MB required)|" : "=Play from CD (10 MB required)|") + again[0].steps;
    EXPECT_EQ(0u, Launch("-setup", again).exitCode) << testing::PrintToString(Answers(cut, true));
    EXPECT_TRUE(Whole(Disc(), names, data));
    EXPECT_EQ(data, RegistryText("Software\\Orvane\\Thundra", "DataDirectory"));
}

// Posing as Windows 98, where every fatal box raises the abort flag: Setup
// fails, is rolled back, the user gives up, and Play starts the game.
TEST_F(E2E, ASetupThatFailsIsNamedAndRolledBackAndPlayGoesOn)
{
    ASSERT_TRUE(Exists("S:\\")) << "no small drive S: (the Wine session mounts it as root)";
    ReportWindowsVersion("win98");
    // last: the caption of the run's last box; run on the host: before the run, or with the Launcher held as d0.dat appears
    const struct { const char *target, *box, *last; std::string fault; } rows[] = {
        {"S:\\Thundra\\Data\\", "[Our Apologies] Thundra requires 260 MB of disk space\r\nThis disk has 8 MB free -> OK", "Our Apologies",
         "fallocate -l 262M " + HostPath("S:\\ballast")},
        {DefaultDataDir, "[Our Apologies] Can't read Run\\d0.dat\r\nThe disc could not be read. Please clean it and try again. -> OK", "Error",
         "truncate -s 1000 " + HostPath(Disc("\\Run\\d0.dat"))},
        {"S:\\Thundra\\Data\\", "[Our Apologies] Can't write S:\\Thundra\\Data\\d0.dat\r\nThe disk in drive S: may be full. -> OK", "Error",
         "fallocate -l 250M " + HostPath("S:\\ballast")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        WriteGameData(Disc(), 3, 24 << 20);
        StoreDataDirectory(row.target);
        bool early = row.box[16] == 'T', held = early && RunOnHost(row.fault);
        bool givenUp = false;
        RobotRun run = Launch("-exit 0", {{"Thundra", "", "Setup|Play"}, InstallScript("-", "-")[0], {"Installing files...", "", ""}, {"Install", "", "OK"},
                                          {"Create directory", "", "Yes"}, {"Our Apologies", "", "OK"}, {"Error", "", "OK"}},
                              [&](const PROCESS_INFORMATION& launcher, const std::vector<RobotBox>& boxes) {
                                  const std::string copy = std::string(row.target) + "d0.dat";
                                  if (!held && Exists(copy)) {
                                      SuspendThread(launcher.hThread);
                                      held = ReadTextFile(copy).size() < (24u << 20) && RunOnHost(row.fault);
                                      ResumeThread(launcher.hThread);
                                  }
                                  givenUp = givenUp || GiveUpAfter(boxes, row.last);
                                  return false;
                              });
        ASSERT_TRUE(held) << "the fault came too late";
        EXPECT_EQ(0u, run.exitCode) << testing::PrintToString(Answers(run, true));
        // After the menu, the options, the progress and the install path dialogs, in any order, and the directory question.
        std::vector<std::string> answers = Answers(run, true), expected = {"[Create directory] The directory\r\n" + std::string(row.target) + "\r\ndoes not exist.\r\nCreate it? -> Yes", row.box};
        if (!early)
            expected.push_back("[Error] Error installing file d0.dat -> OK");
        EXPECT_EQ(expected, std::vector<std::string>(answers.begin() + std::min<size_t>(4, answers.size()), answers.end()));
        EXPECT_FALSE(Exists(std::string(row.target) + (early ? "d0.dat" : ""))) << "not rolled back";   // no room: the directory made stays
        EXPECT_EQ("(none)", RegistryText("Software\\Orvane\\Thundra", "DataDirectory"));
        EXPECT_EQ("0 (0x00000000, asked by -exit)", LogLine(ReadTextFile(Temp("thun.log")), "exit")) << "the game did not run";
        DeleteFileA(Temp("thun.log").c_str());
        DeleteFileA("S:\\ballast");
        RemoveTree("S:\\Thundra");
    }
}

// A standard user may change C:\\Games: before Setup, the data folder made
// a link to another program's folder, which holds a file of a listed name.
// Setup says so, deletes and writes nothing there, and takes the key back.
TEST_F(E2E, SetupNeverActsThroughALink)
{
    WriteGameData(Disc(), 2, 100);
    ASSERT_TRUE(CreateDirectoryA("C:\\thundra-e2e\\victims", nullptr) && WriteTextFile("C:\\thundra-e2e\\victims\\d0.dat", "theirs") &&
                CreateDirectoryA("C:\\Games", nullptr) && PlantLink("C:\\Games\\Data", "C:\\thundra-e2e\\victims"));
    StoreDataDirectory("C:\\Games\\Data\\");
    bool givenUp = false;
    RobotRun run = Launch("-setup", {InstallScript("-", "-")[0], {"Installing files...", "", ""}, {"Install", "", "OK"}, {"Our Apologies", "", "OK"}},
                          [&](const PROCESS_INFORMATION&, const std::vector<RobotBox>& boxes) { return givenUp = givenUp || GiveUpAfter(boxes, "Our Apologies"), false; });
    EXPECT_EQ("[Our Apologies] C:\\Games\\Data\r\nleads to another place (a link or junction). For the safety of this computer, Thundra does not act through it. -> OK",
              Answers(run, true).back());
    EXPECT_EQ(std::vector<std::string>{"C:\\thundra-e2e\\victims\\d0.dat"}, ListTree("C:\\thundra-e2e\\victims")) << "written through the link";
    EXPECT_EQ("theirs|(none)", ReadTextFile("C:\\thundra-e2e\\victims\\d0.dat") + "|" + RegistryText("Software\\Orvane\\Thundra", "DataDirectory"));
    EXPECT_TRUE(RemoveLink("C:\\Games\\Data"));
}

} // namespace
