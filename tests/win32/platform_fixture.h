// In-process tests steer the Launcher through its platform table: every
// message box is recorded and answered from the test's list (IDOK once it
// is used up), and the table is restored after each test.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <thread>
#include <vector>

#include "base/platform.h"
#include "test_files.h"

// "[caption] text" of every box shown.
extern std::vector<std::string> ShownBoxes;
// What the drive of Program Files has free, reported by the platform table.
extern DWORD FreeBytes;
extern std::deque<int> BoxAnswers;

// Makes the platform table report this Windows version until the test ends.
void PoseAsWindows(DWORD platform, DWORD major, DWORD minor = 0);

// Waits, at most 10 s, for a visible dialog with the caption.
HWND WaitForDialog(const char* caption);

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes C:\name, emptied first and removed afterwards, the current directory.
    void EnterScratchFolder(const char* name);
    std::string scratch_;

private:
    SystemCalls saved_ = {};
};
