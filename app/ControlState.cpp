#include "app/ControlState.h"

#include "app/PageControl.h"
#include "app/ScriptParser.h"
#include "interaction/core/Editor.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace kel {

namespace {

QString paletteColour(const QWidget& control, QPalette::ColorRole role)
{
    return colourHex(fromQRgb(control.palette().color(role).rgb()));
}

} // namespace

std::optional<ControlAspect> controlAspect(const QString& word)
{
    if (word.isEmpty())
        return ControlAspect::State;
    if (word == QStringLiteral("colour"))
        return ControlAspect::Colour;
    if (word == QStringLiteral("background"))
        return ControlAspect::Background;
    return std::nullopt;
}

QString describeControl(const QWidget& control, ControlAspect aspect)
{
    const bool isEdit = qobject_cast<const QLineEdit*>(&control) != nullptr;
    switch (aspect) {
    case ControlAspect::Colour:
        return paletteColour(control, isEdit ? QPalette::Text : QPalette::WindowText);
    case ControlAspect::Background:
        return paletteColour(control, isEdit ? QPalette::Base : QPalette::Window);
    case ControlAspect::State:
        break;
    }
    if (const auto* swatch = qobject_cast<const ColourSwatch*>(&control))
        return colourHex(swatch->modelColour());
    if (const auto* preview = qobject_cast<const BrushPreview*>(&control))
        return QStringLiteral("pattern %1 colour %2")
            .arg(preview->pattern())
            .arg(colourHex(fromQRgb(preview->colour())));
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control))
        return escapeScriptText(edit->text());
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return escapeScriptText(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (button->isCheckable())
            return button->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        return escapeScriptText(button->text());
    }
    return {};
}

} // namespace kel
