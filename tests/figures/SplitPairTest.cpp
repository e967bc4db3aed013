#include "figures/SplitPair.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

TEST(SplitPair, SplitsAtTheFirstSemicolon)
{
    const auto pair = SplitPair("3;4");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->left, "3");
    EXPECT_EQ(pair->right, "4");
    const auto more = SplitPair("a;b;c");
    ASSERT_TRUE(more);
    EXPECT_EQ(more->left, "a");
    EXPECT_EQ(more->right, "b;c");
    const auto empty = SplitPair(";");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->left, "");
    EXPECT_EQ(empty->right, "");
}

TEST(SplitPair, CutsEachPartToTwentyCharacters)
{
    const auto pair = SplitPair("abcdefghijklmnopqrstuvwxyz;12345678901234567890123");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->left, "abcdefghijklmnopqrst");
    EXPECT_EQ(pair->right, "12345678901234567890");
}

TEST(SplitPair, FailsWithoutASemicolon)
{
    EXPECT_FALSE(SplitPair(""));
    EXPECT_FALSE(SplitPair("3/4"));
}

} // namespace
} // namespace kel
