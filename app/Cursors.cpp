#include "app/Cursors.h"

#include <QPixmap>
#include <QString>

namespace kel {

namespace {

QCursor loadCursor(const QString& resource, QSize size, QPoint hotSpot, Qt::CursorShape fallback)
{
    const QPixmap picture(resource);
    if (picture.isNull() || picture.size() != size)
        return QCursor(fallback);
    return QCursor(picture, hotSpot.x(), hotSpot.y());
}

} // namespace

QCursor loadCursor1()
{
    return loadCursor(QStringLiteral(":/cursor1.png"), kCursor1Size, kCursor1HotSpot,
                      Qt::CrossCursor);
}

QCursor loadCursor2()
{
    return loadCursor(QStringLiteral(":/cursor2.png"), kCursor2Size, kCursor2HotSpot,
                      Qt::ArrowCursor);
}

} // namespace kel
