// Play through the real Launcher and the demo game: the image copied to the
// temporary directory and started from the disc's Run folder with the rest
// of the arguments, and its exit code turned into a message. Wine reports
// Windows 7: every launch is first asked about it.
#include "e2e.h"

namespace {

const RobotRule GoOn = {"Thundra", VersionWarning, "Yes"};

TEST_F(E2E, WhatTheGameIsGivenAndWhatItsExitCodeSays)
{
    const std::string longest =
        "-exit 0 " + std::string(491, 'w');   // with "-noautoplay ", the whole 511-character copy
    // tail: what follows the image path; text: the box for the exit code, nullptr for none; a patch in the default
    // install directory wins over both images
    const struct {
        std::string arguments, tail;
        const char *image, *text;
        bool patch = false;
    } rows[] = {
        {"-noautoplay -exit 0", "  -exit 0", "safe mode", nullptr, true},
        {"-no3dfx -noautoplay \"C:\\A Path\\x\" -SAFE -exit 2", "   \"C:\\A Path\\x\" -SAFE -exit 2", "normal",
            "Unable to initialize DirectX.\r\nIs it installed correctly?"},
        {"-noautoplay -safe -exit 3", "   -exit 3", "safe mode",
            "Your video card reports that it does not support 3D texture mapping."},
        {"-noautoplay -exit 7", "  -exit 7", "normal",
            "Thundra has exited unexpectedly (7).  Let's check out the log."},
        {"-noautoplay -exit 2147483653", "  -exit 2147483653", "normal",
            "Thundra has exited unexpectedly (-2147483643).  Let's check out the log."},
        {"-noautoplay " + longest, "  " + longest, "normal", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.substr(0, 60));
        DeleteFileA(Disc("\\notepad-calls.txt").c_str());
        ASSERT_TRUE(!row.patch ||
            SHCreateDirectoryExA(nullptr, "C:\\Program Files (x86)\\Orvane\\Thundra", nullptr) == ERROR_SUCCESS);
        ASSERT_TRUE(!row.patch ||
            CopyFileA(Disc("\\Run\\debug.bin").c_str(), "C:\\Program Files (x86)\\Orvane\\Thundra\\patch.bin", FALSE));
        RobotRun run = Launch(row.arguments,
            {GoOn, {"Our Apologies", row.text ? row.text : "-", "OK"}, {"Thundra", CrashQuestion, "No"}});
        RemoveTree("C:\\Program Files (x86)\\Orvane");
        EXPECT_EQ(0u, run.exitCode);
        bool crash = row.text != nullptr && strstr(row.text, "unexpectedly") != nullptr;
        std::vector<std::string> boxes = {"[Thundra] " + std::string(VersionWarning) + " -> Yes"};
        if (row.text != nullptr)
            boxes.push_back("[Our Apologies] " + std::string(row.text) + " -> OK");
        if (crash)
            boxes.push_back("[Thundra] " + std::string(CrashQuestion) + " -> No");
        EXPECT_EQ(boxes, Answers(run, true));
        std::string log = ReadTextFile(Temp("thun.log"));
        EXPECT_EQ(Temp("thun.bin") + row.tail, LogLine(log, "command line"));
        EXPECT_EQ(Disc("\\Run"), LogLine(log, "current directory"));
        EXPECT_EQ("Thundra demo game (" + std::string(row.image) + ")", log.substr(0, log.find('\r')));
        EXPECT_EQ("", ReadTextFile(Disc("\\mapi-calls.txt"))) << "mail sent without a Yes";
        WaitFor([&] { return !crash || !ReadTextFile(Disc("\\notepad-calls.txt")).empty(); });
        EXPECT_EQ(crash ? "notepad " + Temp("thun.log") + "\n" : "", ReadTextFile(Disc("\\notepad-calls.txt")));
    }
}

} // namespace
