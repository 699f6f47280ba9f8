// The robot: watches the windows of the process it starts (of its first
// thread, which shows them all in the Launcher), records every
// message box and dialog it shows (caption, text, buttons) and answers each
// from a script. A box that no rule expects is recorded as unexpected and
// ends the run: it fails the test instead of hanging it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct RobotRule {
    std::string caption;   // "Name*": any caption that starts with Name
    std::string textPrefix;   // matches a box whose text starts with this
    // Steps separated by '|': "Name" clicks the button of that text (without
    // '&'; "Yes" and "OK" also IDYES and IDOK, which a Japanese Windows
    // names otherwise), "+Name" and "-Name" check or clear a check box or radio button,
    // "=Name" requires it checked (else the box is unexpected), "" leaves
    // the window alone (a progress dialog, say).
    std::string steps;
};

struct RobotBox {
    HWND window;
    std::string caption, text;
    std::string answer;   // the steps taken, or "(unexpected)"
};

struct RobotRun {
    DWORD exitCode = 0xFFFFFFFF;   // stays so when the process never ran
    std::vector<RobotBox> boxes;
};

// Called at every poll with the process and the boxes so far; true ends the
// process at once, as a power cut or Task Manager would, with RobotKilled.
using RobotHook = std::function<bool(const PROCESS_INFORMATION& process, const std::vector<RobotBox>& boxes)>;
constexpr DWORD RobotKilled = 0xDEAD0001;

// Starts commandLine in directory, answers its boxes from script and waits,
// at most timeoutMs, for it to end; then, or at an unexpected box, it is
// terminated with 0xDEAD. Meanwhile the caller's own windows are served.
RobotRun RunWithRobot(const std::string& commandLine, const std::string& directory,
    const std::vector<RobotRule>& script, DWORD timeoutMs = 20000, const RobotHook& hook = nullptr);
