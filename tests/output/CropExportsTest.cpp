// The crop-area picture exports and the printed page, driven through the editor.

#include "interaction/core/Editor.h"
#include "model/FakeUi.h"
#include "output/OutputRegistration.h"
#include "support/KelTestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kel {
namespace {

class CropExports : public ::testing::Test {
protected:
    CropExports()
    {
        editor.start();
        test::putRow(editor.doc.table, 1, QStringLiteral("Y|L|0000FF01|20|30|180|30"));
        editor.doc.table.renumber();
        editor.RedrawAll();
    }
    void area(const char* item, QPoint from, QPoint to)
    {
        editor.runMenuItem(QString::fromLatin1(item));
        editor.pointerDown(Qt::LeftButton, from);
        editor.pointerMoved(to);
        editor.pointerDown(Qt::LeftButton, to);
    }

    test::FakeUi ui;
    Editor editor{ui, {registerInteraction, registerOutput}};
    QTemporaryDir dir;
};

// Mended: an area without width or height made an empty picture after the
// dialog; a failed write still said the file was saved.
TEST_F(CropExports, EmptyAreasAreRefusedBeforeAnyDialogAndFailedWritesAreNotSuccesses)
{
    for (const char* item : {"mnusavecrop", "mnusavtoClip", "mnucropemfsave", "mnuEMF2clip"}) {
        ui.messages.clear();
        area(item, {50, 40}, {50, 90});
        ASSERT_EQ(ui.messages.size(), 2) << item;
        EXPECT_TRUE(ui.messages.back().startsWith("The crop area has no width")) << item;
        EXPECT_EQ(editor.tool.mode, ToolMode::Idle) << item;
    }
    EXPECT_TRUE(ui.saveRequests.empty());
    ui.saveAnswers = {dir.filePath("missing/a.jpg"), dir.filePath("missing/a.emf")};
    area("mnusavecrop", {10, 10}, {100, 60});
    EXPECT_TRUE(ui.messages.back().startsWith("cannot write")) << ui.messages.back().toStdString();
    area("mnucropemfsave", {10, 10}, {100, 60});
    EXPECT_TRUE(ui.messages.back().startsWith("cannot write")) << ui.messages.back().toStdString();
}

TEST_F(CropExports, ThePageIsStretchedOverThePrintableArea)
{
    editor.renderer.createBitmap(QSize(200, 100));
    editor.RedrawAll();
    ui.printerPage = QImage(400, 400, QImage::Format_RGB32);
    editor.runMenuItem(QStringLiteral("mnuPrint"));
    // White all over (no grey of the bare page); the line at y 30 of 100 is
    // at y 120 of 400 and runs from x 40 to 360.
    EXPECT_EQ(ui.printerPage.pixel(399, 399), qRgb(255, 255, 255));
    EXPECT_EQ(ui.printerPage.pixel(200, 121), qRgb(255, 0, 0));
    EXPECT_EQ(ui.printerPage.pixel(20, 121), qRgb(255, 255, 255));
}

} // namespace
} // namespace kel
