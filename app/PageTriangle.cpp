// Page "Triangle": the triangle type, the three values with the radio buttons
// that pick the one the mouse wheel changes, the apex direction and the status.

#include "app/PageControl.h"

#include "model/Controls.h"

#include <QButtonGroup>
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
        edit(page, boxes[i], values[i], 3, kBoxX[i], 38, 40);
    }
    wheelChoice->button(1)->setChecked(true);
    label(page, Control::Label24, QStringLiteral("S   S   S"), 118, 62);

    QPushButton* dir = button(page, Control::btndir, QStringLiteral("Dir-"), 106, 84, 48, 25);
    // The apex direction: 1 while the caption reads "Dir-", 0 for "Dir+".
    dir->setProperty("tag", 1);
    label(page, Control::lbstatus, QStringLiteral("Status"), 160, 88, 90, 17);
}

} // namespace kel::pages
