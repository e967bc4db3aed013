#include "output/VectorPictures.h"
#include "DrawingFixture.h"
#include "EmfRecords.h"
#include "output/CropMimeData.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace kel {
namespace {

class VectorPictures : public test::DrawingFixture {};

// The picture an SVG draws at `size` pixels on white.
QImage Rendered(const QByteArray& svg, QSize size)
{
    QSvgRenderer renderer(svg);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QString Attribute(const QByteArray& svg, const char* name)
{
    const QRegularExpression pattern(QStringLiteral(" %1=\"([^\"]*)\"").arg(QLatin1String(name)));
    return pattern.match(QString::fromUtf8(svg)).captured(1);
}

TEST_F(VectorPictures, SvgDrawsBackLikeTheScreenAtTrueSizeAndScales)
{
    addMixedDrawing();
    renderer.RedrawAll();
    const QByteArray svg = RecordCropSvg(renderer, QRect(0, 0, 320, 240));
    const QImage drawn = Rendered(svg, QSize(320, 240));
    ASSERT_FALSE(drawn.isNull());
    // Edges may fall a pixel apart and text comes from the reader's own
    // glyphs; everything else matches.
    EXPECT_LT(test::DifferingShare(drawn, renderer.bitmap(), 96), 0.03);
    QImage blank(QSize(320, 240), QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_GT(test::DifferingShare(drawn, blank, 96), 0.05) << "not a blank picture";

    add({"L", "00000001", "0", "0", "50", "50"});
    const QByteArray plain = RecordCropSvg(renderer, QRect(10, 10, 96, 48));
    EXPECT_EQ(Attribute(plain, "width"), QStringLiteral("25.4mm")) << "96 pixels are an inch";
    EXPECT_EQ(Attribute(plain, "viewBox"), QStringLiteral("0 0 96 48"));
    const QByteArray doubled = RecordCropSvg(renderer, QRect(10, 10, 96, 48), 2.0);
    EXPECT_EQ(Attribute(doubled, "width"), QStringLiteral("50.8mm"));
    EXPECT_EQ(Attribute(doubled, "viewBox"), QStringLiteral("0 0 96 48"));
}

TEST_F(VectorPictures, PdfIsOnePageOfTheCropSize)
{
    addMixedDrawing();
    struct Case {
        QSize pixels;
        double scale;
        QString mediaBox;
    };
    const Case cases[] = {
        {{320, 240}, 2.0, QStringLiteral("0 0 480 360")},
        {{321, 241}, 1.0, QStringLiteral("0 0 241 181")}, // whole points, rounded
    };
    for (const Case& c : cases) {
        const QByteArray pdf = RecordCropPdf(renderer, QRect(QPoint(5, 5), c.pixels), c.scale);
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                      pdf.count("/Type /Page/") + pdf.count("/Type /Page "),
                  1)
            << "one page";
        const QRegularExpression box(QStringLiteral("/MediaBox \\[([^\\]]*)\\]"));
        const QStringList numbers =
            box.match(QString::fromLatin1(pdf)).captured(1).simplified().split(u' ');
        QStringList whole;
        for (const QString& n : numbers)
            whole << QString::number(n.toDouble());
        EXPECT_EQ(whole.join(u' '), c.mediaBox) << c.pixels.width() << "x" << c.pixels.height();
    }
}

class CropMimeData : public test::DrawingFixture {};

TEST_F(CropMimeData, OffersTheAreaAsMetafileSvgAndPng)
{
    addMixedDrawing();
    renderer.RedrawAll();
    const QRect crop(16, 8, 200, 120);
    const std::unique_ptr<QMimeData> data = cropMimeData(renderer, crop);
    ASSERT_TRUE(data);

    const QByteArray emf = data->data(QString::fromLatin1(kEmfMimeTypes[0]));
    EXPECT_TRUE(test::ReadEmf(emf).valid);
    for (const char* type : kEmfMimeTypes)
        EXPECT_EQ(data->data(QString::fromLatin1(type)), emf) << type;
    EXPECT_TRUE(data->hasFormat(
        QStringLiteral("application/x-openoffice-emf;windows_formatname=\"Image EMF\"")));

    const QSvgRenderer svg(data->data(QStringLiteral("image/svg+xml")));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), crop.size()));

    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), renderer.bitmap().copy(crop));
    EXPECT_EQ(cropMimeData(renderer, QRect(5, 5, 0, 10)), nullptr);
}

} // namespace
} // namespace kel
