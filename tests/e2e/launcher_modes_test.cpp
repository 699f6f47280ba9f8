// Which mode the Launcher picks, seen from outside: a running game's window
// is restored only when the start-up reaches that step, so whether it was
// restored tells which earlier mode took over.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e.h"

namespace {


// Without the marker the Launcher is the stub of the game links: with no
// disc in a CD drive, it asks for one.
const RobotRule NoDiscCancel = {"Thundra", "Please insert the Thundra disc.", "Cancel"};
const RobotRule KeepTheGame = {"Uninstall", "Remove Thundra?", "No"};
// The menu: its picture's text reads as anything, so it is known by caption.
const RobotRule ExitTheMenu = {"Thundra", "", "Exit"};

struct ModeCase {
    const char* road;
    bool marker;
    const char* arguments;
    bool gameSemaphore, gameWindow, secondLauncher;
    bool restored;
};

TEST(LauncherModes, PrecedenceOfTheModes)
{
    const ModeCase cases[] = {
        {"game running: its window is restored", true, "", true, true, false, true},
        {"game running, -noautoplay", true, "-noautoplay", true, true, false, true},
        {"game running, -autoplay", true, "-autoplay", true, true, false, true},
        {"game running, -safe -no3dfx", true, "-safe -no3dfx", true, true, false, true},
        {"uninstall comes before the running game", true, "-uninstall", true, true, false, false},
        {"uninstall among other switches", true, "-noautoplay -uninstall -safe", true, true, false, false},
        {"uninstall inside a longer word", true, "x-uninstallx", true, true, false, false},
        {"uninstall in capitals is no switch", true, "-UNINSTALL", true, true, false, true},
        {"no marker: nothing runs", false, "", true, true, false, false},
        {"no marker with -noautoplay", false, "-noautoplay", true, true, false, false},
        {"second launcher ends before the game test", true, "", true, true, true, false},
        {"a window without the semaphore is no game", true, "", false, true, false, false},
        {"a semaphore without a window: nothing to restore", true, "", true, false, false, false},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.road);
        DiscFolder disc("modes", c.marker);
        ASSERT_TRUE(disc.ok());
        GameStandIn game(c.gameSemaphore, c.gameWindow);
        HANDLE otherLauncher = c.secondLauncher ? CreateSemaphoreA(nullptr, 0, 1, "Thundra Canary") : nullptr;

        RobotRun run =
            RunLauncher(disc.Launcher(), c.arguments, NeutralDirectory, {NoDiscCancel, KeepTheGame, ExitTheMenu});

        EXPECT_TRUE(run.started);
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(0u, run.exitCode);
        bool uninstalls = std::string(c.arguments).find("-uninstall") != std::string::npos;
        bool menu = c.marker && !uninstalls && !c.gameSemaphore && !c.secondLauncher;
        const char* answer = uninstalls ? "No" : !c.marker ? "Cancel" : menu ? "Exit" : nullptr;
        ASSERT_EQ(answer ? 1u : 0u, run.boxes.size()) << DescribeBoxes(run.boxes);
        if (answer) {
            EXPECT_EQ(answer, run.boxes[0].answer);
        }
        EXPECT_EQ(c.restored, game.WindowRestored());
        if (otherLauncher != nullptr)
            CloseHandle(otherLauncher);
    }
}

TEST(LauncherModes, TheMarkerIsLookedForBesideTheLauncherNotInTheCurrentDirectory)
{
    DiscFolder disc("beside", false);
    DiscFolder elsewhere("elsewhere", true);
    ASSERT_TRUE(disc.ok() && elsewhere.ok());
    {
        GameStandIn game(true, true);
        RobotRun run = RunLauncher(disc.Launcher(), "", elsewhere.Path(), {NoDiscCancel});
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_EQ(1u, run.boxes.size()) << DescribeBoxes(run.boxes);
        EXPECT_FALSE(game.WindowRestored()) << "the marker in the current directory counted";
    }
    {
        GameStandIn game(true, true);
        RobotRun run = RunLauncher(elsewhere.Launcher(), "", disc.Path());
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_TRUE(game.WindowRestored()) << "the marker beside the launcher was not found";
    }
}

