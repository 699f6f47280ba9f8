// The file engine inside the progress dialog, with the test in the options
// dialog's place: it owns the progress dialog and runs the engine at its
// first idle notice, as Setup does.
#include "setup/file_engine.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "launcher/product.h"
#include "platform_fixture.h"
#include "registry_fixture.h"
#include "resources/resource_ids.h"
#include "setup/checksum.h"
#include "setup/directories.h"
#include "setup/setup_state.h"
#include "test_files.h"

namespace {

constexpr char Disc[] = "C:\\thundra-engine-tests";
constexpr char Target[] = "C:\\thundra-engine-tests\\target\\Data\\";

struct EngineRun {
    bool result = false;
    INT_PTR dialogResult = 0;
    int totalPosition = -1, totalMaximum = -1;
    std::string titleAfter;
    HWND progress = nullptr;
};

bool RemoveMode;
bool EngineStarted;
EngineRun* CurrentRun;

LRESULT CALLBACK OptionsStandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && !EngineStarted) {
        EngineStarted = true;
        HWND progress = reinterpret_cast<HWND>(lParam);
        CurrentRun->progress = progress;
        CurrentRun->result = RunFileEngine(progress, InstallPath, RemoveMode);
        CurrentRun->totalPosition = static_cast<int>(SendDlgItemMessageA(progress, IDC_TOTAL_BAR, PBM_GETPOS, 0, 0));
        CurrentRun->totalMaximum =
            static_cast<int>(SendDlgItemMessageA(progress, IDC_TOTAL_BAR, PBM_GETRANGE, FALSE, 0));
        char title[512] = "";
        GetWindowTextA(progress, title, sizeof title);
        CurrentRun->titleAfter = title;
        EndDialog(progress, CurrentRun->result ? 1 : 2);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Fault injection around the copy.
std::string CancelWhenOpening;   // a source whose opening presses Cancel
int CancelOnRead, Reads;
HWND ProgressDialog;

void PressCancel()
{
    PostMessageA(ProgressDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(ProgressDialog, IDCANCEL)));
}

HANDLE WINAPI OpenAndMaybeCancel(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                 DWORD disposition, DWORD flags, HANDLE templateFile)
{
    if (!CancelWhenOpening.empty() && CancelWhenOpening == name)
        PressCancel();
    return CreateFileA(name, access, share, security, disposition, flags, templateFile);
}

BOOL WINAPI ReadAndMaybeCancel(HANDLE file, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped)
{
    if (++Reads == CancelOnRead)
        PressCancel();
    return ReadFile(file, buffer, size, done, overlapped);
}

BOOL WINAPI LittleSpace(LPCSTR, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector, LPDWORD freeClusters,
                        LPDWORD totalClusters)
{
    *sectorsPerCluster = 8;
    *bytesPerSector = 512;
    *freeClusters = 100 * 256 + 100;   // 100 MB and a bit
    *totalClusters = *freeClusters;
    return TRUE;
}

BOOL WINAPI PlentyOfSpace(LPCSTR, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector, LPDWORD freeClusters,
                          LPDWORD totalClusters)
{
    *sectorsPerCluster = 64;
    *bytesPerSector = 4096;
    *freeClusters = 1 << 20;
    *totalClusters = *freeClusters;
    return TRUE;
}

LSTATUS WINAPI FailCreateKey(HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, const LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD)
{
    return ERROR_ACCESS_DENIED;
}

LSTATUS WINAPI FailSetValue(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD)
{
    return ERROR_ACCESS_DENIED;
}

std::string Pattern(size_t size, unsigned seed)
{
    std::string data(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        data[i] = static_cast<char>(seed >> 24);
    }
    return data;
}

uint32_t ChecksumOf(const std::string& data)
{
    return UpdateChecksum(ChecksumStart, reinterpret_cast<const unsigned char*>(data.data()), data.size());
}

class FileEngineTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        InitCommonControls();
        SetupInstance = GetModuleHandleA(nullptr);
        CancelRequested = false;
        RemoveMode = false;
        CancelWhenOpening.clear();
        CancelOnRead = Reads = 0;
        Sys.CreateFileA = OpenAndMaybeCancel;
        Sys.ReadFile = ReadAndMaybeCancel;
        Sys.GetDiskFreeSpaceA = PlentyOfSpace;
        DeleteRegistryTree("Software\\Orvane");
        EnterScratchFolder("thundra-engine-tests");
        ASSERT_TRUE(CreateDirectoryA("Run", nullptr));
        files_ = {{"a.dat", "alpha"}, {"b.dat", Pattern(300000, 1)}, {"empty.dat", ""}};
        for (const auto& file : files_)
            ASSERT_TRUE(WriteTextFile(std::string(Disc) + "\\Run\\" + file.first, file.second));
        WriteList(files_);
    }
    void TearDown() override
    {
        DeleteRegistryTree("Software\\Orvane");
        PlatformTest::TearDown();
    }

    void WriteList(const std::vector<std::pair<std::string, std::string>>& files)
    {
        std::string list;
        for (const auto& file : files) {
            char line[128];
            snprintf(line, sizeof line, "%s %x\n", file.first.c_str(), ChecksumOf(file.second));
            list += line;
        }
        ASSERT_TRUE(WriteTextFile(std::string(Disc) + "\\Run\\checksum.lst", list));
    }

    // Shows the progress dialog over the engine; the user types typed into
    // the install path dialog (empty: presses its Cancel).
    EngineRun Run(const std::string& typed)
    {
        EngineRun run;
        CurrentRun = &run;
        EngineStarted = false;
        GetDataDir(InstallPath);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = OptionsStandInProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ThundraOptionsStandIn";
        RegisterClassA(&windowClass);
        HWND owner = CreateWindowA("ThundraOptionsStandIn", "Thundra", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                   nullptr, windowClass.hInstance, nullptr);
        {
            DialogDriver user([&] {
                HWND dialog = WaitForDialog("Install");
                if (dialog == nullptr)
                    return;
                ProgressDialog = GetWindow(dialog, GW_OWNER);
                if (typed.empty()) {
                    PressButton(dialog, IDCANCEL);
                    return;
                }
                SetControlText(dialog, IDC_INSTALL_PATH, typed);
                PressButton(dialog, IDOK);
            });
            run.dialogResult = DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(IDD_PROGRESS), owner,
                                               ProgressDialogProc, 0);
        }
        DestroyWindow(owner);
        return run;
    }

    static std::vector<std::string> Tree() { return ListTree(Disc); }
    static std::string StoredDataDirectory()
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "(no key)";
        char value[PathSize] = "";
        DWORD size = sizeof value;
        LSTATUS status = RegQueryValueExA(key, DataDirectoryValue, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                                          &size);
        RegCloseKey(key);
        return status == ERROR_SUCCESS ? value : "(no value)";
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const ShownBox& box : ShownBoxes)
            texts.push_back("[" + box.caption + "] " + box.text);
        return texts;
    }

    std::vector<std::pair<std::string, std::string>> files_;
    const std::string targetDir_ = "C:\\thundra-engine-tests\\target";
    const std::string createQuestion_ =
        "[Create directory] The directory\r\nC:\\thundra-engine-tests\\target\\Data\\\r\ndoes not exist.\r\nCreate it?";
};

TEST_F(FileEngineTest, InstallsEveryListedFileAndRecordsTheDirectory)
{
    BoxAnswers = {IDYES};
    EngineRun run = Run(targetDir_);
    EXPECT_TRUE(run.result);
    EXPECT_EQ(1, run.dialogResult);
    EXPECT_EQ((std::vector<std::string>{createQuestion_, "[Thun] Files copied successfully"}), Texts());
    ASSERT_EQ(2u, ShownBoxes.size());
    EXPECT_EQ(run.progress, ShownBoxes[0].owner);
    EXPECT_EQ(4u, ShownBoxes[0].style);
    EXPECT_EQ(0u, ShownBoxes[1].style);
    for (const auto& file : files_)
        EXPECT_TRUE(file.second == ReadTextFile(std::string(Target) + file.first)) << file.first << " differs";
    EXPECT_EQ(Target, StoredDataDirectory());
    EXPECT_EQ(Target, std::string(InstallPath));
    EXPECT_EQ(30, run.totalPosition);
    EXPECT_EQ(30, run.totalMaximum);
    EXPECT_EQ("Installing files...", run.titleAfter);
    EXPECT_FALSE(CancelRequested);
}

TEST_F(FileEngineTest, AnEmptyListCopiesNothingAndSucceeds)
{
    WriteList({});
    ASSERT_TRUE(CreateDirectoryChain(Target));
    EngineRun run = Run(targetDir_);
    EXPECT_TRUE(run.result);
    EXPECT_EQ(std::vector<std::string>{"[Thun] Files copied successfully"}, Texts());
    EXPECT_EQ(0, run.totalMaximum);
}

