// The autorun menu of the real Launcher: Exit and Escape end it, Enter is
// Play, Notes opens the readme each time and leaves the menu open.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "e2e.h"

namespace {


class Menu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(disc_.ok());
        ASSERT_TRUE(AddLaunchFiles(disc_));
    }
    // The menu is known by its caption: its picture's text reads as anything.
    RobotRun Show(const std::string& steps, const std::string& arguments = "")
    {
        return RunLauncher(disc_.Launcher(), arguments, NeutralDirectory,
                           {{"Thundra", VersionWarning, "Yes"}, {"Thundra", "", steps}});
    }
    DiscFolder disc_{"menu"};
    ScopedTempFolder temp_{"C:\\thundra-e2e\\menu-temp"};
};

TEST_F(Menu, ExitAndEscapeLaunchNothing)
{
    for (const char* steps : {"Exit", "!Escape"}) {
        SCOPED_TRACE(steps);
        RobotRun run = Show(steps, "-exit 0");
        EXPECT_EQ(0u, run.exitCode);
        ASSERT_EQ(1u, run.boxes.size()) << DescribeBoxes(run.boxes);
        EXPECT_EQ((std::vector<std::string>{"Play", "Setup", "Notes", "Exit", "Thundra Website"}), run.boxes[0].buttons);
        EXPECT_EQ("", ReadTextFile(temp_.Path() + "thun.log")) << "a game was started";
    }
}

TEST_F(Menu, EnterIsPlay)
{
    RobotRun run = Show("!Enter", "-exit 0");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(2u, run.boxes.size()) << DescribeBoxes(run.boxes);   // the menu, then the launch's version warning
    std::string log = ReadTextFile(temp_.Path() + "thun.log");
    EXPECT_NE(std::string::npos, log.find("exit: 0")) << log;
}

TEST_F(Menu, NotesOpensTheReadmeEachTimeAndTheMenuStays)
{
    RobotRun run = Show("Notes|Notes|~500|Exit");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(1u, run.boxes.size()) << DescribeBoxes(run.boxes);
    std::string started;
    for (int i = 0; i < 100 && std::count(started.begin(), started.end(), '\n') < 2; ++i, Sleep(50))
        started = ReadTextFile(disc_.Path() + "\\notepad-calls.txt");
    EXPECT_EQ("notepad.exe run\\readme.txt\nnotepad.exe run\\readme.txt\n", started);
}

} // namespace

namespace {

// The pixels of a screen or bitmap region, 0x00RRGGBB each.
std::vector<DWORD> Pixels(HDC source, int x, int y, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP section = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
    SelectObject(memory, old);
    DeleteObject(section);
    DeleteDC(memory);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

TEST_F(Menu, TheLinkShowsThePictureUnderItAndItsTextAfterARepaint)
{
    RobotRun run;
    std::thread launcher([&] { run = Show("~5000|Exit"); });
    HWND menu = nullptr;
    for (int i = 0; i < 500 && menu == nullptr; ++i, Sleep(10)) {
        HWND found = FindWindowA("#32770", "Thundra");
        if (found != nullptr && IsWindowVisible(found) && GetDlgItem(found, 105) != nullptr)
            menu = found;
    }
    ASSERT_NE(nullptr, menu);
    RECT link, picture;
    GetWindowRect(GetDlgItem(menu, 105), &link);
    GetWindowRect(GetDlgItem(menu, 300), &picture);

    // Another window covers the link, then goes: the link repaints.
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_BLACKRECT, link.left - 5,
                                 link.top - 5, link.right - link.left + 10, link.bottom - link.top + 10, nullptr,
                                 nullptr, nullptr, nullptr);
    UpdateWindow(cover);
    Sleep(300);
    DestroyWindow(cover);
    Sleep(500);

    int width = link.right - link.left, height = link.bottom - link.top;
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> shown = Pixels(screen, link.left, link.top, width, height);
    ReleaseDC(nullptr, screen);

    HMODULE launcherFile = LoadLibraryExA(disc_.Launcher().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, launcherFile);
    HBITMAP art = static_cast<HBITMAP>(LoadImageA(launcherFile, MAKEINTRESOURCEA(300), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(nullptr, art);
    HDC artDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(artDc, art);
    std::vector<DWORD> under = Pixels(artDc, link.left - picture.left, link.top - picture.top, width, height);
    SelectObject(artDc, old);
    DeleteDC(artDc);
    DeleteObject(art);
    FreeLibrary(launcherFile);
    launcher.join();

    // Every pixel is the picture's, or the white text blended over it (the
    // letters' smoothed edges are lighter than the picture in every channel).
    auto lighterOrSame = [](DWORD over, DWORD picture) {
        for (int shift = 0; shift < 24; shift += 8) {
            if (((over >> shift) & 0xFF) < ((picture >> shift) & 0xFF))
                return false;
        }
        return true;
    };
    int white = 0, exact = 0, explained = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        white += shown[i] == 0xFFFFFF;
        exact += shown[i] == under[i];
        explained += lighterOrSame(shown[i], under[i]);
    }
    int all = static_cast<int>(shown.size());
    EXPECT_GT(white, width) << "no white text drawn";   // the letters and their underline
    EXPECT_GE(exact * 2, all) << exact << " of " << all << " pixels are exactly the picture's";
    EXPECT_EQ(all, explained) << "pixels that are neither the picture nor text over it";
    EXPECT_EQ(0u, run.exitCode);
}

} // namespace

namespace {

// Wine opens web addresses with the command registered for "http"; the test
// puts a recording browser there for its time.
class BrowserDouble {
public:
    explicit BrowserDouble(const std::string& exe)
    {
        RegOpenKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, KEY_READ | KEY_WRITE, &key_);
        char value[1024] = "";
        DWORD size = sizeof value;
        if (key_ != nullptr && RegQueryValueExA(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                                   ERROR_SUCCESS)
            saved_ = value;
        std::string command = "\"" + exe + "\" \"%1\"";
        if (key_ != nullptr)
            RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                           static_cast<DWORD>(command.size() + 1));
    }
    ~BrowserDouble()
    {
        if (key_ == nullptr)
            return;
        RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_.c_str()),
                       static_cast<DWORD>(saved_.size() + 1));
        RegCloseKey(key_);
    }
    bool ok() const { return key_ != nullptr && !saved_.empty(); }

private:
    HKEY key_ = nullptr;
    std::string saved_;
};

TEST_F(Menu, TheLinkOpensTheWebSiteEachTimeAndTheMenuStays)
{
    const std::string browserFolder = disc_.Path() + "\\browser";
    CreateDirectoryA(browserFolder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\notepad.exe").c_str(), (browserFolder + "\\browser.exe").c_str(), FALSE));
    BrowserDouble browser(browserFolder + "\\browser.exe");
    ASSERT_TRUE(browser.ok()) << "no command registered for http";
    RobotRun run = Show("Thundra Website|Thundra Website|~1000|Exit");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(1u, run.boxes.size()) << DescribeBoxes(run.boxes);
    std::string opened;
    for (int i = 0; i < 100 && std::count(opened.begin(), opened.end(), '\n') < 2; ++i, Sleep(50))
        opened = ReadTextFile(browserFolder + "\\notepad-calls.txt");
    EXPECT_EQ(2, std::count(opened.begin(), opened.end(), '\n')) << opened;
    EXPECT_NE(std::string::npos, opened.find("http://www.thundra.example/")) << opened;
}

} // namespace
