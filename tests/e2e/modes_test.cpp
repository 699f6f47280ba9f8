// Which mode the Launcher picks, seen from outside: a running game's window
// is restored only when the start-up reaches that step, so whether it was
// restored tells which earlier mode took over.
#include <thread>

#include "e2e.h"

namespace {

// The game's marks, made by the test: the semaphore "Thundra" and a
// minimised window "Thundra Window", served by a thread of its own.
struct GameStandIn {
    HANDLE semaphore = nullptr;
    HWND window = nullptr;
    std::thread thread;
    GameStandIn(bool withSemaphore, bool withWindow)
    {
        semaphore = withSemaphore ? CreateSemaphoreA(nullptr, 0, 1, "Thundra") : nullptr;
        if (!withWindow)
            return;
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread = std::thread([this, ready] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.lpszClassName = "Thundra Window";
            RegisterClassA(&windowClass);
            window = CreateWindowA("Thundra Window", "Thundra", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
            ShowWindow(window, SW_SHOWMINIMIZED);
            SetEvent(ready);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0)
                DispatchMessageA(&message);
            DestroyWindow(window);
            UnregisterClassA("Thundra Window", nullptr);
        });
        WaitForSingleObject(ready, 5000);
        CloseHandle(ready);
    }
    ~GameStandIn()
    {
        if (thread.joinable()) {
            PostMessageA(window, WM_QUIT, 0, 0);
            thread.join();
        }
        if (semaphore != nullptr)
            CloseHandle(semaphore);
    }
    bool Restored() const { return window != nullptr && !IsIconic(window); }
};

TEST_F(E2E, PrecedenceOfTheModes)
{
    ASSERT_TRUE(CopyLauncherTo("C:\\thundra-e2e\\nomarker", false));
    const struct {
        const char* road;
        bool marker;
        const char* arguments;
        bool gameSemaphore, secondLauncher;
        const char* box;   // the one box answered, or nullptr
        bool restored;
    } rows[] = {
        {"game running: its window is restored", true, "", true, false, nullptr, true},
        {"game running, -noautoplay -safe", true, "-noautoplay -safe", true, false, nullptr, true},
        {"uninstall comes first", true, "-noautoplay -uninstall", true, false, "[Uninstall] No", false},
        {"uninstall in capitals is no switch", true, "-UNINSTALL", true, false, nullptr, true},
        {"no marker: the stub asks for the disc", false, "", true, false, "[Thundra] Cancel", false},
        {"second launcher ends before the game test", true, "", true, true, nullptr, false},
        {"a window without the semaphore is no game", true, "", false, false, "[Thundra] Exit", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.road);
        GameStandIn game(row.gameSemaphore, true);
        HANDLE other = row.secondLauncher ? CreateSemaphoreA(nullptr, 0, 1, "Thundra Canary") : nullptr;
        std::string launcher = row.marker ? Disc("\\Thundra.exe") : "C:\\thundra-e2e\\nomarker\\Thundra.exe";
        RobotRun run = RunWithRobot("\"" + launcher + "\" " + row.arguments, "C:\\windows",
                                    {{"Thundra", "Please insert the Thundra disc.", "Cancel"}, {"Uninstall", "Remove Thundra?", "No"}, {"Thundra", "", "Exit"}});
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_EQ(row.box ? std::vector<std::string>{row.box} : std::vector<std::string>{}, Answers(run));
        EXPECT_EQ(row.restored, game.Restored());
        if (other != nullptr)
            CloseHandle(other);
    }
}

TEST_F(E2E, StartedFromTheRootOfADrive)
{
    // The Wine session maps drive T: to C:\thundra-drive-t; the drive's own
    // current directory is a folder without the marker.
    RemoveTree("C:\\thundra-drive-t");
    ASSERT_TRUE(CopyLauncherTo("C:\\thundra-drive-t", true) && CreateDirectoryA("T:\\Run", nullptr));
    SetEnvironmentVariableA("=T:", "T:\\Run");
    GameStandIn game(true, true);
    RobotRun run = RunWithRobot("T:\\Thundra.exe", "C:\\windows", {});
    SetEnvironmentVariableA("=T:", nullptr);
    EXPECT_EQ(std::vector<std::string>{}, Answers(run));
    EXPECT_TRUE(game.Restored()) << "the marker in the drive's root was not found";
    RemoveTree("C:\\thundra-drive-t");
}

TEST_F(E2E, ACommandLineTooLongForTheCopyIsRefusedNotCut)
{
    GameStandIn game(true, true);
    RobotRun run = Launch(std::string(511, 'a'));
    EXPECT_EQ(std::vector<std::string>{}, Answers(run));
    EXPECT_TRUE(game.Restored()) << "511 characters must be taken";
    ShowWindow(game.window, SW_MINIMIZE);
    run = Launch(std::string(512, 'a'), {{"Our Apologies", "The command line is too long.", "OK"}});
    EXPECT_EQ(std::vector<std::string>{"[Our Apologies] OK"}, Answers(run));
    EXPECT_FALSE(game.Restored()) << "the Launcher went on with a cut command line";
}

} // namespace
