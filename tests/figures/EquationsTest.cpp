#include "figures/Equations.h"
#include "FigureTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace kel {
namespace {

TEST(SolveQuadratic, GivesBothRootsLargerFirstForPositiveAAndNoOtherwise)
{
    const auto roots = [](double a, double b, double c) {
        const std::optional<QuadraticRoots> r = SolveQuadratic(a, b, c);
        return r ? std::pair(r->r1, r->r2) : std::pair(std::nan(""), std::nan(""));
    };
    EXPECT_EQ(roots(1, -3, 2), std::pair(2.0, 1.0));
    EXPECT_EQ(roots(2, -8, 8), std::pair(2.0, 2.0));
    EXPECT_EQ(roots(-1, 0, 4), std::pair(-2.0, 2.0)); // (-b + root) / 2a
    EXPECT_FALSE(SolveQuadratic(1, 0, 1));
    EXPECT_FALSE(SolveQuadratic(std::nan(""), 1, 1));
    EXPECT_FALSE(SolveQuadratic(0, 2, 1)); // not a quadratic: roots would be infinite
    EXPECT_FALSE(SolveQuadratic(1, std::numeric_limits<double>::infinity(), 1));
}

TEST(SolveLinear2x2, SolvesByCramersRuleAndRoundsHalvesToEven)
{
    // x + y = 3, x - y = 1
    EXPECT_EQ(SolveLinear2x2(3, 1, 1, 1, -1, 1), QPoint(2, 1));
    // 2x = 5, 2y = 7: 2.5 and 3.5 go to the even neighbours 2 and 4
    EXPECT_EQ(SolveLinear2x2(5, 0, 2, 7, 2, 0), QPoint(2, 4));
    // 3x + 4y = -10, -x + 2y = 0: x = -2, y = -1
    EXPECT_EQ(SolveLinear2x2(-10, 4, 3, 0, 2, -1), QPoint(-2, -1));
}

TEST(SolveLinear2x2, AnswersNoForDependentOrHugeSystems)
{
    EXPECT_FALSE(SolveLinear2x2(3, 1, 1, 6, 2, 2));
    EXPECT_FALSE(SolveLinear2x2(1e300, 0, 1e-10, 1, 1, 0)); // x far beyond 32 bits
}

} // namespace
} // namespace kel
