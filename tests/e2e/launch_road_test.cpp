// Play, through the real Launcher and the demo game: the image copied to the
// temporary directory, the game started from the disc's Run folder with the
// rest of the arguments, and its exit code turned into a message.
#include <gtest/gtest.h>

#include <thread>

#include "e2e.h"

namespace {

constexpr char CrashQuestion[] = "Ostro would love to get information about this crash.  Would it be ok to mail the "
                                 "logfile to thundra-bugs@ostro.example?";

class LaunchRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(disc_.ok());
        ASSERT_TRUE(AddLaunchFiles(disc_));
    }

    // Wine reports Windows 7: every launch is first asked about it.
    RobotRun Launch(const std::string& arguments, std::vector<RobotRule> script = {})
    {
        script.insert(script.begin(), {"Thundra", VersionWarning, "Yes"});
        return RunLauncher(disc_.Launcher(), arguments, NeutralDirectory, script);
    }
    // The boxes after the version warning.
    static std::vector<std::string> After(const RobotRun& run)
    {
        std::vector<std::string> texts = BoxTexts(run);
        if (!texts.empty() && texts[0] == "[Thundra] " + std::string(VersionWarning) + " -> Yes")
            texts.erase(texts.begin());
        return texts;
    }

    std::string Temp(const char* name) const { return temp_.Path() + name; }
    std::string GameLog() const { return ReadTextFile(Temp("thun.log")); }
    std::string TempImage() const { return Temp("thun.bin"); }

    DiscFolder disc_{"launch"};
    ScopedTempFolder temp_{"C:\\thundra-e2e\\launch-temp"};
};

