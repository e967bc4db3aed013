#include "app/Cursors.h"
#include "render/JpegCodec.h"
#include "windows/AboutWindow.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QSet>

namespace kel {
namespace {

constexpr QSize kAboutPictureSize(350, 212);

QByteArray resourceBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

TEST(Resources, AreLinkedIntoTheProgram)
{
    for (const char* path : {":/about1.jpg", ":/about2.jpg", ":/cursor1.png", ":/cursor2.png"})
        EXPECT_FALSE(resourceBytes(QString::fromLatin1(path)).isEmpty()) << path;
}

TEST(AboutWindow, ClientAreaIsFixedAt363By229)
{
    AboutWindow window;
    EXPECT_EQ(window.size(), QSize(363, 229));
    EXPECT_EQ(window.minimumSize(), QSize(363, 229));
    EXPECT_EQ(window.maximumSize(), QSize(363, 229));
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(window.font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(window.pictureSelector(), 0);
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
        EXPECT_EQ(picture.size(), kAboutPictureSize);
        EXPECT_EQ(picture.format(), QImage::Format_RGB32);
        EXPECT_EQ(window.pictureControl()->geometry(), QRect(QPoint(6, 8), kAboutPictureSize));

        // The very pixels the codec gives for the resource.
        const JpegResult direct = decodeJpeg(resourceBytes(AboutWindow::pictureResource(selector)));
        ASSERT_FALSE(direct.image.isNull()) << direct.error.toStdString();
        EXPECT_EQ(picture, direct.image);
        shown[selector] = picture;
        window.hide();
    }
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_EQ(AboutWindow::pictureResource(0), QStringLiteral(":/about1.jpg"));
    EXPECT_EQ(AboutWindow::pictureResource(1), QStringLiteral(":/about2.jpg"));
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
    EXPECT_EQ(window.pictureControl()->size(), QSize(0, 0));
    EXPECT_EQ(window.size(), QSize(363, 229));
}

QSet<QRgb> coloursOf(const QImage& image)
{
    QSet<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            colours.insert(qAlpha(argb.pixel(x, y)) == 0 ? 0u : argb.pixel(x, y));
    return colours;
}

TEST(Cursors, CrosshairIs32By32WithHotSpotAtItsCentre)
{
    const QCursor cursor = loadCursor1();
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(15, 15));
    const QImage image = cursor.pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_LE(coloursOf(image).size(), 16);
    EXPECT_GT(coloursOf(image).size(), 2);
    // The hot spot is the visible centre mark, the corners are see-through.
    EXPECT_EQ(qAlpha(image.pixel(15, 15)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0);
}

TEST(Cursors, PencilArrowIsBlackAndWhiteWithHotSpotAtTheTip)
{
    const QCursor cursor = loadCursor2();
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    const QImage image = cursor.pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(24, 24));
    const QSet<QRgb> colours = coloursOf(image);
    for (const QRgb colour : colours) {
        EXPECT_TRUE(colour == 0u || colour == qRgb(0, 0, 0) || colour == qRgb(255, 255, 255))
            << std::hex << colour;
    }
    EXPECT_TRUE(colours.contains(qRgb(0, 0, 0)));
    EXPECT_TRUE(colours.contains(qRgb(255, 255, 255)));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)); // the arrow's tip
}

} // namespace
} // namespace kel
