// The file engine inside its progress dialog, with the test in the options
// dialog's place: it runs the engine at the dialog's first idle notice, as
// Setup does, and a second thread answers the install path dialog.
#include "setup/file_engine.h"

#include <commctrl.h>

#include "launcher/product.h"
#include "platform_fixture.h"
#include "resources/resource_ids.h"
#include "setup/checksum.h"
#include "setup/directories.h"
#include "setup/setup_state.h"

namespace {

constexpr char Target[] = "C:\\thundra-engine\\games\\Data\\";
bool Result, Started;

LRESULT CALLBACK OptionsStandIn(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_ENTERIDLE || wParam != MSGF_DIALOGBOX || Started)
        return DefWindowProcA(window, message, wParam, lParam);
    Started = true;
    HWND progress = reinterpret_cast<HWND>(lParam);
    Result = RunFileEngine(progress, InstallPath, false);
    EndDialog(progress, 1);
    return 0;
}

// Faults: a read or a write of one file fails, or opening a file presses Cancel.
std::string FailRead, FailWrite, CancelAt;
HANDLE FailingHandle;
HWND Progress;

HANDLE WINAPI Open(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags, HANDLE templ)
{
    HANDLE file = CreateFileA(name, access, share, security, disposition, flags, templ);
    if (name == FailRead || name == FailWrite)
        FailingHandle = file;
    if (name == CancelAt)
        PostMessageA(Progress, WM_COMMAND, IDCANCEL, 0);
    return file;
}
BOOL WINAPI Read(HANDLE file, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped)
{
    return file != FailingHandle && ReadFile(file, buffer, size, done, overlapped);
}
BOOL WINAPI Write(HANDLE file, LPCVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped)
{
    return file != FailingHandle && WriteFile(file, buffer, size, done, overlapped);
}
DWORD FreeBytes;
BOOL WINAPI Disk(LPCSTR, LPDWORD sectors, LPDWORD bytes, LPDWORD freeClusters, LPDWORD total)
{
    *sectors = *bytes = 1;
    *freeClusters = *total = FreeBytes;
    return TRUE;
}

std::string StoredDataDirectory()
{
    char value[PathSize] = "(none)";
    DWORD size = sizeof value;
    RegGetValueA(HKEY_LOCAL_MACHINE, ProductKey, DataDirectoryValue, RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

class FileEngine : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        InitCommonControls();
        SetupInstance = GetModuleHandleA(nullptr);
        Sys.CreateFileA = Open;
        Sys.ReadFile = Read;
        Sys.WriteFile = Write;
        Sys.GetDiskFreeSpaceA = Disk;
        EnterScratchFolder("thundra-engine");
        ASSERT_TRUE(CreateDirectoryA("Run", nullptr));
        Prepare();
    }
    // The disc's files and list as they should be, no fault, 260 MB free.
    void Prepare()
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane");
        std::string big(300000, '\0');   // two chunks
        for (size_t i = 0; i < big.size(); ++i)
            big[i] = static_cast<char>(i * 7 + i / 251);
        files_ = {{"empty.dat", ""}, {"a.dat", "alpha"}, {"b.dat", big}};
        std::string list;
        for (const auto& file : files_) {
            ASSERT_TRUE(WriteTextFile("Run\\" + file.first, file.second));
            char line[80];
            snprintf(line, sizeof line, "%s %x\n", file.first.c_str(),
                     UpdateChecksum(ChecksumStart, reinterpret_cast<const unsigned char*>(file.second.data()), file.second.size()));
            list += line;
        }
        ASSERT_TRUE(WriteTextFile("Run\\checksum.lst", list));
        FailRead = FailWrite = CancelAt = "";
        FailingHandle = nullptr;
        FreeBytes = 272629760;   // 260 MB exactly
        CancelRequested = false;
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane");
        PlatformTest::TearDown();
    }

    // Setup's progress dialog over the engine; the user types C:\thundra-engine\games.
    bool Run(std::deque<int> answers)
    {
        BoxAnswers = answers;
        ShownBoxes.clear();
        Started = Result = false;
        GetDataDir(InstallPath);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = OptionsStandIn;
        windowClass.lpszClassName = "OptionsStandIn";
        RegisterClassA(&windowClass);
        HWND owner = CreateWindowA("OptionsStandIn", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        std::thread user([] {
            HWND path = WaitForDialog("Install");
            Progress = GetWindow(path, GW_OWNER);
            SetDlgItemTextA(path, IDC_INSTALL_PATH, "C:\\thundra-engine\\games");
            PressButton(path, IDOK);
        });
        DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(IDD_PROGRESS), owner, ProgressDialogProc, 0);
        user.join();
        DestroyWindow(owner);
        return Result;
    }

    std::vector<std::pair<std::string, std::string>> files_;
    const std::string create_ = "[Create directory] The directory\r\nC:\\thundra-engine\\games\\Data\\\r\ndoes not exist.\r\nCreate it?";
};

