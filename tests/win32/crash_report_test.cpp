#include "crashreport/crash_report.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "crashreport/log_path.h"
#include "launcher/messages.h"
#include "platform_fixture.h"
#include "test_files.h"

namespace {

const char* ReportedTempPath;

DWORD WINAPI FakeGetTempPathA(DWORD size, LPSTR buffer)
{
    DWORD length = static_cast<DWORD>(strlen(ReportedTempPath));
    if (length + 1 > size)
        return length + 1;
    memcpy(buffer, ReportedTempPath, length + 1);
    return length;
}

const char* LibraryInstead;

HMODULE WINAPI LoadAnotherLibrary(LPCSTR)
{
    return LibraryInstead ? LoadLibraryA((TestProgramFolder() + "\\" + LibraryInstead).c_str()) : nullptr;
}

constexpr char Question[] = "Ostro would love to get information about this crash.  Would it be ok to mail the "
                            "logfile to thundra-bugs@ostro.example?";
constexpr char Failure[] = "Couldn't send mail to thundra-bugs@ostro.example.  Oh well.";

class CrashReportTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        ReportedTempPath = "C:\\users\\player\\Temp\\";
        Sys.GetTempPathA = FakeGetTempPathA;
        DeleteFileA(Record().c_str());
        Control("result 0\n");
    }
    void TearDown() override
    {
        DeleteFileA(Record().c_str());
        DeleteFileA((TestProgramFolder() + "\\mapi-control.txt").c_str());
        PlatformTest::TearDown();
    }
    static std::string Record() { return TestProgramFolder() + "\\mapi-calls.txt"; }
    static void Control(const std::string& text)
    {
        ASSERT_TRUE(WriteTextFile(TestProgramFolder() + "\\mapi-control.txt", text));
    }
};

TEST_F(CrashReportTest, TheLogLivesInTheTemporaryDirectory)
{
    struct Case {
        const char* temp;
        const char* log;
    };
    const Case cases[] = {
        {"C:\\Temp\\", "C:\\Temp\\thun.log"},
        {"C:\\Temp", "C:\\Temp\\thun.log"},
        {"", "\\thun.log"},
        {"C:\\Documents and Settings\\Player\\Local Settings\\Temp\\",
         "C:\\Documents and Settings\\Player\\Local Settings\\Temp\\thun.log"},
    };
    for (const Case& c : cases) {
        ReportedTempPath = c.temp;
        EXPECT_STREQ(c.log, GetLogPath()) << c.temp;
    }
    // A temporary path that does not fit the buffer counts as none.
    std::string huge(600, 't');
    ReportedTempPath = huge.c_str();
    EXPECT_STREQ("\\thun.log", GetLogPath());
}

TEST_F(CrashReportTest, NoSendsNothing)
{
    BoxAnswers = {IDNO};
    OfferCrashReport();
    ASSERT_EQ(1u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ(Question, ShownBoxes[0].text);
    EXPECT_EQ("Thundra", ShownBoxes[0].caption);
    EXPECT_EQ(0x10034u, ShownBoxes[0].style);
    EXPECT_EQ("", ReadTextFile(Record()));
}

TEST_F(CrashReportTest, YesHandsTheMailProgramTheLog)
{
    BoxAnswers = {IDYES};
    OfferCrashReport();
    EXPECT_EQ(1u, ShownBoxes.size()) << DescribeShown();
    EXPECT_EQ("MAPISendMail session=0x0 window=0x0 flags=0x8 reserved=0x0\n"
              "message reserved=0x0 subject=\"Thundra Crashed!\" note=\"If you wish, please add your comments "
              "here.\" type=(null) date=(null) conversation=(null) flags=0x0 originator=(null)\n"
              "recipients=0x1\n"
              "recipient reserved=0x0 class=0x1 name=\"thundra-bugs@ostro.example\" "
              "address=\"thundra-bugs@ostro.example\" eidsize=0x0 eid=(null)\n"
              "files=0x1\n"
              "file reserved=0x0 flags=0x0 position=0xffffffff path=\"C:\\users\\player\\Temp\\thun.log\" "
              "name=\"thun.log\" type=(null)\n",
              ReadTextFile(Record()));
    EXPECT_FALSE(AbortRequested);
}

TEST_F(CrashReportTest, EveryFailureToSendSaysSoOnce)
{
    struct Case {
        const char* what;
        const char* library;   // loaded instead of mapi32.dll; nullptr: none
        const char* control;
    };
    const Case cases[] = {
        {"cancelled compose window", "mapi32.dll", "result 1\n"},   // MAPI_USER_ABORT
        {"failed send", "mapi32.dll", "result 2\n"},                // MAPI_E_FAILURE
        {"no mail library", nullptr, "result 0\n"},
        {"library without MAPISendMail", "mapi32_nosend.dll", "result 0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ShownBoxes.clear();
        LibraryInstead = c.library;
        Sys.LoadLibraryA = LoadAnotherLibrary;
        Control(c.control);
        BoxAnswers = {IDYES};
        OfferCrashReport();
        ASSERT_EQ(2u, ShownBoxes.size()) << DescribeShown();
        EXPECT_EQ(Failure, ShownBoxes[1].text);
        EXPECT_EQ("Our Apologies", ShownBoxes[1].caption);
        EXPECT_EQ(0x10010u, ShownBoxes[1].style);
    }
}

} // namespace
