// Where Setup's links land and where the removal looks for them: the
// platform table poses as each Windows family and names the user's own
// folders and the all-users folders apart.
#include "setup/shortcuts.h"

#include <objbase.h>
#include <shlobj.h>

#include "platform_fixture.h"

namespace {

DWORD Platform;
BOOL WINAPI Version(LPOSVERSIONINFOA info) { return info->dwPlatformId = Platform, info->dwMajorVersion = Platform == VER_PLATFORM_WIN32_NT ? 6 : 4, TRUE; }

const std::pair<int, const char*> Folders[] = {{CSIDL_PROGRAMS, "C:\\thundra-links\\user\\programs"}, {CSIDL_DESKTOP, "C:\\thundra-links\\user\\desktop"},
                                               {CSIDL_COMMON_PROGRAMS, "C:\\thundra-links\\all\\programs"}, {CSIDL_COMMON_DESKTOPDIRECTORY, "C:\\thundra-links\\all\\desktop"}};
HRESULT WINAPI Locate(HWND, int folder, PIDLIST_ABSOLUTE* list)
{
    for (const auto& known : Folders)
        if (known.first == folder && SHCreateDirectoryExA(nullptr, known.second, nullptr) != ERROR_BAD_PATHNAME)
            return (*list = ILCreateFromPathA(known.second)) != nullptr ? S_OK : E_FAIL;
    return E_FAIL;
}

// The game and uninstall links of the Start menu and the desktop link, "whose:" for each there.
std::string LinksThere()
{
    std::string there;
    for (std::string whose : {"all", "user"})
        for (std::string link : {"programs\\Orvane\\Thundra\\Thundra.lnk", "programs\\Orvane\\Thundra\\Uninstall Thundra.lnk", "desktop\\Thundra.lnk"})
            there += GetFileAttributesA(("C:\\thundra-links\\" + whose + "\\" + link).c_str()) != INVALID_FILE_ATTRIBUTES ? whose + ":" + link.substr(0, 4) + " " : "";
    return there;
}

TEST_F(PlatformTest, LinksForAllUsersOnWindowsNTAndEitherPlaceFoundAndRemoved)
{
    Sys.GetVersionExA = Version;
    Sys.SHGetSpecialFolderLocation = Locate;
    CoInitialize(nullptr);
    const struct {
        DWORD platform;
        const char* made;
    } rows[] = {
        {VER_PLATFORM_WIN32_NT, "all:prog all:prog all:desk "},
        {VER_PLATFORM_WIN32_WINDOWS, "user:prog user:prog user:desk "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.made);
        Platform = row.platform;
        RemoveTree("C:\\thundra-links");
        CreateStartMenuLinks();
        CreateDesktopLink();
        EXPECT_EQ(row.made, LinksThere());
        EXPECT_TRUE(StartMenuLinkExists() && DesktopLinkExists());
        RemoveStartMenuLinks();
        RemoveDesktopLink();
        EXPECT_EQ("", LinksThere());
        // What an earlier install left in the user's own folders is seen and goes too.
        for (const char* link : {"programs\\Orvane\\Thundra\\Thundra.lnk", "programs\\Orvane\\Thundra\\Uninstall Thundra.lnk", "desktop\\Thundra.lnk"}) {
            const std::string file = std::string("C:\\thundra-links\\user\\") + link;
            SHCreateDirectoryExA(nullptr, file.substr(0, file.find_last_of('\\')).c_str(), nullptr);
            ASSERT_TRUE(WriteTextFile(file, "an earlier link"));
        }
        EXPECT_TRUE(StartMenuLinkExists() && DesktopLinkExists());
        RemoveStartMenuLinks();
        RemoveDesktopLink();
        EXPECT_EQ("", LinksThere());
        EXPECT_FALSE(StartMenuLinkExists() || DesktopLinkExists());
        EXPECT_EQ(std::vector<std::string>{}, ShownBoxes);
    }
    CoUninitialize();
    RemoveTree("C:\\thundra-links");
}

} // namespace
