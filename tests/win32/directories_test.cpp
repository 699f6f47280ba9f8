#include "setup/directories.h"

#include <gtest/gtest.h>

#include <string>

#include "launcher/product.h"
#include "registry_fixture.h"
#include "test_files.h"

namespace {

constexpr char ScratchRoot[] = "C:\\thundra-dir-tests";

class DirectoriesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveTree(ScratchRoot);
        ASSERT_TRUE(CreateDirectoryA(ScratchRoot, nullptr));
        DeleteRegistryTree(ProductKey);
    }
    void TearDown() override
    {
        RemoveTree(ScratchRoot);
        DeleteRegistryTree(ProductKey);
    }

    SavedRegistryValue programFiles_{WindowsCurrentVersionKey, ProgramFilesValue};
};

std::string Scratch(const char* rest)
{
    return std::string(ScratchRoot) + rest;
}

std::string ProgramFilesDir()
{
    char buf[PathSize];
    GetProgramFilesDir(buf);
    return buf;
}

std::string DefaultInstallDir()
{
    char buf[PathSize];
    EXPECT_TRUE(GetDefaultInstallDir(buf));
    return buf;
}

std::string DataDir()
{
    char buf[PathSize];
    EXPECT_TRUE(GetDataDir(buf));
    return buf;
}

// "Orvane\Thundra\Data\" is 20 characters; a Program Files directory of up
// to 239 characters, backslash included, leaves every formed path in 259.
TEST_F(DirectoriesTest, ProgramFilesDirAndItsFallbacks)
{
    const std::string fits(238, 'p');
    const std::string tooLong(239, 'p');
    struct Case {
        const char* name;
        bool present;
        std::string value;
        std::string expected;
    };
    const Case cases[] = {
        {"absent", false, "", "c:\\program files\\"},
        {"empty", true, "", "c:\\program files\\"},
        {"without backslash", true, "D:\\Programs", "D:\\Programs\\"},
        {"with backslash", true, "D:\\Programs\\", "D:\\Programs\\"},
        {"longest that fits", true, "D:" + fits.substr(2), "D:" + fits.substr(2) + "\\"},
        {"longest that fits, own backslash", true, "D:" + fits.substr(2) + "\\", "D:" + fits.substr(2) + "\\"},
        {"one too long", true, "D:" + tooLong.substr(2), "c:\\program files\\"},
        {"259 characters", true, std::string(259, 'q'), "c:\\program files\\"},
        {"longer than the buffer", true, std::string(400, 'r'), "c:\\program files\\"},
    };
    for (const Case& c : cases) {
        if (c.present)
            WriteRegistryText(WindowsCurrentVersionKey, ProgramFilesValue, c.value);
        else
            DeleteRegistryValue(WindowsCurrentVersionKey, ProgramFilesValue);
        EXPECT_EQ(c.expected, ProgramFilesDir()) << c.name;
        EXPECT_EQ(c.expected + "Orvane\\Thundra\\", DefaultInstallDir()) << c.name;
        EXPECT_EQ(c.expected + "Orvane\\Thundra\\Data\\", DataDir()) << c.name;
        EXPECT_LE(DataDir().size(), 259u) << c.name;
    }
}

TEST_F(DirectoriesTest, ProgramFilesDirStoredWithoutItsTerminator)
{
    const char value[] = {'E', ':', '\\', 'P', 'F'};
    WriteRegistryValue(WindowsCurrentVersionKey, ProgramFilesValue, REG_SZ, value, sizeof value);
    EXPECT_EQ("E:\\PF\\", ProgramFilesDir());
}

