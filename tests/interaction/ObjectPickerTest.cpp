#include "interaction/picking/ObjectPicker.h"
#include "interaction/core/Editor.h"
#include "model/FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

namespace kel {
namespace {

class Picking : public ::testing::Test {
protected:
    Picking() { editor.start(); }

    int addRow(const QStringList& cells)
    {
        const int row = editor.doc.table.lastRowInUse() + 1;
        for (int c = 0; c < cells.size(); ++c)
            editor.doc.table.setCell(c + 1, row, cells[c]);
        return row;
    }

    int pick(QPoint at, QChar letter)
    {
        return editor.picker.pick(at, letter, editor.renderer.bitmap().size());
    }
    int literal(QPoint at, QChar letter)
    {
        return editor.picker.pickLiteral(at, letter, editor.renderer.bitmap().size());
    }

    test::FakeUi ui;
    Editor editor{ui};
};

TEST_F(Picking, FindsWithinFivePixelsChebyshev)
{
    addRow({"Y", "L", "00000001", "100", "100", "300", "100"});
    for (auto [at, row] : std::vector<std::pair<QPoint, int>>{{{200, 95}, 1},
                                                              {{200, 105}, 1},
                                                              {{200, 94}, -1},
                                                              {{200, 106}, -1},
                                                              {{305, 105}, 1},
                                                              {{306, 100}, -1}}) {
        EXPECT_EQ(pick(at, QLatin1Char('L')), row) << at.x() << "," << at.y();
        EXPECT_EQ(literal(at, QLatin1Char('L')), row) << at.x() << "," << at.y();
    }
    EXPECT_EQ(pick({200, 100}, QLatin1Char('C')), -1) << "only the asked kind is found";
}

TEST_F(Picking, HiddenRowsAndWhitePensAreNeverFound)
{
    addRow({"N", "L", "00000001", "100", "100", "300", "100"});
    addRow({"Y", "L", "FFFFFF01", "100", "100", "300", "100"});
    EXPECT_EQ(pick({200, 100}, QLatin1Char('L')), -1);
    addRow({"Y", "L", "0000FF01", "100", "100", "300", "100"});
    EXPECT_EQ(pick({200, 100}, QLatin1Char('L')), 3);
}

// Random drawings of every pickable kind; the fast picker must give the
// literal picker's answer at random places, including near the edges.
TEST_F(Picking, FastPickerAgreesWithTheLiteralOne)
{
    QRandomGenerator random(20261206);
    const QString letters = QStringLiteral("LRCAE12PGNBDFTK");
    auto coordinate = [&](int limit) { return QString::number(random.bounded(-40, limit + 40)); };
    const QStringList colours = {"000000", "0000FF", "FFFFFF", "00FF00", "808080"};
    for (int drawing = 0; drawing < 40; ++drawing) {
        editor.doc.table.clearObjects();
        for (int i = 0; i < 25; ++i) {
            const QChar letter = letters[random.bounded(letters.size())];
            const QString pen = colours[random.bounded(colours.size())] +
                                QStringLiteral("0%1").arg(random.bounded(0, 6));
            QStringList row = {random.bounded(8) == 0 ? "N" : "Y", QString(letter), pen};
            switch (letter.unicode()) {
            case 'C':
                row << coordinate(800) << coordinate(600)
                    << QString::number(random.bounded(-60, 80)) << "0000FF03";
                break;
            case 'A':
                row << coordinate(800) << coordinate(600) << QString::number(random.bounded(360))
                    << QString::number(random.bounded(360)) << QString::number(random.bounded(90));
                break;
            case 'P':
                row[2] = QString::number(random.bounded(-4, 9));
                row << coordinate(800) << coordinate(600);
                break;
            case 'D':
                row << coordinate(800) << coordinate(600) << QString::number(random.bounded(1, 6))
                    << QString::number(random.bounded(3, 40));
                break;
            case 'F':
                row << coordinate(800) << coordinate(600) << "000000";
                break;
            case 'T':
                row = QStringList{"Y",
                                  "T",
                                  coordinate(800),
                                  coordinate(600),
                                  QString::number(random.bounded(6, 30)),
                                  "0000FF"}
                      << QString::number(random.bounded(4)) << "Arial"
                      << "Kelvane" << QString::number(random.bounded(0, 360));
                break;
            case 'K':
                row << QStringLiteral("%1 %2 %3 %4 %5 %6")
                           .arg(random.bounded(0, 200))
                           .arg(random.bounded(600))
                           .arg(random.bounded(250, 500))
                           .arg(random.bounded(600))
                           .arg(random.bounded(550, 800))
                           .arg(random.bounded(600));
                break;
            case 'G':
            case 'N':
            case 'B': {
                QStringList points;
                const int count = letter == QLatin1Char('B') ? 4 : random.bounded(2, 6);
                for (int p = 0; p < count; ++p)
                    points << coordinate(800) << coordinate(600);
                row << points.join(QLatin1Char(' '));
                if (letter == QLatin1Char('N'))
                    row << "00FF0005";
                break;
            }
            default:
                row << coordinate(800) << coordinate(600) << coordinate(800) << coordinate(600);
                if (letter == QLatin1Char('1'))
                    row << QString::number(random.bounded(-30, 30)) << "FF000002";
            }
            addRow(row);
        }
        for (int probe = 0; probe < 75; ++probe) {
            const QPoint at(random.bounded(-3, 803), random.bounded(-3, 603));
            const QChar letter = letters[random.bounded(letters.size())];
            ASSERT_EQ(pick(at, letter), literal(at, letter))
                << "drawing " << drawing << " at " << at.x() << "," << at.y() << " kind "
                << QString(letter).toStdString();
        }
    }
}

} // namespace
} // namespace kel
