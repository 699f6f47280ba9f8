// Once the Launcher has restricted the DLL search, a DLL left beside the
// program is not found by its name, while the system folder's are.
#include "launcher/dll_search.h"

#include "platform_fixture.h"

namespace {

TEST_F(PlatformTest, NoDllFromBesideTheProgram)
{
    const std::string planted = TestProgramFolder() + "\\thundra-planted.dll";
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\planted.dll").c_str(), planted.c_str(), FALSE));
    ASSERT_NE(nullptr, LoadLibraryExA(planted.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES)) << "the planted DLL can't be loaded at all";
    FreeLibrary(GetModuleHandleA("thundra-planted.dll"));
    RestrictDllSearch();
    EXPECT_EQ(nullptr, LoadLibraryA("thundra-planted.dll"));
    EXPECT_NE(nullptr, LoadSystemLibrary("mapi32.dll"));
    DeleteFileA(planted.c_str());
}

} // namespace
