#include "model/TableOperations.h"
#include "FakeUi.h"
#include "model/CellEdit.h"
#include "model/TaggedRows.h"
#include "support/KelTestFiles.h"

#include <gtest/gtest.h>

#include <functional>

namespace kel {
namespace {

using test::fillPoints;
using test::putRow;
using test::rowText;

class TableOperations : public ::testing::Test {
protected:
    test::FakeUi ui;
    Document doc{ui};
    ObjectTable& table = doc.table;

    // The x cells of the rows in use, with "*" after the tagged ones and
    // "-" after the hidden ones: "1 2* 3-".
    QString objects() const
    {
        QStringList parts;
        for (int r = 1; table.inUse(r); ++r)
            parts << table.cell(4, r) + (table.tagged(r) ? "*" : "") +
                         (table.cell(kStateColumn, r) == "N" ? "-" : "");
        return parts.join(' ');
    }
    void tag(std::initializer_list<int> rows)
    {
        for (const int r : rows)
            table.setCell(kTagColumn, r, kTagMark);
    }
};

TEST_F(TableOperations, RangesCountOnlyTheRowsInUse)
{
    const struct {
        const char* name;
        int (*run)(ObjectTable&, RowRange);
        RowRange range;
        int result;
        const char* after;
    } cases[] = {
        {"delete 3-5", DeleteRowsInRange, {3, 5}, 3, "1 2 6"},
        {"delete 5-9 reaching past the objects", DeleteRowsInRange, {5, 9}, 2, "1 2 3 4"},
        {"delete 8-9, all free", DeleteRowsInRange, {8, 9}, 0, "1 2 3 4 5 6"},
        {"tag 5-8", TagRowsInRange, {5, 8}, 2, "1 2 3 4 5* 6*"},
    };
    for (const auto& c : cases) {
        table.clearObjects();
        fillPoints(table, 6);
        EXPECT_EQ(c.run(table, c.range), c.result) << c.name;
        EXPECT_EQ(objects(), c.after) << c.name;
    }
}

TEST_F(TableOperations, TaggedRows2And3And6Of6)
{
    struct Case {
        const char* name;
        std::function<int(Document&)> run;
        int result;
        const char* after;
    } cases[] = {
        {"delete", [](Document& d) { return DeleteTaggedRows(d.table); }, 3, "1 4 5"},
        {"hide", [](Document& d) { return HideTaggedRows(d.table); }, 3, "1 2*- 3*- 4 5 6*-"},
        {"duplicate", [](Document& d) { return DuplicateTaggedRows(d); }, 7,
         "1 2 3 4 5 6 2* 3* 6*"},
        {"compact", [](Document& d) { return CompactUntaggedRows(d.table); }, 3, "1 4 5"},
    };
    for (const Case& c : cases) {
        table.setRows(kInitialRows);
        table.clearObjects();
        fillPoints(table, 6);
        tag({2, 3, 6});
        EXPECT_EQ(c.run(doc), c.result) << c.name;
        EXPECT_EQ(objects(), c.after) << c.name;
    }
    // Compacting (the last case) leaves the objects and 10 free rows.
    EXPECT_EQ(table.rows(), 13);
}

TEST_F(TableOperations, DrawLastMovesTheCellsUnchanged)
{
    // Cells a reader would not take (a long shape, an empty one, a word for
    // a coordinate) and the state and tag go along as they are.
    fillPoints(table, 5);
    putRow(table, 2, "N|P|12|x|1e9");
    tag({2});
    const QString odd = rowText(table, 2);
    EXPECT_EQ(MoveRowToEnd(doc, 2), 5);
    EXPECT_EQ(rowText(table, 5), odd);
    putRow(table, 1, "Y|P||7|8");
    const QString emptyShape = rowText(table, 1);
    EXPECT_EQ(MoveRowToEnd(doc, 1), 5);
    EXPECT_EQ(rowText(table, 5), emptyShape);
    EXPECT_EQ(objects(), "3 4 5 x*- 7");
    EXPECT_EQ(MoveRowToEnd(doc, 9), 0);
}

TEST_F(TableOperations, TargetRowReadsTheWholeAnswer)
{
    const struct {
        const char* answer;
        int current;
        std::optional<int> target;
    } cases[] = {{"4", 2, 4},
                 {" 7 ", 2, 7},
                 {"12345", 2, std::nullopt},
                 {"1199", 2, 1199},
                 {"0", 2, std::nullopt},
                 {"1201", 2, std::nullopt},
                 {"2", 2, std::nullopt},
                 {"3x", 2, std::nullopt},
                 {"", 2, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(TargetRow(c.answer, 1200, c.current), c.target) << c.answer;
}

TEST_F(TableOperations, ObjectDataSizeByKind)
{
    putRow(table, 1, "Y|T|10|10|8|0|0|Arial|hello|0");
    putRow(table, 2, "Y|G|00000001|1 2 3 4");
    putRow(table, 3, "Y|x|0|5|5|abcdef");
    putRow(table, 4, "Y|L|00000001|1|2|3|4");
    EXPECT_EQ(ObjectDataSize(table, 1), 5);
    EXPECT_EQ(ObjectDataSize(table, 2), 7);
    EXPECT_EQ(ObjectDataSize(table, 3), 6);
    EXPECT_EQ(ObjectDataSize(table, 4), QString("Y\tL\t00000001\t1\t2\t3\t4\t\t\t").size());
}

TEST_F(TableOperations, CellEditWritesOnlyTheUnchangedCurrentRow)
{
    fillPoints(table, 3);
    putRow(table, 2, "Y|j|0|5|5|old");
    CellEdit edit;
    ASSERT_TRUE(edit.open(table, 2));
    EXPECT_EQ(edit.choose(table, 6), "old");
    const QString picture(100 * 1024, QChar(u'\u00E9'));
    EXPECT_EQ(edit.update(table, 2, picture), CellEdit::Update::Written);
    EXPECT_EQ(table.cell(6, 2), picture);
    EXPECT_EQ(edit.update(table, 2, "again"), CellEdit::Update::Written); // the copy follows
    edit.choose(table, 2);
    EXPECT_EQ(edit.update(table, 2, "L"), CellEdit::Update::TypeColumn);
    // A row deleted behind the edit refuses the update.
    DeleteRowsInRange(table, {1, 3});
    EXPECT_EQ(edit.update(table, 2, "Y"), CellEdit::Update::RowChanged);
    EXPECT_FALSE(edit.open(table, 2));
    EXPECT_EQ(table.cell(1, 2), "");
}

} // namespace
} // namespace kel
