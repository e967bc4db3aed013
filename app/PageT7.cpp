// Page T7: three captioned value boxes that commands fill and read, the
// "Done" button that commits the running tool, and the result label.

#include "app/PageControl.h"

#include "model/Controls.h"

#include <QLineEdit>
#include <QPushButton>

namespace kel::pages {

void buildT7(QWidget* page)
{
    constexpr Control captions[] = {Control::Label26, Control::Label27, Control::Label28};
    constexpr Control boxes[] = {Control::edtvar1, Control::edtvar2, Control::edtvar3};
    for (int i = 0; i < 3; ++i) {
        // The commands set the captions, at most 10 characters each.
        label(page, captions[i], QString(), 4, 9 + i * 28, 76, 17);
        digitsOnly(edit(page, boxes[i], QStringLiteral("100"), 4, 82, 6 + i * 28, 50));
    }

    button(page, Control::lbDone, QStringLiteral("Done"), 144, 4, 72, 25)->setEnabled(false);
    label(page, Control::Label29, QStringLiteral("Error/OK"), 144, 37, 100, 17);
    button(page, Control::btnmodcircle, QStringLiteral("Mod Circle"), 144, 60, 80, 25)
        ->setHidden(true);
}

} // namespace kel::pages
