// Page "Triangle": the triangle type, the three values with the radio buttons
// that pick the one the mouse wheel changes, the apex direction and the status.

#include "app/PageControl.h"

#include "model/Controls.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kel::pages {

void buildTriangle(QWidget* page)
{
    auto* type =
        new RadioGroup(QStringLiteral("Triangle type"),
                       {QStringLiteral("SSS"), QStringLiteral("ASA"), QStringLiteral("SAS(L)"),
                        QStringLiteral("SAS(R)")},
                       {Control::rbSSS, Control::rbASA, Control::rbSASL, Control::rbSASR}, page);
    type->setObjectName(QStringLiteral("RGP1"));
    type->setGeometry(2, 2, 96, 100);
    type->setItemIndex(0);

    // Three boxes with a caption-less radio button over each. The buttons get
    // a group of their own: sharing the page with the type group's buttons,
    // plain auto-exclusivity would not keep exactly one of them checked.
    label(page, Control::Label11, QStringLiteral("Mousewheel sel"), 106, 2);
    constexpr int kBoxX[] = {106, 152, 198};
    constexpr Control boxes[] = {Control::edtTrng1, Control::edtTrng2, Control::edtTrng3};
    const QString values[] = {QStringLiteral("60"), QStringLiteral("80"), QStringLiteral("100")};
    constexpr Control radios[] = {Control::RBT1, Control::RBT2, Control::RBT3};
    auto* wheelChoice = new QButtonGroup(page);
    wheelChoice->setObjectName(QStringLiteral("grpRBT"));
    for (int i = 0; i < 3; ++i) {
        wheelChoice->addButton(radio(page, radios[i], QString(), kBoxX[i] + 12, 19, 17), i);
        digitsOnly(edit(page, boxes[i], values[i], 3, kBoxX[i], 38, 40));
    }
    wheelChoice->button(1)->setChecked(true);
    QLabel* names = label(page, Control::Label24, QStringLiteral("S   S   S"), 118, 62);
    // The caption under the boxes names what each box holds for the type.
    QObject::connect(type, &RadioGroup::itemIndexChanged, names, [names](int index) {
        static const QString kNames[] = {QStringLiteral("S  S  S"), QStringLiteral("A  S  A"),
                                         QStringLiteral("S  A  S"), QStringLiteral("S  A  S")};
        if (index >= 0 && index < 4)
            names->setText(kNames[index]);
    });

    // The apex direction is its caption: "Dir-" above the base, "Dir+" below.
    button(page, Control::btndir, QStringLiteral("Dir-"), 106, 84, 48, 25);
    label(page, Control::lbstatus, QStringLiteral("Status"), 160, 88, 90, 17);
}

} // namespace kel::pages
