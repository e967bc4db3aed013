#include "render/EmfPlayer.h"
#include "DrawingFixture.h"
#include "output/EmfRecorder.h"
#include "output/EmfWriter.h"
#include "render/PictureDrawers.h"

#include <uemf.h>

#include <QBuffer>
#include <QPainter>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace kel {
namespace {

// The metafile played on a white page of its own size.
QImage Played(const QByteArray& bytes)
{
    const std::optional<EmfInfo> info = ValidateEmf(bytes);
    if (!info)
        return {};
    QImage page(info->size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    PlayEmf(painter, bytes, *info, QRectF(QPointF(0, 0), QSizeF(info->size)));
    painter.end();
    return page;
}

U_RECTL Rect(int l, int t, int r, int b)
{
    return rectl_set(point32_set(l, t), point32_set(r, b));
}

class EmfPlayer : public test::DrawingFixture {};

// Every kind of record the recorder writes, played back as the screen
// shows the same rows.
TEST_F(EmfPlayer, PlaysWhatTheRecorderWritesAsTheRasterDrawsIt)
{
    const QString jpeg = EncodeHexPicture([] {
        QImage image(12, 8, QImage::Format_RGB32);
        image.fill(0x3366CC);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 100);
        return bytes;
    }());
    const std::vector<QStringList> drawings[] = {
        {}, // the mixed drawing
        {{"1", "00000002", "20", "20", "120", "90", "-20", "00FF0003"},
         {"1", "FF000001", "150", "20", "250", "90", "30"},
         {"B", "00000002", "20 200 60 120 100 220 140 140"},
         {"G", "0000FF00", "160 120 200 200 240 130 300 210"}},
        {{"b", "255", "30", "30", "130", "90"},
         {"P", "0", "200", "50"},
         {"P", "3", "230", "50"},
         {"P", "9", "260", "50"},
         {"N", "00000001", "20 150 120 150 70 230", "FF000006"},
         {"h", "00000001", "160", "150", "C0FFC001", "Arial", "14", "Label", "0"},
         {"j", "0", "250", "180", jpeg}},
    };
    for (size_t i = 0; i < std::size(drawings); ++i) {
        table.clearObjects();
        next = 1;
        if (i == 0)
            addMixedDrawing();
        for (const QStringList& row : drawings[i])
            add(row);
        renderer.RedrawAll();
        const EmfRecording recording = RecordCropEmf(renderer, QRect(0, 0, 320, 240));
        const QImage played = Played(recording.bytes);
        ASSERT_FALSE(played.isNull()) << i;
        // Edges and hatch lines may lie a pixel apart; no shape may be missing.
        EXPECT_LT(test::DifferingShare(played, renderer.bitmap(), 40), 0.05) << "drawing " << i;
    }
}

// Records other programs write: world transforms, clipping, geometric pens.
// Mapping modes and paths are played by the pictures script from real
// producers' files; saved states by the recorder round trips.
TEST_F(EmfPlayer, PlaysTheRecordsOtherProducersWrite)
{
    using Records = std::function<void(EmfWriter&)>;
    auto red = [](EmfWriter& w) {
        std::uint32_t brush = 0;
        w.append(createbrushindirect_set(&brush, w.handles(),
                                         logbrush_set(U_BS_SOLID, colorref3_set(255, 0, 0), 0)));
        w.append(selectobject_set(brush, w.handles()));
        w.append(selectobject_set(U_NULL_PEN, w.handles()));
    };
    auto box = [](EmfWriter& w, int l, int t, int r, int b) {
        const U_POINT16 corners[] = {point16_set(l, t), point16_set(r, t), point16_set(r, b),
                                     point16_set(l, b)};
        w.append(U_EMRPOLYGON16_set(Rect(l, t, r, b), 4, corners));
    };
    const struct {
        Records records;
        QPoint inside, outside;
    } cases[] = {
        {[&](EmfWriter& w) { // moved by the world transform, clipped
             w.append(U_EMRSETWORLDTRANSFORM_set(xform_set(1, 0, 0, 1, 50, 0)));
             w.append(U_EMRINTERSECTCLIPRECT_set(Rect(0, 0, 20, 50)));
             red(w);
             box(w, 0, 0, 40, 40);
         },
         {60, 20},
         {80, 20}},
        {[&](EmfWriter& w) { // a geometric pen six units wide
             std::uint32_t pen = 0;
             PU_EXTLOGPEN style =
                 extlogpen_set(U_PS_GEOMETRIC | U_PS_SOLID | U_PS_ENDCAP_FLAT, 6, U_BS_SOLID,
                               colorref3_set(255, 0, 0), 0, 0, nullptr);
             w.append(extcreatepen_set(&pen, w.handles(), nullptr, 0, nullptr, style));
             std::free(style);
             w.append(selectobject_set(pen, w.handles()));
             const U_POINT16 line[] = {{10, 25}, {90, 25}};
             w.append(U_EMRPOLYLINE16_set(Rect(10, 25, 90, 25), 2, line));
         },
         {50, 27},
         {50, 32}},
    };
    for (const auto& c : cases) {
        EmfWriter writer;
        c.records(writer);
        const QImage image = Played(writer.finish(QSize(100, 50)));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixel(c.inside), qRgb(255, 0, 0)) << c.inside.x();
        EXPECT_EQ(image.pixel(c.outside), qRgb(255, 255, 255)) << c.outside.x();
    }
}

