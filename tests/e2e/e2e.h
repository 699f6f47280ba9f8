// What every end-to-end test shares: the Launcher under test, a disc folder
// to start it from, and a stand-in for a running game.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>

#include "robot.h"
#include "test_files.h"

// The Windows paths of the Launcher exe under test (--launcher=...) and of
// the sample disc the authoring tool wrote (--sample-disc=...).
extern std::string LauncherUnderTest;
extern std::string SampleDisc;

// A current directory that is neither the disc nor the Launcher's folder.
constexpr char NeutralDirectory[] = "C:\\windows";
// Wine reports Windows 7 by default: the Launcher warns of NT 5.0 and later.
constexpr char VersionWarning[] = "Thundra is not designed for Windows 2000\nContinue?";

// A folder under C:\thundra-e2e that holds the Launcher as "Thundra.exe"
// and, when asked, the autorun marker. Removed again with all it holds.
class DiscFolder {
public:
    // A folder under C:\thundra-e2e, or the one given (drive D:'s).
    explicit DiscFolder(const std::string& name, bool withMarker = true, const std::string& path = "");
    ~DiscFolder();
    DiscFolder(const DiscFolder&) = delete;
    DiscFolder& operator=(const DiscFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Writes a text file, or copies a test double from beside the tests,
    // to a path relative to the disc folder, making its folders.
    bool AddFile(const std::string& relative, const std::string& text) const;
    bool AddDouble(const std::string& double_, const std::string& relative) const;
    std::string Read(const std::string& relative) const;
    std::string Launcher() const { return path_ + "\\Thundra.exe"; }
    bool ok() const { return ok_; }
    // Leaves the folder in place when this goes.
    void Keep() { keep_ = true; }

private:
    std::string path_;
    bool ok_ = false;
    bool keep_ = false;
};

bool CopyLauncherTo(const std::string& folder, bool withMarker);

// The game images, mail library and Notepad a launch needs: the demo game
// as "Run\race.bin" and "Run\debug.bin", the doubles of mapi32.dll and
// notepad.exe beside the Launcher, where it looks first.
bool AddLaunchFiles(const DiscFolder& disc);

// The demo game's images as the build made them.
std::string DemoGameImage(const char* name);

// Points TMP and TEMP at a folder (made, and removed with all it holds) for
// the programs started while it lives.
class ScopedTempFolder {
public:
    explicit ScopedTempFolder(const std::string& path);
    ~ScopedTempFolder();
    ScopedTempFolder(const ScopedTempFolder&) = delete;
    ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;
    std::string Path() const { return path_; }   // with its trailing backslash

private:
    std::string path_;
    std::string savedTmp_, savedTemp_;
};

// The demo game's window, once it is there (at most timeoutMs), and its
// Quit button.
HWND WaitForGameWindow(DWORD timeoutMs = 20000);
void ClickGameButton(HWND window, int exitCode);

// Waits, at most timeoutMs, until the file exists and holds text.
std::string WaitForFileText(const std::string& path, DWORD timeoutMs = 5000);

// Starts the Launcher with arguments from directory and answers its boxes.
RobotRun RunLauncher(const std::string& launcher, const std::string& arguments, const std::string& directory,
                     const std::vector<RobotRule>& script = {});

// The game's marks, made by the test: the semaphore "Thundra" and a
// minimised window of class "Thundra Window" titled "Thundra", served by a
// thread of its own so that another process can restore it.
class GameStandIn {
public:
    GameStandIn(bool semaphore, bool window);
    ~GameStandIn();
    GameStandIn(const GameStandIn&) = delete;
    GameStandIn& operator=(const GameStandIn&) = delete;

    bool WindowRestored() const;

private:
    static DWORD WINAPI Serve(void* self);
    HANDLE semaphore_ = nullptr;
    HANDLE thread_ = nullptr;
    HANDLE ready_ = nullptr;
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
};

// Makes Wine report another Windows version to the Launcher (by its exe
// name, "Thundra.exe"), for as long as it lives: "win98", "win95", "win2k".
class WindowsVersionForLauncher {
public:
    explicit WindowsVersionForLauncher(const char* version);
    ~WindowsVersionForLauncher();
    WindowsVersionForLauncher(const WindowsVersionForLauncher&) = delete;
    WindowsVersionForLauncher& operator=(const WindowsVersionForLauncher&) = delete;
};

// The boxes of a run, one "[caption] text -> answer" each.
std::vector<std::string> BoxTexts(const RobotRun& run);

// Boxes that are on screen together may be met in either order.
inline std::vector<std::string> Sorted(std::vector<std::string> texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The boxes of a run, one "[caption] answer" each.
std::vector<std::string> Answers(const RobotRun& run);

// A text value under HKEY_LOCAL_MACHINE, or "(no key)" / "(no value)".
std::string RegistryText(const char* key, const char* name);

// True when a named semaphore exists right now.
bool SemaphoreExists(const char* name);
