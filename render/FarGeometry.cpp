#include "render/FarGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kel {

namespace {

// Aliased drawing hides any deviation below a quarter of a pixel.
constexpr double kTolerance = 0.25;
// Bounds for the number of vertices of one flattened curve.
constexpr double kMaxSteps = 1 << 20;
// Curves needing more vertices than this are first cut into this many
// pieces, and only the pieces near the window are followed closely.
constexpr int kCoarsePieces = 1024;

QPointF EllipsePoint(const QRectF& rect, double radians)
{
    const QPointF c = rect.center();
    return {c.x() + rect.width() / 2 * std::cos(radians),
            c.y() - rect.height() / 2 * std::sin(radians)};
}

// Angular step that keeps a chord of a circle of radius r within tolerance.
double StepFor(double radius)
{
    if (radius <= 1)
        return std::numbers::pi / 4;
    return std::min(std::numbers::pi / 4, 2 * std::sqrt(2 * kTolerance / radius));
}

// One edge of the window as a half-plane test and an intersection.
struct ClipEdge {
    int axis;     // 0 x, 1 y
    double limit; // the border coordinate
    bool keepBelow;

    bool inside(QPointF p) const
    {
        const double v = axis == 0 ? p.x() : p.y();
        return keepBelow ? v <= limit : v >= limit;
    }
    QPointF cut(QPointF a, QPointF b) const
    {
        const double va = axis == 0 ? a.x() : a.y();
        const double vb = axis == 0 ? b.x() : b.y();
        const double t = (limit - va) / (vb - va);
        QPointF p = a + (b - a) * t;
        (axis == 0 ? p.rx() : p.ry()) = limit;
        return p;
    }
};

} // namespace

QRectF OutlineRect(double left, double top, double right, double bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return {left, top, std::max(0.0, right - left - 1), std::max(0.0, bottom - top - 1)};
}

PolylineF EllipsePoints(const QRectF& rect, double startDeg, double spanDeg, const QRectF* window)
{
    const double radius = std::max(rect.width(), rect.height()) / 2;
    const double span = std::min(spanDeg, 360.0) * std::numbers::pi / 180;
    const double start = startDeg * std::numbers::pi / 180;
    const double step = StepFor(radius);
    PolylineF points;
    auto follow = [&](double from, double length) {
        const double steps = std::clamp(std::ceil(length / step), 1.0, kMaxSteps);
        const int count = static_cast<int>(steps);
        for (int i = 1; i <= count; ++i)
            points.push_back(EllipsePoint(rect, from + length * i / count));
    };
    points.push_back(EllipsePoint(rect, start));
    if (!window || span / step <= kCoarsePieces) {
        points.reserve(static_cast<size_t>(std::min(span / step, kMaxSteps)) + 2);
        follow(start, span);
        return points;
    }
    // Coarse pieces first; a piece whose chord box, widened by how far the
    // curve can bow away from the chord, misses the window stays a chord.
    const double piece = span / kCoarsePieces;
    const double bow = radius * piece * piece / 8 + 1;
    for (int i = 0; i < kCoarsePieces; ++i) {
        const double from = start + piece * i;
        const QPointF a = EllipsePoint(rect, from), b = EllipsePoint(rect, from + piece);
        const QRectF box = QRectF(a, b).normalized().adjusted(-bow, -bow, bow, bow);
        if (box.intersects(*window))
            follow(from, piece);
        else
            points.push_back(b);
    }
    return points;
}

PolylineF RoundRectPoints(const QRectF& rect, double rx, double ry, const QRectF* window)
{
    rx = std::clamp(rx, 0.0, rect.width() / 2);
    ry = std::clamp(ry, 0.0, rect.height() / 2);
    const double l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    PolylineF points;
    // Corner arcs counter-clockwise on the screen: top right, top left,
    // bottom left, bottom right.
    const struct {
        double cx, cy, from;
    } corners[] = {
        {r - rx, t + ry, 0}, {l + rx, t + ry, 90}, {l + rx, b - ry, 180}, {r - rx, b - ry, 270}};
    for (const auto& c : corners) {
        const QRectF box(c.cx - rx, c.cy - ry, 2 * rx, 2 * ry);
        const PolylineF arc = EllipsePoints(box, c.from, 90, window);
        points.insert(points.end(), arc.begin(), arc.end());
    }
    if (!points.empty())
        points.push_back(points.front());
    return points;
}

PolylineF BezierPoints(QPointF p0, QPointF c1, QPointF c2, QPointF p3)
{
    // The deviation of n uniform chords is at most 3/4 * max|second
    // difference| / n^2.
    const QPointF d1 = p0 - 2 * c1 + c2;
    const QPointF d2 = c1 - 2 * c2 + p3;
    const double bend = std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
    const double steps =
        std::clamp(std::ceil(std::sqrt(0.75 * bend / kTolerance)), 1.0, kMaxSteps / 16);
    const int count = static_cast<int>(steps);
    PolylineF points;
    points.reserve(static_cast<size_t>(count) + 1);
    for (int i = 0; i <= count; ++i) {
        const double t = static_cast<double>(i) / count;
        const double u = 1 - t;
        points.push_back(p0 * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) +
                         p3 * (t * t * t));
    }
    return points;
}

bool ClipSegment(QPointF& a, QPointF& b, const QRectF& window)
{
    // Liang-Barsky.
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - window.left(), window.right() - a.x(), a.y() - window.top(),
                         window.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx, dy) * t0;
    b = start + QPointF(dx, dy) * t1;
    return true;
}

std::vector<PolylineF> ClipPolyline(std::span<const QPointF> points, const QRectF& window,
                                    bool closed)
{
    std::vector<PolylineF> pieces;
    const size_t n = points.size();
    if (n == 0)
        return pieces;
    if (n == 1) {
        if (window.contains(points[0]))
            pieces.push_back({points[0]});
        return pieces;
    }
    const size_t segments = closed ? n : n - 1;
    bool open = false; // the last piece ends where the previous segment did
    for (size_t i = 0; i < segments; ++i) {
        QPointF a = points[i];
        QPointF b = points[(i + 1) % n];
        const QPointF originalEnd = b;
        if (!ClipSegment(a, b, window)) {
            open = false;
            continue;
        }
        if (!open || pieces.back().back() != a)
            pieces.push_back({a});
        pieces.back().push_back(b);
        open = (b == originalEnd);
    }
    return pieces;
}

PolylineF ClipPolygon(std::span<const QPointF> points, const QRectF& window)
{
    PolylineF current(points.begin(), points.end());
    const ClipEdge edges[] = {{0, window.left(), false},
                              {0, window.right(), true},
                              {1, window.top(), false},
                              {1, window.bottom(), true}};
    for (const ClipEdge& edge : edges) {
        if (current.empty())
            break;
        PolylineF next;
        next.reserve(current.size() + 4);
        QPointF previous = current.back();
        bool previousInside = edge.inside(previous);
        for (const QPointF& p : current) {
            const bool inside = edge.inside(p);
            if (inside != previousInside)
                next.push_back(edge.cut(previous, p));
            if (inside)
                next.push_back(p);
            previous = p;
            previousInside = inside;
        }
        current = std::move(next);
    }
    return current;
}

} // namespace kel
