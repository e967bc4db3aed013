#pragma once
// Thrown by a tool or command that cannot finish what it started (a value
// that does not fit 32 bits, damaged data). The event that ran it puts the
// table and the tool state back as they were and shows the message once.

#include <QPoint>
#include <QString>

#include <optional>
#include <stdexcept>

namespace kel {

class ActionFailed : public std::runtime_error {
public:
    explicit ActionFailed(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The value of a checked conversion, or the action fails.
inline int require(std::optional<int> value)
{
    if (!value)
        throw ActionFailed(QStringLiteral("Range check error"));
    return *value;
}

// A point from a checked routine, or the action fails.
inline QPoint requirePoint(std::optional<QPoint> point)
{
    if (!point)
        throw ActionFailed(QStringLiteral("Range check error"));
    return *point;
}

} // namespace kel
