#include "app/ObjectGrid.h"

#include "interaction/core/Editor.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>

namespace kel {

namespace {

constexpr int kTextIndent = 2;
const QColor kFocusedSelection(0, 255, 0);
const QColor kUnfocusedSelection(255, 255, 0);

class SelectedRowDelegate : public QStyledItemDelegate {
public:
    SelectedRowDelegate(QWidget* surface, QObject* parent)
        : QStyledItemDelegate(parent), surface_(surface)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (!(option.state & QStyle::State_Selected)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->fillRect(option.rect,
                          surface_->hasFocus() ? kFocusedSelection : kUnfocusedSelection);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(option.rect.adjusted(kTextIndent, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    }

private:
    QWidget* surface_;
};

} // namespace

ObjectGrid::ObjectGrid(QTableView* grid, QWidget* surface, Editor& editor, QObject* parent)
    : QObject(parent), grid_(grid), surface_(surface), editor_(editor)
{
    grid_->setItemDelegate(new SelectedRowDelegate(surface_, this));
    grid_->setMouseTracking(true);
    grid_->viewport()->installEventFilter(this);
    surface_->installEventFilter(this);
}

int ObjectGrid::rowUnderPointer() const
{
    const int row = grid_->rowAt(pointer_.y());
    return row < 0 ? 0 : row + 1;
}

QPoint ObjectGrid::pointerGlobal() const
{
    return grid_->viewport()->mapToGlobal(pointer_);
}

bool ObjectGrid::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == surface_) {
        // The selection's colour follows the surface's focus.
        if (type == QEvent::FocusIn || type == QEvent::FocusOut)
            grid_->viewport()->update();
        return false;
    }
    if (type == QEvent::Leave)
        pointer_ = QPoint(-1, -1);
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    pointer_ = mouse->position().toPoint();
    if (type == QEvent::MouseMove) {
        editor_.gdMouseMove();
        return false;
    }
    if (mouse->button() != Qt::RightButton)
        return false;
    editor_.gdMouseDown(Qt::RightButton);
    return true;
}

} // namespace kel
