// Built natively and into the Windows test binary: the bounds must hold for
// glibc's vsnprintf and for msvcrt's _vsnprintf alike.
#include "launcher/format.h"

#include <gtest/gtest.h>

#include <string.h>

#include <iterator>
#include <string>

namespace {

struct FitCase {
    size_t size;
    const char* text;
    bool fits;
    const char* stored;
};

TEST(FormatInto, FitsOnlyWithRoomForTheTerminator)
{
    const FitCase cases[] = {
        {8, "", true, ""},
        {8, "abcdefg", true, "abcdefg"},   // 7 characters and the terminator
        {8, "abcdefgh", false, "abcdefg"}, // exactly size: msvcrt leaves it unterminated
        {8, "abcdefghijkl", false, "abcdefg"},
        {1, "", true, ""},
        {1, "a", false, ""},
    };
    for (const FitCase& c : cases) {
        char buf[16];
        memset(buf, 'X', sizeof buf);
        EXPECT_EQ(c.fits, FormatInto(buf, c.size, "%s", c.text)) << c.text << " in " << c.size;
        EXPECT_STREQ(c.stored, buf) << c.text << " in " << c.size;
        EXPECT_EQ('X', buf[c.size]) << "wrote past the buffer for " << c.text;
    }
}

TEST(FormatInto, ZeroSizeWritesNothing)
{
    char buf[4] = {'X', 'X', 'X', 'X'};
    EXPECT_FALSE(FormatInto(buf, 0, "%s", "a"));
    EXPECT_EQ('X', buf[0]);
}

TEST(FormatInto, FormatsNumbersAndStrings)
{
    char buf[64];
    ASSERT_TRUE(FormatInto(buf, std::size(buf), "%s has exited unexpectedly (%d).", "Thundra", -2147483643));
    EXPECT_STREQ("Thundra has exited unexpectedly (-2147483643).", buf);
    ASSERT_TRUE(FormatInto(buf, std::size(buf), "%s\\%s", "C:\\Run", "race.bin"));
    EXPECT_STREQ("C:\\Run\\race.bin", buf);
}

TEST(AppendInto, AddsBehindTheTextAndKeepsTheBound)
{
    char buf[12];
    ASSERT_TRUE(FormatInto(buf, std::size(buf), "%s", "C:\\Games"));
    EXPECT_TRUE(AppendInto(buf, std::size(buf), "%s", "\\"));
    EXPECT_STREQ("C:\\Games\\", buf);
    EXPECT_TRUE(AppendInto(buf, std::size(buf), "%s", "ab"));   // 11 characters: the last that fit
    EXPECT_FALSE(AppendInto(buf, std::size(buf), "%s", "c"));
    EXPECT_STREQ("C:\\Games\\ab", buf);
}

TEST(AppendInto, RefusesAnUnterminatedBuffer)
{
    char buf[5] = {'a', 'b', 'c', 'd', 'G'};
    EXPECT_FALSE(AppendInto(buf, 4, "%s", "e"));
    EXPECT_EQ('G', buf[4]);
}

TEST(FormatInto, LongTextsAreCutAtTheBoundNotBeyond)
{
    std::string longText(1000, 'p');
    char buf[260];
    EXPECT_FALSE(FormatInto(buf, std::size(buf), "%s", longText.c_str()));
    EXPECT_EQ(259u, strlen(buf));
    EXPECT_TRUE(FormatInto(buf, std::size(buf), "%s", longText.substr(0, 259).c_str()));
}

} // namespace
