#pragma once
// The construction state: the shared signed 32-bit slots the tools and the
// figure routines agree on. Slots 0..7 are the click points P1..P4, 8..11 the
// auxiliary points P5 and P6, 12..19 points of single tools, 20 the click
// counter, 21 the count parameter, 22 the size parameter, 23 the radius
// parameter, 24 and 25 the two angles; the rest belong to single tools.

#include <QPoint>

#include <array>
#include <cstdint>

namespace kel {

struct ConstructionState {
    static constexpr int kSlots = 34;
    static constexpr int kClickCounter = 20;
    static constexpr int kCount = 21;
    static constexpr int kSize = 22;
    static constexpr int kRadius = 23;
    static constexpr int kAngle1 = 24;
    static constexpr int kAngle2 = 25;
    // Pairs of slots read as points: point(0) is slots 0, 1 (the first
    // click), point(4) slots 8, 9 (P5), point(5) slots 10, 11 (P6).
    static constexpr int kPoints = kSlots / 2;

    std::array<std::int32_t, kSlots> slot{};

    std::int32_t& clicks() { return slot[kClickCounter]; }
    std::int32_t clicks() const { return slot[kClickCounter]; }

    QPoint point(int index) const
    {
        return {slot[static_cast<std::size_t>(2 * index)],
                slot[static_cast<std::size_t>(2 * index + 1)]};
    }
    void setPoint(int index, QPoint p)
    {
        slot[static_cast<std::size_t>(2 * index)] = p.x();
        slot[static_cast<std::size_t>(2 * index + 1)] = p.y();
    }
};

} // namespace kel
