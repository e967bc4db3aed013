#pragma once
// The drawing surface `image1`: shows the off-screen bitmap at (0, 0) and
// hands pointer events to the core.

#include <QImage>
#include <QWidget>

namespace kel {

class Editor;

class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    void setEditor(Editor* editor) { editor_ = editor; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Editor* editor_ = nullptr;
};

} // namespace kel
