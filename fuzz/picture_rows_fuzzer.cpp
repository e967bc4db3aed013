// Picture rows (`f` metafiles, `x` bitmaps, `j` JPGs) with fuzzed cells,
// drawn by a full redraw and highlighted as the object popups do.
//
// Input: one control byte, then the cells zoom, x and y separated by tabs,
// then the picture data. Control bits 0-1 pick the kind; with bit 2 set the
// data is raw picture bytes that are encoded as the kind stores them, so the
// metafile header and JPEG readers get well-formed text to decode; without
// it the data is the cell's text as it stands (Windows-1252), so the text
// decoders see damaged text.
#include "fuzz/FuzzSupport.h"
#include "model/RecordKinds.h"
#include "render/PictureDrawers.h"

#include <QByteArrayView>

using namespace kel;

namespace {

struct PictureInput {
    RecordKind kind;
    QString zoom, x, y, data;
};

PictureInput splitInput(const std::uint8_t* data, std::size_t size)
{
    static constexpr RecordKind kKinds[] = {RecordKind::EmfPicture, RecordKind::BitmapPicture,
                                            RecordKind::JpgPicture, RecordKind::EmfPicture};
    PictureInput input{kKinds[size > 0 ? data[0] & 3 : 0], {}, {}, {}, {}};
    const bool raw = size > 0 && (data[0] & 4) != 0;
    QByteArrayView rest(data, static_cast<qsizetype>(size));
    if (!rest.isEmpty())
        rest = rest.sliced(1);
    QString* cells[] = {&input.zoom, &input.x, &input.y};
    for (QString* cell : cells) {
        const qsizetype tab = rest.indexOf('\t');
        if (tab < 0)
            break;
        *cell = fuzz::kelText(reinterpret_cast<const std::uint8_t*>(rest.data()),
                              static_cast<std::size_t>(tab));
        rest = rest.sliced(tab + 1);
    }
    if (!raw)
        input.data = fuzz::kelText(reinterpret_cast<const std::uint8_t*>(rest.data()),
                                   static_cast<std::size_t>(rest.size()));
    else if (input.kind == RecordKind::BitmapPicture)
        input.data = EncodeSixBitPicture(rest);
    else
        input.data = EncodeHexPicture(rest);
    return input;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto& [ui, editor] = fuzz::startedEditor();

    const PictureInput input = splitInput(data, size);
    ObjectTable& table = editor.doc.table;
    table.clearObjects();
    namespace picture = col::picture;
    table.setCell(kStateColumn, 1, QStringLiteral("Y"));
    table.setCell(kTypeColumn, 1, QString(QChar(static_cast<char16_t>(input.kind))));
    table.setCell(picture::Zoom, 1, input.zoom);
    table.setCell(picture::X, 1, input.x);
    table.setCell(picture::Y, 1, input.y);
    table.setCell(picture::Data, 1, input.data);
    editor.RedrawAll();
    editor.renderer.HighlightRow(editor.surfaceCanvas(), 1);
    editor.clearPreview();
    ui.messages.clear();
    return 0;
}
