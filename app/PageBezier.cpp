// Page "Bezier": one read-only box per stored point of the curve being edited
// (first point, the two inner points, last point) and the position label.

#include "app/PageControl.h"

#include "model/Controls.h"

#include <QLineEdit>

namespace kel::pages {

void buildBezier(QWidget* page)
{
    constexpr Control names[] = {Control::edtPoint0, Control::edtpoint1, Control::edtpoint2,
                                 Control::edtpoint3};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = edit(page, names[i], QString(), 32767, 4 + i * 61, 8, 56);
        box->setReadOnly(true);
    }
    label(page, Control::Label32, QString(), 4, 38, 180, 17);
}

} // namespace kel::pages
