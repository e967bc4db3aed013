// Actions > Paste from Clipboard with the input as the clipboard's text,
// behind a small drawing, followed by the clicks that place the pasted rows.
#include "fuzz/FuzzSupport.h"
#include "interaction/core/Registrations.h"
#include "model/KelFile.h"
#include "model/KelText.h"

using namespace kel;

namespace {

// Two points and the line between them, already on the surface.
const char kDrawing[] = "Y\tP\t0\t100\t300\r\n"
                        "Y\tP\t0\t300\t300\r\n"
                        "Y\tL\t00000001\t100\t300\t300\t300\r\n";

std::vector<KelFields> drawingRows()
{
    const QString text = QString::fromLatin1(kDrawing);
    std::vector<KelFields> rows;
    for (QStringView line : splitKelLines(text))
        rows.push_back(*parseKelLine(line));
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto& [ui, editor] = fuzz::startedEditor({registerInteraction});
    static const std::vector<KelFields> drawing = drawingRows();

    // Every input starts from the same drawing and an idle editor.
    editor.CancelTool();
    editor.doc.table.setRows(kInitialRows);
    replaceRows(editor.doc.table, drawing);

    // The clipboard gives Unicode text; the input is read as UTF-8.
    ui.clipboard =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    editor.runMenuItem(QStringLiteral("mnupastefromclip"));
    editor.pointerDown(Qt::LeftButton, {200, 200});
    editor.pointerMoved({260, 240});
    editor.pointerDown(Qt::LeftButton, {260, 240});
    ui.messages.clear();
    return 0;
}
