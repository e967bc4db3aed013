#pragma once
// Random drawings of every drawn kind, with far, dotted, wide, hatched and
// turned variants, for the pixel-identity tests of the fast drawing paths.

#include "model/ObjectTable.h"
#include "support/KelTestFiles.h"

#include <QStringList>

#include <random>

namespace kel::test {

class RandomDrawing {
public:
    RandomDrawing(ObjectTable& table, unsigned seed, int width, int height)
        : table_(table), random_(seed), width_(width), height_(height)
    {
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

    // DirectOnly: only kinds written straight into the pixels, reading none:
    // no fills, focus rectangles or (QPainter-drawn) labels.
    enum class Mix { Everything, NoFills, DirectOnly };
    void fill(int rows, Mix mix)
    {
        mix_ = mix;
        for (int i = 0; i < rows; ++i)
            addRow();
    }

private:
    QString n(int lo, int hi) { return QString::number(pick(lo, hi)); }
    // Mostly on the surface, now and then far off it.
    QString x() { return pick(0, 30) ? n(-20, width_ + 20) : n(-3000000, 3000000); }
    QString y() { return pick(0, 30) ? n(-20, height_ + 20) : n(-3000000, 3000000); }
    QString colour()
    {
        static const char* colours[] = {"000000", "0000FF", "FF0000", "00FF00", "808080"};
        return QString::fromLatin1(colours[pick(0, 4)]);
    }
    QString pen() { return colour() + n(0, 1) + n(0, 4); } // style digit, width (0 dotted)
    QString brush() { return colour() + "0" + n(0, 7); }
    QString points(int count)
    {
        QStringList list;
        for (int i = 0; i < count; ++i)
            list << x() << y();
        return list.join(' ');
    }
    void add(const QStringList& cells) { putRow(table_, ++row_, "Y|" + cells.join('|')); }
    void addRow()
    {
        const int kind = pick(0, mix_ == Mix::Everything ? 16 : 15);
        if (mix_ == Mix::DirectOnly && (kind == 4 || kind == 14))
            return addRow();
        switch (kind) {
        case 0:
            return add({"L", pen(), x(), y(), x(), y()});
        case 1:
            return add({"R", pen(), x(), y(), x(), y()});
        case 2:
            return add({"E", pen(), x(), y(), x(), y()});
        case 3:
            return add({"1", pen(), x(), y(), x(), y(), n(-30, 30), brush()});
        case 4:
            return add({"2", pen(), x(), y(), x(), y()});
        case 5:
            return add({"C", pen(), x(), y(), n(-40, 40), brush()});
        case 6:
            return add({"A", pen(), x(), y(), n(0, 359), n(0, 359), n(1, 60)});
        case 7:
            return add({"D", pen(), x(), y(), n(1, 6), n(3, 20)});
        case 8:
            return add({"P", n(0, 5), x(), y()});
        case 9:
            return add({"G", pen(), points(pick(2, 6))});
        case 10:
            return add({"N", pen(), points(pick(3, 6)), pick(0, 1) ? brush() : ""});
        case 11:
            return add({"B", pen(), points(4)});
        case 12:
            return add({"K", pen(), points(pick(3, 5))});
        case 13:
            return add({"T", x(), y(), n(6, 20), colour(), n(0, 3), "Liberation Sans", "Abc 12",
                        pick(0, 3) ? QStringLiteral("0") : n(0, 3600)});
        case 14:
            return add(
                {"h", pen(), x(), y(), brush(), "Liberation Serif", n(6, 16), "Label", n(0, 900)});
        case 15:
            return add({"b", "255", x(), y(), x(), y()});
        default:
            return add({"F", brush(), x(), y(), colour()});
        }
    }

    ObjectTable& table_;
    std::mt19937 random_;
    int width_;
    int height_;
    int row_ = 0;
    Mix mix_ = Mix::Everything;
};

} // namespace kel::test
