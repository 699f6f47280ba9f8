#include "launcher/switches.h"

#include <gtest/gtest.h>

#include <iterator>

#include "launcher/format.h"
#include "launcher/product.h"

namespace {

struct SwitchCase {
    const char* before;
    const char* sw;
    bool found;
    const char* after;
};

TEST(TakeSwitch, RemovesExactlyTheFirstOccurrence)
{
    const SwitchCase cases[] = {
        {"", "-safe", false, ""},
        {"-safe", "-safe", true, ""},
        {"-noautoplay word", "-noautoplay", true, " word"},
        {"one -safe two", "-safe", true, "one  two"},          // both blanks stay
        {"-noautoplay -safe", "-noautoplay", true, " -safe"},
        {"-safe -safe", "-safe", true, " -safe"},              // only the first goes
        {"-Safe", "-safe", false, "-Safe"},                    // case matters
        {"-SAFE x", "-safe", false, "-SAFE x"},
        {"-safemode", "-safe", true, "mode"},                  // inside a longer word
        {"c:\\x-safe\\y", "-safe", true, "c:\\x\\y"},            // inside a path
        {"\"-safe\"", "-safe", true, "\"\""},                  // quotes are not looked at
        {"-autoplay", "-noautoplay", false, "-autoplay"},
        {"-noautoplay", "-autoplay", false, "-noautoplay"},   // no dash before "autoplay" there
        {"-uninstal", "-uninstall", false, "-uninstal"},
        {"abc", "", false, "abc"},
    };
    for (const SwitchCase& c : cases) {
        char line[CommandLineSize];
        ASSERT_TRUE(FormatInto(line, std::size(line), "%s", c.before));
        EXPECT_EQ(c.found, TakeSwitch(line, c.sw)) << "'" << c.before << "' / " << c.sw;
        EXPECT_STREQ(c.after, line) << "'" << c.before << "' / " << c.sw;
    }
}

TEST(TakeSwitch, TheStartUpOrderLeavesOnlyTheGamesArguments)
{
    char line[CommandLineSize];
    ASSERT_TRUE(FormatInto(line, std::size(line), "%s", "-autoplay -noautoplay -no3dfx -safe -safe -fast"));
    EXPECT_FALSE(TakeSwitch(line, UninstallSwitch));
    EXPECT_TRUE(TakeSwitch(line, AutoplaySwitch));
    EXPECT_TRUE(TakeSwitch(line, NoAutoplaySwitch));
    EXPECT_TRUE(TakeSwitch(line, No3dfxSwitch));
    EXPECT_TRUE(TakeSwitch(line, SafeSwitch));
    EXPECT_STREQ("    -safe -fast", line);
}

TEST(TakeSwitch, WorksAtTheFullLengthOfTheCopy)
{
    char line[CommandLineSize];
    char tail[CommandLineSize - 6];
    for (char& c : tail)
        c = 'w';
    tail[std::size(tail) - 1] = '\0';
    ASSERT_TRUE(FormatInto(line, std::size(line), "%s-safe", tail));   // 511 characters
    EXPECT_TRUE(TakeSwitch(line, SafeSwitch));
    EXPECT_STREQ(tail, line);
}

} // namespace
