#include "output/CropMimeData.h"
#include "DrawingFixture.h"
#include "EmfRecords.h"

#include <QSvgRenderer>

namespace kel {
namespace {

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
