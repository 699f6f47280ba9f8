#include "preflight/driver_table.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

namespace {

FILE* OpenText(const std::string& text)
{
    return fmemopen(const_cast<char*>(text.data()), text.size(), "r");
}

TEST(DriverTable, FindsTheFirstLineOfTheFirstSection)
{
    const struct {
        const char* what;
        std::string table;
        bool found;
        unsigned listed[4];
    } cases[] = {
        {"0x, capitals, CR LF, blank lines, no final line end", "\r\nv 0x10DE\r\n\r\nd 0X6CD 1 2 3 4", true, {1, 2, 3, 4}},
        {"other devices and vendors first", "v 1002\nd 6cd 9 9 9 9\nv 10de\nd 6ce 9 9 9 9\nd 6cd 2 2 2 2\nd 6cd 3 3 3 3\n", true, {2, 2, 2, 2}},
        {"a device line before any vendor", "d 6cd 9 9 9 9\nv 10de\nd 6cd 4 12 1 550\n", true, {4, 12, 1, 550}},
        {"comments, a v word among them", "# list\nvendors follow\nv 10de\n* note\nd 6cd 1 2 3 4\n", true, {1, 2, 3, 4}},
        {"indentation after a comment is a comment", "v 10de\n#\n   d 6cd 1 2 3 4\n", false, {}},
        {"second section never reached", "v 10de\nd 1 1 1 1 1\nv 1002\nv 10de\nd 6cd 4 12 1 550\n", false, {}},
        {"table ends in the device line", "v 10de\nd 6cd 4 12", false, {}},
        {"bad numbers: the next line counts", "v 10de\nd 6cd 4 12 1\nd 6cd 4 -1 1 5\nd 6cd 4 4294967296 1 5\nd 6cd 5 6 7 8\n", true, {5, 6, 7, 8}},
        {"the largest number, numbers over a line end", "v 10de\nd 6cd 4294967295\n0 0 0\n", true, {4294967295u, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        FILE* table = OpenText(c.table);
        ASSERT_NE(nullptr, table) << c.what;
        unsigned listed[4] = {77, 77, 77, 77};
        EXPECT_EQ(c.found, FindListedDriver(table, 0x10de, 0x6cd, listed)) << c.what;
        fclose(table);
        for (int part = 0; part < 4; ++part)
            EXPECT_EQ(c.found ? c.listed[part] : 77u, listed[part]) << c.what << ", part " << part;
    }
}

TEST(DriverTable, VersionsCompareByTheFirstDifferingPart)
{
    const unsigned listed[4] = {4, 12, 1, 550};
    const struct {
        unsigned installed[4];
        bool upToDate;
    } cases[] = {
        {{4, 12, 1, 550}, true}, {{4, 12, 1, 549}, false}, {{4, 13, 0, 0}, true}, {{3, 99, 99, 999}, false},
        {{4, 11, 99, 999}, false}, {{4, 12, 2, 0}, true}, {{0xFFFFFFFF, 0, 0, 0}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.upToDate, IsVersionAtLeast(c.installed, listed)) << c.installed[0] << "." << c.installed[1] << "." << c.installed[2] << "." << c.installed[3];
}

} // namespace
