#include "setup/checksum_list_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the reader makes of a list: "name=checksum" for each entry, or why
// and where it refused the list.
std::string Read(const std::string& text)
{
    FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    static ChecksumEntry table[MaxChecksumEntries];
    int count = 0, line = 0;
    ListProblem problem;
    bool ok = ReadChecksumList(file, table, &count, &problem, &line);
    fclose(file);
    const char* const why[] = {"none", "too many entries", "name too long", "line too long", "name outside"};
    std::string read = ok ? "" : std::string("refused: ") + why[static_cast<int>(problem)] + " at line " +
                                     std::to_string(line);
    for (int i = 0; ok && i < count; ++i) {
        char entry[96];
        snprintf(entry, sizeof entry, "%s=%x ", table[i].name, table[i].checksum);
        read += entry;
    }
    return read;
}

// A list is refused rather than cut: a cut list would install part of the game.
TEST(ChecksumList, ReadOrRefusedNotCut)
{
    std::string full, fullRead, longest(63, 'n');
    for (int i = 0; i < 256; ++i)
        full += "f 1\n", fullRead += "f=1 ";
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb zz\n", "a=0 b=0 "},                                            // no checksum: not verified
        {"a 0x0001a2b\nB.DAT 000DEADBEEF", "a=1a2b B.DAT=deadbeef "},         // 0x, zeros, capitals, no last line end
        {"\r\n z 1\r\n\t\r\na 2\r\nz 3\r\n", "z=1 a=2 z=3 "},   // CR LF, blank lines, order and duplicates kept
        {longest + " 1\na 1" + std::string(508, ' ') + "\n", longest + "=1 a=1 "},   // the longest name and line
        {full, fullRead},                                                     // the most entries
        {"a 1\n" + std::string(64, 'n') + " 1\n", "refused: name too long at line 2"},
        {full + "\nlast 1\n", "refused: too many entries at line 258"},
        {"a 1\nb 2" + std::string(509, ' ') + "\n", "refused: line too long at line 2"},
        {"sub\\a..b 1\n.x/y 2\n", "sub\\a..b=1 .x/y=2 "},                // dots inside names stay inside
        {"a 1\na/...\\x 2\n", "refused: name outside at line 2"},          // names that climb out of the folder
        {"..\\x 1\n", "refused: name outside at line 1"}, {"\\x 1\n", "refused: name outside at line 1"},
        {"C:x 1\n", "refused: name outside at line 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, Read(c.first)) << c.first.substr(0, 40);
}

} // namespace
