// The robot: watches the windows of the processes it is given, records every
// message box and dialog they show (caption, text, buttons) and answers each
// from a script. A box that no rule expects is recorded as unexpected and
// ends the run: it fails the test instead of hanging it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct RobotRule {
    std::string caption;
    std::string textPrefix;   // matches a box whose text starts with this
    // What to do, in steps separated by '|': "Name" clicks the button of
    // that text (without '&'), "+Name" and "-Name" check or clear a check
    // box or radio button, "=text" types into the first edit control,
    // "!Escape" and "!Enter" press those keys, "~ms" waits, and ""
    // leaves the window alone (a progress dialog, say).
    std::string button;
};

struct RobotBox {
    HWND window = nullptr;
    DWORD processId = 0;
    std::string caption, text;
    std::vector<std::string> buttons;
    std::string answer;       // the button clicked, or "(unexpected)"
    bool expected = false;
};

struct RobotRun {
    DWORD exitCode = 0xFFFFFFFF;   // stays so when the process never ran
    bool started = false;
    bool timedOut = false;
    DWORD elapsedMs = 0;      // from the start to the end of the process
    std::vector<RobotBox> boxes;
};

// Starts commandLine (current directory: directory, or the caller's when
// empty), answers its boxes from script and waits, at most timeoutMs, for it
// to end. A process that outlives the wait or shows an unexpected box is
// terminated.
RobotRun RunWithRobot(const std::string& commandLine, const std::string& directory,
                      const std::vector<RobotRule>& script, DWORD timeoutMs = 20000);

// One line per box, for failure messages.
std::string DescribeBoxes(const std::vector<RobotBox>& boxes);