// The game writes its log as a Windows text file.
std::string LineAt(const std::string& log, size_t at)
{
    size_t end = log.find('\n', at);
    std::string line = log.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::string LogLine(const std::string& log, const std::string& key)
{
    size_t at = log.find(key + ": ");
    return at == std::string::npos ? "(no " + key + ")" : LineAt(log, at + key.size() + 2);
}

std::string FirstLine(const std::string& log)
{
    return LineAt(log, 0);
}

TEST_F(LaunchRoad, TheGameCrashesAndTheLogIsMailedAndShown)
{
    RobotRun run = Launch("-noautoplay -exit 1",
                          {{"Our Apologies", "Thundra has exited unexpectedly (1).", "OK"}, {"Thundra", CrashQuestion, "Yes"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ((std::vector<std::string>{
                  "[Our Apologies] Thundra has exited unexpectedly (1).  Let's check out the log. -> OK",
                  "[Thundra] " + std::string(CrashQuestion) + " -> Yes"}),
              After(run));

    // The copy in the temporary directory ran, from the disc's Run folder.
    EXPECT_EQ(ReadTextFile(DemoGameImage("race.bin")), ReadTextFile(TempImage()));
    std::string log = GameLog();
    EXPECT_EQ(TempImage() + "  -exit 1", LogLine(log, "command line"));
    EXPECT_EQ(disc_.Path() + "\\Run", LogLine(log, "current directory"));

    std::string mail = disc_.Read("mapi-calls.txt");
    EXPECT_NE(std::string::npos, mail.find("MAPISendMail session=0x0 window=0x0 flags=0x8")) << mail;
    EXPECT_NE(std::string::npos, mail.find("subject=\"Thundra Crashed!\"")) << mail;
    EXPECT_NE(std::string::npos, mail.find("path=\"" + Temp("thun.log") + "\" name=\"thun.log\"")) << mail;
    EXPECT_EQ("notepad " + Temp("thun.log") + "\n", WaitForFileText(disc_.Path() + "\\notepad-calls.txt"));
}

struct ExitCase {
    unsigned code;
    const char* text;   // nullptr: silence
    bool crash;
};

TEST_F(LaunchRoad, EveryExitCodeHasItsMessage)
{
    const ExitCase cases[] = {
        {0, nullptr, false},
        {2, "Unable to initialize DirectX.\r\nIs it installed correctly?", false},
        {3, "Your video card reports that it does not support 3D texture mapping.", false},
        {4, "Your video card reports that it does not support 3D graphics.\r\nIf you have previously crashed you may "
            "need to reboot.",
         false},
        {5, "Your video card returned an error.  Are your video drivers up to date?", false},
        {6, "Thundra is not installed properly.  Please run setup from the CD.", false},
        {7, "Thundra has exited unexpectedly (7).  Let's check out the log.", true},
        {0x80000005, "Thundra has exited unexpectedly (-2147483643).  Let's check out the log.", true},
        {0xFFFFFFFF, "Thundra has exited unexpectedly (-1).  Let's check out the log.", true},
    };
    for (const ExitCase& c : cases) {
        SCOPED_TRACE(c.code);
        DeleteFileA((disc_.Path() + "\\notepad-calls.txt").c_str());
        DeleteFileA((disc_.Path() + "\\mapi-calls.txt").c_str());
        std::vector<RobotRule> script;
        if (c.text != nullptr)
            script.push_back({"Our Apologies", c.text, "OK"});
        if (c.crash)
            script.push_back({"Thundra", CrashQuestion, "No"});
        RobotRun run = Launch("-noautoplay -exit " + std::to_string(c.code), script);
        EXPECT_EQ(0u, run.exitCode);
        std::vector<std::string> expected;
        if (c.text != nullptr)
            expected.push_back("[Our Apologies] " + std::string(c.text) + " -> OK");
        if (c.crash)
            expected.push_back("[Thundra] " + std::string(CrashQuestion) + " -> No");
        EXPECT_EQ(expected, After(run));
        EXPECT_EQ("", disc_.Read("mapi-calls.txt")) << "mail sent without a Yes";
        if (c.crash)
            EXPECT_EQ("notepad " + Temp("thun.log") + "\n", WaitForFileText(disc_.Path() + "\\notepad-calls.txt"));
        else
            EXPECT_EQ("", disc_.Read("notepad-calls.txt"));
    }
}

TEST_F(LaunchRoad, SafeModeAndThePatchImage)
{
    const std::string installDir = "C:\\Program Files\\Orvane\\Thundra";
    RemoveTree("C:\\Program Files\\Orvane");

    RobotRun run = Launch("-noautoplay -safe -exit 0");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("Thundra demo game (safe mode)", FirstLine(GameLog()));
    EXPECT_EQ(TempImage() + "   -exit 0", LogLine(GameLog(), "command line")) << "-safe reached the game";

    // A patch in the default install directory wins over both images.
    CreateDirectoryA("C:\\Program Files\\Orvane", nullptr);
    CreateDirectoryA(installDir.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(DemoGameImage("debug.bin").c_str(), (installDir + "\\patch.bin").c_str(), FALSE));
    run = Launch("-noautoplay -exit 0");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("Thundra demo game (safe mode)", FirstLine(GameLog())) << "patch not taken";

    ASSERT_TRUE(CopyFileA(DemoGameImage("race.bin").c_str(), (installDir + "\\patch.bin").c_str(), FALSE));
    run = Launch("-noautoplay -safe -exit 0");
    EXPECT_EQ("Thundra demo game (normal)", FirstLine(GameLog())) << "patch not taken with -safe";
    RemoveTree("C:\\Program Files\\Orvane");

    // Only the default install directory is looked at.
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Thundra", 0, nullptr, 0,
                                             KEY_WRITE, nullptr, &key, nullptr));
    const char dataDir[] = "C:\\thundra-e2e\\games\\Data\\";
    RegSetValueExA(key, "DataDirectory", 0, REG_SZ, reinterpret_cast<const BYTE*>(dataDir), sizeof dataDir);
    RegCloseKey(key);
    CreateDirectoryA("C:\\thundra-e2e\\games", nullptr);
    CreateDirectoryA("C:\\thundra-e2e\\games\\Data", nullptr);
    CopyFileA(DemoGameImage("debug.bin").c_str(), "C:\\thundra-e2e\\games\\patch.bin", FALSE);
    CopyFileA(DemoGameImage("debug.bin").c_str(), "C:\\thundra-e2e\\games\\Data\\patch.bin", FALSE);
    run = Launch("-noautoplay -exit 0");
    EXPECT_EQ("Thundra demo game (normal)", FirstLine(GameLog()));
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Thundra");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvane");
    RemoveTree("C:\\thundra-e2e\\games");
}

TEST_F(LaunchRoad, WhatTheGameIsGiven)
{
    struct Case {
        std::string arguments;
        std::string tail;   // behind the image path
    };
    const Case cases[] = {
        {"-noautoplay", " "},
        {"-noautoplay word", "  word"},
        {"-noautoplay -safe", "  "},
        {"-no3dfx -noautoplay \"C:\\A Path\\x\" -SAFE", "   \"C:\\A Path\\x\" -SAFE"},
        // The whole 511-character copy reaches the game, nothing cut.
        {"-noautoplay " + std::string(499, 'w'), "  " + std::string(499, 'w')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        RobotRun run;
        std::thread launcher([&] { run = Launch(c.arguments); });
        HWND game = WaitForGameWindow();
        EXPECT_NE(nullptr, game) << "the game's window did not appear";
        std::string log = GameLog();
        if (game != nullptr)
            ClickGameButton(game, 0);
        launcher.join();
        EXPECT_EQ(TempImage() + c.tail, LogLine(log, "command line"));
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_EQ(std::vector<std::string>{}, After(run));
    }
}

TEST_F(LaunchRoad, ASecondLauncherWhileTheGameRunsEndsSilently)
{
    RobotRun first;
    std::thread launcher([&] { first = Launch("-noautoplay"); });
    HWND game = WaitForGameWindow();
    ASSERT_NE(nullptr, game);
    for (const char* arguments : {"", "-noautoplay"}) {
        RobotRun second = RunLauncher(disc_.Launcher(), arguments, NeutralDirectory);
        EXPECT_EQ(0u, second.exitCode) << arguments;
        EXPECT_TRUE(second.boxes.empty()) << DescribeBoxes(second.boxes);
    }
    ClickGameButton(game, 0);
    launcher.join();
    EXPECT_EQ(0u, first.exitCode);
}

TEST_F(LaunchRoad, AReadOnlyCopyFromAnEarlierRunIsReplaced)
{
    ASSERT_TRUE(WriteTextFile(TempImage(), "an older game"));
    ASSERT_TRUE(SetFileAttributesA(TempImage().c_str(), FILE_ATTRIBUTE_READONLY));
    RobotRun run = Launch("-noautoplay -exit 0");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{}, After(run));
    EXPECT_EQ(ReadTextFile(DemoGameImage("race.bin")), ReadTextFile(TempImage()));
    EXPECT_NE("(no exit)", LogLine(GameLog(), "exit"));
}

TEST_F(LaunchRoad, AMissingImageNamesBothPaths)
{
    DeleteFileA((disc_.Path() + "\\Run\\race.bin").c_str());
    std::string text = "Unable to copy race.bin!\r\n(" + disc_.Path() + "\\Run\\race.bin --> " + TempImage() + ")";
    RobotRun run = Launch("-noautoplay -exit 0", {{"Our Apologies", text, "OK"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{"[Our Apologies] " + text + " -> OK"}, After(run));
    EXPECT_EQ("", GameLog()) << "a game was started";

    // The message names race.bin whichever image was missing.
    DeleteFileA((disc_.Path() + "\\Run\\debug.bin").c_str());
    text = "Unable to copy race.bin!\r\n(" + disc_.Path() + "\\Run\\debug.bin --> " + TempImage() + ")";
    run = Launch("-noautoplay -safe", {{"Our Apologies", text, "OK"}});
    EXPECT_EQ(std::vector<std::string>{"[Our Apologies] " + text + " -> OK"}, After(run));
}

TEST_F(LaunchRoad, AnImageThatIsNoProgram)
{
    ASSERT_TRUE(disc_.AddFile("Run\\race.bin", "not a program"));
    std::string text = "Can't start game. (" + TempImage() + "  -exit 0)";
    RobotRun run = Launch("-noautoplay -exit 0", {{"Our Apologies", text, "OK"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{"[Our Apologies] " + text + " -> OK"}, After(run));

    // A message that would not fit its 255 characters ends the Launcher
    // with exit code 1 and shows nothing.
    run = Launch("-noautoplay " + std::string(250, 'x'));
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{}, After(run));
}

TEST_F(LaunchRoad, AStoppedPreflightCopiesAndStartsNothing)
{
    RobotRun run = RunLauncher(disc_.Launcher(), "-noautoplay -exit 0", NeutralDirectory,
                               {{"Thundra", VersionWarning, "No"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(1u, run.boxes.size()) << DescribeBoxes(run.boxes);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(TempImage().c_str()));
    EXPECT_EQ("", GameLog());
}

TEST_F(LaunchRoad, AGameThatEndsAtOnceIsStillGivenItsTime)
{
    RobotRun run = Launch("-noautoplay -exit 0");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_NE("(no exit)", LogLine(GameLog(), "exit"));
    EXPECT_GE(run.elapsedMs, 2500u);
}

// With a blank in the temporary directory, the unquoted command line would
// let a program planted at the blank run instead of the game.
TEST(LaunchRoadTemp, ABlankInTheTemporaryDirectoryStartsTheRealGame)
{
    DiscFolder disc("launch-blank");
    ASSERT_TRUE(disc.ok() && AddLaunchFiles(disc));
    CreateDirectoryA("C:\\thundra-e2e\\blank", nullptr);
    ScopedTempFolder temp("C:\\thundra-e2e\\blank\\Temp Dir");
    const std::string planted = "C:\\thundra-e2e\\blank\\Temp.exe";
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\notepad.exe").c_str(), planted.c_str(), FALSE));

    RobotRun run = RunLauncher(disc.Launcher(), "-noautoplay -exit 0", NeutralDirectory,
                               {{"Thundra", VersionWarning, "Yes"}});
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ("", ReadTextFile("C:\\thundra-e2e\\blank\\notepad-calls.txt")) << "the planted program ran";
    EXPECT_NE("(no exit)", LogLine(ReadTextFile(temp.Path() + "thun.log"), "exit")) << "the game did not run";
    DeleteFileA(planted.c_str());
    DeleteFileA("C:\\thundra-e2e\\blank\\notepad-calls.txt");
}

} // namespace