TEST(LauncherModes, StartedFromTheRootOfADrive)
{
    // The Wine session maps drive T: to this folder.
    const std::string driveRoot = "C:\\thundra-drive-t";
    RemoveTree(driveRoot);
    ASSERT_TRUE(CreateDirectoryA(driveRoot.c_str(), nullptr));
    ASSERT_TRUE(CopyLauncherTo(driveRoot, true));
    ASSERT_TRUE(CreateDirectoryA("T:\\Run", nullptr));

    for (const char* driveDirectory : {"", "T:\\Run"}) {
        SCOPED_TRACE(*driveDirectory ? "the drive's current directory is T:\\Run" : "no current directory on T:");
        // Even when the drive's own current directory is a folder without
        // the marker, the Launcher looks in the root it lies in.
        SetEnvironmentVariableA("=T:", *driveDirectory ? driveDirectory : nullptr);
        GameStandIn game(true, true);
        RobotRun run = RunLauncher("T:\\Thundra.exe", "", NeutralDirectory);
        SetEnvironmentVariableA("=T:", nullptr);

        EXPECT_TRUE(run.started);
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_TRUE(run.boxes.empty()) << DescribeBoxes(run.boxes);
        EXPECT_TRUE(game.WindowRestored());
    }
    RemoveTree(driveRoot);
}

TEST(LauncherModes, ACommandLineTooLongForTheCopyIsRefusedNotCut)
{
    DiscFolder disc("long", true);
    ASSERT_TRUE(disc.ok());
    const std::string longest(511, 'a');
    {
        GameStandIn game(true, true);
        RobotRun run = RunLauncher(disc.Launcher(), longest, NeutralDirectory);
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_TRUE(run.boxes.empty()) << DescribeBoxes(run.boxes);
        EXPECT_TRUE(game.WindowRestored()) << "511 characters must be taken";
    }
    {
        GameStandIn game(true, true);
        RobotRun run = RunLauncher(disc.Launcher(), longest + "b", NeutralDirectory,
                                   {{"Our Apologies", "The command line is too long.", "OK"}});
        EXPECT_EQ(0u, run.exitCode);
        ASSERT_EQ(1u, run.boxes.size()) << DescribeBoxes(run.boxes);
        EXPECT_EQ("The command line is too long.", run.boxes[0].text);
        EXPECT_EQ(std::vector<std::string>{"OK"}, run.boxes[0].buttons);
        EXPECT_TRUE(run.boxes[0].expected);
        EXPECT_FALSE(game.WindowRestored()) << "the Launcher went on with a cut command line";
    }
}

TEST(LauncherModes, NoSemaphoreOutlivesTheLauncher)
{
    DiscFolder disc("semaphores", true);
    ASSERT_TRUE(disc.ok() && AddLaunchFiles(disc));
    ScopedTempFolder temp("C:\\thundra-e2e\\semaphores-temp");
    // Wine reports Windows 7: the launch's version check asks first.
    const std::vector<RobotRule> script = {
        {"Thundra", VersionWarning, "Yes"}, KeepTheGame, ExitTheMenu};
    for (const char* arguments : {"", "-noautoplay -exit 0", "-uninstall"}) {
        RobotRun run = RunLauncher(disc.Launcher(), arguments, NeutralDirectory, script);
        EXPECT_EQ(0u, run.exitCode) << arguments;
        EXPECT_TRUE(std::all_of(run.boxes.begin(), run.boxes.end(), [](const RobotBox& box) { return box.expected; }))
            << DescribeBoxes(run.boxes);
        EXPECT_FALSE(SemaphoreExists("Thundra")) << "the game probe left the game's semaphore: " << arguments;
        EXPECT_FALSE(SemaphoreExists("Thundra Canary")) << arguments;
    }
}

} // namespace
