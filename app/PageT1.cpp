// Page T1: pen, brush and boundary colours, pen width, brush pattern with its
// preview, and the radius and angle boxes with the mouse-wheel choice.

#include "app/PageControl.h"

#include "model/Controls.h"

#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kel::pages {

namespace {

ColourSwatch* swatch(QWidget* parent, Control control, QRgb colour, int x, int y, int w, int h)
{
    auto* sw = new ColourSwatch(colour, parent);
    sw->setObjectName(controlName(control));
    sw->setGeometry(x, y, w, h);
    return sw;
}

// The framed group with R, Ang1 and Ang2 and the radio buttons that choose
// which of them the mouse wheel changes.
void buildWheelGroup(QWidget* page)
{
    auto* group = new QFrame(page);
    group->setObjectName(QStringLiteral("grpwheel"));
    group->setFrameShape(QFrame::Box);
    group->setFrameShadow(QFrame::Sunken);
    group->setGeometry(2, 84, 182, 61);

    QLabel* r = label(group, Control::lbR, QStringLiteral("R"), 4, 7);
    QFont bold = r->font();
    bold.setBold(true);
    r->setFont(bold);
    r->resize(r->sizeHint());
    edit(group, Control::edtrad, QStringLiteral("50"), 3, 16, 4, 32);

    label(group, Control::lbang1, QStringLiteral("Ang1"), 52, 7);
    QLineEdit* ang1 = edit(group, Control::edtang1, QStringLiteral("30"), 3, 84, 4, 32);
    setTextColour(ang1, qRgb(0x00, 0x00, 0x80)); // navy

    label(group, Control::lbang2, QStringLiteral("Ang2"), 118, 7);
    QLineEdit* ang2 = edit(group, Control::edtang2, QStringLiteral("100"), 3, 148, 4, 31);
    setTextColour(ang2, qRgb(0x80, 0x00, 0x00)); // maroon

    // One radio button under each box; the three share the group as parent,
    // so exactly one of them is checked.
    radio(group, Control::rbRsel, QString(), 24, 26, 17)->setChecked(true);
    radio(group, Control::rbang1, QString(), 92, 26, 17);
    radio(group, Control::rbang2, QString(), 155, 26, 17);

    label(group, Control::lbwheel, QStringLiteral("For Mouse wheel control"), 4, 45, 174, 14);
}

} // namespace

void buildT1(QWidget* page)
{
    button(page, Control::btnpencol, QStringLiteral("Pen Col"), 1, 4, 49, 21);
    swatch(page, Control::Label1, qRgb(0, 0, 0), 52, 4, 16, 16);

    button(page, Control::btnbrushcol, QStringLiteral("Brush Col"), 85, 2, 59, 21);
    swatch(page, Control::Label5, qRgb(128, 128, 128), 146, 2, 19, 19);

    button(page, Control::btnboundrycol, QStringLiteral("Boundry Col"), 2, 27, 66, 21);
    swatch(page, Control::lbboundrycol, qRgb(0, 0, 0), 70, 27, 18, 16);

    // It only shows the state; the brush pattern box drives it.
    QCheckBox* trans =
        checkBox(page, Control::cbtransObj, QStringLiteral("Trans. Objects"), 96, 27, 110);
    trans->setChecked(true);
    trans->setEnabled(false);

    label(page, Control::lbpenw, QStringLiteral("Pen W."), 4, 61);
    edit(page, Control::Edit1, QStringLiteral("1"), 1, 42, 58, 22);

    label(page, Control::lbbrushpat, QStringLiteral("BrushPat/Trans"), 66, 61, 82);
    edit(page, Control::Edit2, QStringLiteral("0"), 1, 150, 57, 22);

    auto* preview = new BrushPreview(page);
    preview->setObjectName(controlName(Control::shpbrush));
    preview->setGeometry(179, 57, 29, 21);
    preview->setColour(qRgb(128, 128, 128));
    preview->setPattern(0);

    buildWheelGroup(page);
}

} // namespace kel::pages
