#include "preflight/directx_offer.h"

#include <iterator>

#include "base/files.h"
#include "base/format.h"
#include "base/messages.h"
#include "base/path_chars.h"
#include "base/platform.h"
#include "base/product.h"
#include "preflight/video_driver.h"

constexpr char DirectXCaption[] = "DirectX Setup";
constexpr DWORD DirectX7aVersion = 0x40007;
constexpr DWORD DirectX7aRevision = 716;
constexpr DWORD SetupDirectXCore = 0x10018;   // DSETUP_DIRECTX: core, display and sound drivers
constexpr INT SetupNotExtracted = 666;
constexpr INT SetupSucceeded = 0;
constexpr INT SetupSucceededRestart = 1;
constexpr INT SetupUserCancelled = -12;
constexpr INT SetupNewerVersion = -14;

typedef INT(WINAPI* DirectXSetupGetVersionProc)(DWORD* version, DWORD* revision);
typedef INT(WINAPI* DirectXSetupProc)(HWND owner, LPSTR rootPath, DWORD flags);

static HWND DirectXOwner;

static void ShowDirectXMessage(const char* format, ...) FORMAT_CHECK(1, 2);
static void ShowDirectXMessage(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    FormatIntoV(text, std::size(text), format, args);
    va_end(args);
    ShowBox(DirectXOwner, text, DirectXCaption, MB_OK | MB_ICONEXCLAMATION);
}

// A file or folder of the disc: the Launcher's own folder joined with it.
static bool GetDiscPath(char* buf, size_t size, const char* relative)
{
    char folder[PathSize];
    if (!GetModuleDirectory(folder, std::size(folder)))
        return false;
    // Only a drive's root ends in a backslash.
    return FormatInto(buf, size, "%s%s%s", folder, EndsInBackslash(folder) ? "" : "\\", relative);
}

// Runs the setup library's installer; true to go on with the launch.
static bool RunDirectXSetup(HMODULE library)
{
    char folder[PathSize];
    auto setup = ProcAs<DirectXSetupProc>(Sys.GetProcAddress(library, "DirectXSetupA"));
    if (setup == nullptr) {
        ShowDirectXMessage("Can't extract DirectXSetup from DLL");
        return false;
    }
    if (!GetDiscPath(folder, std::size(folder), DirectXSetupFolder)) {
        ShowDirectXMessage("Can't find the DirectX folder on the disc");
        return false;
    }
    INT result = setup(DirectXOwner, folder, SetupDirectXCore);
    switch (result) {
    case SetupNotExtracted:
        ShowDirectXMessage("Can't extract DirectXSetup from DLL");
        return false;
    case SetupSucceeded:
    case SetupNewerVersion:
        return true;
    case SetupSucceededRestart:
        if (ShowBox(DirectXOwner,
                            "You must restart Windows for changes to take effect.\nWould you like to restart now?",
                            DirectXCaption, MB_YESNO) == IDYES) {
            Sys.ExitWindowsEx(EWX_REBOOT, 0);
            ExitProcess(0);
        }
        return false;
    case SetupUserCancelled:
        return false;
    default:
        if (result >= 0)
            return true;
        ShowDirectXMessage("Error setting up DirectX (%d)", result);
        return false;
    }
}

bool OfferDirectXSetup(HWND owner)
{
    if (IsWindowsNT())
        return true;

    DirectXOwner = owner;
    // By its full path: the DLL search no longer looks beside the Launcher.
    char path[PathSize];
    HMODULE library = GetDiscPath(path, std::size(path), DirectXSetupLibrary) ? Sys.LoadLibraryA(path) : nullptr;
    if (library == nullptr) {
        ShowDirectXMessage("Can't load dsetup.dll");
        return false;
    }

    DWORD version = 0, revision = 0;
    auto getVersion =
        ProcAs<DirectXSetupGetVersionProc>(Sys.GetProcAddress(library, "DirectXSetupGetVersion"));
    if (getVersion == nullptr || getVersion(&version, &revision) == 0) {
        version = 0;
        revision = 0;
    }
    if (version > DirectX7aVersion || (version == DirectX7aVersion && revision >= DirectX7aRevision)) {
        FreeLibrary(library);
        return true;
    }

    char question[MessageSize];
    FormatInto(question, std::size(question), "%s requires DirectX 7 to run.\nWould you like to upgrade now?",
               ProductName);
    bool go = false;
    if (ShowBox(DirectXOwner, question, DirectXCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        ShowDirectXMessage("DirectX 7 was not installed");
    else
        go = RunDirectXSetup(library);
    FreeLibrary(library);
    return go;
}
