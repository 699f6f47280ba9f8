// In-process tests steer the Launcher through its platform table: every
// message box is recorded and answered from the test's list, and every
// entry a test changed is restored afterwards.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "launcher/platform.h"

struct ShownBox {
    HWND owner;
    std::string text, caption;
    UINT style;
};

// What the boxes showed, and the answers the next ones get (IDOK once the
// list is used up).
extern std::vector<ShownBox> ShownBoxes;
extern std::deque<int> BoxAnswers;

std::string DescribeShown();

// From now on GetVersionExA, through the platform table, reports this
// platform: Windows 98 (4.10) for VER_PLATFORM_WIN32_WINDOWS, 6.1 for NT.
void ReportPlatform(DWORD platform);

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes a scratch folder (removed afterwards) the current directory.
    void EnterScratchFolder(const char* name);
    std::string ScratchFolder() const { return scratch_; }

private:
    SystemCalls saved_;
    std::string scratch_;
    char previousDirectory_[MAX_PATH] = "";
};
