// robot.exe: the robot for scripts.
//   robot.exe SCRIPT LOG COMMAND-LINE...
// SCRIPT holds one rule a line: caption, a tab, the text's beginning, a tab,
// the button to click ("\n" and "\r" stand for line breaks). LOG gets one
// line a box (caption, text, buttons, answer, tab-separated) and a last line
// "exit CODE" or "timeout". Exits 0 when every box was expected and the
// program ended in time, else 1.
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "robot.h"

namespace {

std::string Unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 'r')) {
            out += text[++i] == 'n' ? '\n' : '\r';
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out;
}

bool ReadScript(const char* path, std::vector<RobotRule>& script)
{
    FILE* file = fopen(path, "r");
    if (file == nullptr)
        return false;
    char line[4096];
    while (fgets(line, sizeof line, file) != nullptr) {
        std::string text = line;
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        size_t first = text.find('\t');
        size_t second = first == std::string::npos ? first : text.find('\t', first + 1);
        if (second == std::string::npos)
            continue;
        script.push_back({Unescape(text.substr(0, first)), Unescape(text.substr(first + 1, second - first - 1)),
                          text.substr(second + 1)});
    }
    fclose(file);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: robot.exe SCRIPT LOG COMMAND-LINE...\n");
        return 2;
    }
    std::vector<RobotRule> script;
    if (!ReadScript(argv[1], script)) {
        fprintf(stderr, "robot: can't read the script %s\n", argv[1]);
        return 2;
    }
    std::string commandLine;
    for (int i = 3; i < argc; ++i) {
        if (i > 3)
            commandLine += ' ';
        bool quote = strchr(argv[i], ' ') != nullptr;
        commandLine += quote ? "\"" + std::string(argv[i]) + "\"" : argv[i];
    }

    RobotRun run = RunWithRobot(commandLine, "", script);
    FILE* log = fopen(argv[2], "w");
    if (log == nullptr) {
        fprintf(stderr, "robot: can't write the log %s\n", argv[2]);
        return 2;
    }
    bool fine = run.started && !run.timedOut;
    for (const RobotBox& box : run.boxes) {
        std::string buttons;
        for (const std::string& button : box.buttons)
            buttons += (buttons.empty() ? "" : "|") + button;
        fprintf(log, "%s\t%s\t%s\t%s\n", Escape(box.caption).c_str(), Escape(box.text).c_str(), buttons.c_str(),
                box.answer.c_str());
        fine = fine && box.expected;
    }
    if (!run.started)
        fprintf(log, "not started\n");
    else if (run.timedOut)
        fprintf(log, "timeout\n");
    else
        fprintf(log, "exit %lu\n", static_cast<unsigned long>(run.exitCode));
    fclose(log);
    return fine ? 0 : 1;
}
