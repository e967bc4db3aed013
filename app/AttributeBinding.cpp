#include "app/AttributeBinding.h"

#include "app/PageControl.h"
#include "interaction/core/AttributeControls.h"
#include "interaction/core/Editor.h"
#include "model/Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace kel {

namespace {

SpinKey spinKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return SpinKey::Up;
    case Qt::Key_Down:
        return SpinKey::Down;
    case Qt::Key_PageUp:
        return SpinKey::PageUp;
    case Qt::Key_PageDown:
        return SpinKey::PageDown;
    case Qt::Key_F4:
        return SpinKey::F4;
    default:
        return SpinKey::Other;
    }
}

// A key that types a character into a box, rather than a shortcut or a
// cursor key.
bool typesCharacter(const QKeyEvent* key)
{
    constexpr Qt::KeyboardModifiers shortcuts =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !key->text().isEmpty() && !(key->modifiers() & shortcuts) &&
           key->key() != Qt::Key_Delete;
}

} // namespace

AttributeBinding::AttributeBinding(PageControl& pages, QWidget& surface, Editor& editor,
                                   QObject* parent)
    : QObject(parent), editor_(editor), surface_(surface)
{
    connectButtons(pages);
    connectBoxes(pages);
    connectChecks(pages);
    core().showAll();
}

AttributeControls& AttributeBinding::core()
{
    return editor_.attributes;
}

bool AttributeBinding::handlesKeysOf(const QObject* widget) const
{
    return keyBoxes_.contains(widget);
}

void AttributeBinding::connectButtons(PageControl& pages)
{
    auto onButton = [&](Control name, auto action) {
        if (auto* button = pages.control<QPushButton>(name))
            connect(button, &QPushButton::clicked, this, action);
    };
    onButton(Control::btnpencol, [this] { core().choosePenColour(); });
    onButton(Control::btnbrushcol, [this] { core().chooseBrushColour(); });
    onButton(Control::btnboundrycol, [this] { core().chooseBoundaryColour(); });
    onButton(Control::btnfont, [this] { core().chooseFont(); });

    auto onLabel = [&](Control name, auto action) {
        if (auto* label = pages.control<ClickLabel>(name))
            connect(label, &ClickLabel::clicked, this, action);
    };
    onLabel(controls::kPenSwatch, [this] { core().typeSwatchColour(Swatch::Pen); });
    onLabel(controls::kBrushSwatch, [this] { core().typeSwatchColour(Swatch::Brush); });
    onLabel(controls::kBoundarySwatch, [this] { core().typeSwatchColour(Swatch::Boundary); });
    onLabel(Control::lbtext, [this] { core().clearText(); });
    onLabel(Control::lbdegree, [this] { core().appendToText(QChar(0xB0)); });
    onLabel(Control::lbchar21, [this] { core().appendToText(QChar(0x15)); });
}

void AttributeBinding::connectBoxes(PageControl& pages)
{
    constexpr Control kept[] = {controls::kPenWidth,  controls::kBrushPattern, controls::kRadius,
                                controls::kAngle1,    controls::kAngle2,       controls::kFontSize,
                                controls::kTextAngle, controls::kText};
    for (const Control name : kept) {
        QLineEdit* box = pages.control<QLineEdit>(name);
        if (!box)
            continue;
        connect(box, &QLineEdit::textChanged, this,
                [this, name](const QString& text) { core().boxChanged(name, text); });
        box->installEventFilter(this);
        keyBoxes_.insert(box, name);
    }
    // The value box of page Edit shares the Esc and Enter keys of the boxes.
    if (QLineEdit* value = pages.control<QLineEdit>(controls::kValueBox)) {
        value->installEventFilter(this);
        keyBoxes_.insert(value, controls::kValueBox);
    }
    // Boxes that take the focus when the pointer moves over them.
    for (const Control name :
         {controls::kText, Control::edtvar1, Control::edtvar2, Control::edtvar3}) {
        if (QLineEdit* box = pages.control<QLineEdit>(name)) {
            box->setMouseTracking(true);
            box->installEventFilter(this);
            hoverBoxes_.insert(box, name);
        }
    }
}

void AttributeBinding::connectChecks(PageControl& pages)
{
    for (const Control name : {controls::kBold, controls::kItalic, controls::kWheelRadius,
                               controls::kWheelAngle1, controls::kWheelAngle2}) {
        if (auto* box = pages.control<QAbstractButton>(name)) {
            connect(box, &QAbstractButton::toggled, this,
                    [this, name](bool checked) { core().checkChanged(name, checked); });
        }
    }
}

bool AttributeBinding::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (keyBoxes_.contains(box))
            return boxKey(box, keyBoxes_.value(box), static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusOut:
        if (keyBoxes_.contains(box))
            core().boxExited(keyBoxes_.value(box));
        break;
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (hoverBoxes_.contains(box) && !box->hasFocus())
            core().pointerOverBox(hoverBoxes_.value(box));
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// A key in a box: first its key-down handling (the spin keys), then, for a
// typed character, the box's character handling. True when the box itself
// must not see the key.
bool AttributeBinding::boxKey(QLineEdit* box, Control name, QKeyEvent* key)
{
    switch (core().boxKeyDown(name, spinKeyOf(key->key()))) {
    case KeyDownResult::Handled:
        return true;
    case KeyDownResult::ToSurface: {
        QKeyEvent forwarded(key->type(), key->key(), key->modifiers(), key->text());
        QApplication::sendEvent(&surface_, &forwarded);
        return true;
    }
    case KeyDownResult::Ignored:
        break;
    }
    if (!typesCharacter(key))
        return false;
    const QChar typed = key->text().front();
    const std::optional<QChar> taken = core().boxKeyPress(name, typed);
    if (!taken)
        return true;
    if (*taken != typed) {
        box->insert(QString(*taken));
        return true;
    }
    return false;
}

} // namespace kel
