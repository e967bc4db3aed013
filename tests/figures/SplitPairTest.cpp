#include "figures/SplitPair.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

TEST(SplitPair, SplitsAtTheFirstSemicolonAndCutsEachPartToTwentyCharacters)
{
    const auto split = [](const char* text) {
        const auto pair = SplitPair(text);
        return pair ? pair->left + " / " + pair->right : QStringLiteral("none");
    };
    EXPECT_EQ(split("3;4"), "3 / 4");
    EXPECT_EQ(split("a;b;c"), "a / b;c");
    EXPECT_EQ(split(";"), " / ");
    EXPECT_EQ(split("abcdefghijklmnopqrstuvwxyz;12345678901234567890123"),
              "abcdefghijklmnopqrst / 12345678901234567890");
    EXPECT_EQ(split(""), "none");
    EXPECT_EQ(split("3/4"), "none");
}

} // namespace
} // namespace kel
