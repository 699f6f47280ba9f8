#include "preflight/video_driver.h"

#include <windows.h>
#include <ddraw.h>
#include <stdio.h>

#include "base/dll_search.h"
#include "base/messages.h"
#include "base/platform.h"
#include "base/product.h"
#include "preflight/driver_table.h"

// Each device identified overwrites it: the last one decides. Zero when no
// device could be identified.
static DDDEVICEIDENTIFIER2 DeviceIdentity;
using DirectDrawCreateProc = HRESULT(WINAPI*)(GUID*, LPDIRECTDRAW*, IUnknown*);
static DirectDrawCreateProc CreateDirectDraw;

constexpr char OutOfDateQuestion[] =
    "Your video drivers appear to be out of date; Thundra\nmay not function properly. Do you wish to continue?";
constexpr DWORD AllDevices =
    DDENUM_ATTACHEDSECONDARYDEVICES | DDENUM_DETACHEDSECONDARYDEVICES | DDENUM_NONDISPLAYDEVICES;

static BOOL WINAPI EnumDeviceCallback(GUID* device, LPSTR, LPSTR, LPVOID, HMONITOR)
{
    LPDIRECTDRAW directDraw;
    if (FAILED(CreateDirectDraw(device, &directDraw, nullptr)))
        return FALSE;
    LPDIRECTDRAW7 directDraw7;
    if (FAILED(directDraw->QueryInterface(IID_IDirectDraw7, reinterpret_cast<void**>(&directDraw7)))) {
        directDraw->Release();
        return FALSE;
    }
    directDraw7->GetDeviceIdentifier(&DeviceIdentity, 0);
    directDraw7->Release();
    directDraw->Release();
    return TRUE;
}

int LookUpDriverTable(unsigned vendor, unsigned device, const unsigned installed[4])
{
    FILE* table = fopen(DriverTableFile, "rt");
    if (table == nullptr) {
        ShowFatal("Unable to open driver datafile");
        return DriverNotListed;
    }
    unsigned listed[4];
    bool found = FindListedDriver(table, vendor, device, listed);
    fclose(table);
    if (!found)
        return DriverNotListed;
    return IsVersionAtLeast(installed, listed) ? DriverUpToDate : DriverOutOfDate;
}

int GetDriverStatus()
{
    if (IsWindowsNT())
        return DriverUpToDate;

    DeviceIdentity = DDDEVICEIDENTIFIER2{};
    HMODULE ddraw = LoadSystemLibrary("ddraw.dll");
    if (ddraw == nullptr)
        ShowFatal("unable to load DDRAW library");
    auto enumerate = ProcAs<LPDIRECTDRAWENUMERATEEXA>(
        ddraw != nullptr ? Sys.GetProcAddress(ddraw, "DirectDrawEnumerateExA") : nullptr);
    CreateDirectDraw = ProcAs<DirectDrawCreateProc>(ddraw != nullptr ? Sys.GetProcAddress(ddraw, "DirectDrawCreate") : nullptr);
    if (enumerate != nullptr && CreateDirectDraw != nullptr)
        enumerate(EnumDeviceCallback, nullptr, AllDevices);
    else
        ShowFatal("old version of DirectX");

    DWORD high = static_cast<DWORD>(DeviceIdentity.liDriverVersion.HighPart);
    DWORD low = DeviceIdentity.liDriverVersion.LowPart;
    const unsigned installed[4] = {HIWORD(high), LOWORD(high), HIWORD(low), LOWORD(low)};
    return LookUpDriverTable(DeviceIdentity.dwVendorId, DeviceIdentity.dwDeviceId, installed);
}

void CheckVideoDriver()
{
    if (GetDriverStatus() != DriverOutOfDate)
        return;
    if (!AskYesNo(OutOfDateQuestion))
        QuitLauncher();
}
