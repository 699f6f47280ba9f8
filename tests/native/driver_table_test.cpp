#include "preflight/driver_table.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

namespace {

// The version the table lists for vendor 10de, device 6cd, or "not listed".
std::string Find(const std::string& text)
{
    FILE* table = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    unsigned listed[4] = {77, 77, 77, 77};
    bool found = FindListedDriver(table, 0x10de, 0x6cd, listed);
    fclose(table);
    std::string version = found ? "" : "not listed";
    for (unsigned part : listed)
        version += found ? std::to_string(part) + "." : part == 77 ? "" : " and changed";
    return version;
}

TEST(DriverTable, FindsTheFirstLineOfTheFirstSection)
{
    const std::pair<std::string, std::string> cases[] = {
        // 0x, capitals, CR LF, blank lines
        {"\r\nv 0x10DE\r\n\r\nd 0X6CD 1 2 3 4", "1.2.3.4."},
        // other chips first
        {"v 1002\nd 6cd 9 9 9 9\nv 10de\nd 6ce 9 9 9 9\nd 6cd 2 2 2 2\nd 6cd 3 3 3 3\n", "2.2.2.2."},
        // comments, a v word among them
        {"# list\nvendors follow\nv 10de\n* note\nd 6cd 1 2 3 4\n", "1.2.3.4."},
        // indented after a comment: a comment
        {"v 10de\n#\n   d 6cd 1 2 3 4\n", "not listed"},
        // the second section is never reached
        {"v 10de\nd 1 1 1 1 1\nv 1002\nv 10de\nd 6cd 4 12 1 550\n", "not listed"},
        // the table ends in the line
        {"v 10de\nd 6cd 4 12", "not listed"},
        // bad numbers: the next line
        {"v 10de\nd 6cd 4 12 1\nd 6cd 4 -1 1 5\nd 6cd 4 4294967296 1 5\nd 6cd 5 6 7 8\n", "5.6.7.8."},
        // the largest, over a line end
        {"v 10de\nd 6cd 4294967295\n0 0 0\n", "4294967295.0.0.0."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, Find(c.first)) << c.first;
}

// Each part higher, equal or lower decides when every part before it is
// equal, whatever the parts after it hold.
TEST(DriverTable, VersionsCompareByTheFirstDifferingPart)
{
    const unsigned listed[4] = {4, 12, 1, 550};
    EXPECT_TRUE(IsVersionAtLeast(listed, listed));
    for (int part = 0; part < 4; ++part) {
        for (int step : {1, -1}) {
            unsigned installed[4] = {4, 12, 1, 550};
            installed[part] += step;
            for (int later = part + 1; later < 4; ++later)
                installed[later] = step > 0 ? 0 : 0xFFFFFFFF;
            EXPECT_EQ(step > 0, IsVersionAtLeast(installed, listed))
                << "part " << part << (step > 0 ? " higher" : " lower");
        }
    }
    const unsigned highest[4] = {0xFFFFFFFF, 0, 0, 0};
    EXPECT_TRUE(IsVersionAtLeast(highest, listed));
}

} // namespace
