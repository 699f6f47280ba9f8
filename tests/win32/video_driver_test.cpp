#include "preflight/video_driver.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "fake_directdraw.h"
#include "launcher/messages.h"
#include "platform_fixture.h"
#include "preflight/driver_table.h"
#include "test_files.h"

namespace {

constexpr char OutOfDateQuestion[] =
    "Your video drivers appear to be out of date; Thundra\nmay not function properly. Do you wish to continue?";

// A driver version a.b.c.d as DirectDraw reports it.
FakeDevice Chip(DWORD vendor, DWORD device, WORD a, WORD b, WORD c, WORD d)
{
    return FakeDevice{vendor, device, MAKELONG(b, a), MAKELONG(d, c), FALSE, FALSE};
}

class VideoDriverTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        ReportPlatform(VER_PLATFORM_WIN32_WINDOWS);
        Sys.GetModuleHandleA = FakeGetModuleHandleA;
        Sys.GetProcAddress = FakeGetProcAddress;
        Sys.DirectDrawCreate = FakeDirectDrawCreate;
        FakeDevice chip = Chip(0x10de, 0x6cd, 4, 12, 1, 550);
        FakeDirectDrawSetDevices(&chip, 1);
        EnterScratchFolder("thundra-video-tests");
        ASSERT_TRUE(CreateDirectoryA("run", nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    }
    void WriteTable(const std::string& text)
    {
        ASSERT_TRUE(WriteTextFile(ScratchFolder() + "\\run\\drivers.dat", text));
    }
};

TEST_F(VideoDriverTest, InstalledVersionAgainstTheListedOne)
{
    WriteTable("; oldest drivers that work\nv 10de\nd 6cd 4 12 1 550\n");
    struct Case {
        WORD a, b, c, d;
        int status;
    };
    const Case cases[] = {
        {4, 12, 1, 550, DriverUpToDate}, {4, 12, 1, 549, DriverOutOfDate}, {4, 13, 0, 0, DriverUpToDate},
        {5, 0, 0, 0, DriverUpToDate},    {3, 99, 9, 999, DriverOutOfDate},
    };
    for (const Case& c : cases) {
        FakeDevice chip = Chip(0x10de, 0x6cd, c.a, c.b, c.c, c.d);
        FakeDirectDrawSetDevices(&chip, 1);
        EXPECT_EQ(c.status, GetDriverStatus()) << c.a << "." << c.b << "." << c.c << "." << c.d;
        EXPECT_EQ(7u, FakeDirectDraw.enumerateFlags);
        EXPECT_EQ(0, FakeDirectDraw.liveObjects) << "a DirectDraw object was not released";
    }
    EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
}

TEST_F(VideoDriverTest, TheTableIsClosedOnEveryPath)
{
    const char* const tables[] = {
        "v 10de\nd 6cd 4 12 1 550\n",   // found
        "v 10de\nd 6ce 1 1 1 1\n",      // section ends with the file
        "v 10de\nv 1002\n",             // section ends at the next vendor
        "v 10de\nd 6cd 4 12",            // file ends inside a device line
        "v 10",                           // file ends inside a vendor line
        "",
    };
    for (const char* table : tables) {
        WriteTable(table);
        GetDriverStatus();
        // Windows refuses to delete a file that is still open.
        EXPECT_TRUE(DeleteFileA("run\\drivers.dat")) << "left open after: " << table;
    }
}

TEST_F(VideoDriverTest, AnOutOfDateDriverAsksAndYesGoesOn)
{
    WriteTable("v 10de\nd 6cd 4 12 1 551\n");
    BoxAnswers = {IDYES};
    CheckVideoDriver();
    ASSERT_EQ(1u, ShownBoxes.size());
    EXPECT_EQ(OutOfDateQuestion, ShownBoxes[0].text);
    EXPECT_EQ("Thundra", ShownBoxes[0].caption);
    EXPECT_EQ(0x10034u, ShownBoxes[0].style);
    EXPECT_EQ(nullptr, ShownBoxes[0].owner);
    EXPECT_FALSE(AbortRequested) << "the question leaves the flag alone";
}

using VideoDriverDeathTest = VideoDriverTest;

int WINAPI SayNo(HWND, LPCSTR text, LPCSTR, UINT)
{
    fprintf(stderr, "asked: %s\n", text);
    fflush(stderr);
    return IDNO;
}

TEST_F(VideoDriverDeathTest, NoToTheQuestionEndsTheLauncherWithOne)
{
    WriteTable("v 10de\nd 6cd 4 12 1 551\n");
    EXPECT_EXIT((Sys.MessageBoxA = SayNo, CheckVideoDriver()), ::testing::ExitedWithCode(1),
                "asked: Your video drivers appear to be out of date");
}

TEST_F(VideoDriverTest, WindowsNTLooksAtNothing)
{
    ReportPlatform(VER_PLATFORM_WIN32_NT);
    // No driver table at all: on NT it is not opened.
    EXPECT_EQ(DriverUpToDate, GetDriverStatus());
    CheckVideoDriver();
    EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
    EXPECT_EQ(0, FakeDirectDraw.enumerations);
    EXPECT_FALSE(AbortRequested);
}

TEST_F(VideoDriverTest, AMissingTableIsFatalAndAsksNothing)
{
    CheckVideoDriver();
    ASSERT_EQ(1u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ("Unable to open driver datafile", ShownBoxes[0].text);
    EXPECT_EQ("Our Apologies", ShownBoxes[0].caption);
    EXPECT_TRUE(AbortRequested);
}

TEST_F(VideoDriverTest, TheLastOfTwoAdaptersDecides)
{
    WriteTable("v 10de\nd 6cd 4 12 1 550\nv 121a\nd 2 9 0 0 0\n");
    const FakeDevice upToDateFirst[] = {Chip(0x121a, 2, 1, 0, 0, 0), Chip(0x10de, 0x6cd, 4, 12, 1, 550)};
    FakeDirectDrawSetDevices(upToDateFirst, 2);
    EXPECT_EQ(DriverUpToDate, GetDriverStatus());
    EXPECT_EQ(2, FakeDirectDraw.identifies);

    const FakeDevice outOfDateLast[] = {Chip(0x10de, 0x6cd, 4, 12, 1, 550), Chip(0x121a, 2, 1, 0, 0, 0)};
    FakeDirectDrawSetDevices(outOfDateLast, 2);
    EXPECT_EQ(DriverOutOfDate, GetDriverStatus());
}

TEST_F(VideoDriverTest, WithoutTheVersion7InterfaceTheIdentityIsZero)
{
    FakeDevice old = Chip(0x10de, 0x6cd, 1, 0, 0, 0);
    old.withoutDirectDraw7 = TRUE;
    FakeDirectDrawSetDevices(&old, 1);
    WriteTable("v 10de\nd 6cd 4 12 1 550\n");
    EXPECT_EQ(DriverNotListed, GetDriverStatus()) << "the chip's own identity was used";
    EXPECT_EQ(0, FakeDirectDraw.liveObjects);
    WriteTable("v 0\nd 0 0 0 0 1\n");
    EXPECT_EQ(DriverOutOfDate, GetDriverStatus()) << "vendor 0, device 0, 0.0.0.0 was not looked up";
    EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
}

TEST_F(VideoDriverTest, AFailingDeviceEndsTheEnumerationWithWhatWasIdentified)
{
    WriteTable("v 10de\nd 6cd 4 12 1 551\n");
    FakeDevice devices[] = {Chip(0x10de, 0x6cd, 4, 12, 1, 550), Chip(0x121a, 2, 1, 0, 0, 0)};
    devices[1].createFails = TRUE;
    FakeDirectDrawSetDevices(devices, 2);
    EXPECT_EQ(DriverOutOfDate, GetDriverStatus());
}

TEST_F(VideoDriverTest, NoDirectDrawModule)
{
    WriteTable("v 10de\nd 6cd 4 12 1 550\n");
    FakeDirectDrawModuleMissing = TRUE;
    EXPECT_EQ(DriverNotListed, GetDriverStatus());
    ASSERT_EQ(2u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ("unable to load DDRAW library", ShownBoxes[0].text);
    EXPECT_EQ("old version of DirectX", ShownBoxes[1].text);
    EXPECT_TRUE(AbortRequested);
}

TEST_F(VideoDriverTest, NoEnumerationEntry)
{
    WriteTable("v 10de\nd 6cd 4 12 1 550\n");
    FakeDirectDrawEnumerateMissing = TRUE;
    EXPECT_EQ(DriverNotListed, GetDriverStatus());
    ASSERT_EQ(1u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ("old version of DirectX", ShownBoxes[0].text);
    EXPECT_EQ(0, FakeDirectDraw.creates);
}

} // namespace
