// The numeric boxes, the text box, the keys, the style checks and the Actions
// items of the attribute controls. Their colours are in AttributeColours.cpp.

#include "interaction/core/AttributeControls.h"

#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"
#include "model/Controls.h"
#include "model/RecordKinds.h"

#include <algorithm>

namespace kel {

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kYellow = 0x00FFFF;

constexpr int kMaxPattern = 7;
constexpr int kMaxPenWidth = 9;
// A value that reaches this many steps up starts again low.
constexpr int kSpinWrap = 1000;
constexpr int kSpinRestart = 20;
constexpr int kPageStep = 10;
constexpr int kDefaultFontSize = 12;

constexpr char16_t kEscape = 27;
constexpr char16_t kEnter = 13;
constexpr char16_t kBackspace = 8;

int readInt(const QString& text, int fallback)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : fallback;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Tab, carriage return and line feed separate cells and lines of a KEL file;
// a text cell must never hold them.
bool breaksKelLine(QChar c)
{
    return c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

// How a box treats typed characters.
enum class BoxKeys {
    Digits,   // edtrad, edtang1, edtang2: digits, Backspace, Enter, Esc only
    Plain,    // Edit1, edtrotangle, Edit5: Esc and Enter act
    Pattern,  // Edit2: as Plain, and every character above '7' becomes '0'
    FontSize, // edtfntsize: digits and Backspace only, a refusal shows red
    Text,     // Edit3: Esc acts
};

struct AttributeControls::Box {
    Control name;
    int maxLength;
    NumberBox AttributePanel::*number;    // null for the text box and Edit5
    void (AttributeControls::*changed)(); // null: the text is not kept here
    BoxKeys keys;
    int spinLimit; // the largest value the spin keys give; 0: no spinning
};

const AttributeControls::Box* AttributeControls::findBox(Control name)
{
    static const Box kBoxes[] = {
        {Control::Edit1, 1, &AttributePanel::penWidth, &AttributeControls::penWidthChanged,
         BoxKeys::Plain, kMaxPenWidth},
        {Control::Edit2, 1, &AttributePanel::brushPattern, &AttributeControls::brushPatternChanged,
         BoxKeys::Pattern, kMaxPattern},
        {Control::edtrad, 3, &AttributePanel::radius, &AttributeControls::radiusChanged,
         BoxKeys::Digits, 999},
        {Control::edtang1, 3, &AttributePanel::angle1, &AttributeControls::anglesChanged,
         BoxKeys::Digits, 999},
        {Control::edtang2, 3, &AttributePanel::angle2, &AttributeControls::anglesChanged,
         BoxKeys::Digits, 999},
        {Control::edtfntsize, 3, &AttributePanel::fontSize, &AttributeControls::fontSizeChanged,
         BoxKeys::FontSize, 0},
        {Control::edtrotangle, 3, &AttributePanel::textAngle, &AttributeControls::textAngleChanged,
         BoxKeys::Plain, 999},
        {Control::Edit3, 32767, nullptr, &AttributeControls::textChanged, BoxKeys::Text, 0},
        {Control::Edit5, 32767, nullptr, nullptr, BoxKeys::Plain, 0},
    };
    for (const Box& box : kBoxes) {
        if (name == box.name)
            return &box;
    }
    return nullptr;
}

AttributeControls::AttributeControls(Editor& editor) : editor_(editor), panel_(editor.doc.panel) {}

// Boxes ------------------------------------------------------------------

namespace {

// The text a box can hold: a number too long for the box becomes the nearest
// value that fits, anything else is cut, as the box itself would cut it.
QString fitText(const QString& text, int maxLength)
{
    if (text.size() <= maxLength)
        return text;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return text.left(maxLength);
    int largest = 9;
    for (int i = 1; i < maxLength; ++i)
        largest = largest * 10 + 9;
    const int smallest = maxLength > 1 ? -(largest / 10) : 0;
    return QString::number(std::clamp(value, smallest, largest));
}

} // namespace

void AttributeControls::writeBox(const Box& box, const QString& text)
{
    if (box.number)
        (panel_.*box.number).text = text;
    else
        panel_.text = text;
    ++writing_;
    editor_.ui().setControlText(box.name, text);
    --writing_;
}

void AttributeControls::runChange(const Box& box)
{
    if (box.changed)
        (this->*box.changed)();
}

void AttributeControls::boxChanged(Control name, const QString& text)
{
    // Our own writes run their change handling themselves.
    if (writing_ > 0)
        return;
    const Box* box = findBox(name);
    if (!box || !box->changed)
        return;
    if (box->number)
        (panel_.*box->number).text = text;
    else
        panel_.text = text;
    runChange(*box);
}

void AttributeControls::setBoxText(Control name, const QString& text)
{
    const Box* box = findBox(name);
    if (!box || !box->changed)
        return;
    writeBox(*box, fitText(text, box->maxLength));
    runChange(*box);
}

void AttributeControls::boxExited(Control name)
{
    if (name == controls::kBrushPattern && readInt(panel_.brushPattern.text, 0) > kMaxPattern)
        setBoxText(name, QStringLiteral("0"));
}

void AttributeControls::penWidthChanged()
{
    NumberBox& box = panel_.penWidth;
    bool ok = false;
    int width = box.text.toInt(&ok, 10);
    if (!ok)
        width = 0;
    // A pen attribute string has one digit for the width.
    if (ok && (width < 0 || width > kMaxPenWidth)) {
        width = std::clamp(width, 0, kMaxPenWidth);
        writeBox(*findBox(controls::kPenWidth), QString::number(width));
    }
    box.value = width;
    editor_.doc.current.penWidth = width;
}

void AttributeControls::brushPatternChanged()
{
    NumberBox& box = panel_.brushPattern;
    int pattern = readInt(box.text, 0);
    if (pattern > kMaxPattern || pattern < 0) {
        writeBox(*findBox(controls::kBrushPattern), QStringLiteral("0"));
        pattern = 0;
    }
    panel_.transparentObjects = pattern == 0;
    editor_.ui().setControlChecked(controls::kTransparent, panel_.transparentObjects);
    box.value = pattern;
    editor_.doc.current.brushStyle = pattern;
    editor_.ui().setBrushPreview(pattern, panel_.brushSwatch);
}

void AttributeControls::radiusChanged()
{
    panel_.radius.value = readInt(panel_.radius.text, 20);
    switch (editor_.tool.mode) {
    case ToolMode::Circle:
        // The circle tool takes its radius from here, so that the click
        // places the circle the preview shows.
        editor_.tool.construction.slot[ConstructionState::kRadius] = panel_.radius.value;
        previewTool();
        break;
    case ToolMode::PrecisionArc:
        anglesChanged();
        break;
    default:
        break;
    }
}

void AttributeControls::anglesChanged()
{
    panel_.angle1.value = readInt(panel_.angle1.text, 30);
    panel_.angle2.value = readInt(panel_.angle2.text, 40);
    if (editor_.tool.mode == ToolMode::PrecisionArc)
        previewTool();
}

void AttributeControls::fontSizeChanged()
{
    const int size = readInt(panel_.fontSize.text, 0);
    panel_.fontSize.value = size == 0 ? kDefaultFontSize : size;
}

void AttributeControls::textAngleChanged()
{
    panel_.textAngle.value = readInt(panel_.textAngle.text, 0);
}

void AttributeControls::textChanged()
{
    QString text = panel_.text;
    if (std::any_of(text.begin(), text.end(), breaksKelLine)) {
        for (QChar& c : text) {
            if (breaksKelLine(c))
                c = QLatin1Char(' ');
        }
        writeBox(*findBox(controls::kText), text);
    }
}

// The running tool shows the new values at once: its move step runs again
// at the last pointer position.
void AttributeControls::previewTool()
{
    editor_.pointerMoved(editor_.tool.mouse);
}

// Keys -------------------------------------------------------------------

void AttributeControls::endToolAndFocusSurface()
{
    editor_.CancelTool();
    editor_.ui().focusSurface();
}

std::optional<QChar> AttributeControls::boxKeyPress(Control name, QChar c)
{
    const Box* box = findBox(name);
    if (!box)
        return c;
    const char16_t code = c.unicode();
    if (code == kEscape && box->keys != BoxKeys::FontSize) {
        endToolAndFocusSurface();
        return std::nullopt;
    }
    switch (box->keys) {
    case BoxKeys::Digits:
        if (code == kEnter) {
            // Places the precision arc where the pointer was last seen.
            if (editor_.tool.mode == ToolMode::PrecisionArc)
                editor_.clickAtPointer();
            return std::nullopt;
        }
        if (isDigit(c) || code == kBackspace)
            return c;
        return std::nullopt;
    case BoxKeys::Plain:
    case BoxKeys::Pattern:
        if (code == kEnter) {
            editor_.ui().focusSurface();
            return std::nullopt;
        }
        if (box->keys == BoxKeys::Pattern && code > u'7')
            return QLatin1Char('0');
        return c;
    case BoxKeys::FontSize: {
        const bool accepted = isDigit(c) || code == kBackspace;
        editor_.ui().setControlColour(controls::kFontSize, ControlColour::Background,
                                      accepted ? kYellow : kRed);
        return accepted ? std::optional<QChar>(c) : std::nullopt;
    }
    case BoxKeys::Text:
        return c;
    }
    return c;
}

KeyDownResult AttributeControls::boxKeyDown(Control name, SpinKey key)
{
    const Box* box = findBox(name);
    if (!box || box->spinLimit == 0 || !box->number || key == SpinKey::Other)
        return KeyDownResult::Ignored;
    int value = readInt((panel_.*box->number).text, -1);
    if (value == -1)
        return KeyDownResult::Ignored;
    switch (key) {
    case SpinKey::Up:
        ++value;
        if (value >= kSpinWrap)
            value = kSpinRestart;
        break;
    case SpinKey::Down:
        value = std::max(value - 1, 0);
        break;
    case SpinKey::PageUp:
        value = std::max(value - kPageStep, 0);
        break;
    case SpinKey::PageDown:
        // 1000 itself does not fit a three-digit box either.
        value += kPageStep;
        if (value >= kSpinWrap)
            value = kSpinRestart;
        break;
    case SpinKey::F4:
        return KeyDownResult::ToSurface;
    case SpinKey::Other:
        return KeyDownResult::Ignored;
    }
    value = std::min(value, box->spinLimit);
    setBoxText(name, QString::number(value));
    return KeyDownResult::Handled;
}

void AttributeControls::pointerOverBox(Control name)
{
    static const QList<Control> kFocusOnHover = {controls::kText, Control::edtvar1,
                                                 Control::edtvar2, Control::edtvar3};
    if (kFocusOnHover.contains(name))
        editor_.ui().focusControl(name);
}

void AttributeControls::checkChanged(Control name, bool checked)
{
    if (name == controls::kBold)
        panel_.bold = checked;
    else if (name == controls::kItalic)
        panel_.italic = checked;
    else if (checked && name == controls::kWheelRadius)
        panel_.wheelTarget = WheelTarget::Radius;
    else if (checked && name == controls::kWheelAngle1)
        panel_.wheelTarget = WheelTarget::Angle1;
    else if (checked && name == controls::kWheelAngle2)
        panel_.wheelTarget = WheelTarget::Angle2;
}

void AttributeControls::clearText()
{
    setBoxText(controls::kText, QString());
    editor_.ui().focusControl(controls::kText);
}

void AttributeControls::appendToText(QChar character)
{
    if (breaksKelLine(character))
        return;
    setBoxText(controls::kText, panel_.text + character);
}

// The whole panel -----------------------------------------------------------

void AttributeControls::showAll()
{
    UiPort& ui = editor_.ui();
    for (const Control name :
         {controls::kPenWidth, controls::kBrushPattern, controls::kRadius, controls::kAngle1,
          controls::kAngle2, controls::kFontSize, controls::kTextAngle}) {
        const Box* box = findBox(name);
        writeBox(*box, (panel_.*box->number).text);
        runChange(*box);
    }
    writeBox(*findBox(controls::kText), panel_.text);
    ui.setControlColour(controls::kPenSwatch, ControlColour::Background, panel_.penSwatch);
    ui.setControlColour(controls::kBrushSwatch, ControlColour::Background, panel_.brushSwatch);
    ui.setControlColour(controls::kBoundarySwatch, ControlColour::Background,
                        panel_.boundarySwatch);
    ui.setControlText(controls::kFontName, panel_.fontName);
    setFontColour(panel_.fontColour);
    ui.setControlChecked(controls::kBold, panel_.bold);
    ui.setControlChecked(controls::kItalic, panel_.italic);
    const Control wheel = panel_.wheelTarget == WheelTarget::Radius   ? controls::kWheelRadius
                          : panel_.wheelTarget == WheelTarget::Angle1 ? controls::kWheelAngle1
                                                                      : controls::kWheelAngle2;
    ui.setControlChecked(wheel, true);
}

// Actions menu ------------------------------------------------------------

void AttributeControls::setDefaultPointShape(int item)
{
    if (item >= 1 && item <= 4)
        editor_.doc.current.defaultPointShape = QString::number(item - 1);
}

void AttributeControls::setFillPatternsVisible(bool visible)
{
    ObjectTable& table = editor_.doc.table;
    {
        ObjectTable::BulkUpdate bulk(table);
        const QString state = visible ? QStringLiteral("Y") : QStringLiteral("N");
        for (int r = 1; r < table.rows(); ++r) {
            if (table.inUse(r) && RowKind(table, r) == RecordKind::Fill)
                table.setCell(kStateColumn, r, state);
        }
    }
    editor_.CancelTool();
}

void registerAttributeCommands(CommandRegistry& commands)
{
    for (int item = 1; item <= 4; ++item) {
        commands.add(QStringLiteral("mnudefpt%1").arg(item),
                     [item](Editor& e) { e.attributes.setDefaultPointShape(item); });
    }
    commands.add(QStringLiteral("mnudisallFills"),
                 [](Editor& e) { e.attributes.setFillPatternsVisible(false); });
    commands.add(QStringLiteral("mnuenbfillpats"),
                 [](Editor& e) { e.attributes.setFillPatternsVisible(true); });
}

} // namespace kel
