#include "app/DrawingSurface.h"

#include "interaction/core/Editor.h"
#include "model/Controls.h"

#include <QMouseEvent>
#include <QPainter>

namespace kel {

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent)
{
    setObjectName(controlName(Control::image1));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!editor_) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    const QImage& bitmap = editor_->renderer.bitmap();
    painter.drawImage(0, 0, bitmap);
    if (const QImage* preview = editor_->previewImage())
        painter.drawImage(0, 0, *preview);
    // Outside the bitmap (only while a resize is under way) stays white.
    if (bitmap.width() < width())
        painter.fillRect(bitmap.width(), 0, width() - bitmap.width(), height(), Qt::white);
    if (bitmap.height() < height())
        painter.fillRect(0, bitmap.height(), width(), height() - bitmap.height(), Qt::white);
}

void DrawingSurface::resizeEvent(QResizeEvent*)
{
    if (editor_)
        editor_->surfaceResized(size());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (editor_)
        editor_->pointerMoved(event->position().toPoint());
}

void DrawingSurface::mousePressEvent(QMouseEvent* event)
{
    if (editor_)
        editor_->pointerDown(event->button(), event->position().toPoint());
}

} // namespace kel
