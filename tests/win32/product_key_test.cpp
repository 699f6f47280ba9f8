#include "setup/product_key.h"

#include <gtest/gtest.h>

#include "launcher/product.h"
#include "registry_fixture.h"

namespace {

constexpr char PublisherKey[] = "Software\\Orvane";

class ProductKeyTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteRegistryTree(PublisherKey); }
    void TearDown() override { DeleteRegistryTree(PublisherKey); }
};

TEST_F(ProductKeyTest, DeletesTheProductAndThePublisherKey)
{
    WriteRegistryText(ProductKey, DataDirectoryValue, "D:\\Games\\Data\\");
    DeleteProductKey();
    EXPECT_FALSE(RegistryKeyExists(ProductKey));
    EXPECT_FALSE(RegistryKeyExists(PublisherKey));
}

TEST_F(ProductKeyTest, AnotherProductOfThePublisherKeepsItsKey)
{
    WriteRegistryText(ProductKey, DataDirectoryValue, "D:\\Games\\Data\\");
    WriteRegistryText("Software\\Orvane\\Other Game", "x", "y");
    DeleteProductKey();
    EXPECT_FALSE(RegistryKeyExists(ProductKey));
    EXPECT_TRUE(RegistryKeyExists("Software\\Orvane\\Other Game"));
}

TEST_F(ProductKeyTest, APublisherKeyLeftAloneIsStillRemoved)
{
    WriteRegistryText(PublisherKey, "x", "y");
    ASSERT_FALSE(RegistryKeyExists(ProductKey));
    DeleteProductKey();
    EXPECT_FALSE(RegistryKeyExists(PublisherKey));
}

TEST_F(ProductKeyTest, ASubkeyOfTheProductKeyKeepsBothKeys)
{
    WriteRegistryText("Software\\Orvane\\Thundra\\Settings", "x", "y");
    DeleteProductKey();
    EXPECT_TRUE(RegistryKeyExists(ProductKey));
    EXPECT_TRUE(RegistryKeyExists(PublisherKey));
}

} // namespace
