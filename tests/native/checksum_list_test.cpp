#include "setup/checksum_list_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, uint32_t>>;

// The entries read, or the problem and its line.
std::string Read(const std::string& text, Entries* entries)
{
    FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    static ChecksumEntry table[MaxChecksumEntries];
    int count = -1, line = 0;
    ListProblem problem;
    bool ok = ReadChecksumList(file, table, &count, &problem, &line);
    fclose(file);
    for (int i = 0; i < count; ++i)
        entries->push_back({table[i].name, table[i].checksum});
    return ok ? "ok" : "problem " + std::to_string(static_cast<int>(problem)) + " at line " + std::to_string(line);
}

TEST(ChecksumList, LineFormat)
{
    const struct {
        std::string text;
        Entries entries;
    } cases[] = {
        {"  common.res \t 1A2B more\n", {{"common.res", 0x1A2B}}},                 // blanks, tabs, a further word
        {"a\nb zz\n", {{"a", 0}, {"b", 0}}},                                        // no checksum: not verified
        {"a 0x0001a2b\nB.DAT 000DEADBEEF", {{"a", 0x1A2B}, {"B.DAT", 0xDEADBEEF}}},  // 0x, zeros, capitals, no last line end
        {"\r\n z 1\r\n\t\r\na 2\r\nz 3\r\n", {{"z", 1}, {"a", 2}, {"z", 3}}},         // CR LF, blank lines, order and duplicates kept
        {"a 123456789\n", {{"a", 0x23456789}}},                                     // the low 32 bits
        {std::string(63, 'n') + " 1\na 1" + std::string(508, ' ') + "\n", {{std::string(63, 'n'), 1}, {"a", 1}}},   // longest name and line
    };
    for (const auto& c : cases) {
        Entries entries;
        EXPECT_EQ("ok", Read(c.text, &entries)) << c.text.substr(0, 40);
        EXPECT_EQ(c.entries, entries) << c.text.substr(0, 40);
    }
}

// A list is refused rather than cut: a cut list would install part of the game.
TEST(ChecksumList, RefusedNotCut)
{
    std::string full;
    for (int i = 0; i < 256; ++i)
        full += "f 1\n";
    const struct {
        std::string text;
        ListProblem problem;
        int line;
    } cases[] = {
        {full, ListProblem::None, 0},   // 256 entries: the most
        {"a 1\n" + std::string(64, 'n') + " 1\n", ListProblem::NameTooLong, 2},
        {full + "\nlast 1\n", ListProblem::TooManyEntries, 258},
        {"a 1\nb 2" + std::string(509, ' ') + "\n", ListProblem::LineTooLong, 2},
        {"a 1 " + std::string(600, 'c') + "\n", ListProblem::LineTooLong, 1},
    };
    for (const auto& c : cases) {
        Entries entries;
        const std::string problem = "problem " + std::to_string(static_cast<int>(c.problem)) + " at line " + std::to_string(c.line);
        EXPECT_EQ(c.problem == ListProblem::None ? "ok" : problem, Read(c.text, &entries));
        if (c.problem == ListProblem::None) {
            EXPECT_EQ(256u, entries.size());
        }
    }
}

} // namespace
