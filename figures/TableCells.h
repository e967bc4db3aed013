#pragma once
// Reading object rows for the figure routines: visibility and numeric cells
// with the record defaults. The searches run on every pointer move over every
// row, so plain decimal cells are read without going through a conversion
// that allocates; anything else takes the table's own reader, so
// both give the same value for every text.

#include "model/ObjectTable.h"

#include <QPoint>
#include <QString>
#include <QStringView>

#include <limits>
#include <optional>

namespace kel::cells {

inline bool Visible(const ObjectTable& table, int row)
{
    const QString& state = table.cell(kStateColumn, row);
    return state.size() == 1 && state.front() == u'Y';
}

inline int Int(const ObjectTable& table, int column, int row, int defaultValue)
{
    const QString& text = table.cell(column, row);
    const qsizetype size = text.size();
    const bool negative = size > 0 && text.front() == u'-';
    const qsizetype start = negative ? 1 : 0;
    // Up to 9 digits cannot leave the int range.
    if (size > start && size - start <= 9) {
        int value = 0;
        qsizetype i = start;
        for (; i < size; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                break;
            value = value * 10 + (c - u'0');
        }
        if (i == size)
            return negative ? -value : value;
    }
    return table.intCell(column, row, defaultValue);
}

// The point whose x stands in `column` and y in the next one.
inline QPoint Point(const ObjectTable& table, int column, int row, int defaultValue)
{
    return {Int(table, column, row, defaultValue), Int(table, column + 1, row, defaultValue)};
}

// Calls f(value) for each blank-separated number of a point-list cell, with
// exactly the values ParseNumberList gives, but without building the list.
template <typename F> void ForEachNumber(const QString& text, F f)
{
    const QStringView view(text);
    const qsizetype n = view.size();
    qsizetype i = 0;
    while (i < n) {
        if (view[i] == u' ') {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < n && view[end] != u' ')
            ++end;
        const bool negative = view[i] == u'-';
        const qsizetype digits = end - i - (negative ? 1 : 0);
        int value = 0;
        bool plain = digits > 0 && digits <= 9;
        for (qsizetype k = negative ? i + 1 : i; plain && k < end; ++k) {
            const char16_t c = view[k].unicode();
            plain = c >= u'0' && c <= u'9';
            value = value * 10 + (c - u'0');
        }
        if (plain) {
            f(negative ? -value : value);
        } else {
            bool ok = false;
            const int parsed = view.sliced(i, end - i).toInt(&ok, 10);
            f(ok ? parsed : 0);
        }
        i = end;
    }
}

// A cell that must hold a whole number: nothing when it does not.
inline std::optional<int> StrictInt(const ObjectTable& table, int column, int row)
{
    bool ok = false;
    const qlonglong value = table.cell(column, row).toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace kel::cells
