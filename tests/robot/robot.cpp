#include "robot.h"

#include <stdlib.h>

#include <algorithm>

namespace {

std::string WindowText(HWND window)
{
    char text[2048];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &length))
        return "(no answer)";
    return std::string(text, std::min<size_t>(length, sizeof text - 1));
}

bool IsClass(HWND window, const char* name)
{
    char found[64] = "";
    GetClassNameA(window, found, sizeof found);
    return _stricmp(found, name) == 0;
}

struct Seen {
    DWORD processId = 0;
    std::vector<HWND> dialogs;
    std::string text;                                      // the statics, one a line
    std::vector<std::pair<std::string, HWND>> buttons;     // their texts without '&'
    HWND edit = nullptr;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM context)
{
    Seen* seen = reinterpret_cast<Seen*>(context);
    std::string text = WindowText(child);
    if (IsClass(child, "Static") && !text.empty())
        seen->text += (seen->text.empty() ? "" : "\n") + text;
    if (IsClass(child, "Button") && IsWindowVisible(child)) {
        text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
        seen->buttons.push_back({text, child});
    }
    if (IsClass(child, "Edit") && seen->edit == nullptr)
        seen->edit = child;
    return TRUE;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM context)
{
    Seen* seen = reinterpret_cast<Seen*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == seen->processId && IsWindowVisible(window) && IsClass(window, "#32770"))
        seen->dialogs.push_back(window);
    return TRUE;
}

// Carries out a rule's steps, separated by '|'; false when one names no control there.
bool Act(HWND window, const Seen& seen, const std::string& steps)
{
    for (size_t start = 0; start < steps.size();) {
        size_t end = std::min(steps.find('|', start), steps.size());
        std::string step = steps.substr(start, end - start);
        start = end + 1;
        if (step.empty())
            continue;
        if (step[0] == '~') {
            Sleep(static_cast<DWORD>(atoi(step.c_str() + 1)));
        } else if (step == "!Escape" || step == "!Enter") {
            WPARAM key = step == "!Escape" ? VK_ESCAPE : VK_RETURN;
            PostMessageA(window, WM_KEYDOWN, key, 0);
            PostMessageA(window, WM_KEYUP, key, 0);
        } else if (step[0] == '=') {
            if (seen.edit == nullptr)
                return false;
            SendMessageTimeoutA(seen.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.c_str() + 1), SMTO_ABORTIFHUNG, 2000, nullptr);
        } else {
            bool check = step[0] == '+' || step[0] == '-';
            std::string name = check ? step.substr(1) : step;
            auto button = std::find_if(seen.buttons.begin(), seen.buttons.end(), [&](const auto& b) { return b.first == name; });
            if (button == seen.buttons.end())
                return false;
            DWORD_PTR state = 0;
            if (check)
                SendMessageTimeoutA(button->second, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
            if (!check)
                PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button->second), BN_CLICKED), reinterpret_cast<LPARAM>(button->second));
            else if ((state == BST_CHECKED) != (step[0] == '+'))
                PostMessageA(button->second, BM_CLICK, 0, 0);
        }
    }
    return true;
}

// Looks once at the process's dialogs and answers the new ones; false when
// one was unexpected. Rules for the same box are taken in turn, the last of
// them again when all are used.
bool Poll(DWORD processId, const std::vector<RobotRule>& script, std::vector<bool>& used, std::vector<RobotBox>& boxes)
{
    Seen all;
    all.processId = processId;
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&all));
    bool fine = true;
    for (HWND window : all.dialogs) {
        if (std::any_of(boxes.begin(), boxes.end(), [&](const RobotBox& b) { return b.window == window; }))
            continue;
        Seen seen;
        EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&seen));
        RobotBox box{window, processId, WindowText(window), seen.text, {}, "(unexpected)", false};
        for (const auto& button : seen.buttons)
            box.buttons.push_back(button.first);
        const RobotRule* rule = nullptr;
        for (size_t i = 0; i < script.size() && (rule == nullptr || used[rule - script.data()]); ++i)
            if (script[i].caption == box.caption && box.text.compare(0, script[i].textPrefix.size(), script[i].textPrefix) == 0)
                rule = &script[i];
        if (rule != nullptr) {
            used[rule - script.data()] = true;
            box.expected = Act(window, seen, rule->button);
            box.answer = box.expected ? rule->button : "(no control for " + rule->button + ")";
        }
        fine = fine && box.expected;
        boxes.push_back(box);
    }
    return fine;
}

} // namespace

RobotRun RunWithRobot(const std::string& commandLine, const std::string& directory, const std::vector<RobotRule>& script,
                      DWORD timeoutMs)
{
    RobotRun run;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.empty() ? nullptr : directory.c_str(),
                        &startup, &process))
        return run;
    run.started = true;
    std::vector<bool> used(script.size(), false);
    ULONGLONG started = GetTickCount64();
    while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
        run.timedOut = GetTickCount64() > started + timeoutMs;
        if (!Poll(process.dwProcessId, script, used, run.boxes) || run.timedOut) {
            TerminateProcess(process.hProcess, 0xDEAD);
            WaitForSingleObject(process.hProcess, 5000);
            break;
        }
    }
    run.elapsedMs = static_cast<DWORD>(GetTickCount64() - started);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

std::string DescribeBoxes(const std::vector<RobotBox>& boxes)
{
    std::string description;
    for (const RobotBox& box : boxes) {
        description += "[" + box.caption + "] \"" + box.text + "\" buttons:";
        for (const std::string& button : box.buttons)
            description += " " + button;
        description += " -> " + box.answer + "\n";
    }
    return description.empty() ? "(no box)\n" : description;
}
