#include "windows/AboutWindow.h"

#include "render/JpegCodec.h"

#include <QFile>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QShowEvent>

namespace kel {

namespace {
// The About pictures are small; anything bigger is not one of them.
constexpr qint64 kMaxPictureBytes = 4 * 1024 * 1024;
constexpr int kMaxPictureSide = 2000;
} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      pictureControl_(new QLabel(this))
{
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(QStringLiteral("About Kelvane"));
    setFixedSize(kAboutClientWidth, kAboutClientHeight);
    QFont serif = font();
    serif.setFamily(QStringLiteral("Times New Roman"));
    setFont(serif);

    pictureControl_->setObjectName(QStringLiteral("picture"));
    pictureControl_->setContentsMargins(0, 0, 0, 0);
    pictureControl_->setGeometry(6, 8, 0, 0);
}

QString AboutWindow::pictureResource(int selector)
{
    switch (selector) {
    case 0:
        return QStringLiteral(":/about1.jpg");
    case 1:
        return QStringLiteral(":/about2.jpg");
    default:
        return QString();
    }
}

void AboutWindow::loadPicture()
{
    picture_ = QImage();
    lastError_.clear();

    const QString path = pictureResource(selector_);
    QFile file(path);
    if (path.isEmpty()) {
        lastError_ = QStringLiteral("No About picture number %1").arg(selector_);
    } else if (!file.open(QIODevice::ReadOnly)) {
        lastError_ = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
    } else if (file.size() > kMaxPictureBytes) {
        lastError_ = QStringLiteral("%1 is too large").arg(path);
    } else {
        const JpegResult decoded = decodeJpeg(file.readAll(), kMaxPictureSide, kMaxPictureSide);
        picture_ = decoded.image;
        lastError_ = decoded.error;
    }

    if (picture_.isNull()) {
        pictureControl_->clear();
        pictureControl_->resize(0, 0);
    } else {
        pictureControl_->setPixmap(QPixmap::fromImage(picture_));
        pictureControl_->resize(picture_.size()); // the control sizes itself to its picture
    }
}

void AboutWindow::showEvent(QShowEvent* event)
{
    loadPicture();
    if (const QScreen* display = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(display->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace kel
