#include "launcher/disc_search.h"

#include <gtest/gtest.h>

#include <string>

#include "platform_fixture.h"
#include "test_files.h"

namespace {

// One CD drive whose root is a scratch folder; the disc appears in it when
// the user is first asked.
constexpr char Root[] = "C:\\thundra-disc-tests\\";
int Asked;
bool DiscAppearsOnRetry;

DWORD WINAPI OneCdDrive(DWORD size, LPSTR buffer)
{
    const char drives[] = "Z:\\\0C:\\thundra-disc-tests\\\0";
    if (size < sizeof drives)
        return sizeof drives;
    memcpy(buffer, drives, sizeof drives);
    return sizeof drives - 1;
}

UINT WINAPI CdWhereItShouldBe(LPCSTR root)
{
    return strcmp(root, Root) == 0 ? DRIVE_CDROM : DRIVE_FIXED;
}

void InsertTheDisc()
{
    WriteTextFile(std::string(Root) + "autorun.inf", "[autorun]\r\nopen=Thundra.exe\r\n");
    CreateDirectoryA((std::string(Root) + "Run").c_str(), nullptr);
    WriteTextFile(std::string(Root) + "Run\\race.bin", "the game");
    // The disc's Launcher is Notepad's double here: it records its command line.
    CopyFileA((TestProgramFolder() + "\\notepad.exe").c_str(), (std::string(Root) + "Thundra.exe").c_str(), FALSE);
}

int WINAPI AskAndInsert(HWND, LPCSTR text, LPCSTR caption, UINT style)
{
    ++Asked;
    ShownBoxes.push_back({nullptr, text, caption, style});
    if (DiscAppearsOnRetry) {
        InsertTheDisc();
        return IDRETRY;
    }
    return IDCANCEL;
}

class DiscSearchTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        RemoveTree("C:\\thundra-disc-tests");
        ASSERT_TRUE(CreateDirectoryA("C:\\thundra-disc-tests", nullptr));
        Asked = 0;
        Sys.GetLogicalDriveStringsA = OneCdDrive;
        Sys.GetDriveTypeA = CdWhereItShouldBe;
        Sys.MessageBoxA = AskAndInsert;
    }
    void TearDown() override
    {
        PlatformTest::TearDown();
        for (int i = 0; i < 100 && !DeleteFileA((std::string(Root) + "notepad-calls.txt").c_str()); ++i)
            Sleep(20);
        RemoveTree("C:\\thundra-disc-tests");
    }
};

TEST_F(DiscSearchTest, TheDiscInsertedAfterTheQuestionIsFoundOnRetry)
{
    DiscAppearsOnRetry = true;
    EXPECT_TRUE(PlayFromDisc("-fast track2"));
    EXPECT_EQ(1, Asked);
    ASSERT_EQ(1u, ShownBoxes.size());
    EXPECT_EQ("Please insert the Thundra disc.", ShownBoxes[0].text);
    EXPECT_EQ("Thundra", ShownBoxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL | MB_ICONEXCLAMATION), ShownBoxes[0].style);
    std::string started;
    for (int i = 0; i < 250 && started.empty(); ++i, Sleep(20))
        started = ReadTextFile(std::string(Root) + "notepad-calls.txt");
    EXPECT_EQ("\"C:\\thundra-disc-tests\\Thundra.exe\" -noautoplay -fast track2\n", started);
}

TEST_F(DiscSearchTest, AFoundDiscIsStartedWithoutAsking)
{
    InsertTheDisc();
    EXPECT_TRUE(PlayFromDisc(""));
    EXPECT_EQ(0, Asked);
}

TEST_F(DiscSearchTest, ADriveWithoutTheGameIsNoDisc)
{
    InsertTheDisc();
    DeleteFileA((std::string(Root) + "Run\\race.bin").c_str());
    DiscAppearsOnRetry = false;
    EXPECT_FALSE(PlayFromDisc(""));
    EXPECT_EQ(1, Asked);
}

} // namespace
