#include "output/EmfRecorder.h"
#include "DrawingFixture.h"
#include "EmfRecords.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <tuple>

namespace kel {
namespace {

using test::ReadEmf;

// The smallest rectangle holding every pixel that is not nearly white.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class EmfRecorder : public test::DrawingFixture {};

TEST_F(EmfRecorder, PageIsFilledWhiteBeforeTheRowsShiftedByTheCropCorner)
{
    add({"R", "00000001", "50", "40", "90", "70"});
    const EmfRecording recording = RecordCropEmf(renderer, QRect(40, 30, 100, 60));
    const test::EmfFile emf = ReadEmf(recording.bytes);
    ASSERT_TRUE(emf.valid);
    const auto page = emf.ofType(U_EMR_POLYGON16);
    ASSERT_EQ(page.size(), 1u);
    const U_EMRPOLYGON16 polygon = page[0].as<U_EMRPOLYGON16>();
    EXPECT_EQ(polygon.apts[0].x, 0);
    EXPECT_EQ(polygon.apts[0].y, 0);
    const auto brushes = emf.ofType(U_EMR_CREATEBRUSHINDIRECT);
    ASSERT_FALSE(brushes.empty());
    EXPECT_EQ(brushes[0].as<U_EMRCREATEBRUSHINDIRECT>().lb.lbColor.Green, 0xFF);
    const auto rectangles = emf.ofType(U_EMR_RECTANGLE);
    ASSERT_EQ(rectangles.size(), 1u);
    const U_RECTL box = rectangles[0].as<U_EMRRECTANGLE>().rclBox;
    EXPECT_EQ(std::tuple(box.left, box.top, box.right, box.bottom), std::tuple(10, 10, 50, 40));
}

// LibreOffice is the metafile reader at hand on Linux; it is too big to be
// a build dependency, so the comparison runs only where it is installed.
TEST_F(EmfRecorder, LibreOfficeDrawsTheMetafileLikeTheScreen)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "SKIPPED: LibreOffice (soffice) is not installed";
    addMixedDrawing();
    renderer.RedrawAll();
    const EmfRecording recording = RecordCropEmf(renderer, QRect(0, 0, 320, 240));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("drawing.emf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(recording.bytes);
    file.close();
    QProcess convert;
    convert.setWorkingDirectory(dir.path());
    convert.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + dir.path() +
                                QStringLiteral("/profile"),
                            QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            QStringLiteral("png"), QStringLiteral("drawing.emf")});
    ASSERT_TRUE(convert.waitForFinished(120000));
    const QImage converted(dir.filePath(QStringLiteral("drawing.png")));
    ASSERT_FALSE(converted.isNull()) << convert.readAllStandardError().toStdString();
    // LibreOffice puts the picture at its true size on a page of its own:
    // find it there by its ink.
    const QRect screenInk = InkBounds(renderer.bitmap());
    const QRect pageInk = InkBounds(converted);
    EXPECT_NEAR(pageInk.width(), screenInk.width(), 2);
    EXPECT_NEAR(pageInk.height(), screenInk.height(), 2);
    const QImage placed =
        converted.copy(QRect(pageInk.topLeft() - screenInk.topLeft(), QSize(320, 240)))
            .convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(test::DifferingShare(placed, renderer.bitmap(), 96), 0.05);
}

} // namespace
} // namespace kel
