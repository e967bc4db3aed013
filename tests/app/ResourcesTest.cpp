#include "app/Cursors.h"
#include "render/JpegCodec.h"
#include "windows/AboutWindow.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace kel {
namespace {

QByteArray resourceBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

TEST(AboutWindow, ShowsBothPicturesThroughTheCodec)
{
    AboutWindow window;
    QImage shown[2];
    for (int selector : {0, 1}) {
        window.setPictureSelector(selector);
        window.show();
        ASSERT_TRUE(window.lastError().isEmpty()) << window.lastError().toStdString();
        const QImage& picture = window.picture();
        ASSERT_FALSE(picture.isNull()) << "selector " << selector;
        EXPECT_EQ(picture.size(), QSize(350, 212));
        EXPECT_EQ(window.pictureControl()->size(), picture.size());
        // The very pixels the codec gives for the resource.
        const JpegResult direct = decodeJpeg(resourceBytes(AboutWindow::pictureResource(selector)));
        ASSERT_FALSE(direct.image.isNull()) << direct.error.toStdString();
        EXPECT_EQ(picture, direct.image);
        shown[selector] = picture;
        window.hide();
    }
    EXPECT_NE(shown[0], shown[1]);
}

TEST(AboutWindow, UnknownSelectorShowsNoPicture)
{
    AboutWindow window;
    window.setPictureSelector(1);
    window.show();
    ASSERT_FALSE(window.picture().isNull());
    window.hide();

    window.setPictureSelector(7);
    window.show();
    EXPECT_TRUE(window.picture().isNull());
    EXPECT_FALSE(window.lastError().isEmpty());
    EXPECT_TRUE(window.pictureControl()->pixmap().isNull());
}

TEST(Cursors, HotSpotsSitOnVisiblePixels)
{
    const QCursor crosshair = loadCursor1();
    ASSERT_EQ(crosshair.shape(), Qt::BitmapCursor);
    EXPECT_EQ(crosshair.hotSpot(), QPoint(15, 15));
    const QImage cross = crosshair.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(cross.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(cross.pixel(15, 15)), 255);
    EXPECT_EQ(qAlpha(cross.pixel(0, 0)), 0);

    const QCursor pencil = loadCursor2();
    ASSERT_EQ(pencil.shape(), Qt::BitmapCursor);
    EXPECT_EQ(pencil.hotSpot(), QPoint(0, 0));
    const QImage arrow = pencil.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(arrow.size(), QSize(24, 24));
    EXPECT_EQ(arrow.pixel(0, 0), qRgb(0, 0, 0)); // the arrow's tip
}

} // namespace
} // namespace kel
