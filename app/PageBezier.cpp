// Page "Bezier": one read-only box per stored point of the curve being edited
// (first point, the two inner points, last point) and the position label.

#include "app/PageControl.h"

#include <QLineEdit>

namespace kel::pages {

void buildBezier(QWidget* page)
{
    const QString names[] = {QStringLiteral("edtPoint0"), QStringLiteral("edtpoint1"),
                             QStringLiteral("edtpoint2"), QStringLiteral("edtpoint3")};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = edit(page, names[i], QString(), 32767, 4 + i * 61, 8, 56);
        box->setReadOnly(true);
    }
    label(page, QStringLiteral("Label32"), QString(), 4, 38, 180, 17);
}

} // namespace kel::pages
