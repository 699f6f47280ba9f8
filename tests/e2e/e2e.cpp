#include "e2e.h"

#include <algorithm>

static const char* const Given[] = {getenv("THUNDRA_LAUNCHER"), getenv("THUNDRA_SAMPLE_DISC")};
const std::string LauncherUnderTest = Given[0] ? Given[0] : "(not given)", SampleDisc = Given[1] ? Given[1] : "(not given)";

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
    SetEnvironmentVariableA("TMP", Temp().c_str());
    SetEnvironmentVariableA("TEMP", Temp().c_str());
    ASSERT_TRUE(CopyLauncherTo(Disc(), true) && CreateDirectoryA(Disc("\\Run").c_str(), nullptr));
    ASSERT_TRUE(WriteTextFile(Disc("\\Run\\drivers.dat"), UpToDateDriverTable));
    const std::string games = LauncherUnderTest.substr(0, LauncherUnderTest.find_last_of("\\/")) + "\\game\\";
    for (std::string image : {"race.bin", "debug.bin"})
        ASSERT_TRUE(CopyFileA((games + image).c_str(), Disc("\\Run\\" + image).c_str(), FALSE));
    for (std::string double_ : {"mapi32.dll", "notepad.exe"})
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\" + double_).c_str(), Disc("\\" + double_).c_str(), FALSE));
}

void E2E::TearDown()
{
    ReportWindowsVersion(nullptr);
    RemoveTree("C:\\thundra-e2e");
}

RobotRun E2E::Launch(const std::string& arguments, const std::vector<RobotRule>& script) const
{
    return RunWithRobot("\"" + Disc("\\Thundra.exe") + "\" " + arguments, "C:\\windows", script);
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

std::string LogLine(const std::string& log, const std::string& key)
{
    size_t at = log.find(key + ": "), start = at + key.size() + 2;
    return at == std::string::npos ? "(no " + key + ")" : log.substr(start, log.find_first_of("\r\n", start) - start);
}

bool WaitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 1000 && !done(); ++i)
        Sleep(20);
    return done();
}

void ReportWindowsVersion(const char* version)
{
    const char key[] = "Software\\Wine\\AppDefaults\\Thundra.exe";
    version == nullptr ? RegDeleteKeyA(HKEY_CURRENT_USER, key)
                       : RegSetKeyValueA(HKEY_CURRENT_USER, key, "Version", REG_SZ, version, static_cast<DWORD>(strlen(version) + 1));
}
