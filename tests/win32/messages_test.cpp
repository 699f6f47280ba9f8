#include "launcher/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/platform.h"

namespace {

struct ShownBox {
    HWND owner;
    std::string text, caption;
    UINT style;
};

std::vector<ShownBox> Shown;
int Answer = IDOK;

int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style)
{
    Shown.push_back({owner, text, caption, style});
    return Answer;
}

// A box in a child that should show none ends it with a code of its own.
int WINAPI FailOnMessageBox(HWND, LPCSTR, LPCSTR, UINT)
{
    ExitProcess(99);
}

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = Sys;
        Sys.MessageBoxA = RecordMessageBox;
        Shown.clear();
        AbortRequested = false;
    }
    void TearDown() override { Sys = saved_; }

private:
    SystemCalls saved_;
};

TEST_F(MessagesTest, FatalShowsAStopBoxAndRaisesTheFlag)
{
    ShowFatal("Unable to copy %s!\r\n(%s --> %s)", "race.bin", "D:\\Run\\race.bin", "C:\\Temp\\thun.bin");
    ASSERT_EQ(1u, Shown.size());
    EXPECT_EQ(nullptr, Shown[0].owner);
    EXPECT_EQ("Unable to copy race.bin!\r\n(D:\\Run\\race.bin --> C:\\Temp\\thun.bin)", Shown[0].text);
    EXPECT_EQ("Our Apologies", Shown[0].caption);
    EXPECT_EQ(0x10010u, Shown[0].style);
    EXPECT_TRUE(AbortRequested);
}

TEST_F(MessagesTest, WarningAsksToContinueUnderTheProductName)
{
    ShowWarning("Your computer has only %d MB of memory.", 28);
    ASSERT_EQ(1u, Shown.size());
    EXPECT_EQ(nullptr, Shown[0].owner);
    EXPECT_EQ("Your computer has only 28 MB of memory.\nContinue?", Shown[0].text);
    EXPECT_EQ("Thundra", Shown[0].caption);
    EXPECT_EQ(0x10034u, Shown[0].style);
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
        Answer = step.answer;
        if (step.fatal)
            ShowFatal("fatal");
        else
            ShowWarning("warning");
        EXPECT_EQ(step.flagAfter, AbortRequested) << "after step " << &step - steps;
    }
    EXPECT_EQ(std::size(steps), Shown.size());
}

TEST_F(MessagesTest, TextsUpTo255CharactersAreShownWhole)
{
    std::string fatal(255, 'f');
    ShowFatal("%s", fatal.c_str());
    std::string warning(245, 'w');  // with "\nContinue?" 255 in all
    Answer = IDYES;
    ShowWarning("%s", warning.c_str());
    ASSERT_EQ(2u, Shown.size());
    EXPECT_EQ(fatal, Shown[0].text);
    EXPECT_EQ(warning + "\nContinue?", Shown[1].text);
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

TEST_F(MessagesDeathTest, QuitLauncherRunsTheExitHandlers)
{
    EXPECT_EXIT((atexit([] { fputs("exit handlers ran", stderr); }), QuitLauncher()),
                ::testing::ExitedWithCode(1), "exit handlers ran");
}

} // namespace
