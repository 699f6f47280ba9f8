// robot.exe, the robot for scripts (the main job and the screenshots):
//   robot.exe SCRIPT LOG COMMAND-LINE...
// SCRIPT holds one rule a line: caption, a tab, the text's beginning, a tab,
// the steps. LOG gets one line a box: caption, text, buttons, answer. Exits
// 0 when every box was expected and the program ended in time, else 1.
#include <stdio.h>
#include <string.h>

#include "robot.h"

int main(int argc, char** argv)
{
    FILE* script = argc >= 4 ? fopen(argv[1], "r") : nullptr;
    if (script == nullptr) {
        fprintf(stderr, "usage: robot.exe SCRIPT LOG COMMAND-LINE...\n");
        return 2;
    }
    std::vector<RobotRule> rules;
    char line[4096];
    while (fgets(line, sizeof line, script) != nullptr) {
        char* text = strchr(line, '\t');
        char* steps = text != nullptr ? strchr(text + 1, '\t') : nullptr;
        if (steps == nullptr)
            continue;
        *text++ = *steps++ = '\0';
        steps[strcspn(steps, "\r\n")] = '\0';
        rules.push_back({line, text, steps});
    }
    fclose(script);
    std::string commandLine;
    for (int i = 3; i < argc; ++i) {
        std::string arg = argv[i];
        commandLine += (i > 3 ? " " : "") + (arg.find(' ') == std::string::npos ? arg : "\"" + arg + "\"");
    }
    RobotRun run = RunWithRobot(commandLine, "", rules);
    FILE* log = fopen(argv[2], "w");
    bool fine = run.started && !run.timedOut && log != nullptr;
    for (const RobotBox& box : run.boxes) {
        std::string buttons;
        for (const std::string& button : box.buttons)
            buttons += (buttons.empty() ? "" : "|") + button;
        if (log != nullptr)
            fprintf(log, "%s\t%s\t%s\t%s\n", box.caption.c_str(), box.text.c_str(), buttons.c_str(), box.answer.c_str());
        fine = fine && box.expected;
    }
    if (log != nullptr) {
        fprintf(log, run.timedOut ? "timeout\n" : "exit %lu\n", static_cast<unsigned long>(run.exitCode));
        fclose(log);
    }
    return fine ? 0 : 1;
}
