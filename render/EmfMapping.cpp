#include "render/EmfMapping.h"

#include <uemf.h>

#include <algorithm>
#include <cmath>

namespace kel {

namespace {

// Millimetres per logical unit of the fixed mapping modes (y grows upwards).
double MillimetresPerUnit(int mode)
{
    switch (mode) {
    case U_MM_LOMETRIC:
        return 0.1;
    case U_MM_HIMETRIC:
        return 0.01;
    case U_MM_LOENGLISH:
        return 0.254;
    case U_MM_HIENGLISH:
        return 0.0254;
    case U_MM_TWIPS:
        return 25.4 / 1440;
    default:
        return 0;
    }
}

} // namespace

QTransform EmfMapping::pageTransform(double devicePerMm) const
{
    double sx = 1, sy = 1;
    if (const double mm = MillimetresPerUnit(mapMode); mm > 0) {
        sx = mm * devicePerMm;
        sy = -sx;
    } else if (mapMode == U_MM_ISOTROPIC || mapMode == U_MM_ANISOTROPIC) {
        const QSizeF w = windowExt, v = viewportExt;
        sx = w.width() != 0 ? v.width() / w.width() : 1;
        sy = w.height() != 0 ? v.height() / w.height() : 1;
        if (mapMode == U_MM_ISOTROPIC) {
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
    }
    return QTransform(sx, 0, 0, sy, viewportOrg.x() - windowOrg.x() * sx,
                      viewportOrg.y() - windowOrg.y() * sy);
}

bool EmfMapping::read(const EmfRecord& r)
{
    auto pair = [&](QPointF& into) {
        if (const auto x = r.i32(8), y = r.i32(12); x && y)
            into = QPointF(*x, *y);
    };
    auto extent = [&](QSizeF& into) {
        if (const auto x = r.i32(8), y = r.i32(12); x && y && *x != 0 && *y != 0)
            into = QSizeF(*x, *y);
    };
    auto scaleExtent = [&](QSizeF& ext) {
        const auto xn = r.i32(8), xd = r.i32(12), yn = r.i32(16), yd = r.i32(20);
        if (xn && xd && yn && yd && *xd != 0 && *yd != 0 && *xn != 0 && *yn != 0)
            ext = QSizeF(ext.width() * *xn / *xd, ext.height() * *yn / *yd);
    };
    switch (r.type()) {
    case U_EMR_SETMAPMODE:
        if (const auto mode = r.u32(8); mode && *mode >= U_MM_TEXT && *mode <= U_MM_ANISOTROPIC)
            mapMode = static_cast<int>(*mode);
        return true;
    case U_EMR_SETWINDOWORGEX:
        pair(windowOrg);
        return true;
    case U_EMR_SETVIEWPORTORGEX:
        pair(viewportOrg);
        return true;
    case U_EMR_SETWINDOWEXTEX:
        extent(windowExt);
        return true;
    case U_EMR_SETVIEWPORTEXTEX:
        extent(viewportExt);
        return true;
    case U_EMR_SCALEWINDOWEXTEX:
        scaleExtent(windowExt);
        return true;
    case U_EMR_SCALEVIEWPORTEXTEX:
        scaleExtent(viewportExt);
        return true;
    case U_EMR_SETWORLDTRANSFORM:
    case U_EMR_MODIFYWORLDTRANSFORM: {
        float m[6];
        for (int i = 0; i < 6; ++i) {
            const auto v = r.f32(8 + 4 * i);
            if (!v)
                return true;
            m[i] = *v;
        }
        const QTransform t(m[0], m[1], m[2], m[3], m[4], m[5]);
        if (r.type() == U_EMR_SETWORLDTRANSFORM) {
            world = t;
            return true;
        }
        switch (r.u32(32).value_or(0)) {
        case U_MWT_IDENTITY:
            world = QTransform();
            break;
        case U_MWT_LEFTMULTIPLY:
            world = t * world;
            break;
        case U_MWT_RIGHTMULTIPLY:
            world = world * t;
            break;
        default:
            break;
        }
        return true;
    }
    default:
        return false;
    }
}

QTransform DeviceToTarget(const EmfInfo& info, const QRectF& target)
{
    const QRect frame = info.frameDevice;
    QTransform t;
    // The transform built last applies first: device -> target.
    t.translate(target.left(), target.top());
    t.scale(target.width() / std::max(frame.width(), 1),
            target.height() / std::max(frame.height(), 1));
    t.translate(-frame.left(), -frame.top());
    return t;
}

} // namespace kel
