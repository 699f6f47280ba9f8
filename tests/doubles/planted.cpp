// A DLL that must never be loaded: planted beside the Launcher under the
// name of a system DLL (ddraw.dll, mapi32.dll), as a download may leave
// one. Records in "planted-loads.txt" beside itself each program that
// loads it.
#include <windows.h>

#include "double_files.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    char program[MAX_PATH] = "";
    if (reason == DLL_PROCESS_ATTACH && GetModuleFileNameA(nullptr, program, MAX_PATH))
        AppendRecord("planted-loads.txt", program);
    return TRUE;
}
