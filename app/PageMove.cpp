// Page "Move": the box that snapshots the tagged objects when entered and the
// button that writes the snapshot back.

#include "app/PageControl.h"

#include "model/Controls.h"

#include <QLineEdit>
#include <QPushButton>

namespace kel::pages {

void buildMove(QWidget* page)
{
    QLineEdit* box = edit(page, Control::edtmove, QString(), 32767, 4, 8, 120, 22);
    box->setReadOnly(true);
    setBackground(box, qRgb(255, 255, 0));

    label(page, Control::lbmovekeys, QStringLiteral("Use arrows, PgUp,PgDn,\nHome, End Keys"), 4,
          38, 160, 34);

    button(page, Control::btndone, QStringLiteral("Done"), 4, 80, 72, 25)->setEnabled(false);
}

} // namespace kel::pages
