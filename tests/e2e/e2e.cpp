#include "e2e.h"

#include <algorithm>


static const char* const Given[] = {getenv("THUNDRA_LAUNCHER"), getenv("THUNDRA_SAMPLE_DISC")};
const std::string LauncherUnderTest = Given[0] ? Given[0] : "(not given)",
                  SampleDisc = Given[1] ? Given[1] : "(not given)";

bool CopyLauncherTo(const std::string& folder, bool withMarker)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    return CopyFileA(LauncherUnderTest.c_str(), (folder + "\\Thundra.exe").c_str(), FALSE) &&
        (!withMarker || WriteTextFile(folder + "\\autorun.inf", "[autorun]\r\nopen=Thundra.exe\r\n"));
}

void E2E::SetUp()
{
    RemoveTree("C:\\thundra-e2e");
    SHCreateDirectoryExA(nullptr, Temp().c_str(), nullptr);
    SetEnvironmentVariableA("TMP", Temp().c_str());   // which GetTempPath reads before TEMP
    ASSERT_TRUE(CopyLauncherTo(Disc(), true) && CreateDirectoryA(Disc("\\Run").c_str(), nullptr));
    ASSERT_TRUE(WriteTextFile(Disc("\\Run\\drivers.dat"), UpToDateDriverTable));
    const std::string games = LauncherUnderTest.substr(0, LauncherUnderTest.find_last_of("\\/")) + "\\game\\";
    for (std::string image : {"race.bin", "debug.bin"})
        ASSERT_TRUE(CopyFileA((games + image).c_str(), Disc("\\Run\\" + image).c_str(), FALSE));
    SHCreateDirectoryExA(nullptr, Disc("\\redist\\directx7").c_str(), nullptr);
    // The mail library is the system's own, as the Launcher loads it.
    for (const auto& double_ : {std::make_pair("\\notepad.exe", Disc("\\notepad.exe")),
             {"\\dsetup.dll", Disc("\\redist\\directx7\\dsetup.dll")}, {"\\notepad.exe", "C:\\thundra-e2e\\temp.exe"},
             {"\\mapi32.dll", "C:\\windows\\system32\\mapi32.dll"}})
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + double_.first).c_str(), double_.second.c_str(), FALSE));
}

// Whatever a failed test left of an installation goes too.
void E2E::TearDown()
{
    ReportWindowsVersion(nullptr);
    for (const char* path : {"C:\\thundra-e2e", "C:\\Games", "C:\\Program Files (x86)\\Orvane", DesktopLink,
             "C:\\users\\root\\Desktop\\Thundra.lnk", "S:\\Thundra", "S:\\ballast",
             "C:\\users\\root\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Orvane",
             "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Orvane", "C:\\windows\\wininit.ini"})
        RemoveTree(path);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKey);
}

std::vector<std::string> Answers(const RobotRun& run, bool withTexts)
{
    std::vector<std::string> answers;
    for (const RobotBox& box : run.boxes)
        answers.push_back("[" + box.caption + "] " + (withTexts ? box.text + " -> " : "") + box.answer);
    if (!withTexts)
        std::sort(answers.begin(), answers.end());
    return answers;
}

bool GiveUpAfter(const std::vector<RobotBox>& boxes, const char* last)
{
    auto find = [&](const char* text) {
        return std::find_if(
            boxes.begin(), boxes.end(), [&](const RobotBox& b) { return (b.caption + b.text).find(text) == 0; });
    };
    auto options = find("ThundraDisk Usage:"), progress = find("Installing files...");
    return find(last) != boxes.end() && options != boxes.end() && progress != boxes.end() &&
        !IsWindow(progress->window) && PostMessageA(options->window, WM_COMMAND, IDCANCEL, 0) != FALSE;
}

void ReportWindowsVersion(const char* version)
{
    for (const char* key : {"Software\\Wine\\AppDefaults\\Thundra.exe", "Software\\Wine\\AppDefaults\\Thunx.exe"})
        version == nullptr ? RegDeleteKeyA(HKEY_CURRENT_USER, key)
                           : RegSetKeyValueA(HKEY_CURRENT_USER, key, "Version", REG_SZ, version,
                                 static_cast<DWORD>(strlen(version) + 1));
}

std::vector<RobotRule> InstallScript(const char* startMenu, const char* desktop, bool hardDisk)
{
    return {{"Thundra", "Disk Usage:",
                std::string(hardDisk ? "+Play from hard disk (260 MB required)|" : "+Play from CD (10 MB required)|") +
                    startMenu + "Start Menu shortcut|" + desktop + "Desktop Icon|Ok"},
        {"Installing files...", "", ""}, {"Install", "", "OK"}, {"Create directory", "", "Yes"},
        {"Thun", "Files copied successfully", "OK"}, {"Thundra", "Files removed", "OK"}};
}

std::vector<std::string> WriteGameData(const std::string& disc, int files, size_t size)
{
    std::vector<std::pair<std::string, std::string>> data;
    for (int i = 0; i < files; ++i) {
        data.emplace_back(i == files / 2 ? "common.res" : "d" + std::to_string(i) + ".dat", std::string(size, '\0'));
        // Not a run of one byte: a run's checksum comes round again, and a cut copy could pass for whole.
        for (size_t at = 0; at < size; ++at)
            data.back().second[at] = static_cast<char>((at * 2654435761u) >> (24 - i));
    }
    return WriteDiscFiles(disc, data);
}

std::vector<std::string> MachineState()
{
    std::vector<std::string> state = {"product key: " + RegistryText("Software\\Orvane\\Thundra", "DataDirectory"),
        "uninstall entry: " + RegistryText(UninstallKey, "UninstallString")};
    for (const char* folder :
        {"C:\\Program Files (x86)", "C:\\users", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu", "C:\\Games"})
        for (const std::string& entry :
            ListTree(folder, {"C:\\users\\root\\Temp", "C:\\users\\root\\AppData\\Local\\Temp"}))
            state.push_back(entry);
    return state;
}
