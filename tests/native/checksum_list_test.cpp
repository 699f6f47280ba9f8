// Built natively (through fmemopen) and into the Windows tests (through a
// temporary file).
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
#if defined(_WIN32)
    FILE* file = tmpfile();
    fwrite(text.data(), 1, text.size(), file);
    rewind(file);
#else
    FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
#endif
    static ChecksumEntry table[MaxChecksumEntries];
    int count = -1;
    Loaded loaded;
    loaded.ok = ReadChecksumList(file, table, &count, &loaded.problem, &loaded.line);
    fclose(file);
    for (int i = 0; i < count; ++i)
        loaded.entries.push_back({table[i].name, table[i].checksum});
    return loaded;
}

using Entries = std::vector<std::pair<std::string, uint32_t>>;

TEST(ChecksumList, LineFormat)
{
    struct Case {
        const char* what;
        std::string text;
        Entries entries;
    };
    const Case cases[] = {
        {"blanks, digits, a further word", "  common.res   1A2B more\n", {{"common.res", 0x1A2B}}},
        {"name alone", "common.res\n", {{"common.res", 0}}},
        {"not hexadecimal", "common.res zz\n", {{"common.res", 0}}},
        {"0x prefix and leading zeros", "a 0x0001a2b\nb 000000000FF\n", {{"a", 0x1A2B}, {"b", 0xFF}}},
        {"capitals", "A.DAT DEADBEEF\n", {{"A.DAT", 0xDEADBEEF}}},
        {"no final line end", "a 1\nb 2", {{"a", 1}, {"b", 2}}},
        {"CR LF line ends", "a 1\r\nb 2\r\n", {{"a", 1}, {"b", 2}}},
        {"tabs", "\ta\t\t2\n", {{"a", 2}}},
        {"blank lines", "\n   \n\t\na 1\n\n", {{"a", 1}}},
        {"only blank lines", "\n\n  \n", {}},
        {"empty", "", {}},
        {"duplicates stay", "a 1\na 2\n", {{"a", 1}, {"a", 2}}},
        {"order stays", "z 1\na 2\nm 3\n", {{"z", 1}, {"a", 2}, {"m", 3}}},
        {"backslashes in a name", "maps\\track1.map 5\n", {{"maps\\track1.map", 5}}},
        {"more than eight digits keep the low 32 bits", "a 123456789\n", {{"a", 0x23456789}}},
        {"63-character name", std::string(63, 'n') + " 1\n", {{std::string(63, 'n'), 1}}},
        {"511-character line", "a 1" + std::string(508, ' ') + "\nb 2\n", {{"a", 1}, {"b", 2}}},
    };
    for (const Case& c : cases) {
        Loaded loaded = Read(c.text);
        EXPECT_TRUE(loaded.ok) << c.what;
        EXPECT_EQ(c.entries, loaded.entries) << c.what;
    }
}

TEST(ChecksumList, RefusedNotCut)
{
    struct Case {
        const char* what;
        std::string text;
        ListProblem problem;
        int line;
    };
    std::string full;
    for (int i = 0; i < 256; ++i)
        full += "f" + std::to_string(i) + " 1\n";
    const Case cases[] = {
        {"64-character name", "a 1\n" + std::string(64, 'n') + " 1\n", ListProblem::NameTooLong, 2},
        {"257 entries", full + "\nlast 1\n", ListProblem::TooManyEntries, 258},
        {"512-character line", "a 1\nb 2" + std::string(509, ' ') + "\n", ListProblem::LineTooLong, 2},
        {"a comment past 511 characters", "a 1 " + std::string(600, 'c') + "\n", ListProblem::LineTooLong, 1},
    };
    for (const Case& c : cases) {
        Loaded loaded = Read(c.text);
        EXPECT_FALSE(loaded.ok) << c.what;
        EXPECT_EQ(static_cast<int>(c.problem), static_cast<int>(loaded.problem)) << c.what;
        EXPECT_EQ(c.line, loaded.line) << c.what;
    }
    Loaded exactly = Read(full);
    EXPECT_TRUE(exactly.ok);
    EXPECT_EQ(256u, exactly.entries.size());
}

} // namespace