TEST_F(FileEngineTest, TheDirectoryQuestion)
{
    auto before = Tree();
    BoxAnswers = {IDNO};
    EngineRun run = Run(targetDir_);
    EXPECT_FALSE(run.result);
    EXPECT_EQ(2, run.dialogResult);
    EXPECT_EQ(std::vector<std::string>{createQuestion_}, Texts());
    EXPECT_EQ("(no key)", StoredDataDirectory());
    EXPECT_EQ(before, Tree());

    // A plain file where the directory should be.
    ShownBoxes.clear();
    ASSERT_TRUE(WriteTextFile(targetDir_, "in the way"));
    BoxAnswers = {IDYES};
    run = Run(targetDir_);
    EXPECT_FALSE(run.result);
    EXPECT_EQ((std::vector<std::string>{createQuestion_, "[Install] Can't create directory"}), Texts());
    EXPECT_EQ(0x30u, ShownBoxes.back().style);
    EXPECT_EQ("(no key)", StoredDataDirectory());
}

TEST_F(FileEngineTest, NoListLeavesTheRecordedDirectory)
{
    ASSERT_TRUE(DeleteFileA("Run\\checksum.lst"));
    BoxAnswers = {IDYES};
    EngineRun run = Run(targetDir_);
    EXPECT_FALSE(run.result);
    EXPECT_EQ((std::vector<std::string>{createQuestion_, "[Our Apologies] Can't open checksum.lst"}), Texts());
    EXPECT_EQ(Target, StoredDataDirectory());
    EXPECT_TRUE(IsDirectory(Target));
}

TEST_F(FileEngineTest, AListTooLongIsRefusedWithOneMessage)
{
    std::string list;
    for (int i = 0; i < 257; ++i)
        list += "file" + std::to_string(i) + ".dat 0\n";
    ASSERT_TRUE(WriteTextFile("Run\\checksum.lst", list));
    ASSERT_TRUE(CreateDirectoryChain(Target));
    EngineRun run = Run(targetDir_);
    EXPECT_FALSE(run.result);
    EXPECT_EQ(std::vector<std::string>{"[Our Apologies] checksum.lst names more than 256 files (line 257)."}, Texts());
}

TEST_F(FileEngineTest, TooLittleSpaceDeletesOldCopiesAndTheKey)
{
    ASSERT_TRUE(CreateDirectoryChain(Target));
    ASSERT_TRUE(WriteTextFile(std::string(Target) + "a.dat", "an old copy"));
    ASSERT_TRUE(WriteTextFile(std::string(Target) + "keep.txt", "not listed"));
    Sys.GetDiskFreeSpaceA = LittleSpace;
    EngineRun run = Run(targetDir_);
    EXPECT_FALSE(run.result);
    EXPECT_EQ(std::vector<std::string>{"[Our Apologies] Thundra requires 260 MB of disk space\r\nThis disk has 100 MB free"},
              Texts());
    EXPECT_EQ("(no key)", StoredDataDirectory());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((std::string(Target) + "a.dat").c_str())) << "old copy kept";
    EXPECT_EQ("not listed", ReadTextFile(std::string(Target) + "keep.txt"));
}

TEST_F(FileEngineTest, CheckDiskSpaceNeedsADriveRoot)
{
    Sys.GetDiskFreeSpaceA = RealSystemCalls.GetDiskFreeSpaceA;
    EXPECT_FALSE(CheckDiskSpace(1, "\\\\server\\share\\games\\"));
    EXPECT_EQ(std::vector<std::string>{"[Our Apologies] This is not a valid hard drive"}, Texts());
    Sys.GetDiskFreeSpaceA = LittleSpace;
    ShownBoxes.clear();
    EXPECT_TRUE(CheckDiskSpace(100ull << 20, "C:\\x"));
    EXPECT_FALSE(CheckDiskSpace((101ull << 20), "C:\\x"));
    EXPECT_EQ(std::vector<std::string>{"[Our Apologies] Thundra requires 101 MB of disk space\r\nThis disk has 100 MB free"},
              Texts());
}

TEST_F(FileEngineTest, AMissingSourceRollsEverythingBack)
{
    ASSERT_TRUE(DeleteFileA("Run\\b.dat"));
    auto before = Tree();
    BoxAnswers = {IDYES};
    EngineRun run = Run(targetDir_);
    EXPECT_FALSE(run.result);
    EXPECT_EQ((std::vector<std::string>{createQuestion_, "[Our Apologies] Can't open source file",
                                        "[Error] Error installing file b.dat"}),
              Texts());
    EXPECT_EQ(0x30u, ShownBoxes.back().style);
    EXPECT_EQ(before, Tree()) << "the rollback left something";
    EXPECT_EQ("(no key)", StoredDataDirectory());
    EXPECT_EQ("Installing files...", run.titleAfter);
}

