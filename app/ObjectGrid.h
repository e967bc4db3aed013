#pragma once
// The object table's own pointer and painting: selected rows green while the
// drawing surface has the keyboard focus and yellow otherwise, the row under
// the pointer, the grid's popup on a right press and the hover over rows.

#include <QObject>
#include <QPoint>

class QTableView;
class QWidget;

namespace kel {

class Editor;

class ObjectGrid : public QObject {
    Q_OBJECT
public:
    ObjectGrid(QTableView* grid, QWidget* surface, Editor& editor, QObject* parent);

    // The row under the pointer as last seen over the grid (0 when none).
    int rowUnderPointer() const;
    // The pointer's last place over the grid, in screen coordinates.
    QPoint pointerGlobal() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* grid_;
    QWidget* surface_;
    Editor& editor_;
    QPoint pointer_{-1, -1}; // in the grid viewport
};

} // namespace kel
