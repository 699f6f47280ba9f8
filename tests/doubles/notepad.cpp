// Notepad, as the Launcher starts it for the readme and the game's log:
// records its command line in "notepad-calls.txt" beside itself and ends.
#include <windows.h>

#include <string>

#include "double_files.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    AppendRecord("notepad-calls.txt", GetCommandLineA());
    return 0;
}