TEST_F(FileEngine, InstallsEveryFileAndRecordsTheDirectory)
{
    EXPECT_TRUE(Run({IDYES}));
    EXPECT_EQ((std::vector<std::string>{create_, "[Thun] Files copied successfully"}), ShownTexts());
    for (const auto& file : files_)
        EXPECT_TRUE(file.second == ReadTextFile(Target + file.first)) << file.first;
    EXPECT_EQ(Target, StoredDataDirectory());
}

// A failure at any file takes back every file, directory and the key.
TEST_F(FileEngine, AFailureAtAnyFileRollsEverythingBack)
{
    for (const auto& file : files_) {
        for (std::string fault : {"read", "write", "checksum", "missing"}) {
            SCOPED_TRACE(file.first + ": " + fault);
            Prepare();
            const std::string source = "Run\\" + file.first;
            bool silent = fault == "read" || fault == "write";   // the copy stops as on Cancel
            if (silent && file.second.empty())
                continue;   // nothing is read or written
            if (fault == "read")
                FailRead = source;
            if (fault == "write")
                FailWrite = Target + file.first;
            bool faulted = fault == "checksum" ? WriteTextFile(source, file.second + "!")
                           : fault == "missing"  ? DeleteFileA(source.c_str()) != FALSE
                                                 : true;
            ASSERT_TRUE(faulted);
            const std::vector<std::string> before = ListTree(scratch_);
            EXPECT_FALSE(Run({IDYES}));
            std::vector<std::string> shown = ShownTexts();
            ASSERT_EQ(silent ? 1u : 3u, shown.size()) << testing::PrintToString(shown);
            EXPECT_EQ(create_, shown[0]);
            if (!silent) {
                EXPECT_EQ(fault == "missing" ? "[Our Apologies] Can't open source file" : "[Our Apologies] Bad checksum (",
                          shown[1].substr(0, fault == "missing" ? std::string::npos : 30));
                EXPECT_EQ("[Error] Error installing file " + file.first, shown[2]);
            }
            EXPECT_EQ("", ListDifference(before, ListTree(scratch_)));
            EXPECT_EQ("(none)", StoredDataDirectory());
        }
    }
}

TEST_F(FileEngine, CancelBetweenFilesAsksAndNoGoesOn)
{
    CancelAt = "Run\\empty.dat";   // an empty file: the first pump is the engine's own
    EXPECT_TRUE(Run({IDYES, IDNO}));
    EXPECT_EQ((std::vector<std::string>{create_, "[Install] Abort installation?", "[Thun] Files copied successfully"}), ShownTexts());
    EXPECT_EQ("alpha", ReadTextFile(std::string(Target) + "a.dat"));
    CancelAt = "Run\\a.dat";
    EXPECT_FALSE(Run({IDYES}));   // within a file: no question, all taken back
    EXPECT_EQ(std::vector<std::string>{}, ShownTexts());   // the directory was there
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\thundra-engine\\games"));
}

TEST_F(FileEngine, NeedsTwoHundredSixtyMegabytesFree)
{
    FreeBytes = 272629760 - 1;
    EXPECT_FALSE(Run({IDYES}));
    EXPECT_EQ((std::vector<std::string>{create_, "[Our Apologies] Thundra requires 260 MB of disk space\r\nThis disk has 259 MB free"}), ShownTexts());
    EXPECT_EQ("(none)", StoredDataDirectory());
}

} // namespace
