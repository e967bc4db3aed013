// Picture rows made from the clipboard, through the editor.

#include "interaction/core/Editor.h"
#include "model/FakeUi.h"
#include "model/KelFile.h"
#include "output/CropMimeData.h"
#include "output/EmfCanvas.h"
#include "output/OutputRegistration.h"
#include "render/JpegCodec.h"
#include "render/PictureDrawers.h"
#include "support/KelTestFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace kel {
namespace {

// A red box on white, 80 x 40 pixels, as a metafile.
QByteArray SmallMetafile()
{
    EmfCanvas canvas(QSize(80, 40));
    canvas.setBrush({0x0000FF, BrushStyle::Solid});
    canvas.rectangle(10, 10, 70, 30);
    return canvas.finish();
}

class PictureTools : public ::testing::Test {
protected:
    PictureTools() { editor.start(); }
    const ObjectTable& table() const { return editor.doc.table; }

    test::FakeUi ui;
    Editor editor{ui, {registerInteraction, registerOutput}};
};

// Mended: anything on the clipboard under a metafile's name became a row. A
// metafile cut short is refused with the record that does not fit; a whole one
// is placed with the zoom the wheel set.
TEST_F(PictureTools, OnlyAWholeMetafileFromTheClipboardBecomesARow)
{
    const QByteArray good = SmallMetafile();
    ui.setClipboardData(metafileMimeData(good.left(good.size() - 8), {}));
    editor.runMenuItem(QStringLiteral("mnuembedEMF"));
    editor.pointerDown(Qt::LeftButton, {50, 60});
    EXPECT_EQ(ui.messages.back(),
              QStringLiteral("The EMF object in clipboard cannot be used: Metafile is not valid: "
                             "a record's size does not fit"));
    EXPECT_EQ(table().lastRowInUse(), 0);
    ui.setClipboardData(metafileMimeData(good, {}));
    editor.runMenuItem(QStringLiteral("mnuembedEMF"));
    editor.wheel(2);
    editor.pointerDown(Qt::LeftButton, {50, 60});
    EXPECT_EQ(test::rowText(table(), 1), "Y|f|102|50|60|" + EncodeHexPicture(good) + "|||||");
}

TEST_F(PictureTools, BitmapsAreReducedByTheTypedFactorAndStoredAsJpegData)
{
    QImage bitmap(40, 20, QImage::Format_RGB32);
    bitmap.fill(0x00FF00);
    ui.setClipboardImage(bitmap);
    for (const auto& [typed, side] : {std::pair{"50", 20}, {"0", 40}, {"101", 40}, {"half", 40}}) {
        ui.inputAnswers.push_back(QString::fromLatin1(typed));
        editor.runMenuItem(QStringLiteral("mnuBMP64x"));
        editor.pointerDown(Qt::LeftButton, {30, 30});
        const int row = table().lastRowInUse();
        EXPECT_EQ(table().cell(col::picture::Zoom, row), "0");
        const std::optional<QByteArray> jpeg =
            DecodeSixBitPicture(table().cell(col::picture::Data, row));
        ASSERT_TRUE(jpeg);
        EXPECT_EQ(decodeJpeg(*jpeg).image.width(), side) << typed;
    }
}

// Mended: a row whose picture text did not decode stopped the redraw; it is
// drawn as a marked frame now and keeps its text through save and load.
TEST_F(PictureTools, PictureRowsKeepTheirTextThroughSaveAndLoad)
{
    const QString rows[] = {"Y|f|100|10|10|" + EncodeHexPicture(SmallMetafile()),
                            QStringLiteral("Y|f|100|10|10|0G"), QStringLiteral("Y|x|0|5|5|abc")};
    for (int i = 0; i < 3; ++i)
        test::putRow(editor.doc.table, i + 1, rows[i]);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pictures.kel"));
    ASSERT_EQ(writeKelFile(path, kelLines(table(), KelRowSet::InUse)), QString());
    editor.doc.table.clearObjects();
    const KelReadResult read = readKelFile(path);
    ASSERT_TRUE(read.ok());
    replaceRows(editor.doc.table, read.rows);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(test::rowText(table(), i + 1), rows[i] + "|||||");
    editor.RedrawAll();
    EXPECT_EQ(editor.renderer.lastSkippedRows(), 0);
}

TEST_F(PictureTools, BlocksToGifTakesAFramePerClickAndSavesOnF10)
{
    test::putRow(editor.doc.table, 1, QStringLiteral("Y|R|0000FF02|10|10|50|40"));
    editor.RedrawAll();
    editor.runMenuItem(QStringLiteral("mnuBlockstoGIF"));
    for (const QPoint p : {QPoint(0, 0), QPoint(59, 49), QPoint(0, 0), QPoint(100, 100)}) {
        editor.pointerMoved(p);
        editor.pointerDown(Qt::LeftButton, p);
    }
    EXPECT_EQ(ui.status(3), QStringLiteral("GIF frames=2"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blocks.gif"));
    ui.saveAnswers.push_back(path);
    editor.finishTool();
    EXPECT_EQ(ui.messages.back(), QStringLiteral("GIF file was saved with 2 frames"));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("GIF89a"));
}

} // namespace
} // namespace kel
