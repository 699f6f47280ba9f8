// Where Setup's links land and where the removal looks for them: the
// platform table poses as each Windows family and names the user's own
// folders and the all-users folders apart. The keys Setup leaves.
#include "setup/product_key.h"
#include "setup/setup_options.h"
#include "setup/setup_state.h"
#include "setup/shortcuts.h"

#include <objbase.h>
#include <shlobj.h>

#include "platform_fixture.h"

namespace {

int Unnamed = -1;   // a folder the shell can't name
HRESULT WINAPI Locate(HWND, int folder, PIDLIST_ABSOLUTE* list)
{
    const std::pair<int, const char*> folders[] = {{CSIDL_PROGRAMS, "C:\\thundra-links\\user\\programs"},
        {CSIDL_DESKTOP, "C:\\thundra-links\\user\\desktop"},
        {CSIDL_COMMON_PROGRAMS, "C:\\thundra-links\\all\\programs"},
        {CSIDL_COMMON_DESKTOPDIRECTORY, "C:\\thundra-links\\all\\desktop"}};
    for (const auto& known : folders)
        if (known.first == folder && folder != Unnamed &&
            SHCreateDirectoryExA(nullptr, known.second, nullptr) != ERROR_BAD_PATHNAME)
            return (*list = ILCreateFromPathA(known.second)) != nullptr ? S_OK : E_FAIL;
    return E_FAIL;
}

// Links made on the 95 family are the user's; Windows NT makes them for all
// users, sees the user's of an earlier install, and removes both.
TEST_F(PlatformTest, LinksForAllUsersOnWindowsNTAndEitherPlaceFoundAndRemoved)
{
    Sys.SHGetSpecialFolderLocation = Locate;
    auto linksThere = [] {   // "whose\\folder\\...\\name" each
        std::string there;
        for (const std::string& entry : ListTree("C:\\thundra-links"))
            there += entry.find(".lnk") != std::string::npos ? entry.substr(17) + " " : "";
        return there;
    };
    CoInitialize(nullptr);
    RemoveTree("C:\\thundra-links");
    for (DWORD platform : {VER_PLATFORM_WIN32_WINDOWS, VER_PLATFORM_WIN32_NT}) {
        PoseAsWindows(platform, platform == VER_PLATFORM_WIN32_NT ? 6 : 4);
        EXPECT_EQ(platform == VER_PLATFORM_WIN32_NT, StartMenuLinkExists() && DesktopLinkExists());
        CreateStartMenuLinks();
        CreateDesktopLink();
    }
    EXPECT_EQ("all\\desktop\\Thundra.lnk all\\programs\\Orvane\\Thundra\\Thundra.lnk "
              "all\\programs\\Orvane\\Thundra\\Uninstall Thundra.lnk "
              "user\\desktop\\Thundra.lnk user\\programs\\Orvane\\Thundra\\Thundra.lnk "
              "user\\programs\\Orvane\\Thundra\\Uninstall Thundra.lnk ",
        linksThere());
    SetupInstance = GetModuleHandleA(nullptr);
    ReconcileShortcuts(false, false);
    EXPECT_EQ("", linksThere());
    // No link where the shell can't name the folder, and a box that says which.
    Unnamed = CSIDL_COMMON_DESKTOPDIRECTORY;
    CreateDesktopLink();
    Unnamed = -1;
    EXPECT_EQ("", linksThere());
    EXPECT_EQ(
        std::vector<std::string> {"[Our Apologies] Can't find the desktop folder: no link to Thundra was made there."},
        ShownBoxes);
    CoUninitialize();
    RemoveTree("C:\\thundra-links");
}

// The publisher's key goes only when nothing else is in it, also where
// deleting a key takes everything below it (the 95 family, posed).
LSTATUS WINAPI DeleteWithAllBelow(HKEY key, LPCSTR subKey) { return RegDeleteTreeA(key, subKey); }

TEST_F(PlatformTest, ThePublisherKeyKeepsWhatIsNotOurs)
{
    Sys.RegDeleteKeyA = DeleteWithAllBelow;
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Thundra", "DataDirectory", REG_SZ, "C:\\", 4);
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Other", "Its own", REG_SZ, "kept", 5);
    DeleteProductKey();
    EXPECT_EQ("(none)|kept",
        RegistryText("Software\\Orvane\\Thundra", "DataDirectory") + "|" +
            RegistryText("Software\\Orvane\\Other", "Its own"));
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Other");
    DeleteProductKey();
    HKEY publisher = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Orvane", 0, KEY_READ, &publisher))
        << "an empty publisher key stayed";
}

} // namespace
