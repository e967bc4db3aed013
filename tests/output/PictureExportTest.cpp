#include "output/PictureExport.h"

#include "DrawingFixture.h"
#include "support/KelTestFiles.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

namespace kel {
namespace {

class PictureExport : public ::testing::Test {
protected:
    PictureExport()
    {
        // A red horizontal line and a black point.
        write("in.kel", "Y\tL\t0000FF01\t10\t20\t90\t20\t\t\t\r\nY\tP\t1\t50\t50\t\t\t\t\t\r\n");
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& bytes) const
    {
        test::writeBytes(path(name), bytes);
    }
    QByteArray read(const char* name) const { return test::readBytes(path(name)); }
    ExportOutcome run(const char* output, std::optional<QRect> crop = std::nullopt,
                      bool enhance = false, double scale = 1.0, const char* input = "in.kel")
    {
        ExportRequest request;
        request.input = path(input);
        request.output = path(output);
        request.surface = QSize(120, 80);
        request.crop = crop;
        request.enhance = enhance;
        request.scale = scale;
        return exportPicture(request);
    }

    QTemporaryDir dir;
};

TEST_F(PictureExport, PngShowsTheDrawingOrItsCropAreaWithoutGridDots)
{
    ASSERT_EQ(run("out.png").error, QString());
    const QImage image(path("out.png"));
    ASSERT_EQ(image.size(), QSize(120, 80));
    EXPECT_EQ(image.pixel(50, 20), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(50, 50), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255)) << "no dot grid in exports";
    ASSERT_EQ(run("crop.png", QRect(40, 10, 30, 50)).error, QString());
    const QImage crop(path("crop.png"));
    ASSERT_EQ(crop.size(), QSize(30, 50));
    EXPECT_EQ(crop.pixel(10, 10), qRgb(255, 0, 0)) << "the line at y 20, shifted by 10";
    EXPECT_EQ(crop.pixel(10, 40), qRgb(0, 0, 0)) << "the point at (50, 50)";
}

TEST_F(PictureExport, JpegDecodesToThePngWithinRounding)
{
    for (const bool enhance : {false, true}) {
        ASSERT_EQ(run("ref.png", std::nullopt, enhance).error, QString());
        ASSERT_EQ(run("out.jpg", std::nullopt, enhance).error, QString());
        const QImage png = QImage(path("ref.png")).convertToFormat(QImage::Format_RGB32);
        const QImage jpeg = QImage(path("out.jpg")).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(test::DifferingShare(jpeg, png, 8), 0.0) << "enhanced " << enhance;
    }
}

TEST_F(PictureExport, RowsThatCannotBeDrawnAreReportedAndThePictureStillWritten)
{
    write("bad.kel", "Y\tL\t0000FF01\t10\t20\t90\t20\t\t\t\r\n"
                     "Y\tb\t0\tx\t1\t5\t5\t\t\t\r\n"
                     "Y\tb\t0\t1\ty\t5\t5\t\t\t\r\n");
    for (const char* output : {"bad.png", "bad.emf", "bad.svg"}) {
        const ExportOutcome outcome = run(output, std::nullopt, false, 1.0, "bad.kel");
        EXPECT_EQ(outcome.error, QString());
        EXPECT_TRUE(outcome.report.startsWith(QStringLiteral("Row 2 not drawn")))
            << outcome.report.toStdString();
        EXPECT_TRUE(outcome.report.contains(QStringLiteral("2 rows"))) << output;
        EXPECT_FALSE(read(output).isEmpty());
    }
    EXPECT_EQ(run("good.png").report, QString());
}

TEST_F(PictureExport, UnsoundRequestsWriteNothingAndLeaveOldFilesAlone)
{
    struct Case {
        const char* output;
        std::optional<QRect> crop;
        bool enhance;
        double scale;
        const char* input;
        const char* says;
    };
    const Case cases[] = {
        {"old.png", QRect(10, 10, 0, 20), false, 1.0, "in.kel", "empty"},
        {"old.svg", QRect(10, 10, -5, 20), false, 1.0, "in.kel", "empty"},
        {"old.png", QRect(100, 10, 40, 20), false, 1.0, "in.kel", "outside"},
        {"old.svg", std::nullopt, true, 1.0, "in.kel", "--enhance"},
        {"old.png", std::nullopt, false, 2.0, "in.kel", "--scale"},
        {"old.gif", std::nullopt, false, 1.0, "in.kel", ".svg"},
        {"old.png", std::nullopt, false, 1.0, "missing.kel", "missing.kel"},
    };
    for (const Case& c : cases) {
        write(c.output, "old picture");
        const ExportOutcome outcome = run(c.output, c.crop, c.enhance, c.scale, c.input);
        EXPECT_TRUE(outcome.error.contains(QLatin1String(c.says))) << outcome.error.toStdString();
        EXPECT_EQ(read(c.output), QByteArray("old picture")) << c.says;
    }
}

} // namespace
} // namespace kel
