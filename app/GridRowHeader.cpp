#include "app/GridRowHeader.h"

#include <QPainter>

namespace kel {

GridRowHeader::GridRowHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

void GridRowHeader::setMarkedRow(int row)
{
    if (row == markedRow_)
        return;
    const int previous = markedRow_;
    markedRow_ = row;
    for (int section : {previous - 1, row - 1}) {
        if (section >= 0)
            updateSection(section);
    }
}

void GridRowHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (logicalIndex != markedRow_ - 1) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    painter->save();
    painter->fillRect(rect, QColor(255, 255, 0));
    QFont font = painter->font();
    font.setPixelSize(13); // 10 points at 96 dots per inch
    painter->setFont(font);
    painter->setPen(Qt::black);
    painter->drawText(rect, Qt::AlignCenter, QStringLiteral("**"));
    painter->restore();
}

} // namespace kel
