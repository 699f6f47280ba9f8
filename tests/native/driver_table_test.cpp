// Built natively (through fmemopen) and into the Windows tests (through a
// real file read in text mode, as the Launcher reads the disc's table).
#include "preflight/driver_table.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

namespace {

FILE* OpenText(const std::string& text)
{
#if defined(_WIN32)
    FILE* file = tmpfile();
    if (file != nullptr) {
        fwrite(text.data(), 1, text.size(), file);
        rewind(file);
    }
    return file;
#else
    return fmemopen(const_cast<char*>(text.data()), text.size(), "r");
#endif
}

struct TableCase {
    const char* what;
    std::string table;
    bool found;
    unsigned listed[4];
};

TEST(DriverTable, FindsTheFirstLineOfTheFirstSection)
{
    const TableCase cases[] = {
        {"plain", "v 10de\nd 6cd 4 12 1 550\n", true, {4, 12, 1, 550}},
        {"no final line end", "v 10de\nd 6cd 4 12 1 550", true, {4, 12, 1, 550}},
        {"0x prefixes and capitals", "v 0x10DE\nd 0X6CD 1 2 3 4\n", true, {1, 2, 3, 4}},
        {"blank lines", "\n\nv 10de\n\n\nd 6cd 1 2 3 4\n\n", true, {1, 2, 3, 4}},
        {"CRLF line ends", "v 10de\r\nd 6cd 1 2 3 4\r\n", true, {1, 2, 3, 4}},
        {"other devices first", "v 10de\nd 6ce 9 9 9 9\nd 6cd 2 2 2 2\n", true, {2, 2, 2, 2}},
        {"first matching line wins", "v 10de\nd 6cd 2 2 2 2\nd 6cd 3 3 3 3\n", true, {2, 2, 2, 2}},
        {"other vendors first", "v 1002\nd 6cd 9 9 9 9\nv 10de\nd 6cd 1 1 1 1\n", true, {1, 1, 1, 1}},
        {"device line before any vendor", "d 6cd 9 9 9 9\nv 10de\nd 6cd 4 12 1 550\n", true, {4, 12, 1, 550}},
        {"comment lines", "# list\n; old\nv 10de\n* note\nd 6cd 1 2 3 4\n", true, {1, 2, 3, 4}},
        {"a v word is a comment", "vendors follow\nv 10de\nd 6cd 1 2 3 4\n", true, {1, 2, 3, 4}},
        {"indentation after a vendor line is consumed", "v 10de\n   d 6cd 1 2 3 4\n", true, {1, 2, 3, 4}},
        {"indentation after a comment is a comment", "v 10de\n#\n   d 6cd 1 2 3 4\n", false, {}},
        {"second section never reached", "v 10de\nd 1 1 1 1 1\nv 1002\nv 10de\nd 6cd 4 12 1 550\n", false, {}},
        {"other vendor only", "v 1002\nd 6cd 1 2 3 4\n", false, {}},
        {"device not listed", "v 10de\nd 6ce 1 2 3 4\n", false, {}},
        {"empty table", "", false, {}},
        {"table ends in the vendor line", "v 10", false, {}},
        {"table ends in the device line", "v 10de\nd 6cd 4 12", false, {}},
        // A device line whose numbers do not all parse does not count.
        {"three numbers, next line counts", "v 10de\nd 6cd 4 12 1\nd 6cd 5 6 7 8\n", true, {5, 6, 7, 8}},
        {"a letter among the numbers", "v 10de\nd 6cd 4 x 1 550\nd 6cd 5 6 7 8\n", true, {5, 6, 7, 8}},
        {"a negative number", "v 10de\nd 6cd 4 -1 1 550\nd 6cd 5 6 7 8\n", true, {5, 6, 7, 8}},
        {"a number past 32 bits", "v 10de\nd 6cd 4 4294967296 1 5\nd 6cd 5 6 7 8\n", true, {5, 6, 7, 8}},
        {"the largest number", "v 10de\nd 6cd 4294967295 0 0 0\n", true, {4294967295u, 0, 0, 0}},
        {"0x without digits", "v 10de\nd 0x 1 2 3 4\nd 6cd 5 6 7 8\n", true, {5, 6, 7, 8}},
        {"a bad vendor id", "v zz\nd 6cd 9 9 9 9\nv 10de\nd 6cd 1 2 3 4\n", true, {1, 2, 3, 4}},
        {"numbers run over a line end", "v 10de\nd 6cd 4\n12 1 550\n", true, {4, 12, 1, 550}},
    };
    for (const TableCase& c : cases) {
        FILE* table = OpenText(c.table);
        ASSERT_NE(nullptr, table) << c.what;
        unsigned listed[4] = {77, 77, 77, 77};
        bool found = FindListedDriver(table, 0x10de, 0x6cd, listed);
        fclose(table);
        EXPECT_EQ(c.found, found) << c.what;
        for (int part = 0; part < 4; ++part)
            EXPECT_EQ(c.found ? c.listed[part] : 77u, listed[part]) << c.what << ", part " << part;
    }
}

TEST(DriverTable, VendorAndDeviceZero)
{
    const std::string text = "v 0\nd 0 0 0 0 1\n";   // fmemopen reads it in place
    FILE* table = OpenText(text);
    ASSERT_NE(nullptr, table);
    unsigned listed[4];
    EXPECT_TRUE(FindListedDriver(table, 0, 0, listed));
    fclose(table);
    EXPECT_EQ(1u, listed[3]);
}

TEST(DriverTable, VersionsCompareByTheFirstDifferingPart)
{
    const unsigned listed[4] = {4, 12, 1, 550};
    struct Case {
        unsigned installed[4];
        bool upToDate;
    };
    const Case cases[] = {
        {{4, 12, 1, 550}, true},   {{4, 12, 1, 549}, false}, {{4, 12, 1, 551}, true},
        {{4, 13, 0, 0}, true},     {{5, 0, 0, 0}, true},     {{3, 99, 99, 999}, false},
        {{4, 11, 99, 999}, false}, {{4, 12, 2, 0}, true},    {{0xFFFFFFFF, 0, 0, 0}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.upToDate, IsVersionAtLeast(c.installed, listed))
            << c.installed[0] << "." << c.installed[1] << "." << c.installed[2] << "." << c.installed[3];
}

} // namespace
