// The road from Play to the game on the Windows 95 family, which Wine poses
// as: the DirectX offer from the disc and the video-driver question.
#include "e2e.h"

namespace {

constexpr char Upgrade[] = "Thundra requires DirectX 7 to run.\nWould you like to upgrade now?";
constexpr char Driver[] = "Your video drivers appear to be out of date; Thundra\nmay not function properly. Do you wish to continue?";
// Whatever display Wine's DirectDraw reports, listed with a version no driver reaches.
constexpr char OutOfDate[] = "v 10de\nd 6cd 99 0 0 0\nv 0\nd 0 99 0 0 0\n";

TEST_F(E2E, PreflightRoadOnWindows98)
{
    ReportWindowsVersion("win98");
    ASSERT_TRUE(CreateDirectoryA(Disc("\\redist").c_str(), nullptr) && CreateDirectoryA(Disc("\\redist\\directx7").c_str(), nullptr));
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\dsetup.dll").c_str(), Disc("\\redist\\directx7\\dsetup.dll").c_str(), FALSE));
    const struct {
        const char *dsetup, *table, *answer;   // dsetup: its version, revision and setup result
        unsigned exitCode;
        std::vector<std::string> boxes;
        bool gameRuns;
    } rows[] = {
        {"0x40007 715 0", OutOfDate, "No", 0,
         {"[DirectX Setup] " + std::string(Upgrade) + " -> No", "[DirectX Setup] DirectX 7 was not installed -> OK"}, false},
        {"0x40006 716 0", UpToDateDriverTable, "Yes", 0, {"[DirectX Setup] " + std::string(Upgrade) + " -> Yes"}, true},
        {"", OutOfDate, "No", 1, {"[Thundra] " + std::string(Driver) + " -> No"}, false},
        {"", OutOfDate, "Yes", 0, {"[Thundra] " + std::string(Driver) + " -> Yes"}, true},
        {"", "", "OK", 0, {"[Our Apologies] Unable to open driver datafile -> OK"}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.boxes[0]);
        DeleteFileA(Temp("thun.log").c_str());
        DeleteFileA(Disc("\\redist\\directx7\\dsetup-calls.txt").c_str());
        ASSERT_TRUE(WriteTextFile(Disc("\\redist\\directx7\\dsetup-control.txt"), row.dsetup));
        DeleteFileA(Disc("\\Run\\drivers.dat").c_str());
        ASSERT_TRUE(*row.table == '\0' || WriteTextFile(Disc("\\Run\\drivers.dat"), row.table));
        RobotRun run = Launch("-noautoplay -exit 0", {{"DirectX Setup", Upgrade, row.answer}, {"DirectX Setup", "DirectX 7 was not installed", "OK"},
                                                      {"Thundra", Driver, row.answer}, {"Our Apologies", "Unable to open", "OK"}});
        EXPECT_EQ(row.exitCode, run.exitCode);
        EXPECT_EQ(row.boxes, Answers(run, true));
        EXPECT_EQ(row.gameRuns, !ReadTextFile(Temp("thun.log")).empty());
        EXPECT_EQ(row.answer == std::string("Yes") && row.dsetup[0] ? "DirectXSetupA folder=" + Disc("\\redist\\directx7") + " flags=0x10018\n" : "",
                  ReadTextFile(Disc("\\redist\\directx7\\dsetup-calls.txt")));
    }
}

} // namespace
