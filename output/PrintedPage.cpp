#include "output/PrintedPage.h"

#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"
#include "output/PainterCanvas.h"
#include "output/SavedFile.h"
#include "render/Renderer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace kel {

namespace {

// Device units of the PDF page per inch: fine enough that nothing visible
// is rounded.
constexpr int kPdfDpi = 1200;
constexpr double kPdfMarginMm = 10;

void SavePageAsPdf(Editor& editor)
{
    FileDialogRequest request;
    request.title = QStringLiteral("No printer is installed: save the page as a PDF file");
    request.filter = QStringLiteral("PDF files (*.pdf)");
    std::optional<QString> name = editor.ui().saveFileDialog(request);
    if (!name)
        return;
    if (QFileInfo(*name).suffix().isEmpty())
        *name += QStringLiteral(".pdf");
    QString error;
    const QByteArray pdf = RecordPagePdf(editor.renderer, &error);
    if (error.isEmpty())
        error = SaveFileAtomically(*name, pdf);
    editor.ui().message(error.isEmpty() ? QStringLiteral("The page was saved as %1").arg(*name)
                                        : error);
}

void PrintDrawing(Editor& editor)
{
    Renderer& renderer = editor.renderer;
    const PrintOutcome outcome =
        editor.ui().printPage([&renderer](QPainter& painter, const QRect& printable) {
            PaintDrawingPage(painter, renderer, printable);
        });
    switch (outcome.status) {
    case PrintStatus::Printed:
    case PrintStatus::Cancelled:
        break;
    case PrintStatus::Failed:
        editor.ui().message(outcome.detail);
        break;
    case PrintStatus::NoPrinter:
        SavePageAsPdf(editor);
        break;
    }
}

} // namespace

void PaintDrawingPage(QPainter& painter, Renderer& renderer, const QRect& printable)
{
    const QSize drawing = renderer.bitmap().size();
    if (drawing.isEmpty() || printable.isEmpty())
        return;
    painter.save();
    painter.translate(printable.topLeft());
    painter.scale(static_cast<double>(printable.width()) / drawing.width(),
                  static_cast<double>(printable.height()) / drawing.height());
    {
        PainterCanvas canvas(painter, drawing);
        canvas.setBrush({kWhite, BrushStyle::Solid});
        canvas.fillRect(0, 0, drawing.width(), drawing.height());
        canvas.setBrush({kWhite, BrushStyle::Clear});
        renderer.RenderCropArea(canvas, QPoint(0, 0));
    }
    painter.restore();
}

QByteArray RecordPagePdf(Renderer& renderer, QString* error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Kelvane"));
    pdf.setTitle(QStringLiteral("Kelvane drawing"));
    pdf.setResolution(kPdfDpi);
    const QSize drawing = renderer.bitmap().size();
    const auto orientation =
        drawing.width() > drawing.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation,
                                  QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        *error = QStringLiteral("The PDF page could not be started");
        return {};
    }
    PaintDrawingPage(painter, renderer, QRect(0, 0, pdf.width(), pdf.height()));
    painter.end();
    return bytes;
}

void registerPrintCommand(Registrations& registrations)
{
    registrations.commands.add(QStringLiteral("mnuPrint"), PrintDrawing);
}

} // namespace kel
