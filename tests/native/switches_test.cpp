// What Setup and the uninstall are told on the command line: every value
// taken whole, quotes and blanks and double-byte characters included; a
// bad word refused, never taken as something else; the game's own line
// left as it is.
#include "program/switches.h"

#include <gtest/gtest.h>

#include <string.h>

#include <sstream>
#include <string>

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

// The words a line holds, one blank between them.
std::string Words(const char* line)
{
    std::istringstream in(line);
    std::string words, word;
    while (in >> word)
        words += (words.empty() ? "" : " ") + word;
    return words;
}

TEST(Switches, SetupAndTheUninstallTakeTheirsWhole)
{
    const std::string hyo = OnCodePage932() ? HYO : "\x95";   // elsewhere 0x5C is a backslash, taken off the end
    const struct { std::string line; const char* left; bool silent, passive; int links; std::string dir, log; } rows[] = {
        {"-setup -silent -dir \"D:\\My Games\" -links start,desktop -log \"C:\\temp dir\\setup.log\"", "-setup", true, false, 3, "D:\\My Games\\Data\\", "C:\\temp dir\\setup.log"},
        {"-passive -links desktop -dir D:\\Games\\Data\\ -setup", "-setup", false, true, 2, "D:\\Games\\Data\\", ""},
        {"-setup -silent -links none -dir \"D:\\Games\\" HYO "\"", "-setup", true, false, 0, "D:\\Games\\" + hyo + "\\Data\\", ""},
        {"-setup -silent -links desktop,start", "-setup", true, false, 3, "", ""},
        {"-noautoplay -dir \"D:\\x -uninstall\" -silent -setup", "-noautoplay -setup", true, false, 1, "D:\\x -uninstall\\Data\\", ""},
        {"-uninstall -silent -log \\\\server\\logs\\" HYO ".log", "-uninstall", true, false, 1, "", "\\\\server\\logs\\" HYO ".log"},
        {"-uninstall -safe -elevated", "-uninstall -safe -elevated", false, false, 1, "", ""},
    };
    for (const auto& row : rows) {
        char line[CommandLineSize], refused[CommandLineSize];
        strcpy(line, row.line.c_str());
        SetupChoices choices;
        ASSERT_EQ(SwitchesRead::ForSetup, ReadSetupSwitches(line, &choices, refused)) << row.line << " refused " << refused;
        EXPECT_EQ(row.left, Words(line)) << row.line;
        EXPECT_EQ(row.silent, choices.silent) << row.line;
        EXPECT_EQ(row.passive, choices.passive) << row.line;
        EXPECT_EQ(row.links, choices.links) << row.line;
        EXPECT_EQ(row.dir, choices.dataDir) << row.line;
        EXPECT_EQ(row.log, choices.log) << row.line;
    }
    LeaveCodePage();
}

TEST(Switches, ABadWordIsRefusedByName)
{
    const std::string longest = "D:\\" + std::string(253, 'x');   // 256, and "\Data\" would make it 262
    const std::pair<std::string, std::string> rows[] = {   // line, the word refused
        {"-setup -silent -dir", "-dir"}, {"-setup -silent -dir -links none", "-dir"}, {"-setup -silent -links sideways", "-links sideways"},
        {"-setup -silent -log setup.log", "-log setup.log"}, {"-setup -passive -dir D:", "-dir D:"}, {"-setup -silent -dir \"" + longest + "\"", "-dir \"" + longest + "\""},
        {"-setup -silnt", "-silnt"}, {"-setup -SILENT", "-SILENT"}, {"-setupx -silent", "-setupx"}, {"-setup -silent -log \"C:\\x.log\" extra", "extra"},
        {"-setup -silent -dir \"D:\\Games", "-dir \"D:\\Games"}, {"-setup -dir D:\\Games", "-dir"}, {"-setup -links none", "-links"},
        {"-setup -silent -passive", "-passive"}, {"-uninstall -passive", "-passive"}, {"-uninstall -silent -links none", "-links"},
    };
    for (const auto& row : rows) {
        char line[CommandLineSize], refused[CommandLineSize];
        strcpy(line, row.first.c_str());
        SetupChoices choices;
        EXPECT_EQ(SwitchesRead::Refused, ReadSetupSwitches(line, &choices, refused)) << row.first;
        EXPECT_EQ(row.second, refused) << row.first;
    }
}

TEST(Switches, TheGamesLineIsLeftAsItIs)
{
    for (const char* given : {"-noautoplay -silent -log setup.log -dir", "-safe \"-dir\" x", ""}) {
        char line[CommandLineSize], refused[CommandLineSize];
        strcpy(line, given);
        SetupChoices choices;
        EXPECT_EQ(SwitchesRead::ForTheGame, ReadSetupSwitches(line, &choices, refused)) << given;
        EXPECT_STREQ(given, line);
    }
}

} // namespace
