// The bounds must hold for glibc's vsnprintf here and msvcrt's _vsnprintf
// in the Launcher, which leaves a text of exactly the buffer's size
// unterminated.
#include "launcher/format.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

TEST(FormatInto, FitsOnlyWithRoomForTheTerminatorAndWritesNothingPast)
{
    const struct {
        size_t size;
        const char *text, *stored;
        bool fits;
    } cases[] = {{8, "abcdefg", "abcdefg", true}, {8, "abcdefgh", "abcdefg", false}, {1, "", "", true}, {1, "a", "", false}, {0, "a", "X", false}};
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

// A text too long for its box keeps its start and the end of its last path.
TEST(ShortenInto, KeepsTheStartAndTheEndOfTheLastPath)
{
    const std::string a40(40, 'a'), name(30, 'n');
    const struct {
        size_t size;
        std::string text, shown;
    } cases[] = {
        {16, "fits exactly 15", "fits exactly 15"},
        {16, "copy C:\\long\\path.bin", "copy C...th.bin"},           // the end of a path longer than half the room
        {24, "(" + a40 + "\\race.bin)", "(aaaaaaaaa...\\race.bin)"},   // from the last backslash
        {16, a40, "aaaaaaaaaaaa..."},                                 // no path: the start only
        {24, "C:\\" + name, "C:\\nnnnnnn...nnnnnnnnnn"},
    };
    for (const auto& c : cases) {
        char buf[32];
        memset(buf, 'X', sizeof buf);
        ShortenInto(buf, c.size, c.text.c_str());
        EXPECT_EQ(c.shown, std::string(buf)) << c.text;
        EXPECT_EQ('X', buf[c.size]) << "wrote past the buffer for " << c.text;
    }
}

} // namespace
