// The road from Play to the game's start, through the real Launcher: the
// DirectX offer from the disc and the requirement checks. Wine is made to
// report Windows 98 where the Windows 95 family's paths are walked.
#include <gtest/gtest.h>

#include "e2e.h"

namespace {

constexpr char UpgradeQuestion[] = "Thundra requires DirectX 7 to run.\nWould you like to upgrade now?";
constexpr char DriverQuestion[] =
    "Your video drivers appear to be out of date; Thundra\nmay not function properly. Do you wish to continue?";

// Whatever display Wine's DirectDraw reports (its GL renderer, or none),
// these tables list it: with a version no driver reaches, or with 0.0.0.0.
constexpr char OutOfDateTable[] = "; every display Wine may report\nv 10de\nd 6cd 99 0 0 0\nv 0\nd 0 99 0 0 0\n";
constexpr char UpToDateTable[] = "v 10de\nd 6cd 0 0 0 0\nv 0\nd 0 0 0 0 0\n";

class PreflightRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(disc_.ok());
        ASSERT_TRUE(AddLaunchFiles(disc_));
        ASSERT_TRUE(disc_.AddDouble("dsetup.dll", "redist\\directx7\\dsetup.dll"));
    }
    DiscFolder disc_{"preflight"};
    ScopedTempFolder temp_{"C:\\thundra-e2e\\preflight-temp"};
    WindowsVersionForLauncher windows98_{"win98"};
};

TEST_F(PreflightRoad, DeclinedDirectXStopsBeforeTheChecks)
{
    ASSERT_TRUE(disc_.AddFile("redist\\directx7\\dsetup-control.txt", "version 0x40007\nrevision 715\n"));
    ASSERT_TRUE(disc_.AddFile("run\\drivers.dat", OutOfDateTable));
    RobotRun run = RunLauncher(disc_.Launcher(), "-noautoplay -exit 0", NeutralDirectory,
                               {{"DirectX Setup", UpgradeQuestion, "No"},
                                {"DirectX Setup", "DirectX 7 was not installed", "OK"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ((std::vector<std::string>{"[DirectX Setup] " + std::string(UpgradeQuestion) + " -> No",
                                        "[DirectX Setup] DirectX 7 was not installed -> OK"}),
              BoxTexts(run));
    ASSERT_EQ(2u, run.boxes.size());
    EXPECT_EQ((std::vector<std::string>{"Yes", "No"}), run.boxes[0].buttons);
    EXPECT_EQ("DirectXSetupGetVersion\n", disc_.Read("redist\\directx7\\dsetup-calls.txt"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((temp_.Path() + "thun.bin").c_str())) << "image copied";
}

TEST_F(PreflightRoad, AcceptedDirectXInstallsFromTheDiscAndTheChecksPass)
{
    ASSERT_TRUE(disc_.AddFile("redist\\directx7\\dsetup-control.txt", "version 0x40006\nsetup-result 0\n"));
    ASSERT_TRUE(disc_.AddFile("run\\drivers.dat", UpToDateTable));
    RobotRun run =
        RunLauncher(disc_.Launcher(), "-noautoplay -exit 0", NeutralDirectory, {{"DirectX Setup", UpgradeQuestion, "Yes"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ((std::vector<std::string>{"[DirectX Setup] " + std::string(UpgradeQuestion) + " -> Yes"}), BoxTexts(run));
    EXPECT_EQ("DirectXSetupGetVersion\nDirectXSetupA owner=0000000000000000 folder=" + disc_.Path() +
                  "\\redist\\directx7 flags=0x10018\n",
              disc_.Read("redist\\directx7\\dsetup-calls.txt"));
}

TEST_F(PreflightRoad, AnOutOfDateDriverDeclinedEndsTheLauncherWithOne)
{
    ASSERT_TRUE(disc_.AddFile("run\\drivers.dat", OutOfDateTable));
    RobotRun run = RunLauncher(disc_.Launcher(), "-noautoplay -exit 0", NeutralDirectory, {{"Thundra", DriverQuestion, "No"}});
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ((std::vector<std::string>{"[Thundra] " + std::string(DriverQuestion) + " -> No"}), BoxTexts(run));
    ASSERT_EQ(1u, run.boxes.size());
    EXPECT_EQ((std::vector<std::string>{"Yes", "No"}), run.boxes[0].buttons);
}

TEST_F(PreflightRoad, AnOutOfDateDriverAcceptedGoesOn)
{
    ASSERT_TRUE(disc_.AddFile("run\\drivers.dat", OutOfDateTable));
    RobotRun run = RunLauncher(disc_.Launcher(), "-noautoplay -exit 0", NeutralDirectory, {{"Thundra", DriverQuestion, "Yes"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(1u, run.boxes.size()) << DescribeBoxes(run.boxes);
}

TEST_F(PreflightRoad, NoDriverTableOnTheDisc)
{
    ASSERT_TRUE(DeleteFileA((disc_.Path() + "\\run\\drivers.dat").c_str()));
    RobotRun run = RunLauncher(disc_.Launcher(), "-noautoplay -exit 0", NeutralDirectory,
                               {{"Our Apologies", "Unable to open driver datafile", "OK"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ((std::vector<std::string>{"[Our Apologies] Unable to open driver datafile -> OK"}), BoxTexts(run));
}

TEST(PreflightRoadNT, WindowsNTSkipsTheOfferAndTheDriverTable)
{
    // Neither the setup library nor the driver table is on this disc.
    DiscFolder disc("preflight-nt");
    ASSERT_TRUE(disc.ok() && AddLaunchFiles(disc));
    ASSERT_TRUE(DeleteFileA((disc.Path() + "\\run\\drivers.dat").c_str()));
    ScopedTempFolder temp("C:\\thundra-e2e\\preflight-temp");
    RobotRun run = RunLauncher(disc.Launcher(), "-noautoplay -exit 0", NeutralDirectory,
                               {{"Thundra", VersionWarning, "Yes"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ((std::vector<std::string>{std::string("[Thundra] ") + VersionWarning + " -> Yes"}),
              BoxTexts(run));
}

} // namespace
