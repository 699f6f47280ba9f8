#include "setup/verified_copy.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform_fixture.h"
#include "setup/setup_state.h"
#include "test_files.h"

namespace {

// A window with a File bar (402) whose positions are recorded.
std::vector<int> FileBarPositions;
WNDPROC ProgressBarProc;

LRESULT CALLBACK RecordPositions(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PBM_SETPOS)
        FileBarPositions.push_back(static_cast<int>(wParam));
    return CallWindowProcA(ProgressBarProc, bar, message, wParam, lParam);
}

constexpr UINT CancelNow = WM_APP + 1;

LRESULT CALLBACK ProgressWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CancelNow) {
        CancelRequested = true;   // as the progress dialog's Cancel does
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Fault injection: the n-th read or write of the copy fails (0: none); a
// read may post a cancel instead, to be seen by the pump after its chunk.
int ReadCalls, WriteCalls, FailingRead, FailingWrite, CancellingRead;
HWND ProgressWindow;

BOOL WINAPI CountingReadFile(HANDLE file, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped)
{
    ++ReadCalls;
    if (ReadCalls == CancellingRead)
        PostMessageA(ProgressWindow, CancelNow, 0, 0);
    if (ReadCalls == FailingRead) {
        *done = 0;
        SetLastError(ERROR_READ_FAULT);
        return FALSE;
    }
    return ReadFile(file, buffer, size, done, overlapped);
}

BOOL WINAPI CountingWriteFile(HANDLE file, LPCVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped)
{
    ++WriteCalls;
    if (WriteCalls == FailingWrite) {
        *done = size / 2;   // a short write, as on a full disk
        return TRUE;
    }
    return WriteFile(file, buffer, size, done, overlapped);
}

class VerifiedCopyTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        InitCommonControls();
        EnterScratchFolder("thundra-copy-tests");
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ProgressWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ThundraCopyTest";
        RegisterClassA(&windowClass);
        ProgressWindow = CreateWindowA("ThundraCopyTest", "progress", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr,
                                       nullptr, windowClass.hInstance, nullptr);
        HWND bar = CreateWindowA(PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 16, ProgressWindow,
                                 reinterpret_cast<HMENU>(402), windowClass.hInstance, nullptr);
        ProgressBarProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordPositions)));
        FileBarPositions.clear();
        ReadCalls = WriteCalls = FailingRead = FailingWrite = CancellingRead = 0;
        Sys.ReadFile = CountingReadFile;
        Sys.WriteFile = CountingWriteFile;
        CancelRequested = false;
    }
    void TearDown() override
    {
        DestroyWindow(ProgressWindow);
        PlatformTest::TearDown();
    }

    static bool Exists(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }
};

std::string Bytes(size_t size)
{
    std::string data(size, '\0');
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return data;
}

TEST_F(VerifiedCopyTest, ChunksAndTheFileBar)
{
    struct Case {
        size_t size;
        std::vector<int> positions;
        int reads;
    };
    const Case cases[] = {
        {0, {0}, 0},
        {1, {0, 100}, 1},
        {262144, {0, 100}, 1},
        {262145, {0, 99, 100}, 2},
        {1048576, {0, 25, 50, 75, 100}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        std::string data = Bytes(c.size);
        ASSERT_TRUE(WriteTextFile("source.dat", data));
        FileBarPositions.clear();
        ReadCalls = 0;
        EXPECT_TRUE(CopyVerifiedFile("source.dat", "copy.dat", 0, ProgressWindow));
        EXPECT_TRUE(data == ReadTextFile(ScratchFolder() + "\\copy.dat")) << "the copy differs";
        EXPECT_EQ(c.positions, FileBarPositions);
        EXPECT_EQ(c.reads, ReadCalls);
    }
    EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
}

TEST_F(VerifiedCopyTest, TheChecksumDecides)
{
    struct Case {
        const char* contents;
        uint32_t expected;
        const char* message;   // nullptr: copied
    };
    const Case cases[] = {
        {"", 0, nullptr},
        {"", 0x0A3B4C15, nullptr},
        {"", 5, "Bad checksum (a3b4c15 != 5)"},
        {"abc", 0x62AAA049, nullptr},
        {"abc", 0, nullptr},
        {"abc", 1, "Bad checksum (62aaa049 != 1)"},
        {"a", 0x85E8A0C4, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.contents) + " / " + std::to_string(c.expected));
        ShownBoxes.clear();
        ASSERT_TRUE(WriteTextFile("source.dat", c.contents));
        bool copied = CopyVerifiedFile("source.dat", "copy.dat", c.expected, ProgressWindow);
        EXPECT_EQ(c.message == nullptr, copied);
        // A bad copy stays on the disk for the engine's rollback.
        EXPECT_EQ(c.contents, ReadTextFile(ScratchFolder() + "\\copy.dat"));
        if (c.message == nullptr) {
            EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
            continue;
        }
        ASSERT_EQ(1u, ShownBoxes.size());
        EXPECT_EQ(c.message, ShownBoxes[0].text);
        EXPECT_EQ("Our Apologies", ShownBoxes[0].caption);
    }
    EXPECT_FALSE(CancelRequested);
}

