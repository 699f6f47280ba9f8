// The autorun menu of the real Launcher: Exit and Escape end it, Enter is
// Play, Notes opens the readme each time and leaves the menu open.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e.h"

namespace {

constexpr char VersionWarning[] = "Thundra is not designed for Windows 2000\nContinue?";

class Menu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(disc_.ok());
        ASSERT_TRUE(AddLaunchFiles(disc_));
    }
    // The menu is known by its caption: its picture's text reads as anything.
    RobotRun Show(const std::string& steps, const std::string& arguments = "")
    {
        return RunLauncher(disc_.Launcher(), arguments, "C:\\windows",
                           {{"Thundra", VersionWarning, "Yes"}, {"Thundra", "", steps}});
    }
    DiscFolder disc_{"menu"};
    ScopedTempFolder temp_{"C:\\thundra-e2e\\menu-temp"};
};

TEST_F(Menu, ExitAndEscapeLaunchNothing)
{
    for (const char* steps : {"Exit", "!Escape"}) {
        SCOPED_TRACE(steps);
        RobotRun run = Show(steps, "-exit 0");
        EXPECT_EQ(0u, run.exitCode);
        ASSERT_EQ(1u, run.boxes.size()) << DescribeBoxes(run.boxes);
        EXPECT_EQ((std::vector<std::string>{"Play", "Setup", "Notes", "Exit", "Thundra Website"}), run.boxes[0].buttons);
        EXPECT_EQ("", ReadFileText(temp_.Path() + "thun.log")) << "a game was started";
    }
}

TEST_F(Menu, EnterIsPlay)
{
    RobotRun run = Show("!Enter", "-exit 0");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(2u, run.boxes.size()) << DescribeBoxes(run.boxes);   // the menu, then the launch's version warning
    std::string log = ReadFileText(temp_.Path() + "thun.log");
    EXPECT_NE(std::string::npos, log.find("exit: 0")) << log;
}

TEST_F(Menu, NotesOpensTheReadmeEachTimeAndTheMenuStays)
{
    RobotRun run = Show("Notes|Notes|~500|Exit");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(1u, run.boxes.size()) << DescribeBoxes(run.boxes);
    std::string started;
    for (int i = 0; i < 100 && std::count(started.begin(), started.end(), '\n') < 2; ++i, Sleep(50))
        started = ReadFileText(disc_.Path() + "\\notepad-calls.txt");
    EXPECT_EQ("notepad.exe run\\readme.txt\nnotepad.exe run\\readme.txt\n", started);
}

} // namespace
