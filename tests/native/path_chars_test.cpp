// Paths on a double-byte code page: on 932 "表" is the bytes 0x95 0x5C and
// "ソ" 0x83 0x5C, whose second byte is a backslash's. Each helper that
// walks or cuts a path steps by characters.
#include <gtest/gtest.h>

#include "base/path_chars.h"
#include "code_page.h"
#include "setup/checksum_list_reader.h"
#include "setup/path_rules.h"

namespace {

#define HYO "\x95\x5C"
#define SO "\x83\x5C"

TEST(PathChars, ACharacterEndingInTheByteOfABackslashIsNone)
{
    TestCodePage = 932;
    // parent: up to its last backslash; cut: one trailing backslash off
    const struct { std::string path, parent, cut; } rows[] = {
        {"C:\\" SO "\\" HYO, "C:\\" SO, "C:\\" SO "\\" HYO},   // at the end of the path and of a component
        {"C:\\x" HYO "\\", "C:\\x" HYO, "C:\\x" HYO},
    };
    for (auto row : rows) {
        EXPECT_EQ(row.parent, row.path.substr(0, FindLastBackslash(row.path.c_str()) - row.path.c_str())) << row.path;
        EXPECT_EQ(row.cut != row.path, EndsInBackslash(row.path.c_str())) << row.path;
        CutTrailingBackslash(&row.path[0]);
        EXPECT_EQ(row.cut, row.path.c_str());
    }
    // A name of one component that a byte walk takes for a climb; "data" that starts inside a character.
    EXPECT_TRUE(StaysInsideFolder("\x97\x5C.."));
    EXPECT_EQ(-1, ContainsNoCase("C:\\\x83" "data", "data"));
    EXPECT_FALSE(IsValidInstallPath("C:" HYO "x"));
    TestCodePage = 0;
}

} // namespace
