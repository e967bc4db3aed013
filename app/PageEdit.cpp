// Page "Edit": one cell of one object row, chosen by row and column, shown and
// written back.

#include "app/PageControl.h"

#include "model/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace kel::pages {

void buildEdit(QWidget* page)
{
    QLabel* row = label(page, Control::Label9, QStringLiteral("Row No"), 4, 4, 120);
    setTextColour(row, qRgb(255, 0, 0));

    QLabel* note =
        label(page, Control::lbnote,
              QStringLiteral("Notepad can also be used for edit objects data"), 4, 22, 244, 30);
    note->setWordWrap(true);
    setBackground(note, qRgb(255, 255, 0));

    label(page, Control::lbselcolumn, QStringLiteral("Sel Column"), 4, 58);
    auto* columns = new QComboBox(page);
    columns->setObjectName(controlName(Control::cbcolumns));
    for (int c = 1; c <= 10; ++c)
        columns->addItem(QStringLiteral("Col %1").arg(c));
    columns->setCurrentIndex(0);
    columns->setGeometry(4, 75, 72, 22);

    label(page, Control::lbdata, QStringLiteral("Data"), 84, 58);
    // Cells of picture records run far beyond the usual edit limit.
    QLineEdit* data =
        edit(page, Control::Edit5, QString(), std::numeric_limits<int>::max(), 84, 75, 164, 22);
    setBackground(data, qRgb(255, 255, 0));

    button(page, Control::btnupdate, QStringLiteral("Update"), 4, 106, 72, 25);
}

} // namespace kel::pages
