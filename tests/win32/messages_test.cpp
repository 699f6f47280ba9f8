#include "launcher/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/platform.h"
#include "platform_fixture.h"

namespace {

// A box in a child that should show none ends it with a code of its own.
int WINAPI FailOnMessageBox(HWND, LPCSTR, LPCSTR, UINT)
{
    ExitProcess(99);
}

using MessagesTest = PlatformTest;

TEST_F(MessagesTest, FatalShowsAStopBoxAndRaisesTheFlag)
{
    ShowFatal("Unable to copy %s!\r\n(%s --> %s)", "race.bin", "D:\\Run\\race.bin", "C:\\Temp\\thun.bin");
    ASSERT_EQ(1u, ShownBoxes.size());
    EXPECT_EQ(nullptr, ShownBoxes[0].owner);
    EXPECT_EQ("Unable to copy race.bin!\r\n(D:\\Run\\race.bin --> C:\\Temp\\thun.bin)", ShownBoxes[0].text);
    EXPECT_EQ("Our Apologies", ShownBoxes[0].caption);
    EXPECT_EQ(0x10010u, ShownBoxes[0].style);
    EXPECT_TRUE(AbortRequested);
}

TEST_F(MessagesTest, WarningAsksToContinueUnderTheProductName)
{
    ShowWarning("Your computer has only %d MB of memory.", 28);
    ASSERT_EQ(1u, ShownBoxes.size());
    EXPECT_EQ(nullptr, ShownBoxes[0].owner);
    EXPECT_EQ("Your computer has only 28 MB of memory.\nContinue?", ShownBoxes[0].text);
    EXPECT_EQ("Thundra", ShownBoxes[0].caption);
    EXPECT_EQ(0x10034u, ShownBoxes[0].style);
}

TEST_F(MessagesTest, TheAbortFlagFollowsEveryAnswer)
{
    struct Step {
        bool fatal;
        int answer;
        bool flagAfter;
    };
    const Step steps[] = {
        {false, IDYES, false},
        {false, IDNO, true},
        {false, IDNO, true},
        {false, IDYES, false},  // a Yes lowers a flag raised by a No
        {true, IDOK, true},
        {false, IDYES, false},  // and one raised by a fatal box
        {true, IDOK, true},
        {true, IDOK, true},
    };
    for (const Step& step : steps) {
        BoxAnswers.push_back(step.answer);
        if (step.fatal)
            ShowFatal("fatal");
        else
            ShowWarning("warning");
        EXPECT_EQ(step.flagAfter, AbortRequested) << "after step " << &step - steps;
    }
    EXPECT_EQ(std::size(steps), ShownBoxes.size());
}

TEST_F(MessagesTest, TextsUpTo255CharactersAreShownWhole)
{
    std::string fatal(255, 'f');
    ShowFatal("%s", fatal.c_str());
    std::string warning(245, 'w');  // with "\nContinue?" 255 in all
    BoxAnswers = {IDOK, IDYES};
    ShowWarning("%s", warning.c_str());
    ASSERT_EQ(2u, ShownBoxes.size());
    EXPECT_EQ(fatal, ShownBoxes[0].text);
    EXPECT_EQ(warning + "\nContinue?", ShownBoxes[1].text);
}

using MessagesDeathTest = MessagesTest;

TEST_F(MessagesDeathTest, LongerTextsEndTheLauncherWithCodeOneAndShowNothing)
{
    std::string fatal(256, 'f');
    std::string warning(246, 'w');
    std::string huge(4000, 'h');
    EXPECT_EXIT((Sys.MessageBoxA = FailOnMessageBox, ShowFatal("%s", fatal.c_str())),
                ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT((Sys.MessageBoxA = FailOnMessageBox, ShowWarning("%s", warning.c_str())),
                ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT((Sys.MessageBoxA = FailOnMessageBox, ShowWarning("%s%s", huge.c_str(), huge.c_str())),
                ::testing::ExitedWithCode(1), "");
}

TEST_F(MessagesTest, AskYesNoLeavesTheFlagAlone)
{
    BoxAnswers = {IDYES, IDNO};
    EXPECT_TRUE(AskYesNo("Go on?"));
    AbortRequested = true;
    EXPECT_FALSE(AskYesNo("Go on?"));
    EXPECT_TRUE(AbortRequested);
    ASSERT_EQ(2u, ShownBoxes.size());
    EXPECT_EQ("Go on?", ShownBoxes[1].text);
    EXPECT_EQ("Thundra", ShownBoxes[1].caption);
    EXPECT_EQ(0x10034u, ShownBoxes[1].style);
    EXPECT_EQ(nullptr, ShownBoxes[1].owner);
}

TEST_F(MessagesDeathTest, QuitLauncherRunsTheExitHandlers)
{
    EXPECT_EXIT((atexit([] { fputs("exit handlers ran", stderr); }), QuitLauncher()),
                ::testing::ExitedWithCode(1), "exit handlers ran");
}

} // namespace