TEST_F(VerifiedCopyTest, WhatCanNotBeOpened)
{
    ASSERT_TRUE(WriteTextFile("copy.dat", "left alone"));
    EXPECT_FALSE(CopyVerifiedFile("missing.dat", "copy.dat", 0, ProgressWindow));
    ASSERT_EQ(1u, ShownBoxes.size());
    EXPECT_EQ("Can't open source file", ShownBoxes[0].text);
    EXPECT_EQ("left alone", ReadTextFile(ScratchFolder() + "\\copy.dat"));

    ShownBoxes.clear();
    ASSERT_TRUE(WriteTextFile("source.dat", "abc"));
    EXPECT_FALSE(CopyVerifiedFile("source.dat", "no such folder\\copy.dat", 0, ProgressWindow));
    ASSERT_EQ(1u, ShownBoxes.size());
    EXPECT_EQ("Can't create file\r\nDisk may be full", ShownBoxes[0].text);

    // A folder where the copy should go.
    ShownBoxes.clear();
    ASSERT_TRUE(CreateDirectoryA("folder.dat", nullptr));
    EXPECT_FALSE(CopyVerifiedFile("source.dat", "folder.dat", 0, ProgressWindow));
    ASSERT_EQ(1u, ShownBoxes.size());
    EXPECT_EQ("Can't create file\r\nDisk may be full", ShownBoxes[0].text);
    EXPECT_FALSE(CancelRequested);
    // The source was closed on every path: it can be deleted.
    EXPECT_TRUE(DeleteFileA("source.dat"));
}

TEST_F(VerifiedCopyTest, ReadAndWriteFailuresStopSilently)
{
    struct Case {
        const char* what;
        int failingRead, failingWrite, cancellingRead;
    };
    const Case cases[] = {
        {"read error in the second chunk", 2, 0, 0},
        {"write error in the third chunk", 0, 3, 0},
        {"cancel during the last chunk", 0, 0, 4},
        {"cancel during the first chunk", 0, 0, 1},
    };
    ASSERT_TRUE(WriteTextFile("source.dat", Bytes(4 * 262144)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CancelRequested = false;
        ReadCalls = WriteCalls = 0;
        FailingRead = c.failingRead;
        FailingWrite = c.failingWrite;
        CancellingRead = c.cancellingRead;
        EXPECT_FALSE(CopyVerifiedFile("source.dat", "copy.dat", 0, ProgressWindow));
        EXPECT_TRUE(CancelRequested);
        EXPECT_FALSE(Exists("copy.dat")) << "the broken copy was left";
        EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
    }
    EXPECT_TRUE(DeleteFileA("source.dat")) << "the source was left open";
}

// A source of 2 GB or more: the size, the chunks and the File bar stay
// right where a signed 32-bit size would go negative.
LONGLONG ReportedSize;
BOOL WINAPI LargeFileSize(HANDLE, PLARGE_INTEGER size)
{
    size->QuadPart = ReportedSize;
    return TRUE;
}
BOOL WINAPI EndlessZeros(HANDLE, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED)
{
    ++ReadCalls;
    memset(buffer, 0, size);
    *done = size;
    return TRUE;
}
BOOL WINAPI Discard(HANDLE, LPCVOID, DWORD size, LPDWORD done, LPOVERLAPPED)
{
    *done = size;
    return TRUE;
}

TEST_F(VerifiedCopyTest, SourcesOfTwoGigabytesAndMore)
{
    ASSERT_TRUE(WriteTextFile("source.dat", "stands for a large file"));
    Sys.GetFileSizeEx = LargeFileSize;
    Sys.ReadFile = EndlessZeros;
    Sys.WriteFile = Discard;
    ReportedSize = 0x80000000LL + 262144 + 1;
    EXPECT_TRUE(CopyVerifiedFile("source.dat", "copy.dat", 0, ProgressWindow));
    EXPECT_EQ(8192 + 2, ReadCalls);
    ASSERT_GE(FileBarPositions.size(), 3u);
    EXPECT_EQ(0, FileBarPositions[1]);   // 262,144 of 2 GB: under one percent
    EXPECT_EQ(99, FileBarPositions[FileBarPositions.size() - 2]);
    EXPECT_EQ(100, FileBarPositions.back());
    EXPECT_TRUE(ShownBoxes.empty()) << DescribeShown();
}

} // namespace
