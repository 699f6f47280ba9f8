#include "setup/path_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(PathRules, ValidInstallPaths)
{
    struct Case {
        const char* path;
        bool valid;
    };
    const Case cases[] = {
        {"D:\\Games", true}, {"D:\\", false},  {"D:", false},      {"\\\\server\\share", false},
        {"D:/Games", false}, {"DD:\\x", false}, {"1:\\ab", true},  {"", false},
        {"D:x\\", true},     {"C:\\Program Files\\Orvane\\Thundra\\Data\\", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.valid, IsValidInstallPath(c.path)) << c.path;
}

TEST(PathRules, ContainsNoCaseFindsTheFirstPlace)
{
    struct Case {
        const char* text;
        const char* word;
        int at;
    };
    const Case cases[] = {
        {"D:\\MyData", "data", 5},   {"D:\\Database\\Race", "data", 3}, {"D:\\Games", "data", -1},
        {"", "data", -1},            {"D:\\THUNDRA", "Thundra", 3},     {"dat", "data", -1},
        {"D:\\Da", "data", -1},      {"xdatadata", "DATA", 1},          {"D:\\orvane\\", "Orvane", 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.at, ContainsNoCase(c.text, c.word)) << c.text << " / " << c.word;
}

} // namespace
