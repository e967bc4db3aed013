#include "model/VectorMeasures.h"
#include "model/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kel {
namespace {

TEST(RoundToInt, RoundsHalvesToEvenAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(RoundToInt(0.5), 0);
    EXPECT_EQ(RoundToInt(-2.5), -2);
    EXPECT_EQ(RoundToInt(2147483647.4), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundToInt(-2147483648.4), std::numeric_limits<int>::min());
    EXPECT_FALSE(RoundToInt(2147483647.5)); // rounds to 2^31
    EXPECT_FALSE(RoundToInt(-2147483649.0));
    EXPECT_FALSE(RoundToInt(std::nan("")));
}

TEST(VectorLength, IsExactForLargeVectorsAndRefusesTooLongOnes)
{
    // 46339^4 + 46339^2 = s^2 + s with s = 46339^2: just below s + 1/2.
    constexpr std::int64_t k = 46339;
    EXPECT_EQ(VectorLength(k * k, k), k * k);
    EXPECT_EQ(VectorLength(k * k, k + 1), k * k + 1);                         // just above it
    EXPECT_FALSE(VectorLength(std::int64_t{1} << 31, std::int64_t{1} << 31)); // sum is 2^63
    EXPECT_FALSE(VectorLength(std::numeric_limits<std::int64_t>::min(), 0));
}

TEST(VectorAngle, NonFiniteInputGivesZero)
{
    EXPECT_EQ(VectorAngle(std::nan(""), 0, 1, 1), 0);
    EXPECT_EQ(VectorAngle(1e300, 0, 0, 1e300), 0);
    EXPECT_EQ(VectorAngle(1, 1, 4, 4), 0); // rounded sides 1, 6, 4 make no triangle
}

} // namespace
} // namespace kel
