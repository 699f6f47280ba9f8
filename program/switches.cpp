#include "program/switches.h"

#include <string.h>

#include <iterator>

#include "base/format.h"
#include "base/path_chars.h"
#include "setup/path_rules.h"

bool TakeSwitch(char* commandLine, const char* sw)
{
    size_t length = strlen(sw);
    if (length == 0)
        return false;
    char* found = strstr(commandLine, sw);
    if (found == nullptr)
        return false;
    // Overlapping move: the tail, terminator included, slides over the switch.
    memmove(found, found + length, strlen(found + length) + 1);
    return true;
}

static char* SkipBlanks(char* at)
{
    while (*at == ' ' || *at == '\t')
        ++at;
    return at;
}

// Copies the word at into word (CommandLineSize characters) without its
// quotes, which may hold blanks; returns where it ends. *closed is false
// when a quote is left open.
static char* ReadWord(char* at, char* word, bool* closed)
{
    bool quoted = false;
    size_t length = 0;
    while (*at != '\0' && (quoted || (*at != ' ' && *at != '\t'))) {
        char* next = NextChar(at);
        if (*at == '"')
            quoted = !quoted;
        else
            while (at < next)
                word[length++] = *at++;
        at = next;
    }
    word[length] = '\0';
    *closed = !quoted;
    return at;
}

// The log's path, which must not depend on the current folder (the disc's).
static bool IsFullPath(const char* path)
{
    return (path[0] != '\0' && path[1] == ':' && path[2] == '\\') || (path[0] == '\\' && path[1] == '\\');
}

// What a word of the line is: the Launcher's own switches, then those of
// Setup and the uninstall, the last three followed by their values.
enum WordKind { LauncherWord, SilentWord, PassiveWord, DirWord, LinksWord, LogWord, UnknownWord };
static const struct {
    const char* text;
    WordKind kind;
} Words[] = {{SetupSwitch, LauncherWord},  {UninstallSwitch, LauncherWord},  {ElevatedSwitch, LauncherWord},
             {AutoplaySwitch, LauncherWord}, {NoAutoplaySwitch, LauncherWord}, {No3dfxSwitch, LauncherWord},
             {SafeSwitch, LauncherWord},   {SilentSwitch, SilentWord},     {"-passive", PassiveWord},
             {"-dir", DirWord},            {"-links", LinksWord},          {"-log", LogWord}};

// The value of a switch in choices; false when it is not one it takes.
static bool TakeValue(WordKind kind, const char* value, SetupChoices* choices)
{
    static const struct {
        const char* value;
        int links;
    } links[] = {{"none", 0}, {"start", StartMenuLinks}, {"desktop", DesktopLinks},
                 {"start,desktop", StartMenuLinks | DesktopLinks}, {"desktop,start", StartMenuLinks | DesktopLinks}};
    if (kind == DirWord)
        return FormatInto(choices->dataDir, PathSize, "%s", value) && IsValidInstallPath(choices->dataDir) &&
               CompleteTypedPath(choices->dataDir);
    if (kind == LogWord)
        return FormatInto(choices->log, PathSize, "%s", value) && IsFullPath(choices->log);
    for (const auto& choice : links)
        if (strcmp(value, choice.value) == 0) {
            choices->links = choice.links;
            return true;
        }
    return false;
}

// Names the first bad word as it stands, before it is blanked out.
static void Refuse(char* refused, const char* start, const char* end)
{
    if (refused[0] == '\0')
        FormatInto(refused, CommandLineSize, "%.*s", static_cast<int>(end - start), start);
}

SwitchesRead ReadSetupSwitches(char* commandLine, SetupChoices* choices, char* refused)
{
    *choices = {};
    choices->links = StartMenuLinks;
    char line[CommandLineSize], word[CommandLineSize], value[CommandLineSize];
    FormatInto(line, std::size(line), "%s", commandLine);
    // Which kinds were given.
    refused[0] = '\0';
    unsigned given = 0;
    for (char* at = SkipBlanks(line); *at != '\0'; at = SkipBlanks(at)) {
        char* start = at;
        bool closed;
        at = ReadWord(at, word, &closed);
        WordKind kind = UnknownWord;
        for (const auto& known : Words)
            if (strcmp(word, known.text) == 0)
                kind = known.kind;
        bool sound = closed && kind != UnknownWord;
        if (kind >= DirWord) {
            // The next word, never a switch: a missing value takes nothing else.
            char* valueAt = SkipBlanks(at);
            sound = sound && *valueAt != '\0' && *valueAt != '-';
            if (sound) {
                at = ReadWord(valueAt, value, &closed);
                sound = closed && TakeValue(kind, value, choices);
            }
        }
        given |= 1u << kind;
        if (!sound)
            Refuse(refused, start, at);
        if (kind != LauncherWord && kind != UnknownWord)
            memset(start, ' ', static_cast<size_t>(at - start));
    }
    bool uninstall = strstr(line, UninstallSwitch) != nullptr;
    if (!uninstall && strstr(line, SetupSwitch) == nullptr)
        return SwitchesRead::ForTheGame;
    // The uninstall has no dialog to show and nowhere to install to; Setup
    // takes a folder and links only when it asks nobody.
    const unsigned passive = 1u << PassiveWord, silent = 1u << SilentWord;
    choices->silent = (given & silent) != 0;
    choices->passive = (given & passive) != 0;
    const char* misplaced = nullptr;
    if ((given & passive) != 0 && (uninstall || (given & silent) != 0))
        misplaced = "-passive";
    else if ((given & (1u << DirWord | 1u << LinksWord)) != 0 && (uninstall || (given & (silent | passive)) == 0))
        misplaced = (given & 1u << DirWord) != 0 ? "-dir" : "-links";
    if (misplaced != nullptr)
        Refuse(refused, misplaced, misplaced + strlen(misplaced));
    FormatInto(commandLine, CommandLineSize, "%s", line);
    return refused[0] != '\0' ? SwitchesRead::Refused : SwitchesRead::ForSetup;
}
