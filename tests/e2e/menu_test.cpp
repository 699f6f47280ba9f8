// The autorun menu of the real Launcher: the picture fills it, Notes opens
// the readme each time and leaves the menu open, Exit launches nothing.
#include <thread>

#include "e2e.h"

namespace {

TEST_F(E2E, TheMenuIsItsPictureAndNotesOpensTheReadme)
{
    // The robot leaves the menu to this thread, which measures it, presses
    // Notes twice, waits for both and presses Exit.
    RobotRun run;
    std::thread launcher([&] { run = Launch("-exit 0", {{"Thundra", "", ""}}); });
    HWND menu = nullptr;
    RECT client = {};
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(menu = FindWindowA("#32770", "Thundra")) && GetDlgItem(menu, 105) != nullptr; }));
    GetClientRect(menu, &client);
    for (int notes : {1, 2}) {
        PostMessageA(menu, WM_COMMAND, 103, 0);
        WaitFor([&] { return ReadTextFile(Disc("\\notepad-calls.txt")).size() >= notes * 27u; });
    }
    PostMessageA(menu, WM_COMMAND, IDCANCEL, 0);
    launcher.join();

    // Windows' dialog metrics: the client area is the picture, no grey band.
    HMODULE exe = LoadLibraryExA(Disc("\\Thundra.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HBITMAP art = static_cast<HBITMAP>(LoadImageA(exe, MAKEINTRESOURCEA(300), IMAGE_BITMAP, 0, 0, 0));
    BITMAP picture = {};
    GetObjectA(art, sizeof picture, &picture);
    DeleteObject(art);
    FreeLibrary(exe);
    EXPECT_EQ(500, picture.bmWidth);
    EXPECT_NEAR(picture.bmWidth, client.right, 2);
    EXPECT_NEAR(picture.bmHeight, client.bottom, 2);

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{"[Thundra] "}, Answers(run));
    EXPECT_EQ("notepad.exe run\\readme.txt\nnotepad.exe run\\readme.txt\n", ReadTextFile(Disc("\\notepad-calls.txt")));
    EXPECT_EQ("", ReadTextFile(Temp("thun.log"))) << "Exit started the game";
}

} // namespace
