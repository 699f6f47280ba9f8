#include "platform_fixture.h"

#include <tuple>

#include "base/messages.h"

// The Launcher's start-up fills the table; here it is filled before any test.
static const bool RealCallsInUse = (UseRealSystemCalls(), true);

std::vector<std::string> ShownBoxes;
std::deque<int> BoxAnswers;
DWORD FreeBytes;

static BOOL WINAPI ReportFreeSpace(LPCSTR root, LPDWORD sectors, LPDWORD bytes, LPDWORD freeClusters, LPDWORD total)
{
    *sectors = *bytes = 1;
    *freeClusters = *total = FreeBytes;
    return strcmp(root, "C:\\") == 0;
}

static int WINAPI RecordMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    ShownBoxes.push_back("[" + std::string(caption) + "] " + text);
    int answer = BoxAnswers.empty() ? IDOK : BoxAnswers.front();
    if (!BoxAnswers.empty())
        BoxAnswers.pop_front();
    return answer;
}

static OSVERSIONINFOA Posed;

static BOOL WINAPI ReportVersion(LPOSVERSIONINFOA info)
{
    std::tie(info->dwPlatformId, info->dwMajorVersion, info->dwMinorVersion) =
        std::tie(Posed.dwPlatformId, Posed.dwMajorVersion, Posed.dwMinorVersion);
    return info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOA);
}

void PoseAsWindows(DWORD platform, DWORD major, DWORD minor)
{
    std::tie(Posed.dwPlatformId, Posed.dwMajorVersion, Posed.dwMinorVersion) = std::tie(platform, major, minor);
    Sys.GetVersionExA = ReportVersion;
}

HWND WaitForDialog(const char* caption)
{
    HWND dialog = nullptr;
    for (int i = 0; i < 1000 && (dialog == nullptr || !IsWindowVisible(dialog)); ++i, Sleep(10))
        dialog = FindWindowA("#32770", caption);
    return dialog;
}

void PlatformTest::SetUp()
{
    saved_ = Sys;
    Sys.MessageBoxA = RecordMessageBox;
    Sys.GetDiskFreeSpaceA = ReportFreeSpace;
    FreeBytes = 0xFFFFFFFF;
    ShownBoxes.clear();
    BoxAnswers.clear();
    AbortRequested = false;
}

void PlatformTest::TearDown()
{
    Sys = saved_;
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane");   // what Setup stored
    SetCurrentDirectoryA("C:\\");   // out of the scratch folder, which goes
    if (!scratch_.empty())
        RemoveTree(scratch_);
}

void PlatformTest::EnterScratchFolder(const char* name)
{
    scratch_ = std::string("C:\\") + name;
    RemoveTree(scratch_);
    ASSERT_TRUE(CreateDirectoryA(scratch_.c_str(), nullptr));
    ASSERT_TRUE(SetCurrentDirectoryA(scratch_.c_str()));
}
