/* Written in C for the interfaces' plain vtables. */
#define CINTERFACE
#define COBJMACROS
#include "fake_directdraw.h"

#include <ddraw.h>
#include <string.h>

FakeDirectDrawLog FakeDirectDraw;
BOOL FakeDirectDrawModuleMissing;
BOOL FakeDirectDrawEnumerateMissing;

static FakeDevice Devices[4];
static int DeviceCount;
static GUID DeviceGuids[4];

/* The module handle the fake hands out: any address that is not a module. */
static char FakeModuleMarker;

typedef struct FakeObject {
    void* vtbl;
    const FakeDevice* device;
    LONG references;
} FakeObject;

static IDirectDrawVtbl DirectDrawVtbl;
static IDirectDraw7Vtbl DirectDraw7Vtbl;

static FakeObject* NewObject(void* vtbl, const FakeDevice* device)
{
    FakeObject* object = (FakeObject*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof *object);
    object->vtbl = vtbl;
    object->device = device;
    object->references = 1;
    ++FakeDirectDraw.liveObjects;
    return object;
}

static ULONG WINAPI AddRef(void* self)
{
    return (ULONG)++((FakeObject*)self)->references;
}

static ULONG WINAPI Release(void* self)
{
    FakeObject* object = (FakeObject*)self;
    LONG left = --object->references;
    if (left == 0) {
        --FakeDirectDraw.liveObjects;
        HeapFree(GetProcessHeap(), 0, object);
    }
    return (ULONG)left;
}

static HRESULT WINAPI DirectDrawQueryInterface(IDirectDraw* self, REFIID iid, void** out)
{
    FakeObject* object = (FakeObject*)self;
    *out = NULL;
    if (!IsEqualGUID(iid, &IID_IDirectDraw7) || object->device->withoutDirectDraw7)
        return E_NOINTERFACE;
    *out = NewObject(&DirectDraw7Vtbl, object->device);
    return S_OK;
}

static HRESULT WINAPI DirectDraw7QueryInterface(IDirectDraw7* self, REFIID iid, void** out)
{
    (void)self;
    (void)iid;
    *out = NULL;
    return E_NOINTERFACE;
}

static HRESULT WINAPI GetDeviceIdentifier(IDirectDraw7* self, LPDDDEVICEIDENTIFIER2 identity, DWORD flags)
{
    const FakeDevice* device = ((FakeObject*)self)->device;
    (void)flags;
    memset(identity, 0, sizeof *identity);
    identity->dwVendorId = device->vendor;
    identity->dwDeviceId = device->device;
    identity->liDriverVersion.HighPart = (LONG)device->versionHigh;
    identity->liDriverVersion.LowPart = device->versionLow;
    ++FakeDirectDraw.identifies;
    return DD_OK;
}

static void SetUpVtables(void)
{
    DirectDrawVtbl.QueryInterface = DirectDrawQueryInterface;
    DirectDrawVtbl.AddRef = (ULONG(WINAPI*)(IDirectDraw*))AddRef;
    DirectDrawVtbl.Release = (ULONG(WINAPI*)(IDirectDraw*))Release;
    DirectDraw7Vtbl.QueryInterface = DirectDraw7QueryInterface;
    DirectDraw7Vtbl.AddRef = (ULONG(WINAPI*)(IDirectDraw7*))AddRef;
    DirectDraw7Vtbl.Release = (ULONG(WINAPI*)(IDirectDraw7*))Release;
    DirectDraw7Vtbl.GetDeviceIdentifier = GetDeviceIdentifier;
}

void FakeDirectDrawSetDevices(const FakeDevice* devices, int count)
{
    int i;
    SetUpVtables();
    memset(&FakeDirectDraw, 0, sizeof FakeDirectDraw);
    FakeDirectDrawModuleMissing = FALSE;
    FakeDirectDrawEnumerateMissing = FALSE;
    DeviceCount = count < 4 ? count : 4;
    for (i = 0; i < DeviceCount; ++i) {
        Devices[i] = devices[i];
        memset(&DeviceGuids[i], 0, sizeof DeviceGuids[i]);
        DeviceGuids[i].Data1 = (DWORD)i + 1;
    }
}

HMODULE WINAPI FakeGetModuleHandleA(LPCSTR name)
{
    if (FakeDirectDrawModuleMissing || lstrcmpiA(name, "DDRAW") != 0)
        return NULL;
    return (HMODULE)&FakeModuleMarker;
}

static HRESULT WINAPI FakeEnumerate(LPDDENUMCALLBACKEXA callback, LPVOID context, DWORD flags)
{
    int i;
    ++FakeDirectDraw.enumerations;
    FakeDirectDraw.enumerateFlags = flags;
    for (i = 0; i < DeviceCount; ++i) {
        /* The primary display comes with no GUID. */
        if (!callback(i == 0 ? NULL : &DeviceGuids[i], "Fake display", "fake", context, NULL))
            break;
    }
    return DD_OK;
}

FARPROC WINAPI FakeGetProcAddress(HMODULE module, LPCSTR name)
{
    if (module != (HMODULE)&FakeModuleMarker)
        return GetProcAddress(module, name);
    if (FakeDirectDrawEnumerateMissing || strcmp(name, "DirectDrawEnumerateExA") != 0)
        return NULL;
    return (FARPROC)(void (*)(void))FakeEnumerate;
}

HRESULT WINAPI FakeDirectDrawCreate(GUID* device, LPDIRECTDRAW* directDraw, IUnknown* outer)
{
    int index = device == NULL ? 0 : (int)device->Data1 - 1;
    (void)outer;
    ++FakeDirectDraw.creates;
    *directDraw = NULL;
    if (index < 0 || index >= DeviceCount || Devices[index].createFails)
        return DDERR_GENERIC;
    *directDraw = (LPDIRECTDRAW)NewObject(&DirectDrawVtbl, &Devices[index]);
    return DD_OK;
}
