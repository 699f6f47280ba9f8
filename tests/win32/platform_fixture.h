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

#include "launcher/platform.h"
#include "test_files.h"

struct ShownBox {
    std::string caption, text;
    UINT style;
};
extern std::vector<ShownBox> ShownBoxes;
extern std::deque<int> BoxAnswers;

// "[caption] text" of every box shown.
std::vector<std::string> ShownTexts();

// Waits, at most 10 s, for a visible dialog of this process with the caption.
HWND WaitForDialog(const char* caption);
void PressButton(HWND dialog, int control);

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Makes C:\name, emptied first and removed afterwards, the current directory.
    void EnterScratchFolder(const char* name);
    std::string scratch_;

private:
    SystemCalls saved_ = {};
    char previousDirectory_[MAX_PATH] = "";
};
