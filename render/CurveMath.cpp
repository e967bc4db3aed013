#include "render/CurveMath.h"

#include "figures/Measures.h"
#include "model/Rounding.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <numbers>

namespace kel {

namespace {

// Graph values beyond any canvas are held this far away.
constexpr double kFar = 1e12;
// However large the window, a graph never takes more columns than this.
constexpr long long kMaxGraphColumns = 1LL << 20;

// Truncating like the stored formulas: C++ division truncates toward zero.
std::int64_t Control1(std::int64_t p0, std::int64_t q1, std::int64_t q2, std::int64_t p3)
{
    return (-5 * p0) / 6 + p3 / 3 - (3 * q2) / 2 + 3 * q1;
}

std::int64_t Control2(std::int64_t p0, std::int64_t q1, std::int64_t q2, std::int64_t p3)
{
    return p0 / 3 - (5 * p3) / 6 + 3 * q2 - (3 * q1) / 2;
}

// The turn RotatePoint makes, with the angle held in single precision once
// in radians, kept in double so far-away vertices need no 32-bit result.
struct Turn {
    double cosT = 1;
    double sinT = 0;

    explicit Turn(int degrees)
    {
        const auto t = static_cast<float>(degrees * std::numbers::pi / 180.0);
        cosT = std::cos(static_cast<double>(t));
        sinT = std::sin(static_cast<double>(t));
    }
    QPointF apply(double x, double y, QPoint centre) const
    {
        const double u = x - centre.x();
        const double v = y - centre.y();
        return {centre.x() + std::rint(u * cosT - v * sinT),
                centre.y() + std::rint(u * sinT + v * cosT)};
    }
    // The x extent of the points that the turn carries into the window.
    std::pair<double, double> sourceColumns(const QRectF& window, QPoint centre) const
    {
        double lo = std::numeric_limits<double>::max();
        double hi = std::numeric_limits<double>::lowest();
        for (const QPointF corner :
             {window.topLeft(), window.topRight(), window.bottomLeft(), window.bottomRight()}) {
            const double u = corner.x() - centre.x();
            const double v = corner.y() - centre.y();
            const double x = centre.x() + u * cosT + v * sinT;
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        return {lo, hi};
    }
};

} // namespace

BezierControls BezierControlPoints(const BezierRecordPoints& p)
{
    BezierControls c;
    c.c1.x = Control1(p[0].x(), p[1].x(), p[2].x(), p[3].x());
    c.c1.y = Control1(p[0].y(), p[1].y(), p[2].y(), p[3].y());
    c.c2.x = Control2(p[0].x(), p[1].x(), p[2].x(), p[3].x());
    c.c2.y = Control2(p[0].y(), p[1].y(), p[2].y(), p[3].y());
    return c;
}

QPointF BezierPointAt(const BezierRecordPoints& p, const BezierControls& c, double t)
{
    const double u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
    return {a * p[0].x() + b * static_cast<double>(c.c1.x) + d * static_cast<double>(c.c2.x) +
                e * p[3].x(),
            a * p[0].y() + b * static_cast<double>(c.c1.y) + d * static_cast<double>(c.c2.y) +
                e * p[3].y()};
}

std::optional<BezierHit> BezierNearest(const BezierRecordPoints& points, QPoint pointer)
{
    const BezierControls controls = BezierControlPoints(points);
    std::optional<BezierHit> best;
    int bestDistance = INT_MAX;
    for (int i = 0; i < kBezierSamples; ++i) {
        const double t = i / 100.0;
        const QPointF at = BezierPointAt(points, controls, t);
        const std::optional<int> x = RoundToInt(at.x());
        const std::optional<int> y = RoundToInt(at.y());
        if (!x || !y)
            continue;
        const QPoint sample(*x, *y);
        const std::optional<int> d = PointDistance(pointer, sample);
        if (d && *d < bestDistance) {
            bestDistance = *d;
            best = BezierHit{*d, static_cast<float>(t), sample};
        }
    }
    return best;
}

std::optional<Polynomial> PolynomialCoefficients(std::span<const QPoint> points)
{
    const size_t n = points.size();
    if (n > static_cast<size_t>(kMaxPolynomialPoints))
        return std::nullopt;
    std::array<double, kMaxPolynomialPoints> weight{};
    for (size_t i = 0; i < n; ++i) {
        double w = 1;
        for (size_t j = 0; j < n; ++j)
            if (j != i)
                w *= static_cast<double>(points[i].x()) - points[j].x();
        if (w == 0)
            return std::nullopt;
        weight[i] = w;
    }
    Polynomial c{};
    for (size_t i = 0; i < n; ++i) {
        // The product of (x - x_j) over j != i, built up one factor at a time.
        Polynomial basis{};
        basis[0] = 1;
        size_t degree = 0;
        for (size_t j = 0; j < n; ++j) {
            if (j == i)
                continue;
            const double xj = points[j].x();
            for (size_t k = degree + 1; k > 0; --k)
                basis[k] = basis[k - 1] - xj * basis[k];
            basis[0] = -xj * basis[0];
            ++degree;
        }
        const double scale = points[i].y() / weight[i];
        for (size_t k = 0; k <= degree; ++k)
            c[k] += scale * basis[k];
    }
    return c;
}

int PolynomialDegree(const Polynomial& c)
{
    for (int k = kMaxPolynomialPoints - 1; k > 0; --k)
        if (c[static_cast<size_t>(k)] != 0)
            return k;
    return 0;
}

long double EvaluatePolynomial(const Polynomial& c, int degree, long double x)
{
    long double sum = 0;
    long double power = 1;
    for (int k = 0; k <= degree && k < kMaxPolynomialPoints; ++k) {
        sum += c[static_cast<size_t>(k)] * power;
        power *= x;
    }
    return sum;
}

std::optional<std::vector<PolylineF>> PolynomialGraph(std::span<const QPoint> points, int angle,
                                                      QPoint centre, const QRectF& window)
{
    const std::optional<Polynomial> c = PolynomialCoefficients(points);
    if (!c)
        return std::nullopt;
    std::vector<PolylineF> runs;
    if (points.empty())
        return runs;
    const int degree = PolynomialDegree(*c);
    const auto [xmin, xmax] = std::minmax_element(points.begin(), points.end(),
                                                  [](QPoint a, QPoint b) { return a.x() < b.x(); });

    const Turn turn(angle);
    auto [lo, hi] =
        angle == 0 ? std::pair(window.left(), window.right()) : turn.sourceColumns(window, centre);
    // Two columns more on each side cover the rounding of turned vertices;
    // the points' own columns all lie within kFar.
    lo = std::clamp(std::floor(lo), -kFar, kFar);
    hi = std::clamp(std::ceil(hi), -kFar, kFar);
    long long first = std::max<long long>(xmin->x(), static_cast<long long>(lo) - 2);
    long long last = std::min<long long>(xmax->x(), static_cast<long long>(hi) + 2);
    if (first > last)
        return runs;
    last = std::min(last, first + kMaxGraphColumns - 1);

    PolylineF run;
    run.reserve(static_cast<size_t>(last - first + 1));
    for (long long x = first; x <= last; ++x) {
        const long double value = EvaluatePolynomial(*c, degree, static_cast<long double>(x));
        if (std::isnan(value)) {
            if (!run.empty())
                runs.push_back(std::move(run));
            run.clear();
            continue;
        }
        const auto y = static_cast<double>(std::clamp<long double>(std::rint(value), -kFar, kFar));
        const auto column = static_cast<double>(x);
        run.push_back(angle == 0 ? QPointF(column, y) : turn.apply(column, y, centre));
    }
    if (!run.empty())
        runs.push_back(std::move(run));
    return runs;
}

} // namespace kel
