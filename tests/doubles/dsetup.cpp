// The DirectX setup library of the disc's redistributable. Its control file
// "dsetup-control.txt" holds "VERSION REVISION SETUP-RESULT" (without it:
// DirectX 7.0a, 0x40007 and 716, installed); "dsetup-calls.txt" records
// each setup asked for.
#include <windows.h>

#include <stdio.h>

#include "double_files.h"

static long Control(int field)
{
    long values[3] = {0x40007, 716, 0};
    FILE* control = fopen(BesideDouble("dsetup-control.txt").c_str(), "r");
    if (control != nullptr) {
        fscanf(control, "%li %li %li", &values[0], &values[1], &values[2]);
        fclose(control);
    }
    return values[field];
}

extern "C" __declspec(dllexport) INT WINAPI DirectXSetupGetVersion(DWORD* version, DWORD* revision)
{
    *version = static_cast<DWORD>(Control(0));
    *revision = static_cast<DWORD>(Control(1));
    return 1;
}

extern "C" __declspec(dllexport) INT WINAPI DirectXSetupA(HWND, LPSTR rootPath, DWORD flags)
{
    char line[600];
    snprintf(line, sizeof line, "DirectXSetupA folder=%s flags=0x%lx", rootPath, static_cast<unsigned long>(flags));
    AppendRecord("dsetup-calls.txt", line);
    return static_cast<INT>(Control(2));
}
