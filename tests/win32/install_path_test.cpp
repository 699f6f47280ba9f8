// A folder the user browsed to is completed with the publisher, product and
// Data folders it does not name yet; no install path gives way to Program Files.
#include "setup/install_path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/product.h"

TEST(InstallPath, CompletionNamesEachFolderOnce)
{
    const std::string longest = "C:\\" + std::string(235, 'x'),
                      programFiles = "C:\\Program Files (x86)\\Orvane\\Thundra\\Data\\";
    const std::string schedule =
        "D:\\\x97\x5C\x92\xE8\x95\x5C";   // "D:\予定表" on code page 932, whose last byte is a backslash's
    const std::pair<std::string, std::string> rows[] = {
        // typed, completed ("" when it would not fit)
        {"D:\\Games", "D:\\Games\\Orvane\\Thundra\\Data\\"},
        {"D:\\orvane\\THUNDRA\\data", "D:\\orvane\\THUNDRA\\data\\"},
        {"D:\\MyData\\", "D:\\MyData\\Orvane\\Thundra\\"},
        {"D:\\Databases", "D:\\Databases\\Orvane\\Thundra\\"},
        {"D:\\", programFiles},
        {"\\\\server\\share", programFiles},
        {"D:/Games", programFiles},
        {longest, longest + "\\Orvane\\Thundra\\Data\\"},   // 259 characters
        {longest + "x", ""},
        {schedule, schedule + (GetACP() == 932 ? "\\" : "") + "Orvane\\Thundra\\Data\\"},
    };
    for (const auto& row : rows) {
        char path[PathSize];
        strcpy(path, row.first.c_str());
        EXPECT_EQ(row.second, CompleteInstallPath(path) ? std::string(path) : "") << row.first;
    }
}
