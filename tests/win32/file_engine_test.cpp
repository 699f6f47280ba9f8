// The file engine in its progress dialog as Setup runs it, its files
// watched through the platform table; a second thread answers the install
// path dialog. A disc that can't be read and a full disk are met end to end.
#include "setup/file_engine.h"

#include <commctrl.h>
#include <sddl.h>

#include <algorithm>
#include <tuple>

#include "base/product.h"
#include "platform_fixture.h"
#include "resources/resource_ids.h"
#include "setup/directories.h"
#include "setup/setup_state.h"

namespace {

constexpr char Target[] = "C:\\thundra-engine\\games\\Data\\";   // on drive C:, whose free space the test sets
const std::string CreateIt =
    "[Create directory] The directory\r\nC:\\thundra-engine\\games\\Data\\\r\ndoes not exist.\r\nCreate it?";
const std::vector<std::pair<std::string, std::string>> Files = {{"empty.dat", ""}, {"common.res", "marker"},
    {"a.dat", "alpha"}, {"b.dat", std::string(300000, 'b') + "two chunks"}};

// Opening CancelAt presses Cancel. Written: the files opened for writing, in turn.
std::string CancelAt;
std::vector<std::string> Written;
HWND Progress;
// The open of the data folder's files (counted from 1) before which a standard user swaps the folder for a link.
int SwapAt, Opened;
constexpr char Victims[] = "C:\\thundra-engine\\victims";
// The folders made, each with the rights it was given.
std::vector<std::string> Made;

HANDLE WINAPI Open(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
    DWORD flags, HANDLE templ)
{
    if (strstr(name, "\\Data\\") != nullptr && ++Opened == SwapAt) {
        EXPECT_TRUE(MoveFileA("C:\\thundra-engine\\games\\Data", "C:\\thundra-engine\\games\\Held") &&
            PlantLink("C:\\thundra-engine\\games\\Data", Victims));
    }
    HANDLE file = CreateFileA(name, access, share, security, disposition, flags, templ);
    if (access & GENERIC_WRITE)
        Written.push_back(strrchr(name, '\\') + 1);
    if (name == CancelAt)
        PostMessageA(Progress, WM_COMMAND, IDCANCEL, 0);
    return file;
}

BOOL WINAPI MakeFolder(LPCSTR path, LPSECURITY_ATTRIBUTES security)
{
    char* rights = nullptr;
    BOOL made = CreateDirectoryA(path, security);
    if (made)
        Made.push_back(std::string(path) + " " +
            (security != nullptr &&
                        ConvertSecurityDescriptorToStringSecurityDescriptorA(security->lpSecurityDescriptor,
                            SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &rights, nullptr)
                    ? rights
                    : "(inherited)"));
    LocalFree(rights);
    return made;
}


class FileEngine : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        SetupInstance = GetModuleHandleA(nullptr);
        Sys.CreateFileA = Open;
        Sys.CreateDirectoryA = MakeFolder;
        EnterScratchFolder("thundra-engine");
        Prepare();
    }
    // The disc's files and list as they should be, no fault, 260 MB free.
    void Prepare()
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Orvane");
        ASSERT_EQ(Files.size(), WriteDiscFiles(scratch_, Files, false).size());
        CancelAt = "";
        Written.clear();
        Made.clear();
        SwapAt = Opened = 0;
        FreeBytes = 272629760;   // 260 MB exactly
        CancelRequested = false;
    }
    // The engine with these answers to its boxes; the user types C:\thundra-engine\games.
    bool Run(std::deque<int> answers)
    {
        BoxAnswers = answers;
        ShownBoxes.clear();
        std::thread user([] {
            SetDlgItemTextA(WaitForDialog("Install"), IDC_INSTALL_PATH, "C:\\thundra-engine\\games");
            PostMessageA(WaitForDialog("Install"), WM_COMMAND, IDOK, 0);
        });
        GetDataDir(InstallPath);
        Progress = CreateDialogParamA(SetupInstance, MAKEINTRESOURCEA(IDD_PROGRESS), nullptr, ProgressDialogProc, 0);
        bool installed = RunFileEngine(Progress, InstallPath, false);
        user.join();
        DestroyWindow(Progress);
        return installed;
    }
};

// A failure at any file takes back every file, directory and the key.
TEST_F(FileEngine, AFailureAtAnyFileRollsEverythingBack)
{
    for (const auto& file : Files) {
        for (bool missing : {false, true}) {
            SCOPED_TRACE(file.first + (missing ? " missing" : " changed"));
            Prepare();
            const std::string source = "Run\\" + file.first;
            ASSERT_TRUE(missing ? DeleteFileA(source.c_str()) : WriteTextFile(source, file.second + "!"));
            const std::vector<std::string> before = ListTree(scratch_);
            EXPECT_FALSE(Run({IDYES}));
            const std::string named = missing
                ? "Can't open source file"
                : "Bad checksum (" + ChecksumOf(file.second + "!") + " != " + ChecksumOf(file.second) + ")";
            EXPECT_EQ((std::vector<std::string> {
                          CreateIt, "[Our Apologies] " + named, "[Error] Error installing file " + file.first}),
                ShownBoxes);
            EXPECT_EQ("", ListDifference(before, ListTree(scratch_)));
            EXPECT_EQ("(none)", RegistryText(ProductKey, DataDirectoryValue));
        }
    }
}

