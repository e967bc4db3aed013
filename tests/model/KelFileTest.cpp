#include "model/KelFile.h"
#include "model/KelText.h"
#include "support/KelTestFiles.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace kel {
namespace {

using namespace test;

std::vector<KelFields> parseText(const QString& text)
{
    std::vector<KelFields> rows;
    for (QStringView line : splitKelLines(text)) {
        if (auto fields = parseKelLine(line))
            rows.push_back(*fields);
    }
    return rows;
}

TEST(KelText, EveryByteRoundTripsThroughWindows1252)
{
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = static_cast<char>(b);
    const QString text = decodeWindows1252(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0x81], QChar(0x0081)); // undefined in Windows-1252
    EXPECT_EQ(encodeWindows1252(text), all);
    EXPECT_FALSE(encodeWindows1252(u"\u221A")); // square root sign
    EXPECT_FALSE(encodeWindows1252(u"\u0080")); // 0x80 is the euro, not U+0080
}

TEST(KelText, WritesSingleByteWhenItFitsAndUtf8WithTheMarkOtherwise)
{
    EXPECT_EQ(encodeKelText(u"caf\u00E9 \u20AC"), QByteArray("caf\xE9 \x80"));
    const QByteArray wide = encodeKelText(u"\u221A2");
    EXPECT_EQ(wide, QByteArray("\xEF\xBB\xBF\xE2\x88\x9A"
                               "2"));
    EXPECT_EQ(decodeKelBytes(wide), u"\u221A2");
    // Single-byte text that starts like the mark must not be read as UTF-8.
    const QString lookalike = decodeWindows1252("\xEF\xBB\xBFY");
    EXPECT_EQ(decodeKelBytes(encodeKelText(lookalike)), lookalike);
}

TEST(KelLine, HasTenFieldsWithLineBreaksAndTabsBlanked)
{
    ObjectTable table(5);
    putRow(table, 1, "Y|C|00000001|100|80|40");
    table.setCell(kTagColumn, 1, kTagMark);
    EXPECT_EQ(kelLine(table, 1), "Y\tC\t00000001\t100\t80\t40\t\t\t\t");
    putRow(table, 2, "Y|T|10|20|8|000000|0|Arial|a\tb\r\nc\rd");
    const QString line = kelLine(table, 2);
    EXPECT_EQ(line.count(u'\t'), 9);
    EXPECT_TRUE(line.contains("a b  c d"));
}

TEST(KelLine, ReadingFillsFieldsUpToTheEleventhAndSkipsRowlessLines)
{
    const auto full = parseKelLine(u"Y\tL\t1\t2\t3\t4\t5\t6\t7\t8\t\u00B6\textra");
    ASSERT_TRUE(full);
    EXPECT_EQ((*full)[9], "8");
    EXPECT_EQ((*full)[10], kTagMark);
    const auto shortLine = parseKelLine(u"N\tP");
    ASSERT_TRUE(shortLine);
    EXPECT_TRUE((*shortLine)[2].isEmpty());
    EXPECT_FALSE(parseKelLine(u""));
    EXPECT_FALSE(parseKelLine(u"\tL\t00000001")); // would be a free row
}

class KelFileOnDisk : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(KelFileOnDisk, SavedRowsReadBackEqualWithTheirCharactersByteForByte)
{
    ObjectTable table;
    putRow(table, 1, "Y|C|00000001|100|80|40");
    putRow(table, 2, "N|T|5|6|8|000000|0|Arial|caf\u00E9 90\u00B0 \u20AC|");
    putRow(table, 4, "Y|T|1|2|8|FF0000|1|Arial||45"); // behind a gap
    table.setCell(kTagColumn, 1, kTagMark);
    const QString file = path("d.kel");
    ASSERT_EQ(writeKelFile(file, kelLines(table, KelRowSet::InUse)), "");
    const QByteArray bytes = readBytes(file);
    EXPECT_TRUE(bytes.contains("\tcaf\xE9 90\xB0 \x80\t\r\n"));
    EXPECT_TRUE(bytes.endsWith("\t45\r\n"));

    const KelReadResult read = readKelFile(file);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ObjectTable loaded;
    replaceRows(loaded, read.rows);
    EXPECT_EQ(rowText(loaded, 1), "Y|C|00000001|100|80|40|||||");
    EXPECT_EQ(rowText(loaded, 2), rowText(table, 2));
    EXPECT_EQ(rowText(loaded, 3), rowText(table, 4)); // the rows close up
    EXPECT_FALSE(loaded.inUse(4));
}

TEST_F(KelFileOnDisk, EveryCharacterThePickerInsertsSurvivesSaveAndLoad)
{
    QString text;
    for (int code = 0; code < 256; ++code) {
        if (const std::optional<QChar> character = singleByteCharacter(code))
            text += *character;
    }
    ASSERT_EQ(text.size(), 256 - 33);
    ObjectTable table;
    putRow(table, 1, "Y|T|5|6|8|000000|0|Symbol||0");
    table.setCell(9, 1, text);
    const QString file = path("chars.kel");
    ASSERT_EQ(writeKelFile(file, kelLines(table, KelRowSet::InUse)), "");
    EXPECT_FALSE(readBytes(file).startsWith("\xEF\xBB\xBF")) << "kept single-byte";
    const KelReadResult read = readKelFile(file);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ObjectTable loaded;
    replaceRows(loaded, read.rows);
    EXPECT_EQ(loaded.cell(9, 1), text);
}

