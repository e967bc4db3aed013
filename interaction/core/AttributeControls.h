#pragma once
// The behaviour of the attribute controls on pages T1 and T2: the colour
// buttons and swatches, the font button, the text box and its character
// labels, the numeric boxes (which double as spin boxes), the style check
// boxes and the wheel choice, and the Actions items Default Point Shape and
// Disable / Enable Fill Patterns.
//
// The widgets only report what happened (a text changed, a key, a click);
// everything is decided here, on the panel state of the document, and the
// widgets are kept in step through the port.

#include "model/Attributes.h"
#include "model/Colour.h"
#include "model/Controls.h"

#include <QChar>
#include <QString>

#include <optional>

namespace kel {

class CommandRegistry;
class Editor;

// Corrections of chosen colours: the colour and font dialogs turn pure white
// into FFFFFE and 818181 into 808080; typed colours only the white. Pure white
// is the drawing's background, which a flood fill must be able to tell apart
// from a white pen.
Colour correctDialogColour(Colour colour);
Colour correctTypedColour(Colour colour);

enum class Swatch { Pen, Brush, Boundary };

// The keys a numeric box turns into a step of its value.
enum class SpinKey { Up, Down, PageUp, PageDown, F4, Other };

// What a box's key-down handling did with the key.
enum class KeyDownResult {
    Ignored,   // not a key of this box: the box handles it as usual
    Handled,   // the value stepped (or the key had nothing to step)
    ToSurface, // the key belongs to the drawing surface's key handling
};

// The attribute controls by their roles.
namespace controls {
inline constexpr Control kPenSwatch = Control::Label1;
inline constexpr Control kBrushSwatch = Control::Label5;
inline constexpr Control kBoundarySwatch = Control::lbboundrycol;
inline constexpr Control kTransparent = Control::cbtransObj;
inline constexpr Control kPenWidth = Control::Edit1;
inline constexpr Control kBrushPattern = Control::Edit2;
inline constexpr Control kRadius = Control::edtrad;
inline constexpr Control kAngle1 = Control::edtang1;
inline constexpr Control kAngle2 = Control::edtang2;
inline constexpr Control kFontName = Control::Label3;
inline constexpr Control kFontSize = Control::edtfntsize;
inline constexpr Control kBold = Control::cbbold;
inline constexpr Control kItalic = Control::cbitalics;
inline constexpr Control kTextAngle = Control::edtrotangle;
inline constexpr Control kText = Control::Edit3;
inline constexpr Control kWheelRadius = Control::rbRsel;
inline constexpr Control kWheelAngle1 = Control::rbang1;
inline constexpr Control kWheelAngle2 = Control::rbang2;
inline constexpr Control kValueBox = Control::Edit5; // page Edit
} // namespace controls

class AttributeControls {
public:
    explicit AttributeControls(Editor& editor);
    AttributeControls(const AttributeControls&) = delete;
    AttributeControls& operator=(const AttributeControls&) = delete;

    // Writes every control from the panel state, then runs the brush pattern
    // box's change handling so that pattern, transparency and preview agree.
    void showAll();

    // "Pen Col", "Brush Col", "Boundry Col": the colour dialog.
    void choosePenColour();
    void chooseBrushColour();
    void chooseBoundaryColour();
    // A click on a swatch: its colour typed as six hexadecimal digits.
    void typeSwatchColour(Swatch swatch);
    // "Font": the font dialog, with its colour step.
    void chooseFont();
    // A font chosen elsewhere (the characters window): its name goes into
    // the font-name label and its size into the size box.
    void setFont(const QString& name, int size);
    // The "Text" label empties the text box and focuses it; the character
    // labels append their character.
    void clearText();
    void appendToText(QChar character);

    // The boxes whose text is kept here are Edit1, Edit2, edtrad, edtang1,
    // edtang2, edtfntsize, edtrotangle and Edit3; the value box Edit5 of
    // page Edit shares their Esc and Enter keys only.
    //
    // The user changed a box's text.
    void boxChanged(Control box, const QString& text);
    // Program code sets a box's text: the widget shows it and the change
    // handling runs, as for the user's change. A number too long for the
    // box becomes the nearest value that fits.
    void setBoxText(Control box, const QString& text);
    // The focus left a box.
    void boxExited(Control box);
    // A typed character: the character the box takes (possibly replaced), or
    // nothing when it is refused or consumed.
    std::optional<QChar> boxKeyPress(Control box, QChar character);
    // A key went down in a box.
    KeyDownResult boxKeyDown(Control box, SpinKey key);
    // The pointer moved over a box: the text box and the three value boxes of
    // page T7 take the focus then.
    void pointerOverBox(Control box);

    // "Bold", "Italics" and the three wheel radio buttons were set.
    void checkChanged(Control control, bool checked);

    // Actions > "Default Point Shape" > item 1..4 gives shape "0".."3".
    void setDefaultPointShape(int item);
    // Actions > "Disable Fill Patterns" / "Enable Fill Patterns".
    void setFillPatternsVisible(bool visible);

private:
    struct Box;
    static const Box* findBox(Control name);
    void writeBox(const Box& box, const QString& text);
    void runChange(const Box& box);

    void penWidthChanged();
    void brushPatternChanged();
    void radiusChanged();
    void anglesChanged();
    void fontSizeChanged();
    void textAngleChanged();
    void textChanged();
    void previewTool();

    void setPenColour(Colour colour);
    void setBrushColour(Colour colour);
    void setBoundaryColour(Colour colour);
    void setFontColour(Colour colour);
    void endToolAndFocusSurface();

    Editor& editor_;
    AttributePanel& panel_;
    int writing_ = 0; // > 0 while this class writes a widget's text
};

void registerAttributeCommands(CommandRegistry& commands);

} // namespace kel
