// The DirectX offer on the Windows 95 family, with the double of the disc's
// setup library: what it reports and returns, what the user answers.
#include "preflight/directx_offer.h"

#include "platform_fixture.h"

namespace {

DWORD Platform;
BOOL WINAPI Version(LPOSVERSIONINFOA info)
{
    info->dwPlatformId = Platform;
    info->dwMajorVersion = 4;
    return TRUE;
}

struct Row {
    DWORD platform;
    const char* control;
    std::deque<int> answers;
    bool goesOn;
    std::vector<std::string> boxes;   // after the upgrade question, when it is asked
    bool setupRuns;
};

TEST_F(PlatformTest, DirectXOffer)
{
    Sys.GetVersionExA = Version;
    EnterScratchFolder("thundra-directx");
    const std::string folder = scratch_ + "\\redist\\directx7";
    ASSERT_TRUE(CreateDirectoryA("redist", nullptr) && CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\dsetup.dll").c_str(), (folder + "\\dsetup.dll").c_str(), FALSE));
    const std::string question = "[DirectX Setup] Thundra requires DirectX 7 to run.\nWould you like to upgrade now?";
    const Row rows[] = {
        {2, "revision 0\n", {}, true, {}, false},
        {1, "version 0x40007\nrevision 716\n", {}, true, {}, false},
        {1, "version 0x40008\nrevision 0\n", {}, true, {}, false},
        {1, "version 0x40007\nrevision 715\n", {IDNO}, false, {question, "[DirectX Setup] DirectX 7 was not installed"}, false},
        {1, "revision 0\nsetup-result 0\n", {IDYES}, true, {question}, true},
        {1, "revision 0\nsetup-result -12\n", {IDYES}, false, {question}, true},
        {1, "revision 0\nsetup-result 666\n", {IDYES}, false, {question, "[DirectX Setup] Can't extract DirectXSetup from DLL"}, true},
        {1, "revision 0\nsetup-result -3\n", {IDYES}, false, {question, "[DirectX Setup] Error setting up DirectX (-3)"}, true},
        {1, "revision 0\nsetup-result 1\n", {IDYES, IDNO}, false,
         {question, "[DirectX Setup] You must restart Windows for changes to take effect.\nWould you like to restart now?"}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control);
        Platform = row.platform;
        ASSERT_TRUE(WriteTextFile(folder + "\\dsetup-control.txt", row.control));
        DeleteFileA((folder + "\\dsetup-calls.txt").c_str());
        BoxAnswers = row.answers;
        ShownBoxes.clear();
        EXPECT_EQ(row.goesOn, OfferDirectXSetup(nullptr));
        EXPECT_EQ(row.boxes, ShownTexts());
        std::string calls = ReadTextFile(folder + "\\dsetup-calls.txt");
        EXPECT_EQ(row.platform == 1, calls.rfind("DirectXSetupGetVersion\n", 0) == 0) << calls;
        EXPECT_EQ(row.setupRuns, calls.find("DirectXSetupA owner=0000000000000000 folder=" + folder + " flags=0x10018\n") != std::string::npos) << calls;
        EXPECT_EQ(nullptr, GetModuleHandleA((folder + "\\dsetup.dll").c_str())) << "the library stays loaded";
    }
}

} // namespace
