// What Setup and the uninstall are told on the command line: every value
// taken whole, quotes and blanks and double-byte characters included; a
// bad word refused by name, never taken as something else; the game's own
// line left as it is.
#include "program/switches.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <tuple>

#if defined(_WIN32)
#include <windows.h>
static bool OnCodePage932() { return GetACP() == 932; }
static void LeaveCodePage() {}
#else
#include "code_page.h"
static bool OnCodePage932() { return (TestCodePage = 932) != 0; }
static void LeaveCodePage() { TestCodePage = 0; }
#endif

namespace {

#define HYO "\x95\x5C"   // "表" on code page 932: its second byte is a backslash's

TEST(Switches, EachWordTakenWholeOrRefusedByName)
{
    // "\Data\" would make the longest 262 characters
    const std::string hyo = OnCodePage932() ? HYO : "\x95", longest = "D:\\" + std::string(253, 'x');
    using R = SwitchesRead;
    // left: the line's words left for the Launcher; the word refused; or the game's line as given
    const struct {
        std::string line;
        R read;
        std::string left;
        bool silent = false, passive = false;
        int links = 1;
        std::string dir = "", log = "";
    } rows[] = {
        {"-setup -silent -dir \"D:\\My Games\" -links start,desktop -log \"C:\\temp dir\\setup.log\"", R::ForSetup,
         "-setup", true, false, 3, "D:\\My Games\\Data\\", "C:\\temp dir\\setup.log"},
        {"-passive -links desktop -dir D:\\Games\\Data\\ -setup", R::ForSetup, "-setup", false, true, 2,
         "D:\\Games\\Data\\"},
        {"-setup -silent -links none -dir \"D:\\Games\\" HYO "\"", R::ForSetup, "-setup", true, false, 0,
         "D:\\Games\\" + hyo + "\\Data\\"},
        // the blanks around a word stay
        {"-setup\t-silent -links desktop,start", R::ForSetup, "-setup\t", true, false, 3},
        {"-noautoplay -dir \"D:\\x -uninstall\" -silent -setup", R::ForSetup, "-noautoplay -setup", true, false, 1,
         "D:\\x -uninstall\\Data\\"},
        {"-uninstall -silent -log \\\\server\\logs\\" HYO ".log", R::ForSetup, "-uninstall", true, false, 1, "",
         "\\\\server\\logs\\" HYO ".log"},
        {"-uninstall -safe -elevated", R::ForSetup, "-uninstall -safe -elevated"},
        {"-setup -silent -dir -links none", R::Refused, "-dir"},
        {"-setup -silent -links sideways", R::Refused, "-links sideways"},
        {"-setup -silent -log setup.log", R::Refused, "-log setup.log"},
        {"-setup -passive -dir D:", R::Refused, "-dir D:"},
        {"-setup -silent -dir \"" + longest + "\"", R::Refused, "-dir \"" + longest + "\""},
        {"-setup -SILENT", R::Refused, "-SILENT"}, {"-setupx -silent", R::Refused, "-setupx"},
        {"-setup -silent -dir \"D:\\Games", R::Refused, "-dir \"D:\\Games"},
        {"-setup -dir D:\\Games", R::Refused, "-dir"}, {"-setup -silent -passive", R::Refused, "-passive"},
        {"-uninstall -passive", R::Refused, "-passive"}, {"-uninstall -silent -links none", R::Refused, "-links"},
        {"-noautoplay -silent -log setup.log -dir", R::ForTheGame, "-noautoplay -silent -log setup.log -dir"},
    };
    for (const auto& row : rows) {
        char line[CommandLineSize], refused[CommandLineSize];
        strcpy(line, row.line.c_str());
        SetupChoices choices;
        ASSERT_EQ(row.read, ReadSetupSwitches(line, &choices, refused)) << row.line;
        std::string left = row.read == R::Refused ? refused : line;
        if (row.read == R::ForSetup)   // one blank between the words left
            for (size_t at; (at = left.find("  ")) != std::string::npos || (at = left.find(' ')) == 0 ||
                            (at = left.rfind(' ')) == left.size() - 1;)
                left.erase(at, 1);
        EXPECT_EQ(row.left, left) << row.line;
        if (row.read == R::ForSetup) {
            EXPECT_EQ(std::make_tuple(row.silent, row.passive, row.links, row.dir, row.log),
                      std::make_tuple(choices.silent, choices.passive, choices.links, std::string(choices.dataDir),
                                      std::string(choices.log)))
                << row.line;
        }
    }
    LeaveCodePage();
}

} // namespace