TEST_F(FileEngineTest, ABadChecksumRollsEverythingBack)
{
    ASSERT_TRUE(WriteTextFile("Run\\b.dat", "not what the list says"));
    auto before = Tree();
    BoxAnswers = {IDYES};
    EngineRun run = Run(targetDir_);
    EXPECT_FALSE(run.result);
    ASSERT_EQ(3u, ShownBoxes.size()) << DescribeShown();
    char expected[64];
    snprintf(expected, sizeof expected, "Bad checksum (%x != %x)", ChecksumOf("not what the list says"),
             ChecksumOf(files_[1].second));
    EXPECT_EQ(expected, ShownBoxes[1].text);
    EXPECT_EQ("Error installing file b.dat", ShownBoxes[2].text);
    EXPECT_EQ(before, Tree());
}

TEST_F(FileEngineTest, CancelDuringACopyRollsBackWithoutAsking)
{
    auto before = Tree();
    BoxAnswers = {IDYES};
    CancelOnRead = 1;   // the first chunk of b.dat, the first file with chunks
    EngineRun run = Run(targetDir_);
    EXPECT_FALSE(run.result);
    EXPECT_EQ(2, run.dialogResult);
    EXPECT_EQ(std::vector<std::string>{createQuestion_}, Texts());
    EXPECT_EQ(before, Tree());
    EXPECT_EQ("(no key)", StoredDataDirectory());
    EXPECT_TRUE(CancelRequested);
}

TEST_F(FileEngineTest, CancelBetweenFilesAsks)
{
    // The empty file completes without the copy pumping, so the engine's own
    // pump sees the Cancel after it.
    files_ = {{"empty.dat", ""}, {"a.dat", "alpha"}, {"b.dat", Pattern(300000, 1)}};
    WriteList(files_);
    auto before = Tree();
    CancelWhenOpening = "Run\\empty.dat";
    BoxAnswers = {IDYES, IDYES};
    EngineRun run = Run(targetDir_);
    EXPECT_FALSE(run.result);
    EXPECT_EQ((std::vector<std::string>{createQuestion_, "[Install] Abort installation?"}), Texts());
    EXPECT_EQ(4u, ShownBoxes.back().style);
    EXPECT_EQ(before, Tree());
    EXPECT_EQ("(no key)", StoredDataDirectory());

    // No goes on; the Total bar stays one step short for that file.
    ShownBoxes.clear();
    CancelRequested = false;
    BoxAnswers = {IDYES, IDNO};
    run = Run(targetDir_);
    EXPECT_TRUE(run.result);
    EXPECT_EQ((std::vector<std::string>{createQuestion_, "[Install] Abort installation?", "[Thun] Files copied successfully"}),
              Texts());
    EXPECT_EQ(20, run.totalPosition);
    EXPECT_EQ(30, run.totalMaximum);
    EXPECT_FALSE(CancelRequested);
}

TEST_F(FileEngineTest, ARealFullDiskRollsBackSilently)
{
    // Drive S: is a small tmpfs of the Wine session.
    if (GetFileAttributesA("S:\\") == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "the Wine session has no small drive S:";
    files_ = {{"a.dat", "alpha"}, {"big.dat", Pattern(12 << 20, 2)}};
    for (const auto& file : files_)
        ASSERT_TRUE(WriteTextFile(std::string(Disc) + "\\Run\\" + file.first, file.second));
    WriteList(files_);
    BoxAnswers = {IDYES};
    EngineRun run = Run("S:\\Games");
    EXPECT_FALSE(run.result);
    EXPECT_EQ(std::vector<std::string>{"[Create directory] The directory\r\nS:\\Games\\Data\\\r\ndoes not exist.\r\nCreate it?"},
              Texts());
    EXPECT_FALSE(IsDirectory("S:\\Games")) << "the rollback left the directory";
    EXPECT_EQ("(no key)", StoredDataDirectory());
}

TEST_F(FileEngineTest, RegistryFailures)
{
    struct Case {
        const char* message;
        bool createFails;
    };
    const Case cases[] = {{"[Our Apologies] Can't create registry key", true},
                          {"[Our Apologies] Can't set registry value", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ShownBoxes.clear();
        Sys.RegCreateKeyExA = c.createFails ? FailCreateKey : RealSystemCalls.RegCreateKeyExA;
        Sys.RegSetValueExA = c.createFails ? RealSystemCalls.RegSetValueExA : FailSetValue;
        EngineRun run = Run(targetDir_);
        EXPECT_FALSE(run.result);
        EXPECT_EQ(std::vector<std::string>{c.message}, Texts());
        char stored[PathSize];
        GetDataDir(stored);
        EXPECT_STREQ(stored, InstallPath) << "the path was not reset";
        EXPECT_FALSE(IsDirectory(Target));
    }
}

TEST_F(FileEngineTest, CancelledInstallPathDoesNothing)
{
    auto before = Tree();
    EngineRun run = Run("");
    EXPECT_FALSE(run.result);
    EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
    EXPECT_EQ(before, Tree());
    EXPECT_EQ("(no key)", StoredDataDirectory());
}

} // namespace
