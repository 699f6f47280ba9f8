/* A DirectDraw that presents the devices a test chooses, through the
   platform table's GetModuleHandleA, GetProcAddress and DirectDrawCreate. */
#pragma once
#include <windows.h>
#include <ddraw.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FakeDevice {
    DWORD vendor, device;
    DWORD versionHigh, versionLow;
    BOOL withoutDirectDraw7; /* the object has no version-7 interface */
    BOOL createFails;
} FakeDevice;

/* The devices enumerated, in order; at most 4. */
void FakeDirectDrawSetDevices(const FakeDevice* devices, int count);

/* What the Launcher did with it. */
typedef struct FakeDirectDrawLog {
    int enumerations;
    DWORD enumerateFlags;
    int creates, identifies, liveObjects;
} FakeDirectDrawLog;
extern FakeDirectDrawLog FakeDirectDraw;

HMODULE WINAPI FakeGetModuleHandleA(LPCSTR name);
FARPROC WINAPI FakeGetProcAddress(HMODULE module, LPCSTR name);
HRESULT WINAPI FakeDirectDrawCreate(GUID* device, LPDIRECTDRAW* directDraw, IUnknown* outer);

/* Steers the two failures before the enumeration. */
extern BOOL FakeDirectDrawModuleMissing;
extern BOOL FakeDirectDrawEnumerateMissing;

#ifdef __cplusplus
}
#endif
