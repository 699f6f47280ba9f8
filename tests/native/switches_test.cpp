#include "launcher/switches.h"

#include <gtest/gtest.h>

#include <string.h>

#include "launcher/product.h"

namespace {

TEST(TakeSwitch, RemovesExactlyTheFirstOccurrence)
{
    const std::string tail(CommandLineSize - 6, 'w');
    const struct {
        std::string before;
        const char* sw;
        bool found;
        std::string after;
    } cases[] = {
        {"", "-safe", false, ""},
        {"one -safe two", "-safe", true, "one  two"},        // both blanks stay
        {"-safe -safe", "-safe", true, " -safe"},            // only the first goes
        {"-SAFE x", "-safe", false, "-SAFE x"},              // case matters
        {"c:\\x-safe\\y", "-safe", true, "c:\\x\\y"},        // a plain substring, also inside a path
        {"-noautoplay", "-autoplay", false, "-noautoplay"},
        {"-uninstal", "-uninstall", false, "-uninstal"},
        {tail + "-safe", "-safe", true, tail},               // 511 characters, the copy's full length
    };
    for (const auto& c : cases) {
        char line[CommandLineSize];
        ASSERT_LT(c.before.size(), sizeof line);
        strcpy(line, c.before.c_str());
        EXPECT_EQ(c.found, TakeSwitch(line, c.sw)) << c.before.substr(0, 40) << " / " << c.sw;
        EXPECT_EQ(c.after, line) << c.before.substr(0, 40) << " / " << c.sw;
    }
}

} // namespace
