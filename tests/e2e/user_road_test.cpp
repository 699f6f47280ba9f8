// The user's whole road on the sample disc in the CD drive D:: the menu and
// its Notes, Setup to C:\Games with both links, Play, a crash, the mail, the
// log; then the game link, which finds the disc and plays; then the
// uninstall from the entry's command, after which, and a restart, the
// machine is as before. DLLs planted beside the disc's Launcher are never
// loaded on the way.
#include <objbase.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "e2e.h"
#include "resources/version.h"

namespace {

constexpr char DataDir[] = "C:\\Games\\Data\\";

// A link's target and arguments, "target|arguments".
std::string ReadLink(const std::string& file)
{
    char target[MAX_PATH] = "(no link)", arguments[MAX_PATH] = "";
    IShellLinkA* link = nullptr;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(CoCreateInstance(
            CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(std::wstring(file.begin(), file.end()).c_str(), STGM_READ))) {
        link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetArguments(arguments, MAX_PATH);
    }
    for (IUnknown* held : {static_cast<IUnknown*>(persist), static_cast<IUnknown*>(link)})
        if (held != nullptr)
            held->Release();
    return std::string(target) + "|" + arguments;
}

TEST_F(E2E, UserRoad)
{
    RemoveTree("C:\\thundra-cd");
    std::error_code error;
    std::filesystem::copy(SampleDisc, "C:\\thundra-cd", std::filesystem::copy_options::recursive, error);
    ASSERT_FALSE(error) << error.message();
    SHCreateDirectoryExA(nullptr, "D:\\redist\\directx7", nullptr);
    // With them, DLLs a download left beside the disc's Launcher under the names of system DLLs
    // it loads: never loaded (Wine searches for them as Windows does).
    for (const auto& double_ :
        {std::make_pair("\\notepad.exe", "\\notepad.exe"), {"\\dsetup.dll", "\\redist\\directx7\\dsetup.dll"},
            {"\\planted.dll", "\\ddraw.dll"}, {"\\planted.dll", "\\mapi32.dll"}})
        ASSERT_TRUE(CopyFileA(
            (TestProgramFolder() + double_.first).c_str(), (std::string("D:") + double_.second).c_str(), FALSE));
    ASSERT_TRUE(WriteTextFile("D:\\Run\\drivers.dat", UpToDateDriverTable));
    const std::vector<std::string> before = MachineState();
    StoreDataDirectory(DataDir);   // shown in the install path dialog

    RECT menu = {};   // measured while it is up
    std::vector<RobotRule> script = InstallScript("+", "+");
    script.insert(script.begin(),
        {{"Thundra", VersionWarning, "Yes"}, {"Thundra", CrashQuestion, "Yes"},
            {"Our Apologies", "Thundra has exited unexpectedly (1).  Let's check out the log.", "OK"}});
    script.push_back({"Thundra", "", "Notes|Notes|Setup|Play"});
    RobotRun road = RunWithRobot("D:\\Thundra.exe -exit 1", "C:\\windows", script, 60000,
        [&](const PROCESS_INFORMATION&, const std::vector<RobotBox>& boxes) {
            return !boxes.empty() && IsWindowVisible(boxes[0].window) && !GetClientRect(boxes[0].window, &menu);
        });
    EXPECT_EQ(0u, road.exitCode) << testing::PrintToString(Answers(road, true));
    EXPECT_EQ((std::vector<std::string> {"[Create directory] Yes", "[Install] OK", "[Installing files...] ",
                  "[Our Apologies] OK", "[Thun] OK",
                  "[Thundra] +Play from hard disk (260 MB required)|+Start Menu shortcut|+Desktop Icon|Ok",
                  "[Thundra] Notes|Notes|Setup|Play", "[Thundra] Yes", "[Thundra] Yes"}),
        Answers(road))
        << testing::PrintToString(Answers(road, true));
    // As 64-bit programs see the registry: in the 32-bit view, nowhere else.
    EXPECT_EQ(std::string(DataDir) + "|(none)",
        RegistryText("Software\\Wow6432Node\\Orvane\\Thundra", "DataDirectory", RRF_SUBKEY_WOW6464KEY) + "|" +
            RegistryText("Software\\Orvane\\Thundra", "DataDirectory", RRF_SUBKEY_WOW6464KEY));
    // The Apps list's details: the exe's own version, the installed files' size in KB with the stub.
    size_t bytes = ReadTextFile(Stub).size();
    for (const std::string& file : ListTree(DataDir))
        bytes += ReadTextFile(file).size();
    std::string entry;
    for (const char* value : {"DisplayName", "Publisher", "DisplayVersion", "DisplayIcon", "InstallLocation",
             "EstimatedSize", "URLInfoAbout", "NoModify", "NoRepair"})
        entry += RegistryText(UninstallKey, value) + "|";
    EXPECT_EQ(std::string("Thundra|Orvane|" LAUNCHER_VERSION_TEXT "|") + Stub + ",0|" + DataDir + "|" +
            std::to_string((bytes + 1023) / 1024) + "|http://www.thundra.example/|1|1|",
        entry);
    CoInitialize(nullptr);
    EXPECT_EQ(std::string(Stub) + "|", ReadLink(std::string(StartMenuFolder) + "Thundra.lnk"));
    EXPECT_EQ(std::string(Stub) + "|-uninstall", ReadLink(std::string(StartMenuFolder) + "Uninstall Thundra.lnk"));
    EXPECT_EQ(std::string(Stub) + "|", ReadLink(DesktopLink));
    CoUninitialize();

    EXPECT_EQ(
        "MAPISendMail session=0x0 window=0x0 flags=0x8 reserved=0\n"
        "message reserved=0 subject=\"Thundra Crashed!\" note=\"If you wish, please add your comments here.\" "
        "type=(null) date=(null) "
        "conversation=(null) flags=0x0 originator=(none)\n"
        "to reserved=0 class=1 name=\"thundra-bugs@ostro.example\" address=\"thundra-bugs@ostro.example\" entry=0\n"
        "file reserved=0 flags=0x0 position=0xffffffff path=\"" +
            Temp("thun.log") + "\" name=\"thun.log\" type=(null)\n",
        ReadTextFile("D:\\mapi-calls.txt"));
    // Notes opened the readme each time it was pressed, the crash the log; the menu is its picture, no grey band.
    const std::vector<std::string> opened = {
        "notepad " + Temp("thun.log"), "notepad.exe run\\readme.txt", "notepad.exe run\\readme.txt"};   // in any order
    std::vector<std::string> calls;
    WaitFor([&] {
        std::istringstream record(ReadTextFile("D:\\notepad-calls.txt"));
        calls.clear();
        for (std::string line; std::getline(record, line);)
            calls.push_back(line);
        return calls.size() >= 3;
    });
    std::sort(calls.begin(), calls.end());
    EXPECT_EQ(opened, calls);
    EXPECT_NEAR(500, menu.right, 2);   // the picture's size
    EXPECT_NEAR(376, menu.bottom, 2);

    // The game link starts the stub, which starts the disc's Launcher; Wine
    // poses as Windows 98 for it, whose checks pass without a question.
    ReportWindowsVersion("win98");
    RobotRun stub = RunWithRobot(std::string("\"") + Stub + "\"", "C:\\windows", {});
    EXPECT_EQ(0u, stub.exitCode);
    EXPECT_EQ(std::vector<std::string> {}, Answers(stub));
    HWND game = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        return (game = FindWindowA("Thundra Window", "Thundra")) != nullptr && IsWindowVisible(game);
    })) << "the game did not start from the disc";
    EXPECT_TRUE(WaitFor([&] { return LogLine(ReadTextFile(Temp("thun.log")), "current directory") == "D:\\Run"; }));
    PostMessageA(game, WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), 0);   // its buttons: 100 + the exit code
    EXPECT_TRUE(WaitFor([] {
        HANDLE canary = OpenSemaphoreA(SYNCHRONIZE, FALSE, "Thundra Canary");
        return canary == nullptr || !CloseHandle(canary);
    })) << "the disc's Launcher did not end";
    ReportWindowsVersion(nullptr);

    // The uninstall from the entry's command; what is still in use waits for the restart.
    const std::vector<std::string> removed = Answers(RunWithRobot(RegistryText(UninstallKey, "UninstallString"),
        "C:\\windows", {{"Uninstall", "Remove Thundra?", "Yes"}, {"Thundra", "Files removed", "OK"}}));
    EXPECT_EQ((std::vector<std::string> {"[Thundra] OK", "[Uninstall] Yes"}), removed);
    EXPECT_EQ("", ReadTextFile("D:\\planted-loads.txt")) << "a DLL beside the Launcher was loaded";
    EXPECT_TRUE(!Exists(Stub) && Exists(Stub + std::string(".removed")))
        << "the running stub takes a name of its own until the restart";
    EXPECT_EQ("", AfterRestart(before));
    RemoveTree("C:\\thundra-cd");
}

} // namespace

