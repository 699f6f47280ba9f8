// A folder the user browsed to or typed is completed with the publisher,
// product and Data folders it does not already name; a path that is no
// install path gives way to Program Files.
#include "setup/install_path.h"

#include <gtest/gtest.h>

#include "launcher/product.h"

namespace {

TEST(InstallPath, CompletionNamesEachFolderOnce)
{
    const std::string longest = "C:\\" + std::string(235, 'x');   // completed, 259 characters
    const struct {
        std::string typed;
        bool fits;
        std::string completed;
    } rows[] = {
        {"D:\\Games", true, "D:\\Games\\Orvane\\Thundra\\Data\\"},
        {"D:\\orvane\\THUNDRA\\data", true, "D:\\orvane\\THUNDRA\\data\\"},
        {"D:\\MyData\\", true, "D:\\MyData\\Orvane\\Thundra\\"},
        {"D:\\Databases", true, "D:\\Databases\\Orvane\\Thundra\\"},
        {"D:\\", true, "C:\\Program Files\\Orvane\\Thundra\\Data\\"},
        {"\\\\server\\share", true, "C:\\Program Files\\Orvane\\Thundra\\Data\\"},
        {"D:/Games", true, "C:\\Program Files\\Orvane\\Thundra\\Data\\"},
        {longest, true, longest + "\\Orvane\\Thundra\\Data\\"},
        {longest + "x", false, ""},
    };
    for (const auto& row : rows) {
        char path[PathSize];
        strcpy(path, row.typed.c_str());
        EXPECT_EQ(row.fits, CompleteInstallPath(path)) << row.typed;
        EXPECT_EQ(row.completed, row.fits ? std::string(path) : "") << row.typed;
    }
}

} // namespace
