#include "setup/path_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(PathRules, ValidInstallPathsAndTheirWords)
{
    for (const char* path : {"D:\\Games", "1:\\ab", "D:x\\", "C:\\Program Files\\Orvane\\Thundra\\Data\\"})
        EXPECT_TRUE(IsValidInstallPath(path)) << path;
    for (const char* path : {"D:\\", "D:", "\\\\server\\share", "D:/Games", "DD:\\x", ""})
        EXPECT_FALSE(IsValidInstallPath(path)) << path;
    const struct {
        const char *text, *word;
        int at;
    } cases[] = {
        {"D:\\MyData", "data", 5}, {"D:\\Database\\Race", "data", 3}, {"D:\\Games", "data", -1}, {"", "data", -1},
        {"D:\\THUNDRA", "Thundra", 3}, {"D:\\Da", "data", -1}, {"xdatadata", "DATA", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.at, ContainsNoCase(c.text, c.word)) << c.text << " / " << c.word;
}

} // namespace