// The titles the progress dialog took and its Total bar's last position; the
// clock stands but for a chunk of a whole 256 KB (b.dat's first), which
// takes 100 ms.
std::vector<std::string> Titles;
WPARAM Total;
LRESULT CALLBACK RecordDrawing(int code, WPARAM wParam, LPARAM lParam)
{
    auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (sent->hwnd == Progress && sent->message == WM_SETTEXT)
        Titles.push_back(reinterpret_cast<const char*>(sent->lParam));
    if (sent->message == PBM_SETPOS && GetDlgCtrlID(sent->hwnd) == IDC_TOTAL_BAR)
        Total = sent->wParam;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
DWORD Now;
DWORD WINAPI Clock() { return Now; }
BOOL WINAPI ReadSlowly(HANDLE file, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped)
{
    BOOL read = ReadFile(file, buffer, size, done, overlapped);
    Now += *done == 262144 ? 100 : 0;
    return read;
}

// common.res, by which Setup judges an installation, is written last and
// under another name until it is whole and verified; 260 MB free are
// enough, a byte less is not.
TEST_F(FileEngine, SpaceCommonResLastAndCancelBetweenFilesAsksAndNoGoesOnWithinAFileStops)
{
    CancelAt = "Run\\empty.dat";   // an empty file: the first pump is the engine's own
    EXPECT_TRUE(Run({IDYES, IDNO}));
    EXPECT_EQ(
        (std::vector<std::string> {CreateIt, "[Install] Abort installation?", "[Thun] Files copied successfully"}),
        ShownBoxes);
    EXPECT_EQ((std::vector<std::string> {"empty.dat", "a.dat", "b.dat", "common.res.part"}), Written);
    for (const auto& file : Files)
        EXPECT_TRUE(file.second == ReadTextFile(Target + file.first)) << file.first;
    EXPECT_EQ(Target, RegistryText(ProductKey, DataDirectoryValue));
    // Folders it makes are the machine's, as Program Files is: nobody without the rights plants a link in them.
    const std::string machines = " D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";
    EXPECT_EQ((std::vector<std::string> {
                  "C:\\thundra-engine\\games" + machines, "C:\\thundra-engine\\games\\Data" + machines}),
        Made);
    CancelAt = "Run\\b.dat";
    Sys.ReadFile = ReadSlowly;
    Sys.GetTickCount = Clock;
    EXPECT_FALSE(Run({}));   // within a file, once the clock ticked: no question, all taken back
    EXPECT_EQ(std::vector<std::string> {}, ShownBoxes);   // the directory was there
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\thundra-engine\\games"));
    CancelAt = "";
    FreeBytes = 272629760 - 1;
    EXPECT_FALSE(Run({IDYES}));
    EXPECT_EQ((std::vector<std::string> {
                  CreateIt, "[Our Apologies] Thundra requires 260 MB of disk space\r\nThis disk has 259 MB free"}),
        ShownBoxes);
}

// Drawn only when an eye can see it, but what is drawn is true: the file
// being copied named in the title, and at the end both bars full and the
// title as it was.
TEST_F(FileEngine, TheDialogNamesTheFileItShowsAndEndsFull)
{
    Sys.ReadFile = ReadSlowly;
    Sys.GetTickCount = Clock;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordDrawing, nullptr, GetCurrentThreadId());
    EXPECT_TRUE(Run({IDYES}));
    UnhookWindowsHookEx(hook);
    EXPECT_NE(Titles.end(), std::find(Titles.begin(), Titles.end(), "Installing files... - b.dat"));
    EXPECT_EQ("Installing files...", Titles.back());
    EXPECT_EQ(Files.size() * 10, Total);
}

// A disc file whose every read fails, as a scratched disc's does: the only one of more than a chunk.
BOOL WINAPI ReadBadly(HANDLE file, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped)
{
    if (GetFileSize(file, nullptr) > 262144)
        return SetLastError(ERROR_CRC), FALSE;
    return ReadFile(file, buffer, size, done, overlapped);
}