// Damaged metafiles: refused whole, or played as far as they make sense,
// never read beyond their bytes.
TEST_F(EmfPlayer, DamagedMetafilesAreRefusedOrPlayedPartly)
{
    addMixedDrawing();
    const QByteArray good = RecordCropEmf(renderer, QRect(0, 0, 320, 240)).bytes;
    ASSERT_TRUE(ValidateEmf(good));
    auto withRecord = [&](std::vector<std::uint32_t> words) {
        QByteArray bytes = good.left(good.size() - 20); // before the end record
        bytes.append(reinterpret_cast<const char*>(words.data()),
                     static_cast<qsizetype>(words.size() * 4));
        return bytes + good.right(20);
    };
    auto sized = [](std::uint32_t type, std::vector<std::uint32_t> rest) {
        rest.insert(rest.begin(), {type, static_cast<std::uint32_t>(8 + 4 * rest.size())});
        return rest;
    };
    QByteArray badSize = good;
    badSize[good.size() - 20 + 4] = 22; // a record size that is not a multiple of 4
    QByteArray farBounds = good;        // no frame, and bounds at the edge of int
    const std::int32_t edge[] = {0x7FFFFFF0, 0, 0x7FFFFFFF, 10, 0, 0, 0, 0};
    std::memcpy(farBounds.data() + 8, edge, sizeof edge);
    const QByteArray refused[] = {good.left(good.size() - 1),  good.left(100),           badSize,
                                  good.left(good.size() - 20), QByteArray(1000, '\xFF'), farBounds};
    for (const QByteArray& bytes : refused)
        EXPECT_FALSE(ValidateEmf(bytes));

    std::vector<std::uint32_t> manySaves;
    for (int k = 0; k < 5000; ++k) // far deeper than any state stack keeps
        manySaves.insert(manySaves.end(), {U_EMR_SAVEDC, 8});
    const std::vector<std::uint32_t> played[] = {
        sized(U_EMR_POLYGON16, {0, 0, 0, 0, 0xFFFFFFFF, 0}),         // a huge count
        sized(U_EMR_POLYPOLYGON, {0, 0, 0, 0, 2, 3, 0x7FFFFFFF, 1}), // counts beyond the points
        sized(U_EMR_RESTOREDC, {static_cast<std::uint32_t>(-100)}),  // beyond the saved states
        sized(U_EMR_RESTOREDC, {0x7FFFFFFF}),
        manySaves,
        sized(U_EMR_SELECTOBJECT, {0x7FFFFFFE}),        // no such object
        sized(U_EMR_CREATEPEN, {0xFFFFFF, 0, 1, 0, 0}), // beyond the table
        sized(U_EMR_STRETCHDIBITS, {0, 0, 0, 0, 0, 0, 0, 0, 10, 10, 80, 40, 120, 0xFFFFFF00, 0, 0,
                                    10, 10}), // bitmap beyond the record
        sized(U_EMR_EXTSELECTCLIPRGN, {0xFFFFFFF0, U_RGN_COPY}),
        sized(U_EMR_EXTTEXTOUTW, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0xFFFFFF, 76, 0x100, 0}),
        sized(U_EMR_COMMENT, {4, 0x2B464D45}), // EMF+ data: skipped
        sized(999, {1, 2, 3}),                 // unknown: skipped
    };
    for (const std::vector<std::uint32_t>& record : played) {
        const QImage image = Played(withRecord(record));
        EXPECT_FALSE(image.isNull());
    }
    // A bitmap claiming 10,000 x 10,000 pixels in a small record is not made.
    const std::vector<std::uint32_t> huge =
        sized(U_EMR_STRETCHDIBITS,
              {0,        0,  0,  0,  0,     0,     0,          0, 10, 10, 80, 40, 120, 40, 0,
               0xCC0020, 10, 10, 40, 10000, 10000, 0x00200001, 0, 0,  0,  0,  0,  0,   0,  0});
    EXPECT_FALSE(Played(withRecord(huge)).isNull());
}

TEST_F(EmfPlayer, TwentyPictureRowsAreDecodedAndPlayedOnce)
{
    add({"R", "0000FF02", "5", "5", "60", "40"});
    const QString text = EncodeHexPicture(RecordCropEmf(renderer, QRect(0, 0, 64, 48)).bytes);
    table.clearObjects();
    next = 1;
    for (int i = 0; i < 20; ++i)
        add({"f", "100", QString::number(i * 10), QString::number(i * 8),
             i % 2 ? text : text + QStringLiteral("00")});
    PictureCache cache;
    for (int pass = 0; pass < 3; ++pass)
        for (int row = 1; row <= 20; ++row)
            cache.playedEmf(table.cell(6, row), EmfPictureBox({0, 0}, {64, 48}, 100 + row),
                            QRect(0, 0, 64, 48));
    EXPECT_EQ(cache.decodeCount(), 2);
}

} // namespace
} // namespace kel
