#include "robot.h"

#include <algorithm>

namespace {

std::string WindowText(HWND window)
{
    char text[2048];
    DWORD_PTR length = 0;
    // A busy machine may be slow to answer.
    SendMessageTimeoutA(
        window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 10000, &length);
    std::string result(text, std::min<size_t>(length, sizeof text - 1));
    result.erase(std::remove(result.begin(), result.end(), '&'), result.end());
    return result;
}

bool IsClass(HWND window, const char* name)
{
    char found[64] = "";
    GetClassNameA(window, found, sizeof found);
    return _stricmp(found, name) == 0;
}

BOOL CALLBACK Collect(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// Carries out a rule's steps; false when one names no button there.
bool Act(HWND window, const std::vector<HWND>& children, const std::string& steps)
{
    for (size_t start = 0, end; start < steps.size(); start = end + 1) {
        end = std::min(steps.find('|', start), steps.size());
        std::string step = steps.substr(start, end - start);
        bool check = step[0] == '+' || step[0] == '-' || step[0] == '=';
        auto button = std::find_if(children.begin(), children.end(), [&](HWND child) {
            return IsClass(child, "Button") && IsWindowVisible(child) &&
                (WindowText(child) == step.substr(check ? 1 : 0) || (step == "Yes" && GetDlgCtrlID(child) == IDYES) ||
                    (step == "OK" && GetDlgCtrlID(child) == IDOK));
        });
        if (button == children.end())
            return false;
        bool checked = SendMessageA(*button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (step[0] == '=' && !checked)
            return false;
        if (!check)
            PostMessageA(
                window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(*button), BN_CLICKED), reinterpret_cast<LPARAM>(*button));
        else if (step[0] != '=' && checked != (step[0] == '+'))
            PostMessageA(*button, BM_CLICK, 0, 0);
    }
    return true;
}

// Answers the new dialogs of the process's thread; false when one was unexpected. Rules
// for the same box are taken in turn, the last of them again when all are used.
bool Poll(DWORD threadId, const std::vector<RobotRule>& script, std::vector<bool>& used, std::vector<RobotBox>& boxes)
{
    std::vector<HWND> windows;
    EnumThreadWindows(threadId, Collect, reinterpret_cast<LPARAM>(&windows));
    bool fine = true;
    for (HWND window : windows) {
        if (!IsWindowVisible(window) || !IsClass(window, "#32770") ||
            std::any_of(boxes.begin(), boxes.end(), [&](const RobotBox& b) { return b.window == window; }))
            continue;
        std::vector<HWND> children;
        EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&children));
        RobotBox box = {window, WindowText(window), "", "(unexpected)"};
        for (HWND child : children) {
            std::string text = IsClass(child, "Static") ? WindowText(child) : "";
            box.text += (box.text.empty() || text.empty() ? "" : "\n") + text;
        }
        size_t rule = script.size();
        for (size_t i = 0; i < script.size() && (rule == script.size() || used[rule]); ++i)
            if ((script[i].caption == box.caption ||
                    (script[i].caption.back() == '*' &&
                        box.caption.rfind(script[i].caption.substr(0, script[i].caption.size() - 1), 0) == 0)) &&
                box.text.compare(0, script[i].textPrefix.size(), script[i].textPrefix) == 0)
                rule = i;
        if (rule < script.size()) {
            used[rule] = true;
            box.answer = Act(window, children, script[rule].steps) ? script[rule].steps : box.answer;
        }
        fine = fine && box.answer != "(unexpected)";
        boxes.push_back(box);
    }
    return fine;
}

} // namespace

RobotRun RunWithRobot(const std::string& commandLine, const std::string& directory,
    const std::vector<RobotRule>& script, DWORD timeoutMs, const RobotHook& hook)
{
    RobotRun run;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &startup, &process))
        return run;
    std::vector<bool> used(script.size(), false);
    const ULONGLONG started = GetTickCount64();
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 20, QS_ALLINPUT) != WAIT_OBJECT_0) {
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&message);
        bool fine = Poll(process.dwThreadId, script, used, run.boxes), kill = fine && hook && hook(process, run.boxes);
        if (kill || !fine || GetTickCount64() > started + timeoutMs) {
            TerminateProcess(process.hProcess, kill ? RobotKilled : 0xDEAD);
            WaitForSingleObject(process.hProcess, 5000);
            break;
        }
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}
