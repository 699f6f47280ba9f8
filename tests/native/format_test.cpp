// The bounds must hold for glibc's vsnprintf here and msvcrt's _vsnprintf
// in the Launcher, which leaves a text of exactly the buffer's size
// unterminated.
#include "base/format.h"
#include "code_page.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

TEST(FormatInto, FitsOnlyWithRoomForTheTerminatorAndWritesNothingPast)
{
    const struct {
        size_t size;
        const char *text, *stored;
        bool fits;
    } cases[] = {{8, "abcdefg", "abcdefg", true}, {8, "abcdefgh", "abcdefg", false}, {0, "a", "X", false}};
    for (const auto& c : cases) {
        char buf[16];
        memset(buf, 'X', sizeof buf);
        EXPECT_EQ(c.fits, FormatInto(buf, c.size, "%s", c.text)) << c.text << " in " << c.size;
        EXPECT_EQ(c.stored, std::string(buf, strnlen(buf, c.size == 0 ? 1 : c.size))) << c.text << " in " << c.size;
        EXPECT_EQ('X', buf[c.size]) << "wrote past the buffer for " << c.text;
    }
    char unterminated[5] = {'a', 'b', 'c', 'd', 'G'};   // appending, whose bounds path completion shows, refuses it
    EXPECT_FALSE(AppendInto(unterminated, 4, "%s", "e"));
    EXPECT_EQ('G', unterminated[4]);
}

// A text too long for its box keeps its start and the end of its last path,
// at most half the box, cut between characters (on code page 932 "表" is
// 0x95 0x5C).
TEST(ShortenInto, KeepsTheStartAndTheEndOfTheLastPath)
{
    std::string a40(40, 'a'), hyo20;
    for (int i = 0; i < 20; ++i)
        hyo20 += "\x95\x5C";
    const std::pair<std::string, std::string> cases[] = {
        {"fits exactly 23 letters", "fits exactly 23 letters"}, {"(" + a40 + "\\race.bin)", "(aaaaaaaaa...\\race.bin)"},
        {a40, "aaaaaaaaaaaaaaaaaaaa..."},
        {"copy C:\\" + hyo20 + "z", "copy C:\\\x95\x5C...\x95\x5C\x95\x5C\x95\x5C\x95\x5Cz"}};
    TestCodePage = 932;
    for (const auto& c : cases) {
        char buf[32];
        memset(buf, 'X', sizeof buf);
        ShortenInto(buf, 24, c.first.c_str());
        EXPECT_EQ(c.second, std::string(buf)) << c.first;
        EXPECT_EQ('X', buf[24]) << "wrote past the buffer for " << c.first;
    }
    TestCodePage = 0;
}

} // namespace
