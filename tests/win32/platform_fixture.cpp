#include "platform_fixture.h"

#include "launcher/messages.h"
#include "test_files.h"

std::vector<ShownBox> ShownBoxes;
std::deque<int> BoxAnswers;

static int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style)
{
    ShownBoxes.push_back({owner, text, caption, style});
    if (BoxAnswers.empty())
        return IDOK;
    int answer = BoxAnswers.front();
    BoxAnswers.pop_front();
    return answer;
}

static DWORD ReportedPlatform;

static BOOL WINAPI ReportedVersion(LPOSVERSIONINFOA info)
{
    bool nt = ReportedPlatform == VER_PLATFORM_WIN32_NT;
    info->dwPlatformId = ReportedPlatform;
    info->dwMajorVersion = nt ? 6 : 4;
    info->dwMinorVersion = nt ? 1 : 10;
    return TRUE;
}

void ReportPlatform(DWORD platform)
{
    ReportedPlatform = platform;
    Sys.GetVersionExA = ReportedVersion;
}

std::string DescribeShown()
{
    std::string description;
    for (const ShownBox& box : ShownBoxes)
        description += "[" + box.caption + "] \"" + box.text + "\" style " + std::to_string(box.style) + "\n";
    return description.empty() ? "(no box)\n" : description;
}

void PlatformTest::SetUp()
{
    saved_ = Sys;
    Sys.MessageBoxA = RecordMessageBox;
    ShownBoxes.clear();
    BoxAnswers.clear();
    AbortRequested = false;
}

void PlatformTest::TearDown()
{
    Sys = saved_;
    if (!scratch_.empty()) {
        SetCurrentDirectoryA(previousDirectory_);
        RemoveTree(scratch_);
    }
}

void PlatformTest::EnterScratchFolder(const char* name)
{
    GetCurrentDirectoryA(MAX_PATH, previousDirectory_);
    scratch_ = std::string("C:\\") + name;
    RemoveTree(scratch_);
    // A death test's child finds the folder of its parent, which is in use.
    ASSERT_TRUE(CreateDirectoryA(scratch_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(SetCurrentDirectoryA(scratch_.c_str()));
}