// What a standard user may change before Setup or the removal runs (the data folder made a link; the installed
// list lost, naming a file outside the folder or through a link), a file the game holds, a scratched disc: each is
// said, and nothing is written there, left or removed.
TEST_F(FileEngine, WhatCantBeTrustedIsSaidAndNothingChanges)
{
    const std::string data = "C:\\thundra-engine\\games\\Data", victim = std::string(Victims) + "\\common.res";
    const std::string through = "\r\nleads to another place (a link or junction). "
                                "For the safety of this computer, Thundra does not act through it.";
    // remove: the removal of a whole install, given its list (none: lost); link: a link to the victims' folder
    // planted there; held: the file the game holds
    const struct {
        const char* what;
        bool remove, scratched;
        std::string list, link, held;
        std::vector<std::string> boxes;
    } rows[] = {
        {"the data folder a link", false, false, "", data, "", {"[Our Apologies] " + data + through}},
        {"the disc unreadable", false, true, "", "", "",
            {CreateIt,
                "[Our Apologies] Can't read Run\\b.dat\r\nThe disc could not be read. Please clean it and try again.",
                "[Error] Error installing file b.dat"}},
        {"the list lost", true, false, "", "", "",
            {"[Uninstall] Can't find checksum.lst in\r\n" + data +
                "\r\nNothing was removed: the game's files are still in that folder."}},
        {"a name outside", true, false, "a.dat 0\n..\\race.bin 0\n", "", "",
            {"[Our Apologies] Line 2 of checksum.lst names a file outside the game's folder."}},
        {"a name through a link", true, false, "a.dat 0\nx\\common.res 0\n", data + "\\x", "",
            {"[Our Apologies] " + data + "\\x" + through}},
        {"a file in use", true, false, "a.dat 0\ncommon.res 0\n", "", "common.res",
            {"[Our Apologies] Can't remove " + data +
                "\\common.res\r\nThe game may still be running. Close it and try again."}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Prepare();
        Sys.ReadFile = RealSystemCalls.ReadFile;
        ASSERT_TRUE(CreateDirectoryA(Victims, nullptr) && WriteTextFile(victim, "theirs"));
        ASSERT_TRUE(!row.remove || Run({IDYES}));
        ASSERT_TRUE(row.list.empty() || WriteTextFile(data + "\\checksum.lst", row.list));
        if (!row.link.empty()) {
            SHCreateDirectoryExA(nullptr, "C:\\thundra-engine\\games", nullptr);
            ASSERT_TRUE(PlantLink(row.link, Victims));
        }
        HANDLE held = row.held.empty() ? nullptr
                                       : CreateFileA((data + "\\" + row.held).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                             nullptr, OPEN_EXISTING, 0, nullptr);
        if (row.scratched)
            Sys.ReadFile = ReadBadly;
        const std::vector<std::string> before = ListTree(scratch_);
        ShownBoxes.clear();
        // The uninstall's: no disc, and the list only in the data folder.
        SetCurrentDirectoryA(row.remove ? "C:\\" : scratch_.c_str());
        EXPECT_FALSE(row.remove ? RunFileEngine(nullptr, InstallPath, true) : Run({IDYES}));
        SetCurrentDirectoryA(scratch_.c_str());
        CloseHandle(held);
        EXPECT_EQ(row.boxes, ShownBoxes);
        EXPECT_EQ("", ListDifference(before, ListTree(scratch_)));
        EXPECT_EQ("theirs", ReadTextFile(victim));
        EXPECT_EQ(row.remove ? Target : "(none)", RegistryText(ProductKey, DataDirectoryValue));
        ASSERT_TRUE(row.link.empty() || RemoveLink(row.link));
        RemoveTree("C:\\thundra-engine\\games");
        RemoveTree(Victims);
    }
}

} // namespace

namespace {

// A standard user who may change the data folder swaps it for a link to
// another program's folder just before Setup or the removal acts on a file:
// the act finds the file elsewhere, refuses, and leaves that folder as it was.
TEST_F(FileEngine, AFolderSwappedForALinkJustBeforeTheActIsNeverActedThrough)
{
    const std::string refused = "[Our Apologies] C:\\thundra-engine\\games\\Data\\",
                      through = "\r\nleads to another place (a link or junction). "
                                "For the safety of this computer, Thundra does not act through it.";
    // The swap comes at the sixth open of both: after the install's five deletions of old copies, or the removal's
    // five checks.
    for (bool remove : {false, true}) {
        SCOPED_TRACE(remove ? "deleting the first file" : "writing the first file");
        Prepare();
        ASSERT_TRUE((!remove || Run({IDYES})) && CreateDirectoryA(Victims, nullptr) &&
            WriteTextFile(std::string(Victims) + "\\common.res", "theirs"))
            << testing::PrintToString(ShownBoxes);
        std::tie(Opened, SwapAt) = std::make_tuple(0, 6);
        ShownBoxes.clear();
        EXPECT_FALSE(remove ? RunFileEngine(nullptr, InstallPath, true) : Run({IDYES}));
        const std::vector<std::string> removal = {refused + "common.res" + through},
                                       install = {CreateIt, refused + "empty.dat" + through,
                                           "[Error] Error installing file empty.dat"};
        EXPECT_EQ(remove ? removal : install, ShownBoxes);
        const std::vector<std::string> left = ListTree(Victims);   // common.res only, and as it was
        EXPECT_EQ(std::string(Victims) + "\\common.res|theirs",
            (left.empty() ? "nothing" : left.back()) + "|" + ReadTextFile(Victims + std::string("\\common.res")));
        ASSERT_TRUE(RemoveLink("C:\\thundra-engine\\games\\Data"));
        RemoveTree("C:\\thundra-engine\\games");
        RemoveTree(Victims);
    }
}

} // namespace
