#include "setup/checksum_list_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Loaded {
    bool ok;
    std::vector<std::pair<std::string, uint32_t>> entries;
    ListProblem problem;
    int line;
};

Loaded Read(const std::string& text)
{
    FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    static ChecksumEntry table[MaxChecksumEntries];
    int count = -1;
    Loaded loaded;
    loaded.ok = ReadChecksumList(file, table, &count, &loaded.problem, &loaded.line);
    fclose(file);
    for (int i = 0; i < count; ++i)
        loaded.entries.push_back({table[i].name, table[i].checksum});
    return loaded;
}

TEST(ChecksumList, LineFormat)
{
    using Entries = std::vector<std::pair<std::string, uint32_t>>;
    const struct {
        const char* what;
        std::string text;
        Entries entries;
    } cases[] = {
        {"blanks, tabs, a further word", "  common.res \t 1A2B more\n", {{"common.res", 0x1A2B}}},
        {"name alone, not hexadecimal", "a\nb zz\n", {{"a", 0}, {"b", 0}}},
        {"0x, zeros, capitals, no final line end", "a 0x0001a2b\nB.DAT 000DEADBEEF", {{"a", 0x1A2B}, {"B.DAT", 0xDEADBEEF}}},
        {"CR LF, blank lines, order and duplicates kept", "\r\n z 1\r\n\t\r\na 2\r\nz 3\r\n", {{"z", 1}, {"a", 2}, {"z", 3}}},
        {"more than eight digits keep the low 32 bits", "a 123456789\n", {{"a", 0x23456789}}},
        {"63-character name, 511-character line", std::string(63, 'n') + " 1\na 1" + std::string(508, ' ') + "\n", {{std::string(63, 'n'), 1}, {"a", 1}}},
    };
    for (const auto& c : cases) {
        Loaded loaded = Read(c.text);
        EXPECT_TRUE(loaded.ok) << c.what;
        EXPECT_EQ(c.entries, loaded.entries) << c.what;
    }
}

TEST(ChecksumList, RefusedNotCut)
{
    std::string full;
    for (int i = 0; i < 256; ++i)
        full += "f" + std::to_string(i) + " 1\n";
    const struct {
        std::string text;
        ListProblem problem;
        int line;
    } cases[] = {
        {full, ListProblem::None, 0},
        {"a 1\n" + std::string(64, 'n') + " 1\n", ListProblem::NameTooLong, 2},
        {full + "\nlast 1\n", ListProblem::TooManyEntries, 258},
        {"a 1\nb 2" + std::string(509, ' ') + "\n", ListProblem::LineTooLong, 2},
        {"a 1 " + std::string(600, 'c') + "\n", ListProblem::LineTooLong, 1},
    };
    for (const auto& c : cases) {
        Loaded loaded = Read(c.text);
        EXPECT_EQ(c.problem == ListProblem::None, loaded.ok) << c.text.substr(0, 30);
        EXPECT_EQ(c.problem == ListProblem::None ? 256 : c.line, loaded.ok ? static_cast<int>(loaded.entries.size()) : loaded.line);
        EXPECT_EQ(static_cast<int>(c.problem), static_cast<int>(loaded.problem)) << c.text.substr(0, 30);
    }
}

} // namespace
