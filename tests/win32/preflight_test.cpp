#include "preflight/preflight.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_directdraw.h"
#include "launcher/launch.h"
#include "launcher/messages.h"
#include "launcher/product.h"
#include "platform_fixture.h"
#include "test_files.h"

namespace {

// The machine the checks see.
struct Machine {
    bool versionKnown = true;
    DWORD platform = VER_PLATFORM_WIN32_WINDOWS, major = 4, minor = 10;
    int mouse = 1;
    SIZE_T physical = 64u << 20, pageFile = 128u << 20;
    bool diskKnown = true;
    DWORD sectorsPerCluster = 8, bytesPerSector = 512, freeClusters = 100000;
};
Machine TheMachine;
std::string DiskRootAsked;
int DiskCalls;

BOOL WINAPI FakeGetVersionExA(LPOSVERSIONINFOA info)
{
    if (!TheMachine.versionKnown || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA))
        return FALSE;
    info->dwPlatformId = TheMachine.platform;
    info->dwMajorVersion = TheMachine.major;
    info->dwMinorVersion = TheMachine.minor;
    return TRUE;
}

int WINAPI FakeGetSystemMetrics(int index)
{
    return index == SM_MOUSEPRESENT ? TheMachine.mouse : GetSystemMetrics(index);
}

VOID WINAPI FakeGlobalMemoryStatus(LPMEMORYSTATUS status)
{
    if (status->dwLength != sizeof(MEMORYSTATUS))
        return;
    status->dwTotalPhys = TheMachine.physical;
    status->dwTotalPageFile = TheMachine.pageFile;
}

BOOL WINAPI FakeGetDiskFreeSpaceA(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector, LPDWORD freeClusters,
                                  LPDWORD totalClusters)
{
    ++DiskCalls;
    DiskRootAsked = root;
    if (!TheMachine.diskKnown)
        return FALSE;
    *sectorsPerCluster = TheMachine.sectorsPerCluster;
    *bytesPerSector = TheMachine.bytesPerSector;
    *freeClusters = TheMachine.freeClusters;
    *totalClusters = TheMachine.freeClusters;
    return TRUE;
}

class PreflightTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        TheMachine = Machine();
        DiskRootAsked.clear();
        DiskCalls = 0;
        Sys.GetVersionExA = FakeGetVersionExA;
        Sys.GetSystemMetrics = FakeGetSystemMetrics;
        Sys.GlobalMemoryStatus = FakeGlobalMemoryStatus;
        Sys.GetDiskFreeSpaceA = FakeGetDiskFreeSpaceA;
        Sys.GetModuleHandleA = FakeGetModuleHandleA;
        Sys.GetProcAddress = FakeGetProcAddress;
        Sys.DirectDrawCreate = FakeDirectDrawCreate;
        FakeDevice display = {0x10de, 0x6cd, 0x00040012, 0x00010226, FALSE, FALSE};   // 4.18.1.550
        FakeDirectDrawSetDevices(&display, 1);
        // The driver table lists the chip with an older driver: the check passes.
        EnterScratchFolder("thundra-preflight-tests");
        ASSERT_TRUE(CreateDirectoryA("run", nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        ASSERT_TRUE(WriteTextFile(ScratchFolder() + "\\run\\drivers.dat", "v 10de\nd 6cd 4 12 1 550\n"));
        lstrcpyA(DefaultInstallDir, "C:\\Program Files\\Orvane\\Thundra\\");
    }
    void TearDown() override
    {
        DefaultInstallDir[0] = '\0';
        PlatformTest::TearDown();
    }
};

struct VersionCase {
    bool known;
    DWORD platform, major, minor;
    const char* text;   // nullptr: passes silently
    bool fatal;
};

