#pragma once
// Random drawings of every drawn kind, with far, dotted, wide, hatched and
// turned variants, for the pixel-identity tests of the fast drawing paths.

#include "model/ObjectTable.h"

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

    enum class Mix {
        Everything,
        NoFills,
        // Only kinds written straight into the pixels, reading none: no
        // fills, focus rectangles or (QPainter-drawn) labels.
        DirectOnly
    };
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
    void add(const QStringList& cells)
    {
        ++row_;
        table_.setCell(1, row_, QStringLiteral("Y"));
        for (int i = 0; i < cells.size(); ++i)
            table_.setCell(2 + i, row_, cells[i]);
    }
    void addRow()
    {
        const int kind = pick(0, mix_ == Mix::Everything ? 16 : 15);
        if (mix_ == Mix::DirectOnly && (kind == 4 || kind == 14))
            return addRow();
        switch (kind) {
        case 0:
            add({"L", pen(), x(), y(), x(), y()});
            break;
        case 1:
            add({"R", pen(), x(), y(), x(), y()});
            break;
        case 2:
            add({"E", pen(), x(), y(), x(), y()});
            break;
        case 3:
            add({"1", pen(), x(), y(), x(), y(), n(-30, 30), brush()});
            break;
        case 4:
            add({"2", pen(), x(), y(), x(), y()});
            break;
        case 5:
            add({"C", pen(), x(), y(), n(-40, 40), brush()});
            break;
        case 6:
            add({"A", pen(), x(), y(), n(0, 359), n(0, 359), n(1, 60)});
            break;
        case 7:
            add({"D", pen(), x(), y(), n(1, 6), n(3, 20)});
            break;
        case 8:
            add({"P", n(0, 5), x(), y()});
            break;
        case 9:
            add({"G", pen(), points(pick(2, 6))});
            break;
        case 10:
            add({"N", pen(), points(pick(3, 6)), pick(0, 1) ? brush() : ""});
            break;
        case 11:
            add({"B", pen(), points(4)});
            break;
        case 12:
            add({"K", pen(), points(pick(3, 5))});
            break;
        case 13:
            add({"T", x(), y(), n(6, 20), colour(), n(0, 3), "Liberation Sans", "Abc 12",
                 pick(0, 3) ? QStringLiteral("0") : n(0, 3600)});
            break;
        case 14:
            add({"h", pen(), x(), y(), brush(), "Liberation Serif", n(6, 16), "Label", n(0, 900)});
            break;
        case 15:
            add({"b", "255", x(), y(), x(), y()});
            break;
        default:
            add({"F", brush(), x(), y(), colour()});
            break;
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
