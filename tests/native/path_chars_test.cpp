// Paths on a double-byte code page: on 932 "表" is the bytes 0x95 0x5C and
// "ソ" 0x83 0x5C, whose second byte is a backslash's. Each helper that
// walks or cuts a path steps by characters; on a single-byte code page the
// same bytes are two characters.
#include <gtest/gtest.h>

#include "code_page.h"
#include "launcher/format.h"
#include "launcher/path_chars.h"
#include "setup/checksum_list_reader.h"
#include "setup/path_rules.h"

namespace {

#define HYO "\x95\x5C"
#define SO "\x83\x5C"

TEST(PathChars, ACharacterEndingInTheByteOfABackslashIsNone)
{
    const struct {
        int codePage;
        const char *path, *parent, *cut;   // parent: up to its last backslash; cut: one trailing backslash off
    } rows[] = {
        {932, "C:\\" SO "\\" HYO, "C:\\" SO, "C:\\" SO "\\" HYO},   // at the end of the path and of a component
        {932, "C:\\x" HYO "\\", "C:\\x" HYO, "C:\\x" HYO},
        {932, HYO, "", HYO},
        {0, "C:\\" SO "\\" HYO, "C:\\" SO "\\\x95", "C:\\" SO "\\\x95"},
    };
    for (const auto& row : rows) {
        TestCodePage = row.codePage;
        std::string parent = row.path, cut = row.path;
        char* last = FindLastBackslash(&parent[0]);
        parent.resize(last == nullptr ? 0 : static_cast<size_t>(last - parent.data()));
        CutTrailingBackslash(&cut[0]);
        EXPECT_EQ(row.parent, parent) << row.path;
        EXPECT_EQ(row.cut, std::string(cut.c_str())) << row.path;
        EXPECT_EQ(std::string(row.cut) != row.path, EndsInBackslash(row.path)) << row.path;
    }
    // A name of one component that a byte walk takes for a climb; "data" that starts inside a character.
    TestCodePage = 932;
    EXPECT_TRUE(StaysInsideFolder("\x97\x5C.."));
    EXPECT_EQ(-1, ContainsNoCase("C:\\\x83" "data", "data"));
    EXPECT_FALSE(IsValidInstallPath("C:" HYO "x"));
    TestCodePage = 0;
    EXPECT_FALSE(StaysInsideFolder("\x97\x5C.."));
    EXPECT_EQ(4, ContainsNoCase("C:\\\x83" "data", "data"));
}

// A text too long for its box is cut between characters.
TEST(PathChars, ALongTextIsShortenedBetweenCharacters)
{
    TestCodePage = 932;
    std::string text = "copy C:\\";
    for (int i = 0; i < 20; ++i)
        text += HYO;
    char buf[32];
    ShortenInto(buf, 24, (text + "z").c_str());
    EXPECT_EQ("copy C:\\" HYO "..." HYO HYO HYO HYO "z", std::string(buf));
    TestCodePage = 0;
}

} // namespace
