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
        std::string path, parent, cut;   // parent: up to its last backslash; cut: one trailing backslash off
    } rows[] = {
        {932, "C:\\" SO "\\" HYO, "C:\\" SO, "C:\\" SO "\\" HYO},   // at the end of the path and of a component
        {932, "C:\\x" HYO "\\", "C:\\x" HYO, "C:\\x" HYO},
        {0, "C:\\" SO "\\" HYO, "C:\\" SO "\\\x95", "C:\\" SO "\\\x95"},
    };
    for (auto row : rows) {
        TestCodePage = row.codePage;
        EXPECT_EQ(row.parent, row.path.substr(0, FindLastBackslash(row.path.c_str()) - row.path.c_str())) << row.path;
        EXPECT_EQ(row.cut != row.path, EndsInBackslash(row.path.c_str())) << row.path;
        CutTrailingBackslash(&row.path[0]);
        EXPECT_EQ(row.cut, row.path.c_str());
        // A name of one component that a byte walk takes for a climb; "data" that starts inside a character.
        EXPECT_EQ(row.codePage == 932, StaysInsideFolder("\x97\x5C.."));
        EXPECT_EQ(row.codePage == 932 ? -1 : 4, ContainsNoCase("C:\\\x83" "data", "data"));
        EXPECT_EQ(row.codePage != 932, IsValidInstallPath("C:" HYO "x"));
    }
    // A text too long for its box is cut between characters.
    std::string text = "copy C:\\";
    for (int i = 0; i < 20; ++i)
        text += HYO;
    char buf[32];
    TestCodePage = 932;
    ShortenInto(buf, 24, (text + "z").c_str());
    EXPECT_EQ("copy C:\\" HYO "..." HYO HYO HYO HYO "z", std::string(buf));
    TestCodePage = 0;
}

} // namespace
