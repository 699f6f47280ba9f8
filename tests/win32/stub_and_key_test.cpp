// What a cut or another product of the publisher must not cost: a stub cut
// short while it is copied is never taken for one, and the publisher's key
// goes only when nothing else is in it, also where deleting a key takes
// everything below it (the 95 family, posed through the platform table).
#include "setup/product_key.h"
#include "setup/setup_state.h"
#include "setup/shortcuts.h"

#include "platform_fixture.h"

namespace {

// A copy the power cut: half the file written, then nothing.
BOOL WINAPI CutCopy(LPCSTR from, LPCSTR to, BOOL) { return WriteTextFile(to, ReadTextFile(from).substr(0, 1000)), FALSE; }
LSTATUS WINAPI DeleteWithAllBelow(HKEY key, LPCSTR subKey) { return RegDeleteTreeA(key, subKey); }

TEST_F(PlatformTest, AStubCutShortIsNoneAndThePublisherKeyKeepsWhatIsNotOurs)
{
    SetupInstance = GetModuleHandleA(nullptr);
    const std::string launcher = ReadTextFile(TestProgramFolder() + "\\win32_tests.exe");
    for (bool earlier : {false, true}) {
        RemoveTree("C:\\Program Files (x86)\\Orvane");
        ASSERT_TRUE(!earlier || CopyStub());
        Sys.CopyFileA = CutCopy;
        EXPECT_FALSE(CopyStub());
        Sys.CopyFileA = CopyFileA;
        EXPECT_EQ(earlier ? launcher : "", ReadTextFile(GetStubPath())) << "a stub cut short";
    }
    EXPECT_TRUE(CopyStub() && ReadTextFile(GetStubPath()) == launcher);
    DeleteStub();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\Program Files (x86)\\Orvane"));

    Sys.RegDeleteKeyA = DeleteWithAllBelow;
    for (const char* other : {"Software\\Orvane\\Other", static_cast<const char*>(nullptr)}) {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Thundra", "DataDirectory", REG_SZ, "C:\\", 4);
        if (other != nullptr)
            RegSetKeyValueA(HKEY_LOCAL_MACHINE, other, "Its own", REG_SZ, "kept", 5);
        DeleteProductKey();
        EXPECT_EQ(other != nullptr ? "kept" : "(none)", RegistryText("Software\\Orvane\\Other", "Its own"));
        EXPECT_EQ("(none)", RegistryText("Software\\Orvane\\Thundra", "DataDirectory"));
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Other");
    }
    HKEY publisher = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Orvane", 0, KEY_READ, &publisher)) << "an empty publisher key stayed";
}

} // namespace