TEST_F(KelFileOnDisk, AnyLineEndsAndBlankLinesGiveOneRunOfRows)
{
    writeBytes(path("m.kel"), "Y\tP\t0\t1\r\n\r\nY\tP\t0\t2\rY\tP\t0\t3\n\n\t\tx\nY\tP\t0\t4");
    const KelReadResult read = readKelFile(path("m.kel"));
    ASSERT_EQ(read.rows.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(read.rows[static_cast<size_t>(i)][3], QString::number(i + 1));
}

TEST_F(KelFileOnDisk, RefusesMissingOversizedAndOverfullFilesNamingThem)
{
    const KelReadResult missing = readKelFile(path("none.kel"));
    EXPECT_TRUE(missing.error.contains(path("none.kel")));
    EXPECT_TRUE(missing.rows.empty());

    QFile big(path("big.kel"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(kMaxKelFileBytes + 1)); // sparse
    big.close();
    EXPECT_TRUE(readKelFile(path("big.kel")).error.contains("256 MiB"));

    writeBytes(path("many.kel"), QByteArray("Y\n").repeated(kMaxKelRows + 1));
    const KelReadResult many = readKelFile(path("many.kel"));
    EXPECT_FALSE(many.ok());
    EXPECT_TRUE(many.rows.empty());
}

// A pipe with no writer would block the open for ever: it must be refused
// without being opened (the test's timeout catches a hang).
TEST_F(KelFileOnDisk, RefusesPipesAndFoldersAsNotRegularFiles)
{
    const QString fifo = path("pipe.kel");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& name : {fifo, dir.path()}) {
        const KelReadResult read = readKelFile(name);
        EXPECT_TRUE(read.error.contains(name + " is not a regular file"))
            << read.error.toStdString();
        EXPECT_TRUE(read.rows.empty());
    }
}

TEST(KelRows, OpenGrowsTheTableToTheLinesPlusTwentyAndKeepsOnlyTheTagMark)
{
    ObjectTable table;
    fillPoints(table, 3);
    table.setCell(kTagColumn, 2, kTagMark);
    std::vector<KelFields> rows(600);
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = {"Y", "P", "0", QString::number(i + 1), "5"};
    rows[0][10] = kTagMark;
    rows[1][10] = "junk";
    replaceRows(table, rows);
    EXPECT_EQ(table.rows(), 620);
    EXPECT_EQ(table.cell(0, 619), "619");
    EXPECT_FALSE(table.inUse(601));
    EXPECT_TRUE(table.tagged(1));
    EXPECT_TRUE(table.cell(kTagColumn, 2).isEmpty());

    replaceRows(table, parseText("Y\tL\r\n")); // fits: the count stays
    EXPECT_EQ(table.rows(), 620);
    EXPECT_EQ(table.lastRowInUse(), 1);
}

TEST(KelRows, PasteGrowsOnlyWhenARowReachesTheLastRow)
{
    ObjectTable table(10); // object rows 1..9
    fillPoints(table, 5);
    const std::vector<KelFields> three = parseText("Y\tL\nY\tL\nY\tL");
    EXPECT_EQ(pasteRows(table, three), 6);
    EXPECT_EQ(table.rows(), 10); // rows 6..8 stay below the last row
    EXPECT_EQ(table.cell(4, 5), "5");
    EXPECT_EQ(pasteRows(table, three), 9); // row 9 is the last row: 9 + 20
    EXPECT_EQ(table.rows(), 29);
    EXPECT_EQ(table.lastRowInUse(), 11);
    for (int r = 1; r <= 11; ++r)
        EXPECT_EQ(table.tagged(r), r >= 9) << r;
}

TEST(DrawingData, CarriesTheTaggedVisibleRowsBehindTheSignature)
{
    ObjectTable table;
    fillPoints(table, 3);
    table.setCell(kTagColumn, 1, kTagMark);
    table.setCell(kTagColumn, 2, kTagMark);
    table.setCell(kStateColumn, 2, "N"); // hidden: not copied
    table.setCell(kTagColumn, 3, kTagMark);
    const QString text = drawingDataText(table);
    EXPECT_EQ(text, "KelSignature\r\nY\tP\t\t1\t\t\t\t\t\t\r\nY\tP\t\t3\t\t\t\t\t\t\r\n");
    const auto data = parseDrawingData(text);
    ASSERT_TRUE(data && data->ok());
    EXPECT_EQ(data->rows.size(), 2u);
    EXPECT_FALSE(parseDrawingData(u"hello\r\nY\tP"));
    EXPECT_FALSE(parseDrawingData(u"\r\nKelSignature\r\nY\tP"));
}

} // namespace
} // namespace kel
