// On the 95 family what the uninstall can't delete now is deleted at the
// next start through wininit.ini's [rename] section, which may hold other
// lines already; Windows NT's pending deletions are walked end to end.
#include "setup/restart_removal.h"

#include "platform_fixture.h"

namespace {

BOOL WINAPI Windows98(LPOSVERSIONINFOA info)
{
    info->dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    info->dwMajorVersion = 4;
    info->dwMinorVersion = 10;
    return TRUE;
}

TEST_F(PlatformTest, TheNinetyFiveFamilyDeletesTheStubThroughWininit)
{
    Sys.GetVersionExA = Windows98;
    EnterScratchFolder("thundra-restart");
    const std::string stub = scratch_ + "\\Thunx.exe", wininit = "C:\\windows\\wininit.ini";
    ASSERT_TRUE(WriteTextFile(stub, "stub"));
    char shortPath[MAX_PATH] = "";
    GetShortPathNameA(stub.c_str(), shortPath, MAX_PATH);
    const std::string line = "NUL=" + std::string(shortPath) + "\r\n";
    const std::pair<const char*, std::string> rows[] = {
        {nullptr, "[rename]\r\n" + line},
        {"[other]\r\nx=1", "[other]\r\nx=1\r\n[rename]\r\n" + line},
        {"[Rename]\r\nNUL=C:\\OLD.EXE\r\n[other]\r\n", "[Rename]\r\n" + line + "NUL=C:\\OLD.EXE\r\n[other]\r\n"},
        {"[rename]", "[rename]\r\n" + line},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first ? row.first : "no wininit.ini");
        DeleteFileA(wininit.c_str());
        ASSERT_TRUE(row.first == nullptr || WriteTextFile(wininit, row.first));
        EXPECT_TRUE(DeleteAtRestart(stub.c_str()));
        EXPECT_FALSE(DeleteAtRestart(scratch_.c_str())) << "wininit.ini deletes files only";
        EXPECT_EQ(row.second, ReadTextFile(wininit));
    }
    DeleteFileA(wininit.c_str());
}

} // namespace
