// The user's whole road on the sample disc that the authoring tool wrote,
// in the CD drive D:: the menu, Setup to the hard disk, Play, a crash, the
// mail, the log, and the uninstall from the entry's command.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e.h"

namespace {

constexpr char CdFolder[] = "C:\\thundra-cd";
constexpr char DataDir[] = "C:\\Program Files\\Orvane\\Thundra\\Data\\";
constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Thundra";
constexpr char CrashQuestion[] = "Ostro would love to get information about this crash.  Would it be ok to mail the "
                                 "logfile to thundra-bugs@ostro.example?";

TEST(UserRoad, MenuSetupPlayCrashMailLogUninstall)
{
    ASSERT_FALSE(SampleDisc.empty()) << "give the sample disc with --sample-disc=PATH";
    RemoveTree(CdFolder);
    ASSERT_TRUE(CopyTree(SampleDisc, CdFolder));
    // The mail library's and Notepad's doubles go beside the disc's Launcher.
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\mapi32.dll").c_str(), "D:\\mapi32.dll", FALSE));
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\notepad.exe").c_str(), "D:\\notepad.exe", FALSE));
    ScopedTempFolder temp("C:\\thundra-e2e\\road-temp");
    const std::vector<std::string> before = ListTree("C:\\Program Files");

    // Setup from the menu, and Play once Setup has closed; the game then
    // crashes with code 1 (its "-exit 1" passes through the Launcher).
    RobotRun road = RunWithRobot("D:\\Thundra.exe -exit 1", NeutralDirectory,
                                {{"Thundra", VersionWarning, "Yes"},
                                 {"Thundra", CrashQuestion, "Yes"},
                                 {"Thundra", "Disk Usage:", "+Play from hard disk (260 MB required)|+Start Menu shortcut|Ok"},
                                 {"Installing files...", "", ""},
                                 {"Install", "", "OK"},
                                 {"Create directory", "The directory", "Yes"},
                                 {"Thun", "Files copied successfully", "OK"},
                                 {"Our Apologies", "Thundra has exited unexpectedly (1).", "OK"},
                                 {"Thundra", "", "Setup|Play"}},
                                60000);
    EXPECT_EQ(0u, road.exitCode) << DescribeBoxes(road.boxes);
    EXPECT_EQ(Sorted(std::vector<std::string>{"[Thundra] Setup|Play",
                                        "[Thundra] +Play from hard disk (260 MB required)|+Start Menu shortcut|Ok",
                                        "[Install] OK", "[Installing files...] ", "[Create directory] Yes",
                                        "[Thun] OK", "[Thundra] Yes", "[Our Apologies] OK", "[Thundra] Yes"}),
              Sorted(Answers(road)));

    // Every listed file arrived as the disc has it.
    for (const std::string& file : ListTree(std::string(CdFolder) + "\\Run")) {
        std::string name = file.substr(file.find_last_of('\\') + 1);
        if (name == "race.bin" || name == "debug.bin" || name == "readme.txt" || name == "drivers.dat")
            continue;
        EXPECT_TRUE(ReadTextFile(file) == ReadTextFile(DataDir + name)) << name << " differs or is missing";
    }
    std::string mail = ReadTextFile("D:\\mapi-calls.txt");
    EXPECT_NE(std::string::npos, mail.find("path=\"" + temp.Path() + "thun.log\" name=\"thun.log\"")) << mail;
    EXPECT_EQ("notepad " + temp.Path() + "thun.log\n", WaitForFileText("D:\\notepad-calls.txt"));

    RobotRun removal = RunWithRobot(RegistryText(UninstallKey, "UninstallString"), NeutralDirectory,
                                    {{"Uninstall", "Remove Thundra?", "Yes"}, {"Thundra", "Files removed", "OK"}});
    EXPECT_EQ(0u, removal.exitCode);
    EXPECT_EQ((std::vector<std::string>{"[Uninstall] Yes", "[Thundra] OK"}), Answers(removal));
    std::vector<std::string> after = ListTree("C:\\Program Files");
    after.erase(std::remove_if(after.begin(), after.end(),
                               [](const std::string& entry) { return entry.rfind("C:\\Program Files\\Orvane", 0) == 0; }),
                after.end());
    EXPECT_EQ("", ListDifference(before, after));
    EXPECT_EQ("(no key)", RegistryText(UninstallKey, "UninstallString"));

    RemoveTree(CdFolder);
    RemoveTree("C:\\Program Files\\Orvane");
}

} // namespace