namespace {

// A user whose profile the ANSI code page can't write: the test session's
// user is Zhanna, in Cyrillic, and the temporary folder lies in her
// profile. Play, the crash mail and the log work there. (Setup's links are
// for all users, and the uninstall looks into her folders quietly.)
TEST_F(E2E, AProfileOutsideTheCodePage)
{
    wchar_t profile[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
    BOOL lossy = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, profile, -1, nullptr, 0, nullptr, &lossy);
    ASSERT_TRUE(lossy) << "the session's user profile can be written in ANSI (tests/wine/session.sh with THUNDRA_USER)";
    const std::wstring temp = std::wstring(profile) + L"\\Temp";
    SetEnvironmentVariableW(L"TMP", temp.c_str());   // as the session gives it, not the test disc's
    SetEnvironmentVariableW(L"TEMP", temp.c_str());
    RobotRun play = Launch("-noautoplay -exit 1",
        {{"Thundra", VersionWarning, "Yes"}, {"Our Apologies", "", "OK"}, {"Thundra", CrashQuestion, "Yes"}});
    EXPECT_EQ((std::vector<std::string> {"[Our Apologies] OK", "[Thundra] Yes", "[Thundra] Yes"}), Answers(play));
    // The mail and Notepad are given the log by its short name, which exists.
    char log[MAX_PATH] = "";
    wchar_t shortLog[MAX_PATH] = L"";
    GetShortPathNameW((temp + L"\\thun.log").c_str(), shortLog, MAX_PATH);   // written by the game
    WideCharToMultiByte(CP_ACP, 0, shortLog, -1, log, MAX_PATH, nullptr, nullptr);
    EXPECT_TRUE(Exists(log) &&
        ReadTextFile(Disc("\\mapi-calls.txt")).find(std::string("path=\"") + log + "\"") != std::string::npos)
        << log;
    EXPECT_TRUE(WaitFor([&] {
        return ReadTextFile(Disc("\\notepad-calls.txt")) == "notepad " + std::string(log) + "\n";
    })) << ReadTextFile(Disc("\\notepad-calls.txt"));
    DeleteFileW((temp + L"\\thun.log").c_str());
    DeleteFileW((temp + L"\\thun.bin").c_str());
}

// A Japanese Windows (code page 932, its boxes answered by button id) and
// its user 表示: a character may end in the byte of a backslash. Setup to
// the typed C:\ソフト\予定表 with both links, Play from her temporary
// folder, the uninstall: everything lands where named and goes again.
TEST_F(E2E, AJapaneseUser)
{
    const std::string temp =
        "C:\\users\\\x95\x5C\x8E\xA6\\Temp";   // her temporary folder, the session's user being 表示
    ASSERT_TRUE(GetACP() == 932 && Exists(temp))
        << "not the Japanese session (tests/wine/session.sh with THUNDRA_USER=表示 THUNDRA_LOCALE=ja_JP.UTF-8)";
    SetEnvironmentVariableA("TMP", temp.c_str());   // which GetTempPath reads before TEMP
    const std::vector<std::string> names = WriteGameData(Disc(), 2, 100);
    // Typed: C:\ソフト\予定表. Browsed: C:\予定表, her desktop moved there, where the folder browser opens
    // (its caption "フォルダーの参照").
    const std::string typed = "C:\\\x83\x5C\x83\x74\x83\x67\\\x97\x5C\x92\xE8\x95\x5C",
                      browsed = "C:\\\x97\x5C\x92\xE8\x95\x5C",
                      picker = "\x83t\x83H\x83\x8B\x83_\x81[\x82\xCC\x8EQ\x8F\xC6";
    ASSERT_TRUE(CreateDirectoryA(browsed.c_str(), nullptr) &&
        WriteTextFile(browsed + "\\hers.txt", "a file on her desktop") &&
        !RegSetKeyValueW(HKEY_CURRENT_USER,
            L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", L"Desktop", REG_EXPAND_SZ,
            L"C:\\\u4E88\u5B9A\u8868", sizeof L"C:\\\u4E88\u5B9A\u8868"));
    StoreDataDirectory(typed.c_str());   // typed in the install path dialog
    for (const std::string& data : {typed + "\\Data\\", browsed + "\\Orvane\\Thundra\\Data\\"}) {
        std::vector<RobotRule> script =
            InstallScript("+", "+");   // Yes and OK by their ids, which the robot takes where no button has the text
        if (data.find("Orvane") != std::string::npos)
            script[2].steps = "Browse...", script.push_back({picker, "", "OK"});
        bool picked = false;   // then OK
        RobotRun setup = Launch("-setup", script, [&](const PROCESS_INFORMATION&, const std::vector<RobotBox>& boxes) {
            auto find = [&](const std::string& caption) {
                return std::find_if(
                    boxes.begin(), boxes.end(), [&](const RobotBox& box) { return box.caption == caption; });
            };
            return picked = picked ||
                       (find(picker) != boxes.end() && !IsWindow(find(picker)->window) &&
                           PostMessageA(find("Install")->window, WM_COMMAND, IDOK, 0)),
                   false;
        });
        for (const std::string& name : names)
            EXPECT_TRUE(Exists(data + name)) << data << name << " " << testing::PrintToString(Answers(setup, true));
        EXPECT_TRUE(Exists(std::string(StartMenuFolder) + "Thundra.lnk") && Exists(DesktopLink));
        Launch("-noautoplay -exit 0", {{"Thundra", VersionWarning, "Yes"}});
        EXPECT_EQ("0 (0x00000000, asked by -exit)", LogLine(ReadTextFile(temp + "\\thun.log"), "exit"));
        EXPECT_EQ((std::vector<std::string> {"[Thundra] OK", "[Uninstall] Yes"}),
            Answers(RunWithRobot(RegistryText(UninstallKey, "UninstallString"), "C:\\windows",
                {{"Uninstall", "", "Yes"}, {"Thundra", "Files removed", "OK"}})));
        EXPECT_FALSE(Exists(data) || Exists(DesktopLink)) << "left behind";
    }
}

} // namespace
