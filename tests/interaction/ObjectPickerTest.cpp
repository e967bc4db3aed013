#include "interaction/picking/ObjectPicker.h"
#include "interaction/core/Editor.h"
#include "model/FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

#include <functional>

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
    // The cells after state and type, by kind: "x" and "y" a coordinate around
    // the surface, "lo..hi" a number from lo to below hi, "pen" a random pen,
    // "pts" 2 to 5 points ("pts4" four); "_" joins into one cell; else as written.
    const std::pair<QChar, const char*> kinds[] = {
        {'L', "pen x y x y"},
        {'R', "pen x y x y"},
        {'E', "pen x y x y"},
        {'2', "pen x y x y"},
        {'1', "pen x y x y -30..30 FF000002"},
        {'C', "pen x y -60..80 0000FF03"},
        {'A', "pen x y 0..360 0..360 0..90"},
        {'P', "-4..9 x y"},
        {'D', "pen x y 1..6 3..40"},
        {'F', "pen x y 000000"},
        {'T', "x y 6..30 0000FF 0..4 Arial Kelvane 0..360"},
        {'K', "pen 0..200_0..600_250..500_0..600_550..800_0..600"},
        {'G', "pen pts"},
        {'N', "pen pts 00FF0005"},
        {'B', "pen pts4"},
    };
    const QStringList colours = {"000000", "0000FF", "FFFFFF", "00FF00", "808080"};
    QRandomGenerator random(20261206);
    std::function<QString(const QString&)> cell = [&](const QString& token) -> QString {
        if (token.startsWith(u"pts")) {
            const int points = token.size() > 3 ? token.mid(3).toInt() : random.bounded(2, 6);
            return cell(QStringList(points, QStringLiteral("x_y")).join(u'_'));
        }
        if (token.contains(u'_')) {
            QStringList parts;
            for (const QString& part : token.split(u'_'))
                parts << cell(part);
            return parts.join(u' ');
        }
        if (token == u"pen")
            return colours[random.bounded(colours.size())] +
                   QStringLiteral("0%1").arg(random.bounded(6));
        if (token == u"x" || token == u"y")
            return QString::number(random.bounded(-40, (token == u"x" ? 800 : 600) + 40));
        const QStringList range = token.split(QStringLiteral(".."));
        if (range.size() == 2)
            return QString::number(random.bounded(range[0].toInt(), range[1].toInt()));
        return token;
    };
    const int kindCount = int(std::size(kinds));
    for (int drawing = 0; drawing < 40; ++drawing) {
        editor.doc.table.clearObjects();
        for (int i = 0; i < 25; ++i) {
            const auto& [letter, pattern] = kinds[random.bounded(kindCount)];
            QStringList row = {random.bounded(8) == 0 ? "N" : "Y", QString(letter)};
            for (const QString& token : QString::fromLatin1(pattern).split(u' '))
                row << cell(token);
            addRow(row);
        }
        for (int probe = 0; probe < 75; ++probe) {
            const QPoint at(random.bounded(-3, 803), random.bounded(-3, 603));
            const QChar letter = kinds[random.bounded(kindCount)].first;
            ASSERT_EQ(pick(at, letter), literal(at, letter))
                << "drawing " << drawing << " at " << at.x() << "," << at.y() << " kind "
                << QString(letter).toStdString();
        }
    }
}

} // namespace
} // namespace kel
