// The crash report: where the library that sends its mail comes from.
#include "crashreport/crash_report.h"

#include "platform_fixture.h"

namespace {

std::string Loaded;
HMODULE WINAPI RecordLoad(LPCSTR name) { return Loaded = name, nullptr; }

// The mail library is loaded by its full path in the system folder, whatever
// the DLL search: Windows XP, which can't restrict it, looks beside the
// program first. (Wine restricts it, so no end-to-end test can tell.)
TEST_F(PlatformTest, TheMailLibraryFromTheSystemFolder)
{
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    Sys.LoadLibraryA = RecordLoad;
    BoxAnswers = {IDYES};
    OfferCrashReport();
    EXPECT_EQ(std::string(system) + "\\mapi32.dll", Loaded);
}

} // namespace
