// Setup run again and again from the disc, each run with other choices:
// each run leaves the machine as its choices say, starting from the
// machine the run before left.
#include "e2e.h"

namespace {

TEST_F(E2E, SetupReconcilesTheMachineWithTheChoices)
{
    WriteGameData(Disc(), 1, 100);   // common.res and the list
    // machine: the engine's closing box, then what is there
    const struct {
        const char* what;
        bool hardDisk;
        const char *startMenu, *desktop, *machine;
    } rows[] = {
        {"to the hard disk without links: the entry has its stub", true, "-", "-", "copied| entry stub data"},
        {"back to the CD: nothing stays", false, "-", "-", "removed|"},
        {"Start menu only, from the CD", false, "+", "-", "| menu entry stub"},
        {"to the hard disk with both links", true, "+", "+", "copied| menu desktop entry stub data"},
        {"links dropped, game kept", true, "-", "-", "| entry stub data"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        RobotRun setup = Launch("-setup", InstallScript(row.startMenu, row.desktop, row.hardDisk));
        std::string machine = "|";
        for (const RobotBox& box : setup.boxes)
            machine.insert(0,
                box.text == "Files copied successfully" ? "copied"
                    : box.text == "Files removed"       ? "removed"
                                                        : "");
        const std::pair<const char*, bool> marks[] = {
            {" menu",
                Exists(StartMenuFolder + std::string("Thundra.lnk")) &&
                    Exists(StartMenuFolder + std::string("Uninstall Thundra.lnk"))},
            {" desktop", Exists(DesktopLink)},
            {" entry", RegistryText(UninstallKey, "UninstallString") == "\"" + std::string(Stub) + "\" -uninstall"},
            {" stub", Exists(Stub)},
            {" data", Exists(DefaultDataDir + std::string("common.res"))},
        };
        for (const auto& mark : marks)
            machine += mark.second ? mark.first : "";
        EXPECT_EQ(row.machine, machine) << testing::PrintToString(Answers(setup, true));
        EXPECT_EQ(std::string(row.machine) != "removed|" && std::string(row.machine) != "|",
            Exists("C:\\Program Files (x86)\\Orvane"));
    }
}

} // namespace
