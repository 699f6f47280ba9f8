// The autorun menu of the real Launcher: the picture fills it, Notes opens
// the readme each time and leaves the menu open, Exit launches nothing.
#include <thread>

#include "e2e.h"

namespace {

TEST_F(E2E, TheMenuIsItsPictureAndNotesOpensTheReadme)
{
    RobotRun run;
    std::thread launcher([&] { run = Launch("-exit 0", {{"Thundra", "", "~1500|Notes|Notes|Exit"}}); });
    HWND menu = nullptr;
    for (int i = 0; i < 1000 && menu == nullptr; ++i, Sleep(10)) {
        HWND found = FindWindowA("#32770", "Thundra");
        menu = found != nullptr && IsWindowVisible(found) && GetDlgItem(found, 105) != nullptr ? found : nullptr;
    }
    RECT client = {};
    GetClientRect(menu, &client);
    launcher.join();
    ASSERT_NE(nullptr, menu);

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
    EXPECT_EQ(std::vector<std::string>{"[Thundra] ~1500|Notes|Notes|Exit"}, Answers(run));
    for (int i = 0; i < 250 && ReadTextFile(Disc("\\notepad-calls.txt")).size() < 54; ++i)
        Sleep(20);
    EXPECT_EQ("notepad.exe run\\readme.txt\nnotepad.exe run\\readme.txt\n", ReadTextFile(Disc("\\notepad-calls.txt")));
    EXPECT_EQ("", ReadTextFile(Temp("thun.log"))) << "Exit started the game";
}

} // namespace