TEST_F(PreflightTest, WindowsVersions)
{
    const VersionCase cases[] = {
        {true, 1, 4, 0, nullptr, false},    // Windows 95
        {true, 1, 4, 10, nullptr, false},   // Windows 98
        {true, 1, 4, 90, nullptr, false},   // Windows Me
        {true, 1, 5, 0, "What is Windows 5.0?\nContinue?", false},
        {true, 1, 3, 95, "What is Windows 3.95?\nContinue?", false},
        {true, 2, 4, 0, "Thundra cannot run under Windows NT 4.0\nContinue?", false},
        {true, 2, 3, 51, "Thundra cannot run under Windows NT 3.51\nContinue?", false},
        {true, 2, 5, 0, "Thundra is not designed for Windows 2000\nContinue?", false},
        {true, 2, 10, 0, "Thundra is not designed for Windows 2000\nContinue?", false},
        {true, 0, 3, 11, "Thundra cannot run under Win32s", true},
        {true, 3, 1, 0, "Unknown platform type--proceed at your own risk\nContinue?", false},
        {false, 0, 0, 0, "Cannot get version info--proceed at your own risk\nContinue?", false},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.platform) + ", " + std::to_string(c.major) + "." + std::to_string(c.minor));
        TheMachine.versionKnown = c.known;
        TheMachine.platform = c.platform;
        TheMachine.major = c.major;
        TheMachine.minor = c.minor;
        for (int answer : {IDYES, IDNO}) {
            ShownBoxes.clear();
            AbortRequested = false;
            TheMachine.mouse = 0;   // the next check shows whether the sequence went on
            BoxAnswers = {answer};
            RunPreflightChecks();
            if (c.text == nullptr) {
                ASSERT_EQ(1u, ShownBoxes.size()) << DescribeShown();
                EXPECT_EQ("Thundra cannot run without a mouse.", ShownBoxes[0].text);
                break;
            }
            ASSERT_FALSE(ShownBoxes.empty());
            EXPECT_EQ(c.text, ShownBoxes[0].text);
            EXPECT_EQ(c.fatal ? "Our Apologies" : "Thundra", ShownBoxes[0].caption);
            EXPECT_EQ(c.fatal ? 0x10010u : 0x10034u, ShownBoxes[0].style);
            bool goesOn = !c.fatal && answer == IDYES;
            EXPECT_EQ(goesOn ? 2u : 1u, ShownBoxes.size()) << DescribeShown();
            EXPECT_TRUE(AbortRequested);   // by the answer, or by the mouse check after a Yes
            if (c.fatal)
                break;
        }
    }
}

struct MemoryCase {
    SIZE_T physical, pageFile;
    const char* text;   // nullptr: passes
};

TEST_F(PreflightTest, MemoryThresholds)
{
    const SIZE_T MB = 1 << 20;
    const MemoryCase cases[] = {
        {23 * MB - 1, 100 * MB, "Thundra requires 23 megabytes of memory (you have 22)."},
        {8 * MB, 100 * MB, "Thundra requires 23 megabytes of memory (you have 8)."},
        {23 * MB, 100 * MB, "Thundra may not run optimally with 23 megabytes of memory.\nContinue?"},
        {31 * MB - 1, 100 * MB, "Thundra may not run optimally with 30 megabytes of memory.\nContinue?"},
        {28 * MB, 20 * MB, "Thundra may not run optimally with 28 megabytes of memory.\nContinue?"},
        {31 * MB, 39 * MB, nullptr},
        {31 * MB, 39 * MB - 1,
         "Thundra requires 39 megabytes of virtual memory (you have 38).  Please free up disk space or close other "
         "applications."},
        {64 * MB, 0, "Thundra requires 39 megabytes of virtual memory (you have 0).  Please free up disk space or "
                     "close other applications."},
    };
    for (const MemoryCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.physical) + " / " + std::to_string(c.pageFile));
        ShownBoxes.clear();
        TheMachine.physical = c.physical;
        TheMachine.pageFile = c.pageFile;
        BoxAnswers = {IDYES};
        CheckMemory();
        if (c.text == nullptr) {
            EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
            continue;
        }
        ASSERT_EQ(1u, ShownBoxes.size()) << DescribeShown();
        EXPECT_EQ(c.text, ShownBoxes[0].text);
    }
}

struct DiskCase {
    DWORD sectorsPerCluster, bytesPerSector, freeClusters;
    bool known;
    const char* text;
};

