#include "interaction/core/HoverThrottle.h"

namespace kel {

HoverThrottle::HoverThrottle(std::function<void(QPoint)> replay) : replay_(std::move(replay))
{
    trailing_.setSingleShot(true);
    QObject::connect(&trailing_, &QTimer::timeout, [this] {
        sinceLast_.invalidate();
        replay_(pending_);
    });
}

void HoverThrottle::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled)
        cancel();
}

bool HoverThrottle::allow(QPoint pos)
{
    if (!enabled_)
        return true;
    if (!sinceLast_.isValid() || sinceLast_.elapsed() >= kPauseMs) {
        sinceLast_.start();
        trailing_.stop();
        return true;
    }
    pending_ = pos;
    if (!trailing_.isActive())
        trailing_.start(static_cast<int>(kPauseMs - sinceLast_.elapsed()));
    return false;
}

void HoverThrottle::cancel()
{
    trailing_.stop();
}

} // namespace kel
