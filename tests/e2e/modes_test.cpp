// Which mode the Launcher picks, seen from outside: a running game's window
// is restored only when the start-up reaches that step, so whether it was
// restored tells which earlier mode took over.
#include "e2e.h"

namespace {

TEST_F(E2E, PrecedenceOfTheModes)
{
    ASSERT_TRUE(CopyLauncherTo("C:\\thundra-e2e\\nomarker", false));
    // The Wine session maps drive T: to C:\thundra-drive-t; the drive's own
    // current directory is a folder without the marker.
    RemoveTree("C:\\thundra-drive-t");
    ASSERT_TRUE(CopyLauncherTo("C:\\thundra-drive-t", true) && CreateDirectoryA("T:\\Run", nullptr));
    SetEnvironmentVariableA("=T:", "T:\\Run");
    // The game's marks, made by the test: the semaphore "Thundra" and a
    // minimised window "Thundra Window", served while the robot waits.
    WNDCLASSA windowClass = {0, DefWindowProcA, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "Thundra Window"};
    RegisterClassA(&windowClass);
    const std::string disc = Disc("\\Thundra.exe"), longest(511, 'a');
    // the one box answered, or nullptr; the uninstall declined is cancelled by the user
    const struct {
        const char* road;
        std::string launcher, arguments;
        bool gameSemaphore, secondLauncher;
        const char* box;
        bool restored;
        DWORD exitCode = 0;
    } rows[] = {
        {"game running: its window is restored", disc, "", true, false, nullptr, true},
        {"uninstall comes first", disc, "-noautoplay -uninstall", true, false, "[Uninstall] No", false, 1602},
        {"uninstall in capitals is no switch", disc, "-UNINSTALL", true, false, nullptr, true},
        {"no marker: the stub asks for the disc", "C:\\thundra-e2e\\nomarker\\Thundra.exe", "", true, false,
            "[Thundra] Cancel", false},
        {"second launcher ends before the game test", disc, "", true, true, nullptr, false},
        {"a window without the semaphore is no game", disc, "", false, false, "[Thundra] Exit", false},
        {"the marker in the root of a drive", "T:\\Thundra.exe", "", true, false, nullptr, true},
        {"511 characters are taken whole", disc, longest, true, false, nullptr, true},
        {"more are refused, never cut", disc, longest + "a", true, false, "[Our Apologies] OK", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.road);
        HANDLE game = row.gameSemaphore ? CreateSemaphoreA(nullptr, 0, 1, "Thundra") : nullptr,
               other = row.secondLauncher ? CreateSemaphoreA(nullptr, 0, 1, "Thundra Canary") : nullptr;
        HWND window = CreateWindowA("Thundra Window", "Thundra", WS_OVERLAPPEDWINDOW | WS_MINIMIZE | WS_VISIBLE, 0, 0,
            200, 100, nullptr, nullptr, nullptr, nullptr);
        RobotRun run = RunWithRobot("\"" + row.launcher + "\" " + row.arguments, "C:\\windows",
            {{"Thundra", "Please insert the Thundra disc.", "Cancel"}, {"Uninstall", "Remove Thundra?", "No"},
                {"Our Apologies", "The command line is too long.", "OK"}, {"Thundra", "", "Exit"}});
        EXPECT_EQ(row.exitCode, run.exitCode);
        EXPECT_EQ(row.box ? std::vector<std::string> {row.box} : std::vector<std::string> {}, Answers(run));
        EXPECT_EQ(row.restored, !IsIconic(window));
        DestroyWindow(window);
        CloseHandle(game);   // none: nothing to close
        CloseHandle(other);
    }
    SetEnvironmentVariableA("=T:", nullptr);
    RemoveTree("C:\\thundra-drive-t");
}

} // namespace
