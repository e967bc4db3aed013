#pragma once
// Text as the raster canvas draws it, kept as masks. A drawing shows the
// same texts on every redraw; QPainter takes several microseconds for each,
// copying a kept mask a fraction of that. Enhance Image draws on two threads
// at once, so the masks are shared under a lock and handed out as shared
// pointers that outlive their eviction.

#include <QFont>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

namespace kel {

class TextStamps {
public:
    // A run of ink pixels x1..x2 on row y, relative to the anchor, in image
    // pixels.
    struct Run {
        int y, x1, x2;
    };
    struct Stamp {
        std::vector<Run> runs; // by row
        QRect bounds;          // of the ink, relative to the anchor
    };

    // The one set of masks all raster canvases share.
    static TextStamps& shared();
    // What tells a face apart here; callers keep it with their font.
    static QString faceKey(const QFont& font);

    // The text with the top-left corner of its cell at the anchor, turned by
    // `escapement` tenths of a degree counter-clockwise about it, drawn at
    // `scale` image pixels per unit. A stamp too large to keep (a huge
    // font) is made only where it meets `window`, the canvas relative to the
    // anchor, and is not kept.
    std::shared_ptr<const Stamp> stamp(const QFont& font, const QString& faceKey, int escapement,
                                       int scale, const QString& text, const QRect& window);
    // The text's advance and the font's ascent plus descent, in units.
    QSize extent(const QFont& font, const QString& faceKey, const QString& text);

    struct Key {
        QString face;
        int escapement;
        int scale;
        QString text;
        bool operator==(const Key&) const = default;
    };

private:
    // Where the text's cell lands, relative to the anchor.
    static QRect area(const QFont& font, int escapement, int scale, const QString& text);
    // The ink inside `area` (the whole area or a part of it).
    static Stamp render(const QFont& font, int escapement, int scale, const QString& text,
                        const QRect& area);
    void makeRoom(qsizetype bytes);

    std::mutex lock_;
    QHash<Key, std::shared_ptr<const Stamp>> stamps_;
    QHash<Key, QSize> extents_;
    qsizetype bytes_ = 0;
};

size_t qHash(const TextStamps::Key& key, size_t seed = 0);

} // namespace kel
