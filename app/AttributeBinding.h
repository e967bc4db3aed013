#pragma once
// Connects the attribute controls of pages T1 and T2 (and the key handling of
// the value box on page Edit) to the core's AttributeControls. The widgets
// only report what happened; the core decides and writes back through the
// port.

#include "model/Controls.h"

#include <QHash>
#include <QObject>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace kel {

class AttributeControls;
class Editor;
class PageControl;

class AttributeBinding : public QObject {
    Q_OBJECT
public:
    AttributeBinding(PageControl& pages, QWidget& surface, Editor& editor,
                     QObject* parent = nullptr);

    // True for the boxes whose keys this binding hands to the core after the
    // window has seen them.
    bool handlesKeysOf(const QObject* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AttributeControls& core();
    void connectButtons(PageControl& pages);
    void connectBoxes(PageControl& pages);
    void connectChecks(PageControl& pages);
    bool boxKey(QLineEdit* box, Control name, QKeyEvent* key);

    Editor& editor_;
    QWidget& surface_;
    // The boxes this binding watches, and the control each one is.
    QHash<const QObject*, Control> keyBoxes_;
    QHash<const QObject*, Control> hoverBoxes_;
};

} // namespace kel
