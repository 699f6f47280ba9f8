// What the end-to-end tests share: the Launcher exe under test started from
// a disc folder, the robot answering its boxes, and the marks of a game.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "robot.h"
#include "test_files.h"

// The Launcher exe under test and the sample disc the authoring tool wrote,
// as Windows paths, from THUNDRA_LAUNCHER and THUNDRA_SAMPLE_DISC.
extern const std::string LauncherUnderTest, SampleDisc;

constexpr char VersionWarning[] = "Thundra is not designed for Windows 2000\nContinue?";
constexpr char CrashQuestion[] = "Ostro would love to get information about this crash.  Would it be ok to mail the "
                                 "logfile to thundra-bugs@ostro.example?";

// Each test gets a disc folder C:\thundra-e2e\disc holding the Launcher,
// the autorun marker and what Play needs (the demo game as Run\race.bin and
// Run\debug.bin, a driver table that lists Wine's display as up to date, the
// doubles of notepad.exe and redist\directx7\dsetup.dll; the mail library's
// lies in the system folder and records beside the Launcher), and
// its own temporary directory.
class E2E : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts "Launcher arguments" from a neutral directory, answers its boxes.
    RobotRun Launch(
        const std::string& arguments, const std::vector<RobotRule>& script = {}, const RobotHook& hook = nullptr) const
    {
        return RunWithRobot("\"" + Disc("\\Thundra.exe") + "\" " + arguments, "C:\\windows", script, 60000, hook);
    }
    std::string Disc(const std::string& relative = "") const { return "C:\\thundra-e2e\\disc" + relative; }
    // With a blank, as on Windows XP, and a program planted at the blank ("temp.exe", the Notepad
    // double): an unquoted command line would start that instead of the game.
    std::string Temp(const std::string& name = "") const { return "C:\\thundra-e2e\\temp dir\\" + name; }
};

bool CopyLauncherTo(const std::string& folder, bool withMarker);

constexpr char DefaultDataDir[] = "C:\\Program Files (x86)\\Orvane\\Thundra\\Data\\";
constexpr char Stub[] = "C:\\Program Files (x86)\\Orvane\\Thundra\\Thunx.exe";
// Setup's links are for all users; an earlier one made them for the user alone.
constexpr char StartMenuFolder[] = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Orvane\\Thundra\\";
constexpr char DesktopLink[] = "C:\\users\\Public\\Desktop\\Thundra.lnk";
constexpr char UninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Thundra";
// Setup's answers for the hard disk (or, without it, the CD) with the links given ("+" or "-").
std::vector<RobotRule> InstallScript(const char* startMenu, const char* desktop, bool hardDisk = true);
// Writes the game data of a disc folder: files of size bytes, named
// d0.dat, d1.dat, ..., with common.res among them and a list of their
// checksums that names itself. Returns the listed names.
std::vector<std::string> WriteGameData(const std::string& disc, int files, size_t size);
// What Setup and the uninstaller may touch: files, folders, registry values.
std::vector<std::string> MachineState();
// Restarts Windows, which carries out what waits for the next start; true when it did.
inline bool Restart() { return RunWithRobot("wineboot.exe -r", "C:\\windows", {}).exitCode == 0; }
// What differs from the machine before, once Windows has restarted.
inline std::string AfterRestart(const std::vector<std::string>& before)
{
    return Restart() ? ListDifference(before, MachineState()) : "the restart failed";
}
inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
inline void StoreDataDirectory(const char* path)
{
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Thundra", "DataDirectory", REG_SZ, path,
        static_cast<DWORD>(strlen(path) + 1));
}
// The user gives up on Setup once a box of the caption last has been
// answered and the progress dialog is gone (while it closes, a Cancel is a
// request to the run that has just ended): the options dialog is
// cancelled. True once it is.
bool GiveUpAfter(const std::vector<RobotBox>& boxes, const char* last);
// Polls, at most 20 s, until done() holds; says whether it did.
inline bool WaitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 1000 && !done(); ++i)
        Sleep(20);
    return done();
}

// "[caption] answer" of every box, sorted: boxes on screen together (the
// progress dialog and the dialog over it) may be met in either order. With
// texts, "[caption] text -> answer" in the order they came.
std::vector<std::string> Answers(const RobotRun& run, bool withTexts = false);

// The line after "key: " in the demo game's log, or "(no key)".
inline std::string LogLine(const std::string& log, const std::string& key)
{
    size_t at = log.find(key + ": "), start = at + key.size() + 2;
    return at == std::string::npos ? "(no " + key + ")" : log.substr(start, log.find_first_of("\r\n", start) - start);
}

// Makes Wine report a Windows version to "Thundra.exe" and its stub
// "Thunx.exe" ("win98", ...), or its default (Windows 7) for nullptr.
void ReportWindowsVersion(const char* version);
