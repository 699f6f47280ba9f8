// Play on every Windows version the Launcher treats differently, Wine
// posing as each. The DirectX offer from the disc and the video-driver
// question come only on the Windows 95 family, the NT 4.0 and Windows 2000
// warnings only on NT. Where Setup's entries and links land does not depend
// on the version Wine reports (the user's road shows it once); what the
// uninstall can't delete at once waits for the next start.
#include "e2e.h"

namespace {

constexpr char Upgrade[] = "Thundra requires DirectX 7 to run.\nWould you like to upgrade now?";
constexpr char Driver[] =
    "Your video drivers appear to be out of date; Thundra\nmay not function properly. Do you wish to continue?";
// Whatever display Wine's DirectDraw reports, listed with a version no driver reaches.
constexpr char OutOfDate[] = "v 10de\nd 6cd 99 0 0 0\nv 0\nd 0 99 0 0 0\n";

TEST_F(E2E, PlayOnEveryWindowsVersion)
{
    const std::string upgrade = "[DirectX Setup] " + std::string(Upgrade) + " -> ",
                      driver = "[Thundra] " + std::string(Driver) + " -> ",
                      nt4 = "[Thundra] Thundra cannot run under Windows NT 4.0\nContinue? -> Yes",
                      nt5 = "[Thundra] " + std::string(VersionWarning) + " -> Yes";
    // dsetup: the version, revision and setup result it reports
    const struct {
        const char *version, *dsetup, *table, *answer;
        unsigned exitCode;
        std::vector<std::string> boxes;
        bool gameRuns;
    } rows[] = {
        {"win95", "0x40006 716 0", OutOfDate, "Yes", 0, {upgrade + "Yes", driver + "Yes"}, true},
        {"win98", "0x40007 715 0", OutOfDate, "No", 0,
            {upgrade + "No", "[DirectX Setup] DirectX 7 was not installed -> OK"}, false},
        {"win98", "", OutOfDate, "No", 1, {driver + "No"}, false},
        {"win98", "", "", "OK", 0, {"[Our Apologies] Unable to open driver datafile -> OK"}, false},
        {"nt40", "0x40006 716 0", OutOfDate, "Yes", 0, {nt4}, true},
        {"win2k", "0x40006 716 0", OutOfDate, "Yes", 0, {nt5}, true},
        {"win10", "0x40006 716 0", OutOfDate, "Yes", 0, {nt5}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.version) + " " + row.dsetup);
        ReportWindowsVersion(row.version);
        DeleteFileA(Temp("thun.log").c_str());
        DeleteFileA(Disc("\\Run\\drivers.dat").c_str());
        ASSERT_TRUE(WriteTextFile(Disc("\\redist\\directx7\\dsetup-control.txt"), row.dsetup));
        ASSERT_TRUE(*row.table == '\0' || WriteTextFile(Disc("\\Run\\drivers.dat"), row.table));
        RobotRun run = Launch("-noautoplay -exit 0",
            {{"DirectX Setup", Upgrade, row.answer}, {"DirectX Setup", "DirectX 7 was not installed", "OK"},
                {"Thundra", Driver, row.answer}, {"Our Apologies", "Unable to open", "OK"}, {"Thundra", "", "Yes"}});
        EXPECT_EQ(row.exitCode, run.exitCode);
        EXPECT_EQ(row.boxes, Answers(run, true));
        EXPECT_EQ(row.gameRuns, !ReadTextFile(Temp("thun.log")).empty());
        EXPECT_EQ(row.answer == std::string("Yes") && row.boxes[0] == upgrade + "Yes"
                ? "DirectXSetupA folder=" + Disc("\\redist\\directx7") + " flags=0x10018\n"
                : "",
            ReadTextFile(Disc("\\redist\\directx7\\dsetup-calls.txt")));
        DeleteFileA(Disc("\\redist\\directx7\\dsetup-calls.txt").c_str());
    }
}

// The running stub goes at the next start: on the 95 family through
// wininit.ini, on Windows NT under a name of its own. A Setup before that
// start keeps the stub, entry and links it makes; they work after it.
TEST_F(E2E, TheStubGoesAtTheNextStartUnlessSetupComesFirst)
{
    ASSERT_TRUE(WriteTextFile(Disc("\\Run\\checksum.lst"), "race.bin 0\nchecksum.lst 0\n"));
    const std::string uninstall = "\"" + std::string(Stub) + "\" -uninstall", wininit = "C:\\windows\\wininit.ini";
    const std::vector<RobotRule> yes = {{"Uninstall", "", "Yes"}, {"Thundra", "Files removed", "OK"}};
    for (std::string version : {"win98", "win7"}) {
        SCOPED_TRACE(version);
        ReportWindowsVersion(version.c_str());
        char stub[MAX_PATH] = "";
        Launch("-setup", InstallScript("+", "+"));
        GetShortPathNameA(Stub, stub, MAX_PATH);
        EXPECT_EQ((std::vector<std::string> {"[Thundra] OK", "[Uninstall] Yes"}),
            Answers(RunWithRobot(uninstall, "C:\\windows", yes)));
        EXPECT_EQ(version == "win98" ? "[rename]\r\nNUL=" + std::string(stub) + "\r\n" : "", ReadTextFile(wininit));
        Launch("-setup", InstallScript("+", "+"));
        EXPECT_EQ(version == "win98" ? "[rename]\r\n" : "", ReadTextFile(wininit)) << "the new stub is still to go";
        EXPECT_TRUE(Restart());
        EXPECT_TRUE(ReadTextFile(Stub) == ReadTextFile(Disc("\\Thundra.exe")) &&
            RegistryText(UninstallKey, "UninstallString") == uninstall &&
            (Exists(DesktopLink) || Exists("C:\\users\\root\\Desktop\\Thundra.lnk")))
            << "no stub, entry or link";
        EXPECT_EQ((std::vector<std::string> {"[Thundra] OK", "[Uninstall] Yes"}),
            Answers(RunWithRobot(uninstall, "C:\\windows", yes)));
        EXPECT_TRUE(Restart());
        EXPECT_FALSE(Exists(Stub) || (version == "win7" && Exists("C:\\Program Files (x86)\\Orvane")))
            << "the stub or its folders stayed (wininit.ini deletes files only)";
    }
}

} // namespace
