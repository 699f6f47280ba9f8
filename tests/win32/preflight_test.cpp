// The five checks in their order, on machines the platform table makes up:
// each row is a machine, the answers the user gives, and what is shown.
#include "preflight/preflight.h"

#include "base/launcher_state.h"
#include "base/messages.h"
#include "platform_fixture.h"

#include <tuple>

namespace {

constexpr SIZE_T MB = 1 << 20;
struct Machine {
    DWORD platform = VER_PLATFORM_WIN32_WINDOWS, major = 4, minor = 10;
    int mouse = 1;
    SIZE_T physical = 64 * MB, pageFile = 128 * MB;
    DWORD freeBytes = 100 * MB;
};
Machine TheMachine;

int WINAPI Metrics(int index) { return index == SM_MOUSEPRESENT ? TheMachine.mouse : GetSystemMetrics(index); }
VOID WINAPI Memory(LPMEMORYSTATUS status)
{
    std::tie(status->dwTotalPhys, status->dwTotalPageFile) = std::tie(TheMachine.physical, TheMachine.pageFile);
}

TEST_F(PlatformTest, PreflightChecksInTheirOrder)
{
    Sys.GetSystemMetrics = Metrics;
    Sys.GlobalMemoryStatus = Memory;
    EnterScratchFolder("thundra-preflight");
    // Whatever display Wine reports is listed as up to date.
    ASSERT_TRUE(CreateDirectoryA("run", nullptr) && WriteTextFile("run\\drivers.dat", UpToDateDriverTable));
    snprintf(DefaultInstallDir, PathSize, "C:\\Program Files\\Orvane\\Thundra\\");
    const struct {
        const char* what;
        Machine machine;
        std::deque<int> answers;
        std::vector<std::string> boxes;
        bool aborted;
    } rows[] = {
        {"a Windows 5.0 of the 95 family", {1, 5, 0}, {IDYES}, {"[Thundra] What is Windows 5.0?\nContinue?"}, false},
        {"NT 4.0 declined stops before the mouse", {2, 4, 0, 0}, {IDNO},
            {"[Thundra] Thundra cannot run under Windows NT 4.0\nContinue?"}, true},
        {"NT 5.0 passed, then no mouse", {2, 5, 0, 0}, {IDYES},
            {"[Thundra] Thundra is not designed for Windows 2000\nContinue?",
                "[Our Apologies] Thundra cannot run without a mouse."},
            true},
        {"Win32s", {0, 3, 11, 0}, {}, {"[Our Apologies] Thundra cannot run under Win32s"}, true},
        {"memory 1 byte short of 23 MB", {1, 4, 10, 1, 23 * MB - 1}, {},
            {"[Our Apologies] Thundra requires 23 megabytes of memory (you have 22)."}, true},
        {"memory of 23 MB", {1, 4, 10, 1, 23 * MB}, {IDYES},
            {"[Thundra] Thundra may not run optimally with 23 megabytes of memory.\nContinue?"}, false},
        {"memory of 31 MB", {1, 4, 10, 1, 31 * MB, 39 * MB}, {}, {}, false},
        {"paging file 1 byte short", {1, 4, 10, 1, 31 * MB, 39 * MB - 1}, {},
            {"[Our Apologies] Thundra requires 39 megabytes of virtual memory (you have 38).  Please free up disk "
             "space or close other applications."},
            true},
        {"disk of 20 MB", {1, 4, 10, 1, 64 * MB, 128 * MB, 20 * MB}, {}, {}, false},
        {"disk 1 byte short, declined", {1, 4, 10, 1, 64 * MB, 128 * MB, 20 * MB - 1}, {IDNO},
            {"[Thundra] You only have 19 megabytes of free disk space.\nContinue?"}, true},
        {"memory passed, disk declined", {1, 4, 10, 1, 28 * MB, 128 * MB, 0}, {IDYES, IDNO},
            {"[Thundra] Thundra may not run optimally with 28 megabytes of memory.\nContinue?",
                "[Thundra] You only have 0 megabytes of free disk space.\nContinue?"},
            true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TheMachine = row.machine;
        PoseAsWindows(row.machine.platform, row.machine.major, row.machine.minor);
        FreeBytes = row.machine.freeBytes;
        BoxAnswers = row.answers;
        ShownBoxes.clear();
        AbortRequested = false;
        RunPreflightChecks();
        EXPECT_EQ(row.boxes, ShownBoxes);
        EXPECT_EQ(row.aborted, AbortRequested);
    }
    DefaultInstallDir[0] = '\0';
}

} // namespace