TEST_F(DirectoriesTest, DataDirComesFromTheProductKeyAsStored)
{
    WriteRegistryText(WindowsCurrentVersionKey, ProgramFilesValue, "D:\\Program Files");
    const std::string fallback = "D:\\Program Files\\Orvane\\Thundra\\Data\\";
    EXPECT_EQ(fallback, DataDir()) << "no product key";

    WriteRegistryText(ProductKey, "Other", "x");
    EXPECT_EQ(fallback, DataDir()) << "key without the value";

    struct Case {
        std::string stored, expected;
    };
    const Case cases[] = {
        {"E:\\Race\\Data\\", "E:\\Race\\Data\\"},
        {"E:\\Race", "E:\\Race"},                               // no backslash is added
        {"E:\\" + std::string(256, 'd'), "E:\\" + std::string(256, 'd')},   // 259 characters
        {"E:\\" + std::string(257, 'd'), fallback},             // 260: does not fit
        {std::string(1000, 'd'), fallback},
    };
    for (const Case& c : cases) {
        WriteRegistryText(ProductKey, DataDirectoryValue, c.stored);
        EXPECT_EQ(c.expected, DataDir()) << c.stored.size() << " characters";
    }
}

TEST_F(DirectoriesTest, CreateDirectoryChainMakesEveryMissingLevel)
{
    EXPECT_TRUE(CreateDirectoryChain(Scratch("\\New\\Sub\\").c_str()));
    EXPECT_TRUE(IsDirectory(Scratch("\\New\\Sub")));
    EXPECT_FALSE(CreateDirectoryChain(Scratch("\\New\\Sub\\").c_str())) << "all there already";
    EXPECT_FALSE(CreateDirectoryChain(Scratch("\\New").c_str()));

    EXPECT_TRUE(CreateDirectoryChain(Scratch("\\New\\Deeper\\Leaf").c_str())) << "partly there";
    EXPECT_TRUE(IsDirectory(Scratch("\\New\\Deeper\\Leaf")));

    EXPECT_TRUE(CreateDirectoryChain(Scratch("\\\\Runs\\\\\\Of\\\\").c_str())) << "runs of backslashes";
    EXPECT_TRUE(IsDirectory(Scratch("\\Runs\\Of")));
}

TEST_F(DirectoriesTest, CreateDirectoryChainRefusesWhatHasNoDirectory)
{
    EXPECT_FALSE(CreateDirectoryChain(""));
    EXPECT_FALSE(CreateDirectoryChain("\\"));
    EXPECT_FALSE(CreateDirectoryChain("\\\\\\\\"));

    // A path too long for its buffer is refused whole, not cut into another.
    std::string deep = Scratch("\\Long\\") + std::string(300, 'x');
    EXPECT_FALSE(CreateDirectoryChain(deep.c_str()));
    EXPECT_FALSE(IsDirectory(Scratch("\\Long")));
}

TEST_F(DirectoriesTest, CreateDirectoryChainFailsOnAFileInTheWay)
{
    ASSERT_TRUE(WriteTextFile(Scratch("\\Blocker"), "x"));
    EXPECT_FALSE(CreateDirectoryChain(Scratch("\\Blocker\\Sub").c_str()));
}

TEST_F(DirectoriesTest, RemoveDirectoryChainTakesEmptyLevelsOnly)
{
    ASSERT_TRUE(CreateDirectoryChain(Scratch("\\Top\\Mid\\Leaf").c_str()));
    ASSERT_TRUE(WriteTextFile(Scratch("\\Top\\keep.txt"), "x"));

    RemoveDirectoryChain(Scratch("\\Top\\Mid\\Leaf").c_str());
    EXPECT_FALSE(IsDirectory(Scratch("\\Top\\Mid")));
    EXPECT_TRUE(IsDirectory(Scratch("\\Top")));
    EXPECT_TRUE(IsDirectory(ScratchRoot)) << "the walk goes on upward but stops at what is not empty";

    ASSERT_TRUE(CreateDirectoryChain(Scratch("\\Trail\\Leaf\\").c_str()));
    RemoveDirectoryChain(Scratch("\\Trail\\Leaf\\").c_str());
    EXPECT_FALSE(IsDirectory(Scratch("\\Trail"))) << "trailing backslash";
}

TEST_F(DirectoriesTest, EnsureDefaultInstallDirMakesItOnce)
{
    WriteRegistryText(WindowsCurrentVersionKey, ProgramFilesValue, Scratch("\\PF"));
    EXPECT_TRUE(EnsureDefaultInstallDir());
    EXPECT_TRUE(IsDirectory(Scratch("\\PF\\Orvane\\Thundra")));
    EXPECT_FALSE(EnsureDefaultInstallDir());
}

} // namespace