TEST_F(PreflightTest, FreeSpaceOnTheProgramFilesDrive)
{
    const DiskCase cases[] = {
        {1, 512, 40960, true, nullptr},                        // 20,971,520 bytes exactly
        {1, 1, 20971519, true, "You only have 19 megabytes of free disk space.\nContinue?"},
        {8, 512, 100, true, "You only have 0 megabytes of free disk space.\nContinue?"},
        {8, 512, 0x100001, true, nullptr},                     // 4 GB + 4 KB: a 32-bit product would be 4 KB
        {64, 4096, 0xFFFFFFFF, true, nullptr},
        {1, 1, 1, false, nullptr},                             // the drive can't be asked: passes
    };
    for (const DiskCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.sectorsPerCluster) + " x " + std::to_string(c.bytesPerSector) + " x " +
                     std::to_string(c.freeClusters));
        ShownBoxes.clear();
        TheMachine = {};
        TheMachine.sectorsPerCluster = c.sectorsPerCluster;
        TheMachine.bytesPerSector = c.bytesPerSector;
        TheMachine.freeClusters = c.freeClusters;
        TheMachine.diskKnown = c.known;
        BoxAnswers = {IDYES};
        CheckProgramDriveSpace();
        EXPECT_EQ("C:\\", DiskRootAsked);
        if (c.text == nullptr) {
            EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
            continue;
        }
        ASSERT_EQ(1u, ShownBoxes.size()) << DescribeShown();
        EXPECT_EQ(c.text, ShownBoxes[0].text);
        EXPECT_EQ("Thundra", ShownBoxes[0].caption);
    }
}

TEST_F(PreflightTest, TheDiskCheckTakesTheDriveOfTheDefaultInstallDirectory)
{
    lstrcpyA(DefaultInstallDir, "D:\\Programs\\Orvane\\Thundra\\");
    CheckProgramDriveSpace();
    EXPECT_EQ("D:\\", DiskRootAsked);
    DefaultInstallDir[0] = '\0';
    DiskCalls = 0;
    CheckProgramDriveSpace();
    EXPECT_EQ(0, DiskCalls) << "an empty default install directory is not asked about";
}

TEST_F(PreflightTest, AllPassSilentlyOnAGoodMachine)
{
    RunPreflightChecks();
    EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
    EXPECT_FALSE(AbortRequested);
    EXPECT_EQ(1, DiskCalls);
    EXPECT_EQ(1, FakeDirectDraw.enumerations);
}

TEST_F(PreflightTest, NoMouseStopsBeforeMemoryDriverAndDisk)
{
    TheMachine.mouse = 0;
    TheMachine.physical = 1 << 20;
    RunPreflightChecks();
    ASSERT_EQ(1u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ("Thundra cannot run without a mouse.", ShownBoxes[0].text);
    EXPECT_EQ(0, FakeDirectDraw.enumerations);
    EXPECT_EQ(0, DiskCalls);
}

TEST_F(PreflightTest, AFlagRaisedEarlierStopsAfterTheFirstCheck)
{
    AbortRequested = true;
    RunPreflightChecks();
    EXPECT_TRUE(ShownBoxes.empty());
    EXPECT_TRUE(AbortRequested);
    EXPECT_EQ(0, FakeDirectDraw.enumerations) << "the sequence went on after the first check";

    // A Yes in the first check lowers it again and the sequence goes on.
    TheMachine.platform = VER_PLATFORM_WIN32_NT;
    BoxAnswers = {IDYES};
    RunPreflightChecks();
    EXPECT_FALSE(AbortRequested);
    EXPECT_EQ(1, DiskCalls);
}

TEST_F(PreflightTest, AFullDiskIsAskedAboutLast)
{
    TheMachine.physical = 28u << 20;
    TheMachine.freeClusters = 10;
    BoxAnswers = {IDYES, IDNO};
    RunPreflightChecks();
    ASSERT_EQ(2u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ("Thundra may not run optimally with 28 megabytes of memory.\nContinue?", ShownBoxes[0].text);
    EXPECT_EQ("You only have 0 megabytes of free disk space.\nContinue?", ShownBoxes[1].text);
    EXPECT_TRUE(AbortRequested);
}

} // namespace
