// The DirectX setup library of the disc's redistributable. Control file
// "dsetup-control.txt": "getversion-result N", "version N", "revision N",
// "setup-result N". Record "dsetup-calls.txt", a line per call.
#include <windows.h>

#include <string>

#include "double_files.h"

constexpr char Control[] = "dsetup-control.txt";
constexpr char Record[] = "dsetup-calls.txt";

extern "C" __declspec(dllexport) INT WINAPI DirectXSetupGetVersion(DWORD* version, DWORD* revision)
{
    AppendRecord(Record, "DirectXSetupGetVersion");
    *version = static_cast<DWORD>(ReadControl(Control, "version", 0x40007));
    *revision = static_cast<DWORD>(ReadControl(Control, "revision", 716));
    return static_cast<INT>(ReadControl(Control, "getversion-result", 1));
}

extern "C" __declspec(dllexport) INT WINAPI DirectXSetupA(HWND owner, LPSTR rootPath, DWORD flags)
{
    char line[600];
    wsprintfA(line, "DirectXSetupA owner=%p folder=%s flags=0x%lx", static_cast<void*>(owner), rootPath,
              static_cast<unsigned long>(flags));
    AppendRecord(Record, line);
    return static_cast<INT>(ReadControl(Control, "setup-result", 0));
}
