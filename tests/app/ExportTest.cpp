// The headless picture export: the drawing as the bitmap shows it, without
// the dot grid, and clear failures for bad input or output.

#include "output/BitmapFile.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace kel {
namespace {

class Export : public ::testing::Test {
protected:
    Export()
    {
        QFile file(dir.filePath(QStringLiteral("in.kel")));
        file.open(QIODevice::WriteOnly);
        // A red horizontal line and a black point.
        file.write("Y\tL\t0000FF01\t10\t20\t90\t20\t\t\t\r\nY\tP\t1\t50\t50\t\t\t\t\t\r\n");
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

TEST_F(Export, PngShowsTheDrawingWithoutGridDots)
{
    ASSERT_EQ(exportDrawing(path("in.kel"), path("out.png"), QSize(120, 80), false), QString());
    const QImage image(path("out.png"));
    ASSERT_EQ(image.size(), QSize(120, 80));
    EXPECT_EQ(image.pixel(50, 20), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(50, 50), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255)) << "no dot grid in exports";
    EXPECT_EQ(image.pixel(100, 20), qRgb(255, 255, 255));
}

TEST_F(Export, JpegAndEnhancedExportsKeepTheirColours)
{
    ASSERT_EQ(exportDrawing(path("in.kel"), path("out.jpg"), QSize(120, 80), true), QString());
    const QImage image(path("out.jpg"));
    ASSERT_EQ(image.size(), QSize(120, 80));
    const QRgb onLine = image.pixel(50, 20);
    EXPECT_GT(qRed(onLine), 150);
    EXPECT_LT(qGreen(onLine), 150);
    EXPECT_GT(qGreen(image.pixel(50, 70)), 240);
}

TEST_F(Export, FailuresNameTheFileAndLeaveNothingBehind)
{
    EXPECT_TRUE(exportDrawing(path("missing.kel"), path("a.png"), QSize(10, 10), false)
                    .contains(QStringLiteral("missing.kel")));
    EXPECT_FALSE(QFile::exists(path("a.png")));
    EXPECT_TRUE(exportDrawing(path("in.kel"), path("no/such/dir/a.png"), QSize(10, 10), false)
                    .contains(QStringLiteral("a.png")));
    EXPECT_FALSE(exportDrawing(path("in.kel"), path("a.gif"), QSize(10, 10), false).isEmpty());
    EXPECT_FALSE(QFile::exists(path("a.gif")));
}

} // namespace
} // namespace kel
