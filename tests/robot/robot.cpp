#include "robot.h"

#include <stdlib.h>

#include <algorithm>

namespace {

std::string WindowText(HWND window)
{
    char text[2048];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             1000, &length))
        return "(no answer)";
    return std::string(text, std::min<size_t>(length, sizeof text - 1));
}

std::string ClassName(HWND window)
{
    char name[256];
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string WithoutAccelerator(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return text;
}

struct Children {
    std::vector<std::string> statics;
    std::vector<std::pair<std::string, HWND>> buttons;
    HWND edit = nullptr;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM context)
{
    Children* children = reinterpret_cast<Children*>(context);
    std::string cls = ClassName(child);
    if (_stricmp(cls.c_str(), "Static") == 0) {
        std::string text = WindowText(child);
        if (!text.empty())
            children->statics.push_back(text);
    } else if (_stricmp(cls.c_str(), "Button") == 0 && IsWindowVisible(child)) {
        children->buttons.push_back({WithoutAccelerator(WindowText(child)), child});
    } else if (_stricmp(cls.c_str(), "Edit") == 0 && children->edit == nullptr) {
        children->edit = child;
    }
    return TRUE;
}

struct Watch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context)
{
    Watch* watch = reinterpret_cast<Watch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == watch->processId && IsWindowVisible(window) && ClassName(window) == "#32770")
        watch->found.push_back(window);
    return TRUE;
}

// Carries out a rule's steps; false when one names no control there.
bool Act(HWND window, const Children& children, const std::string& steps)
{
    size_t start = 0;
    while (start < steps.size()) {
        size_t end = steps.find('|', start);
        std::string step = steps.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? steps.size() : end + 1;
        if (step.empty())
            continue;
        if (step[0] == '~') {   // wait, for a screenshot say
            Sleep(static_cast<DWORD>(atoi(step.c_str() + 1)));
            continue;
        }
        if (step == "!Escape" || step == "!Enter") {
            WPARAM key = step == "!Escape" ? VK_ESCAPE : VK_RETURN;
            PostMessageA(window, WM_KEYDOWN, key, 0);
            PostMessageA(window, WM_KEYUP, key, 0);
            continue;
        }
        if (step[0] == '=') {
            if (children.edit == nullptr)
                return false;
            std::string text = step.substr(1);
            SendMessageTimeoutA(children.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                                2000, nullptr);
            continue;
        }
        char want = (step[0] == '+' || step[0] == '-') ? step[0] : 0;
        std::string name = want ? step.substr(1) : step;
        auto button = std::find_if(children.buttons.begin(), children.buttons.end(),
                                   [&](const auto& b) { return b.first == name; });
        if (button == children.buttons.end())
            return false;
        if (want) {
            DWORD_PTR state = 0;
            SendMessageTimeoutA(button->second, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
            if ((state == BST_CHECKED) != (want == '+'))
                PostMessageA(button->second, BM_CLICK, 0, 0);
            continue;
        }
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button->second), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button->second));
    }
    return true;
}

// The first matching rule not used yet; when every matching rule has been
// used, the last of them again. So rules for the same box are taken in
// turn, and a lone rule answers its box every time.
const RobotRule* FindRule(const std::vector<RobotRule>& script, const RobotBox& box, std::vector<bool>& used)
{
    const RobotRule* last = nullptr;
    for (size_t i = 0; i < script.size(); ++i) {
        const RobotRule& rule = script[i];
        if (rule.caption != box.caption || box.text.compare(0, rule.textPrefix.size(), rule.textPrefix) != 0)
            continue;
        if (!used[i]) {
            used[i] = true;
            return &rule;
        }
        last = &rule;
    }
    return last;
}

// Looks once at the process's windows; false when an unexpected box showed.
bool Poll(DWORD processId, const std::vector<RobotRule>& script, std::vector<bool>& used, std::vector<RobotBox>& boxes)
{
    Watch watch{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&watch));
    bool fine = true;
    for (HWND window : watch.found) {
        bool known = std::any_of(boxes.begin(), boxes.end(), [&](const RobotBox& b) {
            return b.window == window && IsWindow(window);
        });
        if (known)
            continue;
        RobotBox box;
        box.window = window;
        box.processId = processId;
        box.caption = WindowText(window);
        Children children;
        EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
        for (size_t i = 0; i < children.statics.size(); ++i)
            box.text += (i ? "\n" : "") + children.statics[i];
        for (const auto& button : children.buttons)
            box.buttons.push_back(button.first);

        const RobotRule* rule = FindRule(script, box, used);
        if (rule == nullptr) {
            box.answer = "(unexpected)";
            fine = false;
        } else {
            box.expected = true;
            box.answer = rule->button;
            if (!Act(window, children, rule->button)) {
                box.answer = "(no control for " + rule->button + ")";
                fine = false;
            }
        }
        boxes.push_back(box);
    }
    return fine;
}

} // namespace

RobotRun RunWithRobot(const std::string& commandLine, const std::string& directory,
                      const std::vector<RobotRule>& script, DWORD timeoutMs)
{
    RobotRun run;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &process))
        return run;
    run.started = true;

    std::vector<bool> used(script.size(), false);
    ULONGLONG started = GetTickCount64();
    ULONGLONG deadline = started + timeoutMs;
    while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
        if (!Poll(process.dwProcessId, script, used, run.boxes) || GetTickCount64() > deadline) {
            run.timedOut = GetTickCount64() > deadline;
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
