// The Launcher's own start-up code, in place of the toolchain's: it needs
// no threads' local storage, no run-time relocations and no argument
// vector, and a disc's start program should stay small.
#include <windows.h>
#include <stdlib.h>

#include "base/platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int);

// The command line after the program's own name, quoted or not, and the
// blanks that follow it.
static char* SkipProgramName(char* line)
{
    bool quoted = false;
    for (; static_cast<unsigned char>(*line) > ' ' || (*line != '\0' && quoted); ++line) {
        if (*line == '"')
            quoted = !quoted;
    }
    while (*line != '\0' && static_cast<unsigned char>(*line) <= ' ')
        ++line;
    return line;
}

// The entry point the linker is given.
extern "C" void WinMainCRTStartup()
{
    UseRealSystemCalls();
    // The run-time's exit, so that its exit handlers run as on every other end.
    exit(WinMain(GetModuleHandleA(nullptr), nullptr, SkipProgramName(GetCommandLineA()), SW_SHOWDEFAULT));
}
