// Blocks to GIF: the first two clicks fix the frame's size, every further
// click takes the bitmap under the frame, which follows the pointer, as the
// next frame; F10 saves the animated GIF, Esc drops it.

#include "output/GifTools.h"

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/CommandRegistry.h"
#include "output/GifWriter.h"
#include "output/regions/CropAreaTool.h"

#include <QPainter>
#include <QSaveFile>

#include <vector>

namespace kel {

namespace {

class BlocksToGifTool : public CropAreaTool {
public:
    BlocksToGifTool()
        : CropAreaTool(QStringLiteral(
              "Arbitary blocks can be sequential frames of a GIF file\r\nFirst 2 click select the "
              "dimension of rectangle, by moving rectangle and left click bitmap under\r\n"
              "rectangle will be added to the GIF file. Press f10 to finish, ESC to cance"))
    {
    }

    void finish(Editor& editor) override
    {
        if (frames_.empty()) {
            editor.ui().message(QStringLiteral("No frames were added to the GIF file"));
            return;
        }
        const std::optional<QString> path = editor.ui().saveFileDialog(
            {QStringLiteral("Save GIF File"), QStringLiteral("GIF files (*.GIF)"), QString()});
        if (!path)
            return;
        QString error;
        const QByteArray gif = WriteAnimatedGif(frames_, kGifFrameDelay, &error);
        QSaveFile file(*path);
        if (gif.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(gif) != gif.size() ||
            !file.commit()) {
            editor.ui().message(
                error.isEmpty()
                    ? QStringLiteral("Could not write %1: %2").arg(*path, file.errorString())
                    : error);
            return;
        }
        const int count = static_cast<int>(frames_.size());
        frames_.clear();
        editor.CancelTool();
        editor.ui().message(QStringLiteral("GIF file was saved with %1 frames").arg(count));
    }

    void cancel(Editor&) override { frames_.clear(); }

protected:
    void begin(Editor&) override { frames_.clear(); }

    void trackArea(Editor& editor, const CropArea& area) override
    {
        const QSize size = frameSize(area);
        editor.ui().setStatus(
            3, QStringLiteral("GIF W= %1   H=%2").arg(size.width()).arg(size.height()));
    }

    void areaChosen(Editor& editor, const CropArea& area) override { trackArea(editor, area); }

    void moveAfter(Editor& editor, QPoint pos) override
    {
        const QSize size = frameSize(area(editor));
        drawFrame(editor,
                  CropArea::spanning(pos, pos + QPoint(size.width() - 1, size.height() - 1)));
    }

    void clickAfter(Editor& editor, QPoint pos) override
    {
        if (static_cast<int>(frames_.size()) >= kMaxGifFrames) {
            editor.ui().message(
                QStringLiteral("A GIF file takes at most %1 frames").arg(kMaxGifFrames));
            return;
        }
        // The bitmap under the frame; what lies beyond the bitmap is white.
        QImage frame(frameSize(area(editor)), QImage::Format_RGB32);
        frame.fill(Qt::white);
        QPainter painter(&frame);
        painter.drawImage(QPoint(0, 0), editor.renderer.bitmap(), QRect(pos, frame.size()));
        painter.end();
        frames_.push_back(frame);
        editor.ui().setStatus(3, QStringLiteral("GIF frames=%1").arg(frames_.size()));
    }

private:
    static QSize frameSize(const CropArea& area)
    {
        return {area.right - area.left + 1, area.bottom - area.top + 1};
    }

    std::vector<QImage> frames_;
};

} // namespace

void registerGifTools(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<BlocksToGifTool>(), {ToolMode::BlocksToGif});
    registrations.commands.add(QStringLiteral("mnucrop2GIF"), [](Editor& editor) {
        editor.ui().message(QStringLiteral("Not implemented yet"));
    });
}

} // namespace kel
