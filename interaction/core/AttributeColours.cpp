// The colours of the attribute controls: the three colour buttons, the
// colours typed into the swatches and the font dialog.

#include "interaction/core/AttributeControls.h"

#include "interaction/core/Editor.h"

namespace kel {

namespace {

constexpr Colour kPureWhite = 0xFFFFFF;
constexpr Colour kNearWhite = 0xFFFFFE;
constexpr Colour kLightGrey = 0x818181;
constexpr Colour kGrey = 0x808080;

const QString kRgbCaption = QStringLiteral("RGB input");
const QString kRgbPrompt = QStringLiteral("Enter a valid 6 digit Hexadecimal number");
const QString kRgbLength =
    QStringLiteral("RGB code must be 6 digit valid hexadecimal numbers only");
const QString kRgbDigit = QStringLiteral("Invalid digit pos ");

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// Upper case of the ASCII letters only, so the length never changes.
QString asciiUpper(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return out;
}

} // namespace

Colour correctDialogColour(Colour colour)
{
    colour &= 0xFFFFFFu;
    if (colour == kPureWhite)
        return kNearWhite;
    if (colour == kLightGrey)
        return kGrey;
    return colour;
}

Colour correctTypedColour(Colour colour)
{
    colour &= 0xFFFFFFu;
    return colour == kPureWhite ? kNearWhite : colour;
}

void AttributeControls::setPenColour(Colour colour)
{
    editor_.doc.current.penColour = colour;
    panel_.penSwatch = colour;
    editor_.ui().setControlColour(controls::kPenSwatch, ControlColour::Background, colour);
    // Choosing a pen colour also sets the boundary colour of fills.
    setBoundaryColour(colour);
}

void AttributeControls::setBrushColour(Colour colour)
{
    editor_.doc.current.brushColour = colour;
    panel_.brushSwatch = colour;
    editor_.ui().setControlColour(controls::kBrushSwatch, ControlColour::Background, colour);
    // The preview beside the pattern box shows the new colour.
    brushPatternChanged();
}

void AttributeControls::setBoundaryColour(Colour colour)
{
    panel_.boundarySwatch = colour;
    editor_.ui().setControlColour(controls::kBoundarySwatch, ControlColour::Background, colour);
}

void AttributeControls::setFontColour(Colour colour)
{
    panel_.fontColour = colour;
    editor_.ui().setControlColour(controls::kFontName, ControlColour::Text, colour);
}

void AttributeControls::choosePenColour()
{
    if (const std::optional<Colour> chosen = editor_.ui().colourDialog(panel_.penSwatch)) {
        setPenColour(correctDialogColour(*chosen));
        editor_.ui().focusSurface();
    }
}

void AttributeControls::chooseBrushColour()
{
    if (const std::optional<Colour> chosen = editor_.ui().colourDialog(panel_.brushSwatch)) {
        setBrushColour(correctDialogColour(*chosen));
        editor_.ui().focusSurface();
    }
}

void AttributeControls::chooseBoundaryColour()
{
    if (const std::optional<Colour> chosen = editor_.ui().colourDialog(panel_.boundarySwatch)) {
        setBoundaryColour(correctDialogColour(*chosen));
        editor_.ui().focusSurface();
    }
}

void AttributeControls::typeSwatchColour(Swatch swatch)
{
    const Colour shown = swatch == Swatch::Pen     ? panel_.penSwatch
                         : swatch == Swatch::Brush ? panel_.brushSwatch
                                                   : panel_.boundarySwatch;
    UiPort& ui = editor_.ui();
    const QString answer = ui.inputBox(kRgbCaption, kRgbPrompt, colourHex(shown));
    if (answer.isEmpty())
        return;
    const QString digits = asciiUpper(answer);
    if (digits.size() != 6) {
        ui.message(kRgbLength);
        return;
    }
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (!isHexDigit(digits[i])) {
            ui.message(kRgbDigit + QString::number(i + 1));
            return;
        }
    }
    // The digits are laid out as in colour cells: blue pair first.
    const Colour colour = correctTypedColour(digits.toUInt(nullptr, 16));
    switch (swatch) {
    case Swatch::Pen:
        setPenColour(colour);
        break;
    case Swatch::Brush:
        setBrushColour(colour);
        break;
    case Swatch::Boundary:
        setBoundaryColour(colour);
        break;
    }
}

void AttributeControls::chooseFont()
{
    UiPort& ui = editor_.ui();
    const FontChoice start{panel_.fontName, panel_.fontSize.value, panel_.bold, panel_.italic,
                           panel_.fontColour};
    const std::optional<FontChoice> chosen = ui.fontDialog(start);
    if (!chosen)
        return;
    panel_.fontName = chosen->family;
    ui.setControlText(controls::kFontName, chosen->family);
    setBoxText(controls::kFontSize, QString::number(chosen->size));
    setFontColour(correctDialogColour(chosen->colour));
    panel_.bold = chosen->bold;
    ui.setControlChecked(controls::kBold, chosen->bold);
    panel_.italic = chosen->italic;
    ui.setControlChecked(controls::kItalic, chosen->italic);
}

void AttributeControls::setFont(const QString& name, int size)
{
    panel_.fontName = name;
    editor_.ui().setControlText(controls::kFontName, name);
    setBoxText(controls::kFontSize, QString::number(size));
}

} // namespace kel
