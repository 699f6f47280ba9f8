#include "platform_fixture.h"

#include "launcher/messages.h"

std::vector<std::string> ShownBoxes;
std::vector<UINT> ShownStyles;
std::deque<int> BoxAnswers;

static int WINAPI RecordMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT style)
{
    ShownBoxes.push_back("[" + std::string(caption) + "] " + text);
    ShownStyles.push_back(style);
    int answer = BoxAnswers.empty() ? IDOK : BoxAnswers.front();
    if (!BoxAnswers.empty())
        BoxAnswers.pop_front();
    return answer;
}

HWND WaitForDialog(const char* caption)
{
    for (int i = 0; i < 1000; ++i, Sleep(10)) {
        HWND found = FindWindowA("#32770", caption);
        DWORD process = 0;
        GetWindowThreadProcessId(found, &process);
        if (found != nullptr && process == GetCurrentProcessId() && IsWindowVisible(found))
            return found;
    }
    return nullptr;
}

void PressButton(HWND dialog, int control)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}

void PlatformTest::SetUp()
{
    saved_ = Sys;
    Sys.MessageBoxA = RecordMessageBox;
    ShownBoxes.clear();
    ShownStyles.clear();
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
    ASSERT_TRUE(CreateDirectoryA(scratch_.c_str(), nullptr));
    ASSERT_TRUE(SetCurrentDirectoryA(scratch_.c_str()));
}
