// Page T2: font, size, style and angle of new texts, the picker button, the
// two character labels and the text box itself.

#include "app/PageControl.h"

#include "model/Controls.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace kel::pages {

namespace {

// A large label that appends its character to the text box when clicked.
ClickLabel* charLabel(QWidget* parent, Control control, QChar ch, int x, int y)
{
    auto* lb = new ClickLabel(QString(ch), parent);
    lb->setObjectName(controlName(control));
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPixelSize(27); // 20 points at 96 dots per inch
    font.setBold(true);
    lb->setFont(font);
    lb->setAlignment(Qt::AlignCenter);
    lb->setGeometry(x, y, 26, 36);
    return lb;
}

} // namespace

void buildT2(QWidget* page)
{
    label(page, Control::lbtextinfo, QStringLiteral("Text info"), 4, 1);

    auto* group = new QGroupBox(QStringLiteral(" Font select"), page);
    group->setObjectName(QStringLiteral("grpfont"));
    group->setGeometry(2, 16, 248, 100);

    button(group, Control::btnfont, QStringLiteral("Font"), 6, 18, 48, 23);
    label(group, Control::Label3, QStringLiteral("Times New Roman"), 60, 22, 126, 17);

    label(group, Control::lbsize, QStringLiteral("Size"), 6, 49);
    QLineEdit* size = edit(group, Control::edtfntsize, QStringLiteral("14"), 3, 34, 46, 34);
    setBackground(size, qRgb(255, 255, 0));
    checkBox(group, Control::cbitalics, QStringLiteral("Italics"), 74, 47, 60);
    checkBox(group, Control::cbbold, QStringLiteral("Bold"), 136, 47, 52);

    label(group, Control::lbfontangle, QStringLiteral("Font Angle"), 6, 75);
    edit(group, Control::edtrotangle, QStringLiteral("0"), 3, 70, 72, 34);
    button(group, Control::btnchars, QStringLiteral("Chars"), 116, 71, 56, 23);

    charLabel(group, Control::lbdegree, QChar(0xB0), 190, 18);
    charLabel(group, Control::lbchar21, QChar(0x15), 218, 18);

    ClickLabel* text = new ClickLabel(QStringLiteral("Text"), page);
    text->setObjectName(controlName(Control::lbtext));
    setBackground(text, qRgb(255, 255, 0));
    text->setGeometry(4, 124, 32, 17);
    edit(page, Control::Edit3, QStringLiteral("Triangle ABC -1"), 32767, 40, 122, 200);
}

} // namespace kel::pages
