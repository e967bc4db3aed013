#pragma once
// At most one hover pick per 150 ms: a move inside the pause is remembered
// and handled by a trailing timer, so the last position is always picked and
// input never waits. Scripts and tests run without the pause.

#include <QElapsedTimer>
#include <QPoint>
#include <QTimer>

#include <functional>

namespace kel {

class HoverThrottle {
public:
    static constexpr int kPauseMs = 150;

    // `replay` runs the move pipeline again at a remembered position.
    explicit HoverThrottle(std::function<void(QPoint)> replay);

    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }

    // True when a pick may run now at `pos`; otherwise `pos` waits for the
    // trailing timer.
    bool allow(QPoint pos);
    // A click picks at once; nothing waiting should run after it.
    void cancel();

private:
    std::function<void(QPoint)> replay_;
    bool enabled_ = false;
    QElapsedTimer sinceLast_;
    QTimer trailing_;
    QPoint pending_;
};

} // namespace kel
