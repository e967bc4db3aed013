#pragma once
// The row-number column of the object table. While the pointer rests on an
// object of the drawing, that object's row number shows as "**" on yellow.

#include <QHeaderView>

namespace kel {

class GridRowHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit GridRowHeader(QWidget* parent = nullptr);

    // Row 1 and up; 0 clears the mark.
    void setMarkedRow(int row);
    int markedRow() const { return markedRow_; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int markedRow_ = 0;
};

} // namespace kel
