#pragma once
// Small file and table helpers shared by the tests that read and write rows.

#include "model/ObjectTable.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QStringList>

namespace kel::test {

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Columns 1..11 of a row joined by "|", to compare whole rows.
inline QString rowText(const ObjectTable& table, int row)
{
    QStringList cells;
    for (int c = 1; c < kTableColumns; ++c)
        cells << table.cell(c, row);
    return cells.join('|');
}

// Writes an object row: columns 1.. from the "|"-separated cells.
inline void putRow(ObjectTable& table, int row, const QString& cells)
{
    const QStringList parts = cells.split(u'|');
    for (int c = 0; c < parts.size(); ++c)
        table.setCell(c + 1, row, parts[c]);
}

inline QStringList tableText(const ObjectTable& table)
{
    QStringList rows;
    for (int r = 1; r < table.rows(); ++r)
        rows << rowText(table, r);
    return rows;
}

// Rows 1..count: visible points with their index as x.
inline void fillPoints(ObjectTable& table, int count)
{
    for (int r = 1; r <= count; ++r) {
        table.setCell(1, r, QStringLiteral("Y"));
        table.setCell(2, r, QStringLiteral("P"));
        table.setCell(4, r, r);
    }
}

} // namespace kel::test
