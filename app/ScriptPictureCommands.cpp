// The script commands that look at what the exports wrote: a picture file
// and the clipboard.

#include "app/ScriptRunner.h"
#include "interaction/core/Editor.h"
#include "output/CropMimeData.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QRegularExpression>
#include <QtEndian>

namespace kel {

namespace {

// The bounds of an enhanced metafile's header, inclusive device pixels.
QString DescribeEmf(const QByteArray& bytes)
{
    constexpr int kBoundsOffset = 8;
    const auto at = [&](int index) {
        return qFromLittleEndian<qint32>(bytes.constData() + kBoundsOffset + 4 * index);
    };
    const long long width = static_cast<long long>(at(2)) - at(0) + 1;
    const long long height = static_cast<long long>(at(3)) - at(1) + 1;
    return QStringLiteral("EMF %1x%2").arg(width).arg(height);
}

bool IsEmf(const QByteArray& bytes)
{
    constexpr int kSignatureOffset = 40;
    return bytes.size() > 88 && bytes.mid(kSignatureOffset, 4) == " EMF";
}

} // namespace

void ScriptRunner::addPictureCommands()
{
    commands_.insert(QStringLiteral("picture"), [this](const QStringList& args) {
        if (!needArgs(args, 1, 3))
            return;
        QFile file(args[0]);
        if (!file.open(QIODevice::ReadOnly)) {
            session_.print(QStringLiteral("picture: %1 missing").arg(args[0]));
            return;
        }
        const QByteArray bytes = file.readAll();
        QString what;
        QImage image;
        if (bytes.startsWith("%PDF-")) {
            static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
            what = QStringLiteral("PDF pages %1").arg(QString::fromLatin1(bytes).count(page));
        } else if (IsEmf(bytes)) {
            what = DescribeEmf(bytes);
        } else {
            QBuffer buffer;
            buffer.setData(bytes);
            QImageReader reader(&buffer);
            const QByteArray format = reader.format().toUpper();
            image = reader.read();
            what = image.isNull() ? QStringLiteral("unreadable")
                                  : QStringLiteral("%1 %2x%3")
                                        .arg(QString::fromLatin1(format))
                                        .arg(image.width())
                                        .arg(image.height());
        }
        if (args.size() == 3) {
            const auto x = number(args[1], 0, image.width() - 1);
            const auto y = x ? number(args[2], 0, image.height() - 1) : std::nullopt;
            if (!y)
                return;
            what += QStringLiteral(" pixel %1 %2 %3")
                        .arg(*x)
                        .arg(*y)
                        .arg(colourHex(fromQRgb(image.pixel(*x, *y))));
        }
        session_.print(QStringLiteral("picture: %1 %2").arg(args[0], what));
    });
    commands_.insert(QStringLiteral("clipboard"), [this](const QStringList& args) {
        if (!needArgs(args, 0, 2))
            return;
        if (!args.isEmpty()) {
            putOnClipboard(args);
            return;
        }
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QStringList formats = data ? data->formats() : QStringList();
        formats.sort();
        QString line = QStringLiteral("clipboard: ") + formats.join(u' ');
        const QImage image = QApplication::clipboard()->image();
        if (!image.isNull())
            line += QStringLiteral(" image %1x%2").arg(image.width()).arg(image.height());
        session_.print(line);
    });
}

void ScriptRunner::putOnClipboard(const QStringList& args)
{
    if (args.size() != 2 || (args[0] != u"emf" && args[0] != u"image")) {
        fail(QStringLiteral("clipboard takes nothing, or emf PATH or image PATH"));
        return;
    }
    QFile file(args[1]);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1").arg(args[1]));
        return;
    }
    // The bytes go under the EMF names as they are, damaged or not, as
    // another program might put them there.
    const QByteArray bytes = file.readAll();
    if (args[0] == u"emf") {
        QApplication::clipboard()->setMimeData(metafileMimeData(bytes, {}).release());
        return;
    }
    const QImage image = QImage::fromData(bytes);
    if (image.isNull()) {
        fail(QStringLiteral("%1 is not a picture").arg(args[1]));
        return;
    }
    QApplication::clipboard()->setImage(image);
}

} // namespace kel
